#pragma once
#include <string>

// Imports a preferences file into ConfigMgr's store.  False when reading or
// importing raised an error (already reported); true otherwise, also for a
// file of another product (reported as well).
bool ImportPrefsXML(const std::string& fileName);
