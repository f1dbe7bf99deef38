#pragma once
// All values in one registry key.  The section argument plays no part.
#include "prefstore/PrefBackendReg.h"

class TPrefBackendRegSingle final : public TPrefBackendReg {
 public:
  // The key will be below `root`, opened with `access`.
  TPrefBackendRegSingle(platform::RegKey root, PrefAccess access, bool machineWide)
      : TPrefBackendReg(access, machineWide), key_(std::make_unique<TRegistryObject>(root)) {}

  // The registry object while open, else null; to look at.
  const TRegistryObject* Object() const { return key_.get(); }

  bool OpenPref(const std::string& key, bool canCreate) override {
    return OpenWithAccess(Key(), key, canCreate);
  }
  // Closing a key does not ask the registry to flush it.
  void ClosePref() override { key_.reset(); }

  std::int32_t GetPrefInteger(const std::string& section, const std::string& name,
                              std::int32_t defaultValue) override;
  void SetPrefInteger(const std::string& section, const std::string& name,
                      std::int32_t value) override;
  std::string GetPrefString(const std::string& section, const std::string& name,
                            const std::string& defaultValue) override;
  void SetPrefString(const std::string& section, const std::string& name,
                     const std::string& value) override;
  bool GetPrefBoolean(const std::string& section, const std::string& name,
                      bool defaultValue) override;
  void SetPrefBoolean(const std::string& section, const std::string& name, bool value) override;
  void SetPrefBinary(const std::string& section, const std::string& name,
                     const std::uint8_t* buffer, std::int32_t size) override;
  // Lists the value names of the subkey `sub`, which then stays the current
  // key until the store closes; leaves `names` alone when there is no such
  // subkey.
  void GetPrefValueNames(const std::string& section, const std::string& sub,
                         std::vector<std::string>& names) override;
  bool DeletePrefValue(const std::string& section, const std::string& name) override;
  bool DeletePrefKey(const std::string& sub) override;

 protected:
  std::int32_t ReadPrefBinary(const std::string& section, const std::string& name,
                              std::uint8_t* buffer, std::int32_t room) override;

 private:
  TRegistryObject& Key() { return Opened(key_); }

  OwnedObject key_;
};
