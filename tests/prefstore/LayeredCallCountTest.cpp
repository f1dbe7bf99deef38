// A layered set asks the registry only what its rule needs: the machine's key
// once with the data, the user's key only when the machine holds the new
// value, and the write.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "StoreFixture.h"
#include "support/RegistryDecorators.h"

namespace {

using testsupport::BinaryValue;
using testsupport::DwordValue;
using testsupport::RegValue;
using testsupport::StringValue;

using Calls = std::vector<std::string>;
const Calls kMachineDiffers = {"QueryValue+data", "SetValue"};
const Calls kMachineEqual = {"QueryValue+data", "QueryValue"};
const Calls kMachineEqualUserHasIt = {"QueryValue+data", "QueryValue", "SetValue"};
const Calls kNoMachineKey = {"SetValue"};

struct CountCase {
  const char* what;
  std::optional<RegValue> machine;
  std::optional<RegValue> user;
  std::function<void(TConfigBase&)> write;
  Calls calls;
};

class LayeredCallCount : public storetest::StoreFixture {};

TEST_P(LayeredCallCount, ASetCostsAtMostThreeCalls) {
  const std::uint8_t bytes[3] = {1, 2, 3};
  const std::string longText(6000, 'x');
  const CountCase cases[] = {
      {"integer, user has it", DwordValue(5), DwordValue(7),
       [](TConfigBase& s) { s.SetPrefInteger("General", "V", 5); }, kMachineEqualUserHasIt},
      {"integer, user has it, machine differs", DwordValue(5), DwordValue(7),
       [](TConfigBase& s) { s.SetPrefInteger("General", "V", 6); }, kMachineDiffers},
      {"integer, machine differs",
       DwordValue(5),
       {},
       [](TConfigBase& s) { s.SetPrefInteger("General", "V", 6); },
       kMachineDiffers},
      {"integer, machine equal",
       DwordValue(5),
       {},
       [](TConfigBase& s) { s.SetPrefInteger("General", "V", 5); },
       kMachineEqual},
      {"integer, neither has it",
       DwordValue(1),
       {},
       [](TConfigBase& s) { s.SetPrefInteger("General", "W", 5); },
       kMachineDiffers},
      // Without a machine key there is nothing to ask it.
      {"integer, no machine key",
       {},
       {},
       [](TConfigBase& s) { s.SetPrefInteger("General", "V", 5); },
       kNoMachineKey},
      {"boolean, machine equal",
       DwordValue(1),
       {},
       [](TConfigBase& s) { s.SetPrefBooleanProc("General", "V", true); },
       kMachineEqual},
      {"string, machine equal",
       StringValue("Abc"),
       {},
       [](TConfigBase& s) { s.SetPrefString("General", "V", "Abc"); },
       kMachineEqual},
      {"string, machine longer",
       StringValue("Abcdef"),
       {},
       [](TConfigBase& s) { s.SetPrefString("General", "V", "Abc"); },
       kMachineDiffers},
      {"string, machine of another type",
       DwordValue(1),
       {},
       [](TConfigBase& s) { s.SetPrefString("General", "V", "1"); },
       kMachineDiffers},
      {"binary, machine equal",
       BinaryValue({1, 2, 3}),
       {},
       [&](TConfigBase& s) { s.SetPrefBinaryProc("General", "V", bytes, 3); },
       kMachineEqual},
      {"binary, machine longer",
       BinaryValue({1, 2, 3, 4, 5}),
       {},
       [&](TConfigBase& s) { s.SetPrefBinaryProc("General", "V", bytes, 3); },
       kMachineDiffers},
      // Only a machine text longer than the reading area costs a second read.
      {"long string, machine equal",
       StringValue(longText),
       {},
       [&](TConfigBase& s) { s.SetPrefString("General", "V", longText); },
       {"QueryValue+data", "QueryValue+data", "QueryValue"}},
  };
  for (const CountCase& c : cases) {
    SCOPED_TRACE(c.what);
    testsupport::DeleteRegTree(Registry(), platform::reg::kCurrentUser, SectionKey());
    testsupport::DeleteRegTree(Registry(), platform::reg::kLocalMachine, SectionKey());
    if (c.machine) PutMachine("V", *c.machine);
    if (c.user) PutUser("V", *c.user);
    Open();
    testsupport::CountingRegistry counting(Registry());
    services_->registry = &counting;
    // The registry objects took their registry at the open; count through a
    // fresh open on the counting one.
    Open();
    counting.calls.clear();
    c.write(store);
    EXPECT_EQ(counting.calls, c.calls);
    store.ClosePref();
    services_->registry = &Registry();
    EXPECT_TRUE(ui.boxes.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Registry, LayeredCallCount, testing::ValuesIn(storetest::RegistryKinds()),
                         storetest::KindName);

}  // namespace
