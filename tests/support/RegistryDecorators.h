#pragma once
// Registries that wrap another one: to count the calls an operation costs, and
// to make a chosen call raise as a failing platform layer would.
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/Registry.h"

namespace testsupport {

class ForwardingRegistry : public platform::IRegistry {
 public:
  explicit ForwardingRegistry(platform::IRegistry& inner) : inner_(inner) {}

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
  virtual void Seen(const char* call) = 0;

 private:
  platform::IRegistry& inner_;
};

// Records every call by name, in order.
class CountingRegistry final : public ForwardingRegistry {
 public:
  using ForwardingRegistry::ForwardingRegistry;
  std::vector<std::string> calls;

 protected:
  void Seen(const char* call) override { calls.emplace_back(call); }
};

// Raises the program's error with `message` on every call named `failing`.
class RaisingRegistry final : public ForwardingRegistry {
 public:
  RaisingRegistry(platform::IRegistry& inner, std::string failing, std::string message)
      : ForwardingRegistry(inner), failing_(std::move(failing)), message_(std::move(message)) {}

 protected:
  void Seen(const char* call) override {
    if (failing_ == call) throw EProgramError(message_);
  }

 private:
  std::string failing_;
  std::string message_;
};

// Grants key opens only the rights in `granted`, as for a user whose rights
// on a key were cut down.
class RightsLimitingRegistry final : public ForwardingRegistry {
 public:
  RightsLimitingRegistry(platform::IRegistry& inner, std::uint32_t granted)
      : ForwardingRegistry(inner), inner_(inner), granted_(granted) {}
  std::vector<std::uint32_t> asked;

  long OpenKey(platform::RegKey parent, const std::string& subKey, std::uint32_t access,
               platform::RegKey* result) override {
    asked.push_back(access);
    if ((access & ~granted_) != 0) {
      *result = 0;
      return platform::reg::kAccessDenied;
    }
    return inner_.OpenKey(parent, subKey, access, result);
  }

 protected:
  void Seen(const char*) override {}

 private:
  platform::IRegistry& inner_;
  std::uint32_t granted_;
};

}  // namespace testsupport
