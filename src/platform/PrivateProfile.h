#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// The private-profile (INI file) functions.  File names are always full paths:
// a bare name would resolve to the Windows folder.
class IPrivateProfile {
 public:
  virtual ~IPrivateProfile() = default;

  // GetPrivateProfileStringA with a name: the value, cut to bufferSize - 1
  // characters, or the default when the section or name is missing.
  virtual std::string ReadString(const std::string& section, const std::string& name,
                                 const std::string& defaultValue, const std::string& fileName,
                                 std::size_t bufferSize) = 0;
  // WritePrivateProfileStringA; false when the file could not be written.
  virtual bool WriteString(const std::string& section, const std::string& name,
                           const std::string& value, const std::string& fileName) = 0;
  // WritePrivateProfileStringA without a value.
  virtual bool DeleteName(const std::string& section, const std::string& name,
                          const std::string& fileName) = 0;
  // GetPrivateProfileStringA without a name: the section's names, as many as
  // fit in bufferSize bytes with a terminating zero each.
  virtual std::vector<std::string> ReadNames(const std::string& section,
                                             const std::string& fileName,
                                             std::size_t bufferSize) = 0;
  // WritePrivateProfileStringA with no section, name or value.
  virtual void Flush(const std::string& fileName) = 0;
};

}  // namespace platform
