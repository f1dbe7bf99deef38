#include "RecordingRegistry.h"

namespace settingstest {

namespace reg = platform::reg;

std::int32_t WrittenValue::Integer() const {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < data.size() && i < 4; ++i) {
    value |= static_cast<std::uint32_t>(data[i]) << (8 * i);
  }
  return static_cast<std::int32_t>(value);
}

std::string WrittenValue::Text() const {
  std::string text(data.begin(), data.end());
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

std::string RecordingRegistry::PathOf(platform::RegKey key) const {
  if (key == reg::kCurrentUser) return "HKCU";
  if (key == reg::kLocalMachine) return "HKLM";
  const auto found = paths_.find(key);
  return found == paths_.end() ? "?" : found->second;
}

std::string RecordingRegistry::Join(platform::RegKey parent, const std::string& subKey) const {
  return subKey.empty() ? PathOf(parent) : PathOf(parent) + "\\" + subKey;
}

long RecordingRegistry::OpenKey(platform::RegKey parent, const std::string& subKey,
                                std::uint32_t access, platform::RegKey* result) {
  ++calls;
  const long status = inner_.OpenKey(parent, subKey, access, result);
  if (status == reg::kSuccess) paths_[*result] = Join(parent, subKey);
  return status;
}

long RecordingRegistry::CreateKey(platform::RegKey parent, const std::string& subKey,
                                  std::uint32_t access, platform::RegKey* result, bool* created) {
  ++calls;
  const std::string path = Join(parent, subKey);
  createdKeys.push_back(path);
  if (createKeyResult) {
    const long forced = createKeyResult(path);
    if (forced != reg::kSuccess) return forced;
  }
  const long status = inner_.CreateKey(parent, subKey, access, result, created);
  if (status == reg::kSuccess) paths_[*result] = path;
  return status;
}

long RecordingRegistry::CloseKey(platform::RegKey key) {
  ++calls;
  paths_.erase(key);
  return inner_.CloseKey(key);
}

long RecordingRegistry::QueryValue(platform::RegKey key, const std::string& name,
                                   std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
  ++calls;
  return inner_.QueryValue(key, name, type, data, size);
}

long RecordingRegistry::SetValue(platform::RegKey key, const std::string& name, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t size) {
  ++calls;
  WrittenValue value{PathOf(key), name, type, std::vector<std::uint8_t>(data, data + size)};
  if (beforeSetValue) beforeSetValue(value);
  const long status = inner_.SetValue(key, name, type, data, size);
  if (status == reg::kSuccess) writes.push_back(std::move(value));
  return status;
}

long RecordingRegistry::DeleteValue(platform::RegKey key, const std::string& name) {
  ++calls;
  return inner_.DeleteValue(key, name);
}

long RecordingRegistry::DeleteKey(platform::RegKey key, const std::string& subKey) {
  ++calls;
  deletedKeys.push_back(Join(key, subKey));
  return inner_.DeleteKey(key, subKey);
}

long RecordingRegistry::EnumKey(platform::RegKey key, std::uint32_t index, std::string* name) {
  ++calls;
  return inner_.EnumKey(key, index, name);
}

long RecordingRegistry::EnumValue(platform::RegKey key, std::uint32_t index, std::string* name) {
  ++calls;
  return inner_.EnumValue(key, index, name);
}

long RecordingRegistry::QueryInfoKey(platform::RegKey key, std::uint32_t* subKeys,
                                     std::uint32_t* values) {
  ++calls;
  return inner_.QueryInfoKey(key, subKeys, values);
}

std::vector<WrittenValue> RecordingRegistry::WritesTo(const std::string& path) const {
  std::vector<WrittenValue> found;
  for (const WrittenValue& value : writes) {
    if (value.path == path) found.push_back(value);
  }
  return found;
}

}  // namespace settingstest
