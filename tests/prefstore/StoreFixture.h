#pragma once
// A store over the fake registry or, in the Windows build, the real one, with
// fake boxes, a key of the test's own under both roots (removed afterwards),
// and the preference location and machine-wide switch restored.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "TestStore.h"
#include "platform/Services.h"
#include "platform/fake/FakeProcess.h"
#include "platform/fake/FakeShellFolders.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryUserInterface.h"
#include "prefstore/PrefBackendRegLayered.h"
#include "prefstore/PrefBackendRegSingle.h"
#include "support/RegistryProbe.h"
#include "support/ScopedProcessState.h"

namespace storetest {

struct RegistryKind {
  const char* name;
  bool fake;
};
inline void PrintTo(const RegistryKind& kind, std::ostream* out) { *out << kind.name; }

std::vector<RegistryKind> RegistryKinds();
std::string KindName(const testing::TestParamInfo<RegistryKind>& info);

class StoreFixture : public testing::TestWithParam<RegistryKind> {
 protected:
  void SetUp() override;
  void TearDown() override;

  platform::IRegistry& Registry() { return *registry_; }
  // The test's own key, and the key a section of it would be in.
  const std::string& Base() const { return base_; }
  std::string SectionKey(const std::string& section = "General") const {
    return base_ + "\\" + section;
  }

  std::optional<testsupport::RegValue> UserValue(const std::string& name,
                                                 const std::string& section = "General") {
    return testsupport::ReadRegValue(*registry_, platform::reg::kCurrentUser, SectionKey(section),
                                     name);
  }
  std::optional<testsupport::RegValue> MachineValue(const std::string& name,
                                                    const std::string& section = "General") {
    return testsupport::ReadRegValue(*registry_, platform::reg::kLocalMachine, SectionKey(section),
                                     name);
  }
  void PutUser(const std::string& name, const testsupport::RegValue& value,
               const std::string& section = "General") {
    testsupport::WriteRegValue(*registry_, platform::reg::kCurrentUser, SectionKey(section), name,
                               value);
  }
  void PutMachine(const std::string& name, const testsupport::RegValue& value,
                  const std::string& section = "General") {
    testsupport::WriteRegValue(*registry_, platform::reg::kLocalMachine, SectionKey(section), name,
                               value);
  }
  bool UserKeyExists(const std::string& path) {
    return testsupport::RegKeyPresent(*registry_, platform::reg::kCurrentUser, path);
  }
  bool MachineKeyExists(const std::string& path) {
    return testsupport::RegKeyPresent(*registry_, platform::reg::kLocalMachine, path);
  }

  // Opens the section key as every caller does: can-create, not read-only.
  void Open(std::uint8_t scope = cfgPerUserRoam, const std::string& section = "General") {
    ASSERT_TRUE(store.OpenPref(scope, SectionKey(section), true, PrefAccess::readWrite));
  }
  TPrefBackend& Backend() { return *store.Backend(); }
  // What ConfigMgr's MachineWidePrefs would say.
  void SetMachineWide(bool on) { store.machineWidePrefs = on; }
  // What the last open decided, while the store is open.
  bool MachineWideFlag() { return Backend().MachineWide(); }
  // The machine's or the only key's registry object, and the user's key of
  // the layered backend; null when there is none.
  const TRegistryObject* Primary() {
    if (const auto* single = store.BackendAs<TPrefBackendRegSingle>()) return single->Object();
    const auto* layered = store.BackendAs<TPrefBackendRegLayered>();
    return layered != nullptr ? layered->MachineObject() : nullptr;
  }
  const TRegistryObject* Secondary() {
    const auto* layered = store.BackendAs<TPrefBackendRegLayered>();
    return layered != nullptr ? layered->UserObject() : nullptr;
  }

  testsupport::ScopedProcessState services_;
  platform::memory::MemoryRegistry fakeRegistry;
  platform::memory::MemoryUserInterface ui;
  platform::fake::FakeProcess process;
  platform::fake::FakeShellFolders shellFolders;
  TestStore store;

 private:
  platform::IRegistry* registry_ = nullptr;
  std::string base_;
};

}  // namespace storetest
