#pragma once
// A registry that passes every call on to another one and keeps, in order,
// the values written and the keys created or deleted, each with its key's path
// as the caller spelt it.  A test can make chosen calls fail.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "support/RegistryDecorators.h"

namespace settingstest {

struct WrittenValue {
  std::string path;  // "HKCU\..." as opened, doubled backslashes kept
  std::string name;
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;

  std::int32_t Integer() const;
  std::string Text() const;
};

class RecordingRegistry final : public testsupport::ForwardingRegistry {
 public:
  explicit RecordingRegistry(platform::IRegistry& inner) : ForwardingRegistry(inner) {
    onCall = [this](const char*) { ++callCount; };
  }

  std::vector<WrittenValue> writes;
  std::vector<std::string> createdKeys;  // every CreateKey, as paths
  std::vector<std::string> deletedKeys;  // every DeleteKey, as paths
  std::size_t callCount = 0;             // calls of every kind

  // Asked before a key is created; a result other than kSuccess is returned
  // instead of creating it.
  std::function<long(const std::string& path)> createKeyResult;
  // Called before each value is written; it may throw to play a failure that
  // the store does not expect.
  std::function<void(const WrittenValue&)> beforeSetValue;

  long OpenKey(platform::RegKey parent, const std::string& subKey, std::uint32_t access,
               platform::RegKey* result) override;
  long CreateKey(platform::RegKey parent, const std::string& subKey, std::uint32_t access,
                 platform::RegKey* result, bool* created) override;
  long CloseKey(platform::RegKey key) override;
  long SetValue(platform::RegKey key, const std::string& name, std::uint32_t type,
                const std::uint8_t* data, std::uint32_t size) override;
  long DeleteKey(platform::RegKey key, const std::string& subKey) override;

  // The values written below `path` (exactly that key), in order.
  std::vector<WrittenValue> WritesTo(const std::string& path) const;

 private:
  std::string PathOf(platform::RegKey key) const;
  std::string Join(platform::RegKey parent, const std::string& subKey) const;

  std::map<platform::RegKey, std::string> paths_;
};

}  // namespace settingstest
