#pragma once
#include <string>
#include <vector>

#include "platform/PrivateProfile.h"

namespace storetest {

// A machine without files: every read gives its default, every write fails.
class NoFilesProfile final : public platform::IPrivateProfile {
 public:
  std::string ReadString(const std::string&, const std::string&, const std::string& defaultValue,
                         const std::string&, std::size_t) override {
    return defaultValue;
  }
  bool WriteString(const std::string&, const std::string&, const std::string&,
                   const std::string&) override {
    return false;
  }
  bool DeleteName(const std::string&, const std::string&, const std::string&) override {
    return false;
  }
  std::vector<std::string> ReadNames(const std::string&, const std::string&, std::size_t) override {
    return {};
  }
  void Flush(const std::string&) override {}
};

// Hands every call to another profile and records the flushes and writes, so
// that a test sees when the store asks for the file's cache to go out.
class RecordingProfile final : public platform::IPrivateProfile {
 public:
  explicit RecordingProfile(platform::IPrivateProfile& inner) : inner_(inner) {}

  // The file name of each flush, in order; and how many writes were made.
  std::vector<std::string> flushes;
  int writes = 0;

  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& defaultValue, const std::string& fileName,
                         std::size_t bufferSize) override {
    return inner_.ReadString(section, name, defaultValue, fileName, bufferSize);
  }
  bool WriteString(const std::string& section, const std::string& name, const std::string& value,
                   const std::string& fileName) override {
    ++writes;
    return inner_.WriteString(section, name, value, fileName);
  }
  bool DeleteName(const std::string& section, const std::string& name,
                  const std::string& fileName) override {
    ++writes;
    return inner_.DeleteName(section, name, fileName);
  }
  std::vector<std::string> ReadNames(const std::string& section, const std::string& fileName,
                                     std::size_t bufferSize) override {
    return inner_.ReadNames(section, fileName, bufferSize);
  }
  void Flush(const std::string& fileName) override {
    flushes.push_back(fileName);
    inner_.Flush(fileName);
  }

 private:
  platform::IPrivateProfile& inner_;
};

}  // namespace storetest
