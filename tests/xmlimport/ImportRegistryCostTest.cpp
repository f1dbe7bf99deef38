// What an import costs in registry calls.  Each value costs what the store's
// rules need and nothing around it, so a file costs calls in proportion to
// its values at the fewest the rules allow: a large import is bound by these
// calls, each a round trip to the registry.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ImportFixture.h"
#include "prefstore/ProductIdentity.h"
#include "support/RegistryDecorators.h"

namespace {

using importtest::ProductFile;
using testsupport::BinaryValue;
using testsupport::DwordValue;
using testsupport::StringValue;

using CallCounts = std::map<std::string, int>;

// `count` values of the four types in turn, named from `prefix`.
std::string Values(const std::string& prefix, int count) {
  static const char* const kTypes[] = {"integer", "string", "boolean", "binary"};
  static const char* const kTexts[] = {"-42", "Some text", "1", "0A0B0C"};
  std::string values;
  for (int i = 0; i < count; ++i) {
    const std::string name = prefix + std::to_string(i);
    values += "<" + name + " type=\"" + kTypes[i % 4] + "\">" + kTexts[i % 4] + "</" + name + ">";
  }
  return values;
}

class ImportRegistryCost : public importtest::ImportFixture {
 protected:
  // Imports `count` values into each of three sections of an empty product
  // key: one per machine, one per user whose machine key then exists, and
  // one per user without a machine key.  Returns the calls made, by kind.
  CallCounts CallsToImport(int count) {
    const std::string product(kProductRegistryKey);
    testsupport::DeleteRegTree(store.registry, platform::reg::kCurrentUser, product);
    testsupport::DeleteRegTree(store.registry, platform::reg::kLocalMachine, product);
    testsupport::CountingRegistry counting(registry);
    store.scope->registry = &counting;
    const bool imported = Import(ProductFile("<PerMachine><General>" + Values("m", count) +
                                             "</General></PerMachine><PerUserRoam><General>" +
                                             Values("u", count) + "</General><Network>" +
                                             Values("n", count) + "</Network></PerUserRoam>"));
    store.scope->registry = &registry;
    EXPECT_TRUE(imported);
    CallCounts calls;
    for (const std::string& call : counting.calls) ++calls[call];
    return calls;
  }
};

TEST_F(ImportRegistryCost, EachFreshValueCostsItsWriteAndOneReadOfAnExistingMachineKey) {
  constexpr int kCount = 8;
  const CallCounts once = CallsToImport(kCount);
  const CallCounts twice = CallsToImport(2 * kCount);

  // A per-machine value: its write.  A per-user value: a read of the
  // machine's key when there is one, and its write.
  const CallCounts perValue = {{"SetValue", 3}, {"QueryValue+data", 1}};
  CallCounts growth;
  for (const auto& [call, number] : twice) {
    const auto before = once.find(call);
    growth[call] = number - (before == once.end() ? 0 : before->second);
  }
  for (const auto& [call, number] : growth) {
    const auto expected = perValue.find(call);
    EXPECT_EQ(number, (expected == perValue.end() ? 0 : expected->second) * kCount) << call;
  }

  EXPECT_EQ(Machine("General", "m12"), DwordValue(static_cast<std::uint32_t>(-42)));
  EXPECT_EQ(User("General", "u13"), StringValue("Some text"));
  EXPECT_EQ(User("Network", "n14"), DwordValue(1));
  EXPECT_EQ(User("Network", "n15"), BinaryValue({0x0A, 0x0B, 0x0C}));
  EXPECT_FALSE(Machine("General", "u0").has_value());
  EXPECT_TRUE(Boxes().empty()) << Boxes().front();
}

}  // namespace
