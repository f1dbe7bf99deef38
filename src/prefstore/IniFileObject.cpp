#include "prefstore/IniFileObject.h"

#include <utility>

#include "platform/Error.h"
#include "platform/PrivateProfile.h"
#include "platform/Services.h"

TIniFileObject::TIniFileObject(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TIniFileObject::ReadString(const std::string& section, const std::string& name,
                                       const std::string& defaultValue) const {
  return platform::PrivateProfile().ReadString(section, name, defaultValue, fileName_,
                                               kReadBufferSize);
}

void TIniFileObject::WriteString(const std::string& section, const std::string& name,
                                 const std::string& value) const {
  if (!platform::PrivateProfile().WriteString(section, name, value, fileName_)) {
    throw EProgramError("Unable to write to " + fileName_);
  }
}

void TIniFileObject::DeleteName(const std::string& section, const std::string& name) const {
  platform::PrivateProfile().DeleteName(section, name, fileName_);
}

std::vector<std::string> TIniFileObject::ReadNames(const std::string& section) const {
  return platform::PrivateProfile().ReadNames(section, fileName_, kNamesBufferSize);
}

void TIniFileObject::Flush() const { platform::PrivateProfile().Flush(fileName_); }
