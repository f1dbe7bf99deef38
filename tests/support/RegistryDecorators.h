#pragma once
// Registries that wrap another one: to count the calls an operation costs, to
// make a chosen call raise as a failing platform layer would, to cut down the
// rights a key is opened with.
#include <functional>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/Registry.h"

namespace testsupport {

// Passes every call on to another registry.  A double overrides the calls it
// changes; `onCall` hears each call by name before it is passed on and may
// raise, as a failing platform layer would.
class ForwardingRegistry : public platform::IRegistry {
 public:
  explicit ForwardingRegistry(platform::IRegistry& inner) : inner_(inner) {}

  std::function<void(const char* call)> onCall;

  long OpenKey(platform::RegKey parent, const std::string& subKey, std::uint32_t access,
               platform::RegKey* result) override {
    Seen("OpenKey");
    return inner_.OpenKey(parent, subKey, access, result);
  }
  long CreateKey(platform::RegKey parent, const std::string& subKey, std::uint32_t access,
                 platform::RegKey* result, bool* created) override {
    Seen("CreateKey");
    return inner_.CreateKey(parent, subKey, access, result, created);
  }
  long CloseKey(platform::RegKey key) override {
    Seen("CloseKey");
    return inner_.CloseKey(key);
  }
  long QueryValue(platform::RegKey key, const std::string& name, std::uint32_t* type,
                  std::uint8_t* data, std::uint32_t* size) override {
    Seen(data != nullptr ? "QueryValue+data" : "QueryValue");
    return inner_.QueryValue(key, name, type, data, size);
  }
  long SetValue(platform::RegKey key, const std::string& name, std::uint32_t type,
                const std::uint8_t* data, std::uint32_t size) override {
    Seen("SetValue");
    return inner_.SetValue(key, name, type, data, size);
  }
  long DeleteValue(platform::RegKey key, const std::string& name) override {
    Seen("DeleteValue");
    return inner_.DeleteValue(key, name);
  }
  long DeleteKey(platform::RegKey key, const std::string& subKey) override {
    Seen("DeleteKey");
    return inner_.DeleteKey(key, subKey);
  }
  long EnumKey(platform::RegKey key, std::uint32_t index, std::string* name) override {
    Seen("EnumKey");
    return inner_.EnumKey(key, index, name);
  }
  long EnumValue(platform::RegKey key, std::uint32_t index, std::string* name) override {
    Seen("EnumValue");
    return inner_.EnumValue(key, index, name);
  }
  long QueryInfoKey(platform::RegKey key, std::uint32_t* subKeys, std::uint32_t* values) override {
    Seen("QueryInfoKey");
    return inner_.QueryInfoKey(key, subKeys, values);
  }

 protected:
  void Seen(const char* call) {
    if (onCall) onCall(call);
  }
  platform::IRegistry& Inner() { return inner_; }

 private:
  platform::IRegistry& inner_;
};

// Records every call by name, in order.
class CountingRegistry final : public ForwardingRegistry {
 public:
  explicit CountingRegistry(platform::IRegistry& inner) : ForwardingRegistry(inner) {
    onCall = [this](const char* call) { calls.emplace_back(call); };
  }
  std::vector<std::string> calls;
};

// Raises the program's error with `message` on every call named `failing`.
class RaisingRegistry final : public ForwardingRegistry {
 public:
  RaisingRegistry(platform::IRegistry& inner, std::string failing, std::string message)
      : ForwardingRegistry(inner) {
    onCall = [failing = std::move(failing), message = std::move(message)](const char* call) {
      if (failing == call) throw EProgramError(message);
    };
  }
};

// Grants key opens only the rights in `granted`, as for a user whose rights
// on a key were cut down.
class RightsLimitingRegistry final : public ForwardingRegistry {
 public:
  RightsLimitingRegistry(platform::IRegistry& inner, std::uint32_t granted)
      : ForwardingRegistry(inner), granted_(granted) {}
  std::vector<std::uint32_t> asked;

  long OpenKey(platform::RegKey parent, const std::string& subKey, std::uint32_t access,
               platform::RegKey* result) override {
    asked.push_back(access);
    if ((access & ~granted_) != 0) {
      *result = 0;
      return platform::reg::kAccessDenied;
    }
    return Inner().OpenKey(parent, subKey, access, result);
  }

 private:
  std::uint32_t granted_;
};

}  // namespace testsupport
