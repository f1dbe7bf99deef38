#include "check/WholeFile.h"

#include <cstdio>
#include <fstream>

std::optional<std::string> ReadWhole(const std::string& fileName, std::size_t maxBytes) {
  // Read in pieces rather than sized up front: a folder or a device has no
  // size worth trusting.
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes;
  char piece[64 * 1024];
  while (file.read(piece, sizeof piece) || file.gcount() > 0) {
    const auto count = static_cast<std::size_t>(file.gcount());
    if (count > maxBytes - bytes.size()) return std::nullopt;
    bytes.append(piece, count);
  }
  if (file.bad()) return std::nullopt;
  return bytes;
}

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
