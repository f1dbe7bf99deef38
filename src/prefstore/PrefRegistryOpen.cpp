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

// The store's registry object, made when the store has none, set to `root`.
TRegistryObject& ObjectOn(std::unique_ptr<TRegistryObject>& object, RegKey root) {
  if (object) {
    object->SetRoot(root);
  } else {
    object = std::make_unique<TRegistryObject>(root);
  }
  return *object;
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

bool OpenRegistryPref(TConfigBase& store, std::uint8_t scope, const std::string& key,
                      bool canCreate, bool readOnly) {
  bool& machineWide = TPrefStoreAccess::MachineWide(store);
  machineWide = MachineWidePrefs();
  bool machineAlone = machineWide || scope == cfgPerMachine;
  // Reading needs no right to write, so a read-only open makes no test.
  if (machineAlone && !readOnly) machineAlone = RegKeyWritable(reg::kLocalMachine, key);

  if (machineAlone) {
    TPrefStoreAccess::Install(store, std::make_unique<TPrefBackendRegSingle>(store));
    TRegistryObject& machine =
        ObjectOn(TPrefStoreAccess::PrimaryRegistry(store), reg::kLocalMachine);
    return readOnly ? machine.OpenKeyReadOnly(key) : machine.OpenKey(key, canCreate);
  }

  TPrefStoreAccess::Install(store, std::make_unique<TPrefBackendRegLayered>(store));
  TRegistryObject& machine = ObjectOn(TPrefStoreAccess::PrimaryRegistry(store), reg::kLocalMachine);
  TRegistryObject& user = ObjectOn(TPrefStoreAccess::SecondaryRegistry(store), reg::kCurrentUser);
  // A missing machine key simply supplies no values.
  machine.OpenKeyReadOnly(key);
  return readOnly ? user.OpenKeyReadOnly(key) : user.OpenKey(key, canCreate);
}

bool OpenRegistryDirectPref(TConfigBase& store, std::uint8_t scope, const std::string& key,
                            bool canCreate) {
  bool& machineWide = TPrefStoreAccess::MachineWide(store);
  machineWide =
      MachineWidePrefs() && RegKeyWritable(reg::kLocalMachine, std::string(kProductRegistryKey));
  TPrefStoreAccess::Install(store, std::make_unique<TPrefBackendRegSingle>(store));
  const RegKey root =
      machineWide && scope == cfgPerMachine ? reg::kLocalMachine : reg::kCurrentUser;
  return ObjectOn(TPrefStoreAccess::PrimaryRegistry(store), root).OpenKey(key, canCreate);
}
