#include <windows.h>

#include "platform/PrivateProfile.h"
#include "platform/win32/Win32Services.h"

namespace platform::win32 {

namespace {

class Win32PrivateProfile final : public IPrivateProfile {
 public:
  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& defaultValue, const std::string& fileName,
                         std::size_t bufferSize) override {
    std::string buffer(bufferSize, '\0');
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), name.c_str(), defaultValue.c_str(), buffer.data(),
                                 static_cast<DWORD>(bufferSize), fileName.c_str());
    buffer.resize(length);
    return buffer;
  }

  bool WriteString(const std::string& section, const std::string& name, const std::string& value,
                   const std::string& fileName) override {
    return WritePrivateProfileStringA(section.c_str(), name.c_str(), value.c_str(),
                                      fileName.c_str()) != FALSE;
  }

  bool DeleteName(const std::string& section, const std::string& name,
                  const std::string& fileName) override {
    return WritePrivateProfileStringA(section.c_str(), name.c_str(), nullptr, fileName.c_str()) !=
           FALSE;
  }

  std::vector<std::string> ReadNames(const std::string& section, const std::string& fileName,
                                     std::size_t bufferSize) override {
    std::string buffer(bufferSize, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                                  static_cast<DWORD>(bufferSize), fileName.c_str());
    std::vector<std::string> names;
    for (std::size_t start = 0; start < length;) {
      const std::size_t end = buffer.find('\0', start);
      if (end == start || end == std::string::npos || end > length) break;
      names.push_back(buffer.substr(start, end - start));
      start = end + 1;
    }
    return names;
  }

  void Flush(const std::string& fileName) override {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName.c_str());
  }
};

}  // namespace

IPrivateProfile& PrivateProfile() {
  static Win32PrivateProfile profile;
  return profile;
}

}  // namespace platform::win32
