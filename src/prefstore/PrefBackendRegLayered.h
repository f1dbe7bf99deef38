#pragma once
// The user's key layered over the machine's key of the same path.  The
// machine's key (opened for reading) supplies values set for every user; the
// user's key holds the user's own values, and only once they differ from the
// machine's.  Nothing is ever written to the machine's key.  The section
// argument plays no part.
#include "prefstore/PrefBackendReg.h"

class TPrefBackendRegLayered final : public TPrefBackendReg {
 public:
  // The user's key is opened with `access`, the machine's for reading.
  TPrefBackendRegLayered(PrefAccess access, bool machineWide)
      : TPrefBackendReg(access, machineWide),
        machine_(std::make_unique<TRegistryObject>(platform::reg::kLocalMachine)),
        user_(std::make_unique<TRegistryObject>(platform::reg::kCurrentUser)) {}

  // The registry objects while open, else null; to look at.
  const TRegistryObject* MachineObject() const { return machine_.get(); }
  const TRegistryObject* UserObject() const { return user_.get(); }

  // A missing machine key simply supplies no values.
  bool OpenPref(const std::string& key, bool canCreate) override {
    Machine().OpenKeyReadOnly(key);
    return OpenWithAccess(User(), key, canCreate);
  }
  // Closing a key does not ask the registry to flush it.
  void ClosePref() override {
    machine_.reset();
    user_.reset();
  }

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
  // The user's subkey; the machine's when that yields no names.
  void GetPrefValueNames(const std::string& section, const std::string& sub,
                         std::vector<std::string>& names) override;
  bool DeletePrefValue(const std::string& section, const std::string& name) override;
  bool DeletePrefKey(const std::string& sub) override;

 protected:
  std::int32_t ReadPrefBinary(const std::string& section, const std::string& name,
                              std::uint8_t* buffer, std::int32_t room) override;

 private:
  TRegistryObject& Machine() { return Opened(machine_); }
  TRegistryObject& User() { return Opened(user_); }
  // A write goes to the user's key unless the user's key lacks the value and
  // the machine's key already holds it.
  template <class MachineHolds>
  bool UserWriteNeeded(const std::string& name, MachineHolds machineHolds);

  OwnedObject machine_;
  OwnedObject user_;
};
