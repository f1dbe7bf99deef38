// cfgPerMachine for a user who may only read the machine's key, on the real
// registry: the key's access list grants everyone reading and nothing else.
#ifdef _WIN32
#include <windows.h>
// clang-format off
#include <sddl.h>
// clang-format on

#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "prefstore/PrefRegistryOpen.h"

namespace {

using testsupport::DwordValue;

// Sets an access list from SDDL on HKLM\path for its lifetime and gives the
// key full access back afterwards, so that the test's clean-up can remove it.
class MachineKeyAccess {
 public:
  MachineKeyAccess(const std::string& path, const char* sddl) : path_(path) { Set(sddl); }
  ~MachineKeyAccess() { Set("D:P(A;;KA;;;WD)"); }
  MachineKeyAccess(const MachineKeyAccess&) = delete;
  MachineKeyAccess& operator=(const MachineKeyAccess&) = delete;

 private:
  void Set(const char* sddl) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, WRITE_DAC, &key), ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1,
                                                                     &descriptor, nullptr));
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
    LocalFree(descriptor);
    RegCloseKey(key);
  }
  std::string path_;
};

class MachineKeyDenied : public storetest::StoreFixture {};

TEST_P(MachineKeyDenied, PerMachineFallsBackToTheLayeredKeys) {
  PutMachine("Shared", DwordValue(5));
  const MachineKeyAccess readOnly(SectionKey(), "D:P(A;;KR;;;WD)");
  EXPECT_FALSE(RegKeyWritable(platform::reg::kLocalMachine, SectionKey()));

  Open(cfgPerMachine);
  EXPECT_NE(Secondary(), nullptr);
  store.SetPrefInteger("General", "Shared", 5);  // the machine's value: nothing written
  store.SetPrefInteger("General", "Own", 6);
  EXPECT_EQ(Backend().GetPrefInteger("", "Shared", 0), 5);
  store.ClosePref();
  EXPECT_EQ(UserValue("Shared"), std::nullopt);
  EXPECT_EQ(UserValue("Own"), DwordValue(6));
  EXPECT_EQ(MachineValue("Own"), std::nullopt);
  EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Registry, MachineKeyDenied,
                         testing::Values(storetest::RegistryKind{"Win32", false}),
                         storetest::KindName);

}  // namespace
#endif
