#include "prefstore/PrefRegistryOpen.h"

#include <memory>

#include "platform/Services.h"
#include "prefstore/PrefBackendRegLayered.h"
#include "prefstore/PrefBackendRegSingle.h"
#include "prefstore/ProductIdentity.h"

namespace reg = platform::reg;
using platform::RegKey;

namespace {

// A value name no one else uses, written and deleted again by the probe.
constexpr const char* kProbeValueName = "amdk328wlskdjf";

// A fresh registry object on `root`, in the store's slot.
TRegistryObject& MakeObject(std::unique_ptr<TRegistryObject>& slot, RegKey root) {
  slot = std::make_unique<TRegistryObject>(root);
  return *slot;
}

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

bool OpenRegistryPref(TPrefStoreSlots& store, std::uint8_t scope, const std::string& key,
                      bool canCreate, PrefAccess access) {
  const bool readOnly = access == PrefAccess::read;
  store.machineWide = MachineWidePrefs();
  bool machineAlone = store.machineWide || scope == cfgPerMachine;
  // Reading needs no right to write, so a read-only open makes no test.
  if (machineAlone && !readOnly) machineAlone = RegKeyWritable(reg::kLocalMachine, key);

  if (machineAlone) {
    TRegistryObject& machine = MakeObject(store.primaryRegistry, reg::kLocalMachine);
    store.backend = std::make_unique<TPrefBackendRegSingle>(store.primaryRegistry);
    return readOnly ? machine.OpenKeyReadOnly(key) : machine.OpenKey(key, canCreate);
  }

  TRegistryObject& machine = MakeObject(store.primaryRegistry, reg::kLocalMachine);
  TRegistryObject& user = MakeObject(store.secondaryRegistry, reg::kCurrentUser);
  store.backend =
      std::make_unique<TPrefBackendRegLayered>(store.primaryRegistry, store.secondaryRegistry);
  // A missing machine key simply supplies no values.
  machine.OpenKeyReadOnly(key);
  return readOnly ? user.OpenKeyReadOnly(key) : user.OpenKey(key, canCreate);
}

bool OpenRegistryDirectPref(TPrefStoreSlots& store, std::uint8_t scope, const std::string& key,
                            bool canCreate) {
  store.machineWide =
      MachineWidePrefs() && RegKeyWritable(reg::kLocalMachine, std::string(kProductRegistryKey));
  const RegKey root =
      store.machineWide && scope == cfgPerMachine ? reg::kLocalMachine : reg::kCurrentUser;
  TRegistryObject& only = MakeObject(store.primaryRegistry, root);
  store.backend = std::make_unique<TPrefBackendRegSingle>(store.primaryRegistry);
  return only.OpenKey(key, canCreate);
}
