// The layered registry backend: the user's key over the machine's, against
// the fake and (Windows build) the real registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "StoreFixture.h"
#include "platform/Error.h"

namespace {

namespace reg = platform::reg;
using testsupport::BinaryValue;
using testsupport::DwordValue;
using testsupport::RegValue;
using testsupport::StringValue;

using Write = std::function<void(TConfigBase&)>;

Write Integer(std::int32_t value) {
  return [value](TConfigBase& store) { store.SetPrefInteger("General", "V", value); };
}
Write Boolean(bool value) {
  return [value](TConfigBase& store) { store.SetPrefBooleanProc("General", "V", value); };
}
Write String(std::string value) {
  return [value](TConfigBase& store) { store.SetPrefString("General", "V", value); };
}
Write Binary(std::vector<std::uint8_t> bytes) {
  return [bytes](TConfigBase& store) {
    store.SetPrefBinaryProc("General", "V", bytes.data(), static_cast<std::int32_t>(bytes.size()));
  };
}

struct WriteCase {
  const char* what;
  std::optional<RegValue> machine;
  std::optional<RegValue> user;
  Write write;
  std::optional<RegValue> userAfter;  // nothing: the user's key still has no value
};

const std::vector<WriteCase>& WriteCases() {
  static const std::vector<WriteCase> cases = {
      // A user value is stored only once it differs from the machine's...
      {"integer equal to machine", DwordValue(5), {}, Integer(5), {}},
      {"integer unlike machine", DwordValue(5), {}, Integer(6), DwordValue(6)},
      {"integer, no machine value", {}, {}, Integer(5), DwordValue(5)},
      {"negative integer equal", DwordValue(0xFFFFFFFF), {}, Integer(-1), {}},
      // ...and once stored it is always updated, even back to the machine's.
      {"integer back to machine value", DwordValue(5), DwordValue(7), Integer(5), DwordValue(5)},
      {"boolean true vs machine 2", DwordValue(2), {}, Boolean(true), {}},
      {"boolean false vs machine 0", DwordValue(0), {}, Boolean(false), {}},
      {"boolean false vs machine 1", DwordValue(1), {}, Boolean(false), DwordValue(0)},
      {"boolean, no machine value", {}, {}, Boolean(true), DwordValue(1)},
      {"string equal", StringValue("Abc"), {}, String("Abc"), {}},
      {"string differing in case", StringValue("Abc"), {}, String("abc"), StringValue("abc")},
      {"string equal to unexpanded",
       StringValue("%TEMP%\\x", reg::kExpandSz),
       {},
       String("%TEMP%\\x"),
       {}},
      {"empty string equal", StringValue(""), {}, String(""), {}},
      {"string longer than machine", StringValue("Ab"), {}, String("Abc"), StringValue("Abc")},
      {"string shorter than machine", StringValue("Abc"), {}, String("Ab"), StringValue("Ab")},
      {"long string equal",
       StringValue(std::string(10000, 'x')),
       {},
       String(std::string(10000, 'x')),
       {}},
      {"string over existing user value", StringValue("Abc"), StringValue("Old"), String("Abc"),
       StringValue("Abc")},
      {"binary equal", BinaryValue({1, 2, 3}), {}, Binary({1, 2, 3}), {}},
      {"binary shorter", BinaryValue({1, 2, 3}), {}, Binary({1, 2}), BinaryValue({1, 2})},
      {"binary longer",
       BinaryValue({1, 2, 3}),
       {},
       Binary({1, 2, 3, 4}),
       BinaryValue({1, 2, 3, 4})},
      {"binary other bytes", BinaryValue({1, 2, 3}), {}, Binary({1, 2, 4}), BinaryValue({1, 2, 4})},
      {"binary empty equal", BinaryValue({}), {}, Binary({}), {}},
      {"binary equal to a machine value of another binary type",
       RegValue{reg::kQword, {1, 0, 0, 0, 0, 0, 0, 0}},
       {},
       Binary({1, 0, 0, 0, 0, 0, 0, 0}),
       {}},
      // A machine value of another type differs from the new value: the
      // user's value is written and nothing is reported.
      {"string vs machine dword", DwordValue(5), {}, String("5"), StringValue("5")},
      {"integer vs short machine string", StringValue("ab"), {}, Integer(5), DwordValue(5)},
      {"integer vs long machine string", StringValue("abcdef"), {}, Integer(5), DwordValue(5)},
      {"integer vs machine binary of the same bytes",
       BinaryValue({5, 0, 0, 0}),
       {},
       Integer(5),
       DwordValue(5)},
      {"boolean vs machine string", StringValue("1"), {}, Boolean(true), DwordValue(1)},
      {"binary vs machine string",
       StringValue("ab"),
       {},
       Binary({'a', 'b', 0}),
       BinaryValue({'a', 'b', 0})},
      {"binary vs machine dword",
       DwordValue(5),
       {},
       Binary({5, 0, 0, 0}),
       BinaryValue({5, 0, 0, 0})},
      // A machine value that cannot be read as its type differs too: the
      // user's value is written, with no report and nothing lost.
      {"integer vs unreadable machine dword",
       RegValue{reg::kDword, {5, 0, 0, 0, 0, 0, 0, 0}},
       {},
       Integer(5),
       DwordValue(5)},
      {"boolean vs unreadable machine dword",
       RegValue{reg::kDword, {1, 0, 0, 0, 0, 0, 0, 0}},
       {},
       Boolean(true),
       DwordValue(1)},
  };
  return cases;
}

class LayeredWrite : public storetest::StoreFixture {};

TEST_P(LayeredWrite, UserKeyGetsOnlyWhatDiffersFromTheMachine) {
  for (const WriteCase& c : WriteCases()) {
    SCOPED_TRACE(c.what);
    testsupport::DeleteRegTree(Registry(), reg::kCurrentUser, SectionKey());
    testsupport::DeleteRegTree(Registry(), reg::kLocalMachine, SectionKey());
    if (c.machine) PutMachine("V", *c.machine);
    if (c.user) PutUser("V", *c.user);

    Open();
    c.write(store);
    store.ClosePref();

    EXPECT_EQ(UserValue("V"), c.userAfter);
    EXPECT_EQ(MachineValue("V"), c.machine);
    EXPECT_TRUE(ui.boxes.empty()) << ui.boxes.front().text;
    ui.boxes.clear();
  }
}

TEST_P(LayeredWrite, ReadsPreferTheUserThenTheMachineThenTheDefault) {
  PutMachine("Both", DwordValue(5));
  PutUser("Both", DwordValue(7));
  PutMachine("Machine only", StringValue("machine"));
  PutMachine("Bytes", BinaryValue({9, 8}));
  Open();
  std::uint8_t buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
  EXPECT_EQ(Backend().GetPrefInteger("General", "Both", -1), 7);
  EXPECT_EQ(Backend().GetPrefString("General", "Machine only", "default"), "machine");
  EXPECT_EQ(Backend().GetPrefInteger("General", "Neither", -1), -1);
  EXPECT_EQ(Backend().GetPrefBoolean("General", "Neither", true), true);
  EXPECT_EQ(Backend().GetPrefString("General", "Neither", "default"), "default");
  EXPECT_EQ(Backend().GetPrefBinary("General", "Neither", buffer, 4), -1);
  EXPECT_EQ(buffer[0], 0xEE);
  EXPECT_EQ(Backend().GetPrefBinary("General", "Bytes", buffer, 4), 2);
  EXPECT_EQ(buffer[0], 9);
  EXPECT_EQ(buffer[1], 8);

  // Deleting removes the user's value only; the machine's shows through again.
  EXPECT_TRUE(store.DeletePrefValue("General", "Both"));
  EXPECT_EQ(Backend().GetPrefInteger("General", "Both", -1), 5);
  EXPECT_FALSE(store.DeletePrefValue("General", "Machine only"));
  EXPECT_EQ(MachineValue("Machine only"), StringValue("machine"));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_P(LayeredWrite, ReadsRaiseOnTypesTheyDoNotAccept) {
  PutUser("Short", StringValue("abc"));
  PutUser("Long", StringValue("abcd"));
  PutUser("Wide", RegValue{reg::kQword, {1, 0, 0, 0, 0, 0, 0, 0}});
  PutUser("Two", DwordValue(2));
  PutUser("Expand", StringValue("%TEMP%\\x", reg::kExpandSz));
  PutMachine("Machine number", DwordValue(1));
  Open();
  struct Raise {
    const char* what;
    std::function<void()> read;
    std::string message;
  };
  std::uint8_t buffer[4] = {};
  const Raise raises[] = {
      {"integer of a short string", [&] { Backend().GetPrefInteger("", "Short", 0); },
       "Invalid data type for 'Short'"},
      {"integer of a longer string", [&] { Backend().GetPrefInteger("", "Long", 0); },
       "Failed to get data for 'Long'"},
      {"boolean of an 8-byte value", [&] { Backend().GetPrefBoolean("", "Wide", false); },
       "Failed to get data for 'Wide'"},
      {"string of a number", [&] { Backend().GetPrefString("", "Two", ""); },
       "Invalid data type for 'Two'"},
      {"binary of a string", [&] { Backend().GetPrefBinary("", "Short", buffer, 4); },
       "Invalid data type for 'Short'"},
      {"binary of a number", [&] { Backend().GetPrefBinary("", "Two", buffer, 4); },
       "Invalid data type for 'Two'"},
      {"binary larger than the buffer", [&] { Backend().GetPrefBinary("", "Wide", buffer, 4); },
       "Invalid data type for 'Wide'"},
      {"binary into no buffer", [&] { Backend().GetPrefBinary("", "Wide", nullptr, 8); },
       "Invalid data type for 'Wide'"},
      {"string of the machine's number", [&] { Backend().GetPrefString("", "Machine number", ""); },
       "Invalid data type for 'Machine number'"},
  };
  for (const Raise& r : raises) {
    try {
      r.read();
      ADD_FAILURE() << r.what << ": nothing raised";
    } catch (const EProgramError& error) {
      EXPECT_EQ(error.what(), r.message) << r.what;
    }
  }
  EXPECT_TRUE(Backend().GetPrefBoolean("", "Two", false));
  EXPECT_EQ(Backend().GetPrefString("", "Expand", ""), "%TEMP%\\x");
  std::uint8_t wide[8] = {};
  EXPECT_EQ(Backend().GetPrefBinary("", "Wide", wide, 8), 8);
  EXPECT_EQ(wide[0], 1);
}

TEST_P(LayeredWrite, NothingIsEverWrittenToTheMachineKey) {
  PutMachine("Kept", DwordValue(5));
  Open();
  store.SetPrefInteger("General", "Kept", 6);
  store.SetPrefString("General", "New", "text");
  EXPECT_TRUE(store.DeletePrefKey("Sub") == false);
  store.ClosePref();
  EXPECT_EQ(MachineValue("Kept"), DwordValue(5));
  EXPECT_EQ(MachineValue("New"), std::nullopt);
  EXPECT_EQ(UserValue("Kept"), DwordValue(6));
  EXPECT_EQ(UserValue("New"), StringValue("text"));
}

TEST_P(LayeredWrite, ValueNamesComeFromTheUserThenTheMachine) {
  PutMachine("M1", DwordValue(1), "General\\Files");
  PutMachine("M2", DwordValue(1), "General\\Files");
  Open();
  std::vector<std::string> names = {"stale"};
  Backend().GetPrefValueNames("", "Missing", names);
  EXPECT_EQ(names, std::vector<std::string>{"stale"});
  names.clear();
  Backend().GetPrefValueNames("", "Files", names);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"M1", "M2"}));
  store.ClosePref();

  PutUser("U1", DwordValue(1), "General\\Files");
  Open();
  names.clear();
  Backend().GetPrefValueNames("", "Files", names);
  EXPECT_EQ(names, std::vector<std::string>{"U1"});
}

TEST_P(LayeredWrite, DeletePrefKeyRemovesTheUsersTreeDeepestFirst) {
  PutUser("a", DwordValue(1), "General\\Files\\Deep\\Deeper");
  PutUser("b", DwordValue(1), "General\\Files\\Other");
  PutUser("c", DwordValue(1), "General\\Kept");
  PutMachine("m", DwordValue(1), "General\\Files");
  Open();
  EXPECT_TRUE(store.DeletePrefKey("Files"));
  EXPECT_FALSE(store.DeletePrefKey("Files"));
  // An empty name names no subkey: the open key and its other subkeys stay.
  EXPECT_FALSE(store.DeletePrefKey(""));
  EXPECT_FALSE(UserKeyExists(SectionKey("General\\Files")));
  EXPECT_TRUE(UserKeyExists(SectionKey("General\\Kept")));
  EXPECT_TRUE(MachineKeyExists(SectionKey("General\\Files")));
  store.SetPrefInteger("General", "After", 1);
  EXPECT_EQ(UserValue("After"), DwordValue(1));
  EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Registry, LayeredWrite, testing::ValuesIn(storetest::RegistryKinds()),
                         storetest::KindName);

}  // namespace
