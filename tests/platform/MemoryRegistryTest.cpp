// What the in-memory registry models beyond what Wine can show: a machine root the
// user may only read, and the bookkeeping of its handles.
#include <gtest/gtest.h>

#include <string>

#include "platform/memory/MemoryRegistry.h"
#include "support/RegistryProbe.h"

namespace {

namespace reg = platform::reg;
using platform::RegKey;

constexpr const char* kKey = "Software\\Orlavex\\Wrenfold 4";

TEST(MemoryRegistry, MachineRootForAUserWhoIsNoAdministrator) {
  platform::memory::MemoryRegistry registry;
  testsupport::WriteRegValue(registry, reg::kLocalMachine, kKey, "Set", testsupport::DwordValue(5));
  RegKey early = 0;
  ASSERT_EQ(registry.OpenKey(reg::kLocalMachine, kKey, reg::kAllAccess, &early), reg::kSuccess);
  registry.machineReadOnly = true;

  RegKey key = 0;
  bool created = true;
  EXPECT_EQ(registry.OpenKey(reg::kLocalMachine, kKey, reg::kAllAccess, &key), reg::kAccessDenied);
  EXPECT_EQ(registry.OpenKey(reg::kLocalMachine, kKey, reg::kSetValue, &key), reg::kAccessDenied);
  EXPECT_EQ(registry.OpenKey(reg::kLocalMachine, "Software\\Missing", reg::kAllAccess, &key),
            reg::kFileNotFound);
  EXPECT_EQ(registry.CreateKey(reg::kLocalMachine, kKey, reg::kAllAccess, &key, &created),
            reg::kAccessDenied);
  EXPECT_EQ(registry.CreateKey(reg::kLocalMachine, "Software\\New", reg::kRead, &key, &created),
            reg::kAccessDenied);
  EXPECT_FALSE(created);
  EXPECT_FALSE(testsupport::RegKeyPresent(registry, reg::kLocalMachine, "Software\\New"));
  EXPECT_EQ(registry.DeleteKey(reg::kLocalMachine, kKey), reg::kAccessDenied);

  // Changes through handles opened before, or through the root itself, are refused too.
  const auto one = testsupport::DwordValue(1);
  EXPECT_EQ(registry.SetValue(early, "Set", one.type, one.data.data(), 4), reg::kAccessDenied);
  EXPECT_EQ(registry.DeleteValue(early, "Set"), reg::kAccessDenied);
  EXPECT_EQ(registry.SetValue(reg::kLocalMachine, "Root", one.type, one.data.data(), 4),
            reg::kAccessDenied);
  registry.CloseKey(early);

  // Reading works, an existing key opens for reading, and the user's root is untouched.
  ASSERT_EQ(registry.CreateKey(reg::kLocalMachine, kKey, reg::kRead, &key, &created),
            reg::kSuccess);
  EXPECT_FALSE(created);
  registry.CloseKey(key);
  EXPECT_EQ(testsupport::ReadRegValue(registry, reg::kLocalMachine, kKey, "Set"),
            testsupport::DwordValue(5));
  testsupport::WriteRegValue(registry, reg::kCurrentUser, kKey, "Set", one);
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST(MemoryRegistry, ListingByIndexFollowsJumpsAndChanges) {
  platform::memory::MemoryRegistry registry;
  RegKey key = 0;
  ASSERT_EQ(registry.CreateKey(reg::kCurrentUser, kKey, reg::kAllAccess, &key, nullptr),
            reg::kSuccess);
  const auto one = testsupport::DwordValue(1);
  constexpr std::uint32_t kCount = 20000;
  for (std::uint32_t i = 0; i < kCount; ++i) {
    const std::string name = "Value " + std::to_string(i);
    ASSERT_EQ(registry.SetValue(key, name, one.type, one.data.data(), 4), reg::kSuccess);
  }
  std::string name;
  std::uint32_t listed = 0;
  while (registry.EnumValue(key, listed, &name) == reg::kSuccess) ++listed;
  EXPECT_EQ(listed, kCount);
  // Going back and asking again starts over correctly.
  ASSERT_EQ(registry.EnumValue(key, 0, &name), reg::kSuccess);
  EXPECT_EQ(name, "Value 0");
  ASSERT_EQ(registry.EnumValue(key, 2, &name), reg::kSuccess);
  EXPECT_EQ(name, "Value 10");
  // A value that goes away mid-listing shifts the rest down by one.
  ASSERT_EQ(registry.DeleteValue(key, "Value 1"), reg::kSuccess);
  ASSERT_EQ(registry.EnumValue(key, 2, &name), reg::kSuccess);
  EXPECT_EQ(name, "Value 100");
  EXPECT_EQ(registry.EnumValue(key, kCount - 1, &name), reg::kNoMoreItems);
  registry.CloseKey(key);
}

}  // namespace
