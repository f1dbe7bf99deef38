// One set of registry cases, run against the in-memory registry and, in the
// Windows build, against the real registry (Wine's).  The in-memory one is right only
// where it answers as the real one does.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/memory/MemoryRegistry.h"
#include "support/RegistryProbe.h"
#ifdef _WIN32
#include "platform/win32/Win32Services.h"
#endif

namespace {

namespace reg = platform::reg;
using platform::IRegistry;
using platform::RegKey;
using platform::UniqueRegKey;
using testsupport::RegValue;

struct RegistryKind {
  const char* name;
  std::function<std::shared_ptr<IRegistry>()> make;
};

class RegistryConformance : public testing::TestWithParam<RegistryKind> {
 protected:
  void SetUp() override {
    registry_ = GetParam().make();
    base_ = testsupport::UniqueTestKey("Conformance");
  }
  void TearDown() override {
    testsupport::DeleteTestKey(*registry_, base_);
    EXPECT_FALSE(testsupport::RegKeyPresent(*registry_, reg::kCurrentUser, base_));
  }

  IRegistry& r() { return *registry_; }

  UniqueRegKey Create(const std::string& sub, std::uint32_t access = reg::kAllAccess,
                      RegKey root = reg::kCurrentUser) {
    RegKey key = 0;
    EXPECT_EQ(r().CreateKey(root, Path(sub), access, &key, nullptr), reg::kSuccess) << sub;
    return UniqueRegKey(r(), key);
  }
  UniqueRegKey Open(const std::string& sub, std::uint32_t access, long expected = reg::kSuccess) {
    RegKey key = 0;
    EXPECT_EQ(r().OpenKey(reg::kCurrentUser, Path(sub), access, &key), expected) << sub;
    return UniqueRegKey(r(), key);
  }
  std::string Path(const std::string& sub) const {
    return sub.empty() ? base_ : base_ + "\\" + sub;
  }

  void Set(RegKey key, const std::string& name, const RegValue& value) {
    EXPECT_EQ(r().SetValue(key, name, value.type, value.data.data(),
                           static_cast<std::uint32_t>(value.data.size())),
              reg::kSuccess)
        << name;
  }

  std::vector<std::string> SubKeys(RegKey key) {
    std::vector<std::string> names;
    std::string name;
    std::uint32_t i = 0;
    long status;
    while ((status = r().EnumKey(key, i, &name)) == reg::kSuccess) {
      names.push_back(name);
      ++i;
    }
    EXPECT_EQ(status, reg::kNoMoreItems);
    std::sort(names.begin(), names.end());
    return names;
  }
  // Windows lists values in the order they were made, Wine by name: compare
  // listings as sets.
  std::vector<std::string> ValueNames(RegKey key) {
    std::vector<std::string> names;
    std::string name;
    std::uint32_t i = 0;
    long status;
    while ((status = r().EnumValue(key, i, &name)) == reg::kSuccess) {
      names.push_back(name);
      ++i;
    }
    EXPECT_EQ(status, reg::kNoMoreItems);
    std::sort(names.begin(), names.end());
    return names;
  }

  std::shared_ptr<IRegistry> registry_;
  std::string base_;
};

TEST_P(RegistryConformance, CreateOpensExistingKeysAndMakesEveryMissingLevel) {
  RegKey key = 0;
  bool created = false;
  ASSERT_EQ(
      r().CreateKey(reg::kCurrentUser, Path("One\\Two\\Three"), reg::kAllAccess, &key, &created),
      reg::kSuccess);
  EXPECT_TRUE(created);
  r().CloseKey(key);
  ASSERT_EQ(
      r().CreateKey(reg::kCurrentUser, Path("one\\TWO\\three"), reg::kAllAccess, &key, &created),
      reg::kSuccess);
  EXPECT_FALSE(created);
  r().CloseKey(key);

  Open("One\\Two", reg::kRead);
  Open("ONE\\two\\THREE", reg::kRead);
  Open("One\\Missing", reg::kRead, reg::kFileNotFound);
  // A trailing or doubled backslash names the same key.
  Open("One\\Two\\", reg::kRead);
  Open("One\\\\Two", reg::kRead);
  // Names keep the case they were made with.
  const UniqueRegKey one = Open("One", reg::kRead);
  EXPECT_EQ(SubKeys(one.get()), std::vector<std::string>{"Two"});
}

TEST_P(RegistryConformance, PathsAndHandles) {
  const UniqueRegKey base = Create("");
  RegKey key = 0;
  EXPECT_EQ(r().OpenKey(base.get(), "\\Sub", reg::kRead, &key), reg::kBadPathname);
  EXPECT_EQ(r().CreateKey(base.get(), "\\Sub", reg::kAllAccess, &key, nullptr), reg::kBadPathname);

  // Keys open relative to an open key; an empty name opens that key again.
  ASSERT_EQ(r().CreateKey(base.get(), "Sub", reg::kAllAccess, &key, nullptr), reg::kSuccess);
  r().CloseKey(key);
  ASSERT_EQ(r().OpenKey(base.get(), "", reg::kAllAccess, &key), reg::kSuccess);
  EXPECT_NE(key, base.get());
  Set(key, "Through", testsupport::DwordValue(1));
  EXPECT_EQ(r().CloseKey(key), reg::kSuccess);
  EXPECT_EQ(r().CloseKey(key), reg::kInvalidHandle);
  EXPECT_EQ(ValueNames(base.get()), std::vector<std::string>{"Through"});
}

TEST_P(RegistryConformance, ValuesKeepTypeAndBytes) {
  const UniqueRegKey key = Create("");
  const std::vector<std::pair<std::string, RegValue>> values = {
      {"Dword", testsupport::DwordValue(0xDEADBEEF)},
      {"String", testsupport::StringValue("Hello, World")},
      {"Empty string", testsupport::StringValue("")},
      {"Expand", testsupport::StringValue("%TEMP%\\x", reg::kExpandSz)},
      {"Binary", testsupport::BinaryValue({0x00, 0x0A, 0xFF, 0x00})},
      {"Empty binary", testsupport::BinaryValue({})},
      {"Multi", RegValue{reg::kMultiSz, {'a', 0, 'b', 0, 0}}},
      {"", testsupport::StringValue("default value")},
  };
  for (const auto& [name, value] : values) Set(key.get(), name, value);
  for (const auto& [name, value] : values) {
    EXPECT_EQ(testsupport::ReadRegValue(r(), reg::kCurrentUser, base_, name), value) << name;
  }
  // A read-only handle reads the same.
  const UniqueRegKey readOnly = Open("", reg::kQueryValue);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_EQ(r().QueryValue(readOnly.get(), "expand", &type, nullptr, &size), reg::kSuccess);
  EXPECT_EQ(type, reg::kExpandSz);
  EXPECT_EQ(size, 9u);
}

TEST_P(RegistryConformance, QueryReportsSizeAndShortBuffers) {
  const UniqueRegKey key = Create("");
  Set(key.get(), "Text", testsupport::StringValue("hello"));
  Set(key.get(), "Nothing", testsupport::BinaryValue({}));

  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_EQ(r().QueryValue(key.get(), "Text", nullptr, nullptr, nullptr), reg::kSuccess);
  EXPECT_EQ(r().QueryValue(key.get(), "TEXT", &type, nullptr, &size), reg::kSuccess);
  EXPECT_EQ(type, reg::kSz);
  EXPECT_EQ(size, 6u);

  std::uint8_t buffer[8] = {};
  for (std::uint32_t given : {0u, 1u, 5u}) {
    type = 0;
    size = given;
    EXPECT_EQ(r().QueryValue(key.get(), "Text", &type, buffer, &size), reg::kMoreData) << given;
    EXPECT_EQ(type, reg::kSz);
    EXPECT_EQ(size, 6u);
  }
  size = sizeof buffer;
  EXPECT_EQ(r().QueryValue(key.get(), "Text", &type, buffer, &size), reg::kSuccess);
  EXPECT_EQ(size, 6u);
  EXPECT_STREQ(reinterpret_cast<const char*>(buffer), "hello");

  size = 0;
  EXPECT_EQ(r().QueryValue(key.get(), "Nothing", &type, buffer, &size), reg::kSuccess);
  EXPECT_EQ(type, reg::kBinary);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(r().QueryValue(key.get(), "Missing", &type, nullptr, &size), reg::kFileNotFound);
}

TEST_P(RegistryConformance, ValueNamesIgnoreCaseAndKeepTheFirstSpelling) {
  const UniqueRegKey key = Create("");
  Set(key.get(), "Mixed Case", testsupport::StringValue("first"));
  Set(key.get(), "MIXED CASE", testsupport::DwordValue(7));
  EXPECT_EQ(ValueNames(key.get()), std::vector<std::string>{"Mixed Case"});
  EXPECT_EQ(testsupport::ReadRegValue(r(), reg::kCurrentUser, base_, "mixed case"),
            testsupport::DwordValue(7));

  EXPECT_EQ(r().DeleteValue(key.get(), "mixed CASE"), reg::kSuccess);
  EXPECT_EQ(r().DeleteValue(key.get(), "Mixed Case"), reg::kFileNotFound);
  EXPECT_TRUE(ValueNames(key.get()).empty());
}

TEST_P(RegistryConformance, HandlesHonourTheirRights) {
  {
    const UniqueRegKey key = Create("Child\\Grandchild");
    Set(key.get(), "Value", testsupport::DwordValue(1));
  }
  const UniqueRegKey read = Open("Child\\Grandchild", reg::kRead);
  const RegValue one = testsupport::DwordValue(1);
  EXPECT_EQ(r().SetValue(read.get(), "Value", one.type, one.data.data(), 4), reg::kAccessDenied);
  EXPECT_EQ(r().SetValue(read.get(), "New", one.type, one.data.data(), 4), reg::kAccessDenied);
  EXPECT_EQ(r().DeleteValue(read.get(), "Value"), reg::kAccessDenied);
  EXPECT_EQ(r().DeleteValue(read.get(), "Missing"), reg::kAccessDenied);
  EXPECT_EQ(r().QueryValue(read.get(), "Value", nullptr, nullptr, nullptr), reg::kSuccess);

  const UniqueRegKey queryOnly = Open("Child", reg::kQueryValue);
  std::string name;
  EXPECT_EQ(r().EnumKey(queryOnly.get(), 0, &name), reg::kAccessDenied);
  const UniqueRegKey enumerateOnly = Open("Child", reg::kEnumerateSubKeys);
  EXPECT_EQ(r().QueryValue(enumerateOnly.get(), "x", nullptr, nullptr, nullptr),
            reg::kAccessDenied);
  EXPECT_EQ(r().EnumValue(enumerateOnly.get(), 0, &name), reg::kAccessDenied);
  EXPECT_EQ(r().EnumKey(enumerateOnly.get(), 0, &name), reg::kSuccess);
  EXPECT_EQ(name, "Grandchild");

  // Rights belong to the handle, not to the key.
  const UniqueRegKey full = Open("Child\\Grandchild", reg::kAllAccess);
  EXPECT_EQ(r().SetValue(full.get(), "New", one.type, one.data.data(), 4), reg::kSuccess);
}

TEST_P(RegistryConformance, DeletingKeys) {
  const UniqueRegKey base = Create("");
  Create("Parent\\Child");
  EXPECT_EQ(r().DeleteKey(base.get(), "Parent"), reg::kAccessDenied);  // has a subkey
  EXPECT_EQ(r().DeleteKey(base.get(), "Missing"), reg::kFileNotFound);

  UniqueRegKey child = Open("Parent\\Child", reg::kAllAccess);
  EXPECT_EQ(r().DeleteKey(base.get(), "parent\\child"), reg::kSuccess);
  EXPECT_EQ(r().DeleteKey(base.get(), "Parent\\Child"), reg::kFileNotFound);
  EXPECT_EQ(r().DeleteKey(base.get(), "Parent"), reg::kSuccess);
  EXPECT_TRUE(SubKeys(base.get()).empty());

  // A handle to a deleted key stays valid but every use is refused.
  const RegValue one = testsupport::DwordValue(1);
  RegKey key = 0;
  std::string name;
  EXPECT_EQ(r().SetValue(child.get(), "v", one.type, one.data.data(), 4), reg::kKeyDeleted);
  EXPECT_EQ(r().QueryValue(child.get(), "v", nullptr, nullptr, nullptr), reg::kKeyDeleted);
  EXPECT_EQ(r().EnumKey(child.get(), 0, &name), reg::kKeyDeleted);
  EXPECT_EQ(r().OpenKey(child.get(), "", reg::kRead, &key), reg::kKeyDeleted);
  EXPECT_EQ(r().CreateKey(child.get(), "Again", reg::kAllAccess, &key, nullptr), reg::kKeyDeleted);
  EXPECT_EQ(r().CloseKey(child.release()), reg::kSuccess);
}

TEST_P(RegistryConformance, ListingsAndCounts) {
  const UniqueRegKey base = Create("");
  for (const char* name : {"zeta", "Alpha", "mid", "_under"}) {
    Create(name);
    Set(base.get(), name, testsupport::StringValue(name));
  }
  const std::vector<std::string> expected = {"Alpha", "_under", "mid", "zeta"};
  EXPECT_EQ(SubKeys(base.get()), expected);
  EXPECT_EQ(ValueNames(base.get()), expected);

  std::uint32_t subKeys = 0;
  std::uint32_t values = 0;
  EXPECT_EQ(r().QueryInfoKey(base.get(), &subKeys, &values), reg::kSuccess);
  EXPECT_EQ(subKeys, 4u);
  EXPECT_EQ(values, 4u);

  // A listing taken again after a change sees the change.
  EXPECT_EQ(r().DeleteValue(base.get(), "mid"), reg::kSuccess);
  EXPECT_EQ(ValueNames(base.get()), (std::vector<std::string>{"Alpha", "_under", "zeta"}));
  std::string name;
  EXPECT_EQ(r().EnumValue(base.get(), 3, &name), reg::kNoMoreItems);
}

TEST_P(RegistryConformance, TheTwoRootsAreApart) {
  const UniqueRegKey user = Create("");
  const UniqueRegKey machine = Create("", reg::kAllAccess, reg::kLocalMachine);
  Set(user.get(), "Where", testsupport::StringValue("user"));
  Set(machine.get(), "Where", testsupport::StringValue("machine"));
  EXPECT_EQ(testsupport::ReadRegValue(r(), reg::kCurrentUser, base_, "Where"),
            testsupport::StringValue("user"));
  EXPECT_EQ(testsupport::ReadRegValue(r(), reg::kLocalMachine, base_, "Where"),
            testsupport::StringValue("machine"));
}

std::vector<RegistryKind> Kinds() {
  std::vector<RegistryKind> kinds = {
      {"Memory", [] { return std::make_shared<platform::memory::MemoryRegistry>(); }}};
#ifdef _WIN32
  kinds.push_back(
      {"Win32",
       [] { return std::shared_ptr<IRegistry>(&platform::win32::Registry(), [](IRegistry*) {}); }});
#endif
  return kinds;
}

INSTANTIATE_TEST_SUITE_P(Registry, RegistryConformance, testing::ValuesIn(Kinds()),
                         [](const testing::TestParamInfo<RegistryKind>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
