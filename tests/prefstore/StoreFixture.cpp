#include "StoreFixture.h"

#ifdef _WIN32
#include "platform/win32/Win32Services.h"
#endif

namespace storetest {

std::vector<RegistryKind> RegistryKinds() {
#ifdef _WIN32
  return {{"Fake", true}, {"Win32", false}};
#else
  return {{"Fake", true}};
#endif
}

std::string KindName(const testing::TestParamInfo<RegistryKind>& info) { return info.param.name; }

void StoreFixture::SetUp() {
#ifdef _WIN32
  registry_ = GetParam().fake ? &fakeRegistry : &platform::win32::Registry();
  services_->shellFolders = GetParam().fake ? static_cast<platform::IShellFolders*>(&shellFolders)
                                            : &platform::win32::ShellFolders();
#else
  registry_ = &fakeRegistry;
  services_->shellFolders = &shellFolders;
#endif
  services_->registry = registry_;
  services_->ui = &ui;
  services_->process = &process;
  PrefLocation = plRegistry;
  base_ = testsupport::UniqueTestKey("Store");
}

void StoreFixture::TearDown() {
  if (store.Backend() != nullptr) store.ClosePref();
  testsupport::DeleteTestKey(*registry_, base_);
}

}  // namespace storetest
