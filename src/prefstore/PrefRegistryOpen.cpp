#include "prefstore/PrefRegistryOpen.h"

#include <memory>

#include "platform/Services.h"
#include "prefstore/DataScope.h"
#include "prefstore/PrefBackendRegLayered.h"
#include "prefstore/PrefBackendRegSingle.h"
#include "prefstore/ProductIdentity.h"

namespace reg = platform::reg;
using platform::RegKey;

namespace {

// A value name no one else uses, written and deleted again by the probe.
constexpr const char* kProbeValueName = "amdk328wlskdjf";

}  // namespace

bool RegKeyWritable(RegKey root, const std::string& key) {
  platform::IRegistry& registry = platform::Registry();
  RegKey raw = 0;
  if (registry.OpenKey(root, key, reg::kAllAccess, &raw) == reg::kSuccess) {
    const platform::UniqueRegKey opened(registry, raw);
    const std::uint8_t zero[4] = {};
    if (registry.SetValue(opened.get(), kProbeValueName, reg::kDword, zero, sizeof zero) !=
        reg::kSuccess) {
      return false;
    }
    registry.DeleteValue(opened.get(), kProbeValueName);
    return true;
  }
  if (registry.CreateKey(root, key, reg::kAllAccess, &raw, nullptr) != reg::kSuccess) return false;
  registry.CloseKey(raw);
  return true;
}

std::unique_ptr<TPrefBackend> RegistryPrefBackend(std::uint8_t scope, const std::string& key,
                                                  PrefAccess access, bool machineWidePrefs) {
  bool machineAlone = machineWidePrefs || scope == cfgPerMachine;
  // Reading needs no right to write, so a read-only open makes no test.
  if (machineAlone && access == PrefAccess::readWrite) {
    machineAlone = RegKeyWritable(reg::kLocalMachine, key);
  }
  if (machineAlone) {
    return std::make_unique<TPrefBackendRegSingle>(reg::kLocalMachine, access, machineWidePrefs);
  }
  return std::make_unique<TPrefBackendRegLayered>(access, machineWidePrefs);
}

std::unique_ptr<TPrefBackend> RegistryDirectPrefBackend(std::uint8_t scope, bool machineWidePrefs) {
  const bool machineWide =
      machineWidePrefs && RegKeyWritable(reg::kLocalMachine, std::string(kProductRegistryKey));
  const RegKey root =
      machineWide && scope == cfgPerMachine ? reg::kLocalMachine : reg::kCurrentUser;
  return std::make_unique<TPrefBackendRegSingle>(root, PrefAccess::readWrite, machineWide);
}
