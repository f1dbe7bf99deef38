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
  const long status = ForwardingRegistry::OpenKey(parent, subKey, access, result);
  if (status == reg::kSuccess) paths_[*result] = Join(parent, subKey);
  return status;
}

long RecordingRegistry::CreateKey(platform::RegKey parent, const std::string& subKey,
                                  std::uint32_t access, platform::RegKey* result, bool* created) {
  Seen("CreateKey");
  const std::string path = Join(parent, subKey);
  createdKeys.push_back(path);
  if (createKeyResult) {
    const long forced = createKeyResult(path);
    if (forced != reg::kSuccess) return forced;
  }
  const long status = Inner().CreateKey(parent, subKey, access, result, created);
  if (status == reg::kSuccess) paths_[*result] = path;
  return status;
}

long RecordingRegistry::CloseKey(platform::RegKey key) {
  paths_.erase(key);
  return ForwardingRegistry::CloseKey(key);
}

long RecordingRegistry::SetValue(platform::RegKey key, const std::string& name, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t size) {
  Seen("SetValue");
  WrittenValue value{PathOf(key), name, type, std::vector<std::uint8_t>(data, data + size)};
  if (beforeSetValue) beforeSetValue(value);
  const long status = Inner().SetValue(key, name, type, data, size);
  if (status == reg::kSuccess) writes.push_back(std::move(value));
  return status;
}

long RecordingRegistry::DeleteKey(platform::RegKey key, const std::string& subKey) {
  deletedKeys.push_back(Join(key, subKey));
  return ForwardingRegistry::DeleteKey(key, subKey);
}

std::vector<WrittenValue> RecordingRegistry::WritesTo(const std::string& path) const {
  std::vector<WrittenValue> found;
  for (const WrittenValue& value : writes) {
    if (value.path == path) found.push_back(value);
  }
  return found;
}

}  // namespace settingstest
