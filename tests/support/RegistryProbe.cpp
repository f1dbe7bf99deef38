#include "support/RegistryProbe.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

namespace testsupport {

namespace reg = platform::reg;

RegValue DwordValue(std::uint32_t value) {
  return {reg::kDword,
          {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
           static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

RegValue StringValue(const std::string& text, std::uint32_t type) {
  RegValue value{type, std::vector<std::uint8_t>(text.begin(), text.end())};
  value.data.push_back(0);
  return value;
}

RegValue BinaryValue(std::vector<std::uint8_t> bytes) { return {reg::kBinary, std::move(bytes)}; }

std::optional<RegValue> ReadRegValue(platform::IRegistry& registry, platform::RegKey root,
                                     const std::string& path, const std::string& name) {
  platform::RegKey raw = 0;
  if (registry.OpenKey(root, path, reg::kQueryValue, &raw) != reg::kSuccess) return std::nullopt;
  const platform::UniqueRegKey key(registry, raw);
  RegValue value;
  std::uint32_t size = 0;
  if (registry.QueryValue(key.get(), name, &value.type, nullptr, &size) != reg::kSuccess) {
    return std::nullopt;
  }
  value.data.resize(size);
  std::uint8_t spare = 0;
  if (registry.QueryValue(key.get(), name, &value.type, size != 0 ? value.data.data() : &spare,
                          &size) != reg::kSuccess) {
    return std::nullopt;
  }
  value.data.resize(size);
  return value;
}

void WriteRegValue(platform::IRegistry& registry, platform::RegKey root, const std::string& path,
                   const std::string& name, const RegValue& value) {
  platform::RegKey raw = 0;
  ASSERT_EQ(registry.CreateKey(root, path, reg::kAllAccess, &raw, nullptr), reg::kSuccess) << path;
  const platform::UniqueRegKey key(registry, raw);
  ASSERT_EQ(registry.SetValue(key.get(), name, value.type, value.data.data(),
                              static_cast<std::uint32_t>(value.data.size())),
            reg::kSuccess)
      << name;
}

bool RegKeyPresent(platform::IRegistry& registry, platform::RegKey root, const std::string& path) {
  platform::RegKey raw = 0;
  if (registry.OpenKey(root, path, reg::kQueryValue, &raw) != reg::kSuccess) return false;
  registry.CloseKey(raw);
  return true;
}

void DeleteRegTree(platform::IRegistry& registry, platform::RegKey root, const std::string& path) {
  platform::RegKey raw = 0;
  if (registry.OpenKey(root, path, reg::kRead, &raw) != reg::kSuccess) return;
  std::vector<std::string> children;
  {
    const platform::UniqueRegKey key(registry, raw);
    std::string name;
    for (std::uint32_t i = 0; registry.EnumKey(key.get(), i, &name) == reg::kSuccess; ++i) {
      children.push_back(name);
    }
  }
  for (const std::string& child : children) DeleteRegTree(registry, root, path + "\\" + child);
  registry.DeleteKey(root, path);
}

std::string UniqueTestKey(const std::string& area) {
  static std::atomic<unsigned> counter{0};
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string test = info != nullptr ? std::string(info->test_suite_name()) + "." + info->name()
                                     : std::string("outside");
  for (char& c : test) {
    if (c == '/' || c == '\\') c = '_';
  }
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  return "Software\\WrenfoldTests\\" + area + "\\" + test + "-" + std::to_string(stamp % 1000000) +
         "-" + std::to_string(counter++);
}

void DeleteTestKey(platform::IRegistry& registry, const std::string& path) {
  for (const platform::RegKey root : {reg::kCurrentUser, reg::kLocalMachine}) {
    DeleteRegTree(registry, root, path);
    // RegDeleteKey refuses a key that still has subkeys: the folders of
    // tests still running stay.
    std::string parent = path;
    for (std::size_t cut; (cut = parent.rfind('\\')) != std::string::npos;) {
      parent.resize(cut);
      if (parent == "Software") break;
      if (registry.DeleteKey(root, parent) != reg::kSuccess) break;
    }
  }
}

}  // namespace testsupport
