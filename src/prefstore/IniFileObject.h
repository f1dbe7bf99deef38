#pragma once
// The store's INI file object for the file locations: the file that the INI
// backend reads and writes through the platform's private-profile functions.
#include <string>
#include <utility>

class TIniFileObject {
 public:
  explicit TIniFileObject(std::string fileName) : fileName_(std::move(fileName)) {}
  const std::string& FileName() const { return fileName_; }

 private:
  std::string fileName_;
};
