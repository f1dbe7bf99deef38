// The INI backend's encodings, limits, listing and deleting, on a file of the
// test's own: through the file-based profile, and under Wine also through the
// platform's own private-profile functions.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "RecordingProfile.h"
#include "platform/Error.h"
#include "platform/fake/FileProfile.h"
#include "prefstore/ConfigCommon.h"
#include "prefstore/IniFileObject.h"
#include "prefstore/PrefBackend.h"
#include "prefstore/PrefBackendFile.h"
#include "support/FakePlatform.h"
#ifdef _WIN32
#include "platform/win32/Win32Services.h"
#endif

namespace storetest {
namespace {

namespace fs = std::filesystem;

struct ProfileKind {
  const char* name;
  std::function<platform::IPrivateProfile&()> get;
};
void PrintTo(const ProfileKind& kind, std::ostream* out) { *out << kind.name; }

platform::IPrivateProfile& FileProfile() {
  static platform::fake::FileProfile profile;
  return profile;
}

std::vector<ProfileKind> ProfileKinds() {
#ifdef _WIN32
  return {{"FileProfile", FileProfile}, {"Win32", platform::win32::PrivateProfile}};
#else
  return {{"FileProfile", FileProfile}};
#endif
}

// "v7" and the like; built by appending, which keeps GCC 12's -Wrestrict
// false alarm about `"v" + std::to_string(i)` away.
std::string NumberedName(char letter, std::size_t number) {
  std::string name(1, letter);
  name += std::to_string(number);
  return name;
}

// A store whose INI open names a file of the test's own.
class TestFileStore : public TConfigBase {
 public:
  bool OpenAt(const std::string& folder, const std::string& name) {
    return OpenPrefWith(cfgPerUserRoam, "", false,
                        [&] { return std::make_unique<TPrefBackendFile>(folder, name, false); });
  }
};

class FileBackend : public testing::TestWithParam<ProfileKind> {
 protected:
  FileBackend() {
    env.scope->privateProfile = &profile;
    // A parameterised test's name ends in "/" and the parameter's name: made
    // one folder, so that removing it leaves nothing behind.
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '-');
    folder_ = fs::temp_directory_path() / ("wf-ini-" + name);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  ~FileBackend() override {
    if (store.Backend() != nullptr) store.ClosePref();
    fs::remove_all(folder_);
  }

  // The store open on `name` in the test's folder, as an INI open leaves it.
  void Attach(const std::string& name = "Wrenfold.ini") {
    const std::string folder = folder_.string() + std::string(1, fs::path::preferred_separator);
    ASSERT_TRUE(store.OpenAt(folder, name));
    file_ = folder + name;
  }
  TPrefBackend& Backend() { return *store.Backend(); }

  void Put(const std::string& text) { std::ofstream(file_, std::ios::binary) << text; }
  std::string Contents() const {
    std::ifstream in(file_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  testsupport::FakePlatform env;
  RecordingProfile profile{GetParam().get()};
  TestFileStore store;
  std::string file_;

 private:
  fs::path folder_;
};

TEST_P(FileBackend, IntegersReadInDecimalAndHexadecimalNotation) {
  struct Case {
    const char* stored;
    std::int32_t expected;
  };
  constexpr std::int32_t kDefault = 77;
  const Case cases[] = {
      {"-5", -5},
      {"1200", 1200},
      {"+8", 8},
      {"0x1F", 31},
      {"0X1f", 31},
      {"$1F", 31},
      {"$ff", 255},
      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"abc", kDefault},
      {"12abc", kDefault},
      {"1.5", kDefault},
      {"$", kDefault},
      {"0x", kDefault},
      {"$-1", kDefault},
      {"+-5", kDefault},
      {"$100000000", kDefault},
      {"2147483648", kDefault},
      {"", kDefault},
  };
  Attach();
  std::string text = "[General]\r\n";
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    text += NumberedName('v', i) + "=" + cases[i].stored + "\r\n";
  }
  Put(text);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Backend().GetPrefInteger("General", NumberedName('v', i), kDefault),
              cases[i].expected)
        << "stored: " << cases[i].stored;
  }
  EXPECT_EQ(Backend().GetPrefInteger("General", "missing", kDefault), kDefault);
  EXPECT_EQ(Backend().GetPrefInteger("Missing", "v0", kDefault), kDefault);
}

TEST_P(FileBackend, BooleansReadAsIntegersWithTheirDefault) {
  struct Case {
    const char* stored;  // null: the name is missing
    bool defaultValue;
    bool expected;
  };
  const Case cases[] = {
      {"2", false, true},  {"1", false, true},    {"-1", false, true},     {"0", true, false},
      {"$0", true, false}, {"yes", false, false}, {"yes", true, true},     {"", true, true},
      {"", false, false},  {nullptr, true, true}, {nullptr, false, false},
  };
  Attach();
  std::string text = "[General]\r\n";
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    if (cases[i].stored) text += NumberedName('b', i) + "=" + cases[i].stored + "\r\n";
  }
  Put(text);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(Backend().GetPrefBoolean("General", NumberedName('b', i), c.defaultValue), c.expected)
        << (c.stored ? c.stored : "(missing)") << " with default " << c.defaultValue;
  }
}

TEST_P(FileBackend, ValuesAreWrittenAsOneLineOfTextAndReadBack) {
  Attach();
  const std::uint8_t bytes[] = {0x0A, 0xFF};
  Backend().SetPrefInteger("General", "Int", -5);
  Backend().SetPrefBoolean("General", "On", true);
  Backend().SetPrefBoolean("General", "Off", false);
  Backend().SetPrefBinary("General", "Bin", bytes, 2);
  Backend().SetPrefBinary("General", "None", nullptr, 0);
  Backend().SetPrefString("General", "Text", "a = b; c");
  // An empty section is the product's own.
  Backend().SetPrefInteger("", "Uses", 3);
  EXPECT_EQ(Contents(),
            "[General]\r\nInt=-5\r\nOn=1\r\nOff=0\r\nBin=0AFF\r\nNone=\r\nText=a = b; c\r\n"
            "[Wrenfold]\r\nUses=3\r\n");

  EXPECT_EQ(Backend().GetPrefInteger("general", "int", 0), -5);
  EXPECT_TRUE(Backend().GetPrefBoolean("General", "On", false));
  EXPECT_FALSE(Backend().GetPrefBoolean("General", "Off", true));
  EXPECT_EQ(Backend().GetPrefString("General", "Text", "default"), "a = b; c");
  EXPECT_EQ(Backend().GetPrefString("General", "Missing", "default"), "default");
  EXPECT_EQ(Backend().GetPrefInteger("", "Uses", 0), 3);
  EXPECT_EQ(Backend().GetPrefInteger("Wrenfold", "Uses", 0), 3);
  std::uint8_t read[4] = {};
  ASSERT_EQ(Backend().GetPrefBinary("General", "Bin", read, 4), 2);
  EXPECT_EQ(read[0], 0x0A);
  EXPECT_EQ(read[1], 0xFF);
}

TEST_P(FileBackend, BinaryReadsHexadecimalPairsOfEitherCase) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> expected;
  };
  // Decoding ends at the first pair that is not two hexadecimal digits: the
  // bytes before it are the value, and nothing is made up for the rest.
  const Case cases[] = {
      {"upper", {0x0A, 0xFF}},
      {"lower", {0x0A, 0xFF}},
      {"odd", {0x0A}},
      {"broken", {0x0A}},
      {"blank", {0x0A}},
      {"nothex", {}},
      {"sign", {}},
      {"empty", {}},
      {"missing", {}},
      {"long", {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}},
  };
  Attach();
  Put("[General]\r\nupper=0AFF\r\nlower=0aff\r\nodd=0AF\r\nbroken=0AZZ11\r\nblank=0A FF\r\n"
      "nothex=ZZ\r\nsign=-1\r\nempty=\r\nlong=0123456789abcdef\r\n");
  for (const Case& c : cases) {
    std::uint8_t buffer[10];
    std::fill(std::begin(buffer), std::end(buffer), 0xEE);
    const std::int32_t count = Backend().GetPrefBinary("General", c.name, buffer, 10);
    ASSERT_EQ(count, static_cast<std::int32_t>(c.expected.size())) << c.name;
    EXPECT_TRUE(std::equal(c.expected.begin(), c.expected.end(), buffer)) << c.name;
    EXPECT_TRUE(std::all_of(buffer + count, std::end(buffer), [](auto b) { return b == 0xEE; }))
        << c.name << ": bytes past the value were touched";
  }
}

TEST_P(FileBackend, BinaryLongerThanTheBufferRaisesAndLeavesItUntouched) {
  Attach();
  Put("[General]\r\nBin=0AFF\r\n");
  std::uint8_t buffer[2] = {0xEE, 0xEE};
  try {
    Backend().GetPrefBinary("General", "Bin", buffer, 1);
    ADD_FAILURE() << "no error raised";
  } catch (const EProgramError& error) {
    EXPECT_STREQ(error.what(), "Buffer overflow: GetPrefBinary_File");
  }
  EXPECT_EQ(buffer[0], 0xEE);
  EXPECT_EQ(buffer[1], 0xEE);
  EXPECT_EQ(Backend().GetPrefBinary("General", "Bin", buffer, 2), 2);
}

// A size or buffer that does not describe the caller's own bytes is refused
// with the registry's words, and nothing is written; a missing buffer is no
// room to read into.
TEST_P(FileBackend, BinaryWithoutBytesToTakeIsRefusedAndAMissingBufferIsNoRoom) {
  Attach();
  Put("[General]\r\nBin=0AFF\r\nEmpty=\r\n");
  const std::uint8_t bytes[2] = {1, 2};
  store.SetPrefBinaryProc("General", "Null", nullptr, 4);
  store.SetPrefBinaryProc("General", "Negative", bytes, -1);
  ASSERT_EQ(env.ui.boxes.size(), 2u);
  EXPECT_EQ(env.ui.boxes[0].caption, "Wrenfold.exe Error: SetPrefBinaryProc");
  EXPECT_EQ(env.ui.boxes[0].text, "SetPrefBinaryProc: Failed to set data for 'Null'");
  EXPECT_EQ(env.ui.boxes[1].text, "SetPrefBinaryProc: Failed to set data for 'Negative'");
  store.SetPrefBinaryProc("General", "None", nullptr, 0);
  EXPECT_EQ(env.ui.boxes.size(), 2u);
  EXPECT_EQ(Contents(), "[General]\r\nBin=0AFF\r\nEmpty=\r\nNone=\r\n");

  try {
    Backend().GetPrefBinary("General", "Bin", nullptr, 4);
    ADD_FAILURE() << "no error raised";
  } catch (const EProgramError& error) {
    EXPECT_STREQ(error.what(), "Buffer overflow: GetPrefBinary_File");
  }
  EXPECT_EQ(Backend().GetPrefBinary("General", "Empty", nullptr, 4), 0);
  EXPECT_EQ(Backend().GetPrefBinary("General", "Missing", nullptr, 4), 0);
  std::uint8_t buffer[2] = {0xEE, 0xEE};
  EXPECT_THROW(Backend().GetPrefBinary("General", "Bin", buffer, -2), EProgramError);
  EXPECT_EQ(buffer[0], 0xEE);
}

TEST_P(FileBackend, LongValuesAreWrittenInFullButReadBackCut) {
  Attach();
  std::vector<std::uint8_t> bytes(1500);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  Backend().SetPrefBinary("General", "Big", bytes.data(), static_cast<std::int32_t>(bytes.size()));
  const std::string text(3000, 'x');
  Backend().SetPrefString("General", "Text", text);

  const std::string contents = Contents();
  const std::size_t start = contents.find("Big=") + 4;
  EXPECT_EQ(contents.find("\r\n", start) - start, 3000u);
  EXPECT_NE(contents.find("Text=" + text + "\r\n"), std::string::npos);

  std::vector<std::uint8_t> read(2000, 0xEE);
  ASSERT_EQ(Backend().GetPrefBinary("General", "Big", read.data(), 2000), 1023);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 1023, read.begin()));
  EXPECT_EQ(read[1023], 0xEE);
  EXPECT_EQ(Backend().GetPrefString("General", "Text", ""), text.substr(0, 2047));
}

TEST_P(FileBackend, ListingAndDeletingWorkOnWholeSections) {
  Attach();
  Put("[Wrenfold]\r\nUses=1\r\n[Files]\r\nfile 0=a\r\nfile 1=b\r\nfile 2=c\r\n[Other]\r\nx=1\r\n");
  std::vector<std::string> names = {"stale"};
  Backend().GetPrefValueNames("ignored", "files", names);
  EXPECT_EQ(names, (std::vector<std::string>{"file 0", "file 1", "file 2"}));
  Backend().GetPrefValueNames("", "", names);
  EXPECT_EQ(names, std::vector<std::string>{"Uses"});
  Backend().GetPrefValueNames("", "Missing", names);
  EXPECT_TRUE(names.empty());

  EXPECT_TRUE(store.DeletePrefKey("Files"));
  EXPECT_EQ(Contents(), "[Wrenfold]\r\nUses=1\r\n[Files]\r\n[Other]\r\nx=1\r\n");
  EXPECT_TRUE(store.DeletePrefKey("Missing"));
  EXPECT_TRUE(store.DeletePrefValue("Other", "X"));
  EXPECT_TRUE(store.DeletePrefValue("Other", "missing"));
  EXPECT_TRUE(store.DeletePrefValue("", "Uses"));
  EXPECT_EQ(Contents(), "[Wrenfold]\r\n[Files]\r\n[Other]\r\n");
  EXPECT_TRUE(env.ui.boxes.empty());
}

// A listing holds the names that fit 16384 bytes; deleting the section still
// takes every name, however many there are.
TEST_P(FileBackend, ListingIsLimitedButDeletingTakesEveryName) {
  Attach();
  std::string text = "[Many]\r\n";
  std::vector<std::string> all;
  for (int i = 0; i < 200; ++i) {
    all.push_back("name " + std::to_string(1000 + i) + std::string(90, 'n'));  // 99 characters
    text += all.back() + "=1\r\n";
  }
  Put(text + "[Other]\r\nx=1\r\n");

  std::vector<std::string> names;
  Backend().GetPrefValueNames("", "Many", names);
  std::size_t bytes = 0;
  for (const std::string& name : names) bytes += name.size() + 1;
  EXPECT_LE(bytes, TIniFileObject::kNamesBufferSize);
  ASSERT_GE(names.size(), 163u);  // 163 names of 100 bytes each fit
  ASSERT_LT(names.size(), all.size());
  EXPECT_TRUE(std::equal(all.begin(), all.begin() + 163, names.begin()));

  EXPECT_TRUE(store.DeletePrefKey("Many"));
  EXPECT_EQ(Contents(), "[Many]\r\n[Other]\r\nx=1\r\n");
}

TEST_P(FileBackend, AFailedWriteIsReportedWithTheFileName) {
  Attach("Missing folder/Wrenfold.ini");
  const std::uint8_t byte = 1;
  store.SetPrefString("General", "Text", "x");
  store.SetPrefInteger("General", "Int", 1);
  store.SetPrefBooleanProc("General", "Bool", true);
  store.SetPrefBinaryProc("General", "Bin", &byte, 1);
  // Deleting is not reported, and a delete of a file that is not there is done.
  EXPECT_TRUE(store.DeletePrefValue("General", "Text"));
  EXPECT_TRUE(store.DeletePrefKey("General"));

  ASSERT_EQ(env.ui.boxes.size(), 4u);
  const char* operations[] = {"SetPrefString", "SetPrefInteger", "SetPrefBooleanProc",
                              "SetPrefBinaryProc"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(env.ui.boxes[i].caption, std::string("Wrenfold.exe Error: ") + operations[i]);
    EXPECT_EQ(env.ui.boxes[i].text, std::string(operations[i]) + ": Unable to write to " + file_);
  }
  EXPECT_FALSE(fs::exists(file_));
}

TEST_P(FileBackend, ClosingFlushesTheFileAndRemovesTheBackend) {
  Attach();
  store.SetPrefInteger("General", "Uses", 4);
  EXPECT_TRUE(profile.flushes.empty());

  store.ClosePref();

  EXPECT_EQ(profile.flushes, std::vector<std::string>{file_});
  EXPECT_EQ(store.Backend(), nullptr);
  EXPECT_EQ(Contents(), "[General]\r\nUses=4\r\n");
  EXPECT_TRUE(env.ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Profiles, FileBackend, testing::ValuesIn(ProfileKinds()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace storetest
