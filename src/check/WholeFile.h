#pragma once
// The tools' output files: written whole under a temporary name and renamed,
// so that the name never holds half a file, nor an older file after a failed
// write.
#include <string>

// False when the file could not be written; the name then holds no file.
bool WriteWhole(const std::string& fileName, const std::string& bytes);
