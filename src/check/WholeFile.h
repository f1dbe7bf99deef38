#pragma once
// The tools' files whole: input read in one piece, output written under a
// temporary name and renamed, so that the name never holds half a file, nor
// an older file after a failed write.
#include <cstddef>
#include <limits>
#include <optional>
#include <string>

// The file's bytes; none when it cannot be read or holds more than
// `maxBytes`.
std::optional<std::string> ReadWhole(
    const std::string& fileName, std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// False when the file could not be written; the name then holds no file.
bool WriteWhole(const std::string& fileName, const std::string& bytes);
