#include "check/WholeFile.h"

#include <cstdio>
#include <fstream>

bool WriteWhole(const std::string& fileName, const std::string& bytes) {
  const std::string temporary = fileName + ".partial";
  std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (file.fail()) {
    std::remove(temporary.c_str());
    std::remove(fileName.c_str());
    return false;
  }
  // Windows' rename does not replace an existing file.
  if (std::rename(temporary.c_str(), fileName.c_str()) != 0) {
    std::remove(fileName.c_str());
    if (std::rename(temporary.c_str(), fileName.c_str()) != 0) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  return true;
}
