#pragma once
// Direct looks into a registry (the fake or the real one) for tests: read or
// plant a value, test for a key, remove a test's key tree, and a key name of
// its own for each test.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace testsupport {

struct RegValue {
  std::uint32_t type = platform::reg::kNone;
  std::vector<std::uint8_t> data;
  bool operator==(const RegValue&) const = default;
};

RegValue DwordValue(std::uint32_t value);
// REG_SZ (or another string type) with the terminating zero.
RegValue StringValue(const std::string& text, std::uint32_t type = platform::reg::kSz);
RegValue BinaryValue(std::vector<std::uint8_t> bytes);

std::optional<RegValue> ReadRegValue(platform::IRegistry& registry, platform::RegKey root,
                                     const std::string& path, const std::string& name);
// Creates the key when missing; fails the test when it cannot.
void WriteRegValue(platform::IRegistry& registry, platform::RegKey root, const std::string& path,
                   const std::string& name, const RegValue& value);
bool RegKeyPresent(platform::IRegistry& registry, platform::RegKey root, const std::string& path);
// Removes the key and everything below it; quiet when it is missing.
void DeleteRegTree(platform::IRegistry& registry, platform::RegKey root, const std::string& path);

// "Software\WrenfoldTests\<area>\<suite>.<test>-<n>": unique per running test,
// so that parallel programs and repeated runs never meet.
std::string UniqueTestKey(const std::string& area);
// Removes a key from UniqueTestKey under both roots, with the test folders
// above it once they are empty.
void DeleteTestKey(platform::IRegistry& registry, const std::string& path);

}  // namespace testsupport
