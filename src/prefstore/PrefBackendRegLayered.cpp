#include "prefstore/PrefBackendRegLayered.h"

template <class MachineHolds>
bool TPrefBackendRegLayered::UserWriteNeeded(const std::string& name, MachineHolds machineHolds) {
  // The machine's key is asked first: a machine value that is missing, of
  // another type, unreadable or different means a write whatever the user's
  // key holds, so the user's key is asked only when the machine holds exactly
  // the new value.  A fresh import thus costs one read and the write, and
  // nothing is read at all when there is no machine key.  A machine value
  // that cannot be read as its type (a REG_DWORD of 8 bytes) is no error
  // here: it cannot equal the new value, so the user's value is written, as
  // for a value of another type; raising its read failure instead would show
  // a box and lose the new value over data the user cannot change.
  if (!machineHolds(Machine())) return true;
  return User().Query(name, nullptr, nullptr, nullptr) == platform::reg::kSuccess;
}

std::int32_t TPrefBackendRegLayered::GetPrefInteger(const std::string&, const std::string& name,
                                                    std::int32_t defaultValue) {
  if (const auto value = User().GetInteger(name)) return *value;
  return Machine().GetInteger(name).value_or(defaultValue);
}

void TPrefBackendRegLayered::SetPrefInteger(const std::string&, const std::string& name,
                                            std::int32_t value) {
  if (UserWriteNeeded(name, [&](TRegistryObject& machine) {
        return machine.HoldsDword(name, static_cast<std::uint32_t>(value));
      })) {
    User().SetInteger(name, value);
  }
}

std::string TPrefBackendRegLayered::GetPrefString(const std::string&, const std::string& name,
                                                  const std::string& defaultValue) {
  if (auto value = User().GetString(name)) return std::move(*value);
  return Machine().GetString(name).value_or(defaultValue);
}

void TPrefBackendRegLayered::SetPrefString(const std::string&, const std::string& name,
                                           const std::string& value) {
  if (UserWriteNeeded(name,
                      [&](TRegistryObject& machine) { return machine.HoldsText(name, value); })) {
    User().SetString(name, value);
  }
}

bool TPrefBackendRegLayered::GetPrefBoolean(const std::string&, const std::string& name,
                                            bool defaultValue) {
  if (const auto value = User().GetBoolean(name)) return *value;
  return Machine().GetBoolean(name).value_or(defaultValue);
}

void TPrefBackendRegLayered::SetPrefBoolean(const std::string&, const std::string& name,
                                            bool value) {
  if (UserWriteNeeded(
          name, [&](TRegistryObject& machine) { return machine.HoldsBoolean(name, value); })) {
    User().SetBoolean(name, value);
  }
}

std::int32_t TPrefBackendRegLayered::ReadPrefBinary(const std::string&, const std::string& name,
                                                    std::uint8_t* buffer, std::int32_t room) {
  if (const auto size = User().GetBinary(name, buffer, room)) return *size;
  return Machine().GetBinary(name, buffer, room).value_or(-1);
}

void TPrefBackendRegLayered::SetPrefBinary(const std::string&, const std::string& name,
                                           const std::uint8_t* buffer, std::int32_t size) {
  if (UserWriteNeeded(name, [&](TRegistryObject& machine) {
        return machine.HoldsBytes(name, buffer, static_cast<std::uint32_t>(size));
      })) {
    User().SetBinary(name, buffer, size);
  }
}

void TPrefBackendRegLayered::GetPrefValueNames(const std::string&, const std::string& sub,
                                               std::vector<std::string>& names) {
  User().ListValueNames(sub, names);
  if (names.empty()) Machine().ListValueNames(sub, names);
}

bool TPrefBackendRegLayered::DeletePrefValue(const std::string&, const std::string& name) {
  return User().DeleteValue(name);
}

bool TPrefBackendRegLayered::DeletePrefKey(const std::string& sub) { return User().DeleteKey(sub); }
