// The store's public operations: opening and closing, the reports of every
// failure with their words, captions, owners and flags, and SetPrefPath.
#include <gtest/gtest.h>

#include <string>

#include "StoreFixture.h"
#include "platform/ShellFolders.h"
#include "platform/Ui.h"
#include "support/RegistryDecorators.h"

namespace {

namespace reg = platform::reg;
using testsupport::DwordValue;
using testsupport::StringValue;

constexpr unsigned kErrorFlags = 0x10010;

class ConfigCommon : public storetest::StoreFixture {
 protected:
  void ExpectOneBox(platform::WindowHandle owner, const std::string& caption,
                    const std::string& text) {
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].owner, owner);
    EXPECT_EQ(ui.boxes[0].caption, caption);
    EXPECT_EQ(ui.boxes[0].text, text);
    EXPECT_EQ(ui.boxes[0].flags, kErrorFlags);
    ui.boxes.clear();
  }
  std::string OpenReport(const std::string& location, const std::string& scope,
                         const std::string& key, const std::string& error) {
    return "OpenPref Error: Unable to open Preferences.\r\n\r\nPrefLocation: " + location +
           "\r\ncfgDataScope: " + scope + "\r\nKey: " + key + "\r\n\r\n" + error;
  }
};

TEST_P(ConfigCommon, OperationsOnAClosedStoreReportAndChangeNothing) {
  const std::uint8_t bytes[2] = {1, 2};
  struct Case {
    const char* operation;
    std::function<bool()> call;  // the result, for the deletes
    std::string message;
  };
  const Case cases[] = {
      {"SetPrefInteger",
       [&] {
         store.SetPrefInteger("General", "V", 1);
         return false;
       },
       "Error writing integer to preferences: SetPrefInteger"},
      {"SetPrefString",
       [&] {
         store.SetPrefString("General", "V", "x");
         return false;
       },
       "Error writing string to preferences: SetPrefString"},
      {"SetPrefBooleanProc",
       [&] {
         store.SetPrefBooleanProc("General", "V", true);
         return false;
       },
       "Error writing boolean to preferences: SetPrefBooleanProc"},
      {"SetPrefBinaryProc",
       [&] {
         store.SetPrefBinaryProc("General", "V", bytes, 2);
         return false;
       },
       "Error writing binary data to preferences: SetPrefBinaryProc"},
      {"DeletePrefValue", [&] { return store.DeletePrefValue("General", "V"); },
       "Error deleting value from preferences: DeletePrefValue"},
      {"DeletePrefKey", [&] { return store.DeletePrefKey("Files"); },
       "Error deleting key from preferences: DeletePrefKey"},
      {"ClosePref",
       [&] {
         store.ClosePref();
         return false;
       },
       "Error: ClosePref"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.operation);
    EXPECT_FALSE(c.call());
    ExpectOneBox(nullptr, std::string("Wrenfold.exe Error: ") + c.operation,
                 std::string(c.operation) + ": " + c.message);
  }
  EXPECT_FALSE(UserKeyExists(Base()));
}

TEST_P(ConfigCommon, OpenAndCloseLifecycle) {
  const platform::WindowHandle application = reinterpret_cast<platform::WindowHandle>(0x4242);
  platform::SetApplicationWindow(application);

  // A key that may not be created: false, silently; the store counts as open.
  EXPECT_FALSE(store.OpenPref(cfgPerUserRoam, SectionKey(), false, PrefAccess::readWrite));
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_NE(store.Backend(), nullptr);
  store.ClosePref();
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(store.Backend(), nullptr);
  store.ClosePref();
  ExpectOneBox(nullptr, "Wrenfold.exe Error: ClosePref", "ClosePref: Error: ClosePref");

  // With can-create a key that cannot be opened (a read-only open never
  // creates) is reported, owned by the application's window, with an empty
  // error text.
  EXPECT_FALSE(store.OpenPref(cfgPerMachine, SectionKey(), true, PrefAccess::read));
  ExpectOneBox(application, "Wrenfold.exe OpenPref Error",
               OpenReport("Registry", "cfgPerMachine", SectionKey(), ""));
  EXPECT_FALSE(MachineKeyExists(SectionKey()));

  // Opening again without closing releases the old key first.
  Open();
  Open(cfgPerUserNonRoam, "Other");
  store.SetPrefInteger("Other", "V", 3);
  store.ClosePref();
  EXPECT_EQ(UserValue("V", "Other"), DwordValue(3));
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(fakeRegistry.OpenHandleCount(), 0u);
  platform::SetApplicationWindow(nullptr);
}

TEST_P(ConfigCommon, ReportsNameTheLocationAndTheScope) {
  struct Case {
    std::uint8_t location;
    std::uint8_t scope;
    const char* locationName;
    const char* scopeName;
  };
  // The INI opens' reports are tested with the INI opens.
  const Case cases[] = {
      {7, 3, "", ""},
  };
  for (const Case& c : cases) {
    PrefLocation = c.location;
    EXPECT_FALSE(store.OpenPref(c.scope, "Some\\Key", true, PrefAccess::readWrite));
    ExpectOneBox(nullptr, "Wrenfold.exe OpenPref Error",
                 OpenReport(c.locationName, c.scopeName, "Some\\Key", ""));
    EXPECT_EQ(store.Backend(), nullptr);
    EXPECT_FALSE(store.OpenPref(c.scope, "Some\\Key", false, PrefAccess::readWrite));
    EXPECT_TRUE(ui.boxes.empty());
  }
  PrefLocation = plRegistryDirect;
  EXPECT_EQ(store.GetPrefLocationName(), "");
  PrefLocation = plRegistry;
  EXPECT_EQ(store.GetPrefLocationName(), "Registry");
  // Scope 3 places like a per-user scope in the registry; only its name is empty.
  EXPECT_TRUE(store.OpenPref(3, SectionKey(), true, PrefAccess::readWrite));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_P(ConfigCommon, AnOpenThatRaisesIsReportedWithItsMessage) {
  testsupport::RaisingRegistry raising(Registry(), "CreateKey", "The registry is gone");
  services_->registry = &raising;
  PrefLocation = plRegistryDirect;
  EXPECT_FALSE(store.OpenPref(cfgPerUserRoam, SectionKey(), false, PrefAccess::readWrite));
  EXPECT_TRUE(ui.boxes.empty());  // opening without creating never reached the failing call
  EXPECT_FALSE(store.OpenPref(cfgPerUserRoam, SectionKey(), true, PrefAccess::readWrite));
  ExpectOneBox(nullptr, "Wrenfold.exe OpenPref Error",
               OpenReport("", "cfgPerUserRoam", SectionKey(), "The registry is gone"));
  // The backend was installed before the failure; closing it is quiet.
  store.ClosePref();
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_P(ConfigCommon, BackendFailuresAreReportedAndTheStoreGoesOn) {
  PutUser("Existing", DwordValue(1));
  ASSERT_TRUE(store.OpenPref(cfgPerUserRoam, SectionKey(), false, PrefAccess::read));  // read-only
  store.SetPrefInteger("General", "A", 1);
  ExpectOneBox(nullptr, "Wrenfold.exe Error: SetPrefInteger",
               "SetPrefInteger: Failed to set data for 'A'");
  store.SetPrefString("General", "B", "x");
  ExpectOneBox(nullptr, "Wrenfold.exe Error: SetPrefString",
               "SetPrefString: Failed to set data for 'B'");
  store.SetPrefBooleanProc("General", "C", true);
  ExpectOneBox(nullptr, "Wrenfold.exe Error: SetPrefBooleanProc",
               "SetPrefBooleanProc: Failed to set data for 'C'");
  const std::uint8_t bytes[1] = {7};
  store.SetPrefBinaryProc("General", "D", bytes, 1);
  ExpectOneBox(nullptr, "Wrenfold.exe Error: SetPrefBinaryProc",
               "SetPrefBinaryProc: Failed to set data for 'D'");
  EXPECT_FALSE(store.DeletePrefValue("General", "Existing"));
  EXPECT_TRUE(ui.boxes.empty());  // deletes answer through their result
  store.ClosePref();
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(UserValue("Existing"), DwordValue(1));

  // A size that would hand the registry memory that is not the caller's.
  Open();
  store.SetPrefBinaryProc("General", "E", bytes, -1);
  ExpectOneBox(nullptr, "Wrenfold.exe Error: SetPrefBinaryProc",
               "SetPrefBinaryProc: Failed to set data for 'E'");
  store.SetPrefBinaryProc("General", "E", nullptr, 4);
  ExpectOneBox(nullptr, "Wrenfold.exe Error: SetPrefBinaryProc",
               "SetPrefBinaryProc: Failed to set data for 'E'");
  store.SetPrefBinaryProc("General", "E", nullptr, 0);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(UserValue("E"), testsupport::BinaryValue({}));
}

TEST_P(ConfigCommon, SetPrefPathStoresTheTrimmedPathWithPlaceholders) {
  // The roaming application-data folder as this registry's shell knows it.
  std::string appData =
      platform::ShellFolders().SpecialFolderPath(nullptr, platform::csidl::kAppData);
  ASSERT_FALSE(appData.empty());
  if (appData.back() != '\\') appData += '\\';
  process.programFileName = "E:\\Tools\\Wrenfold\\RegisterWrenfold.exe";

  Open();
  store.SetPrefPath("General", "Path", " \t C:\\Data\\Wrenfold\\ \r\n");
  store.SetPrefPath("General", "Empty", "   ");
  store.SetPrefPath("General", "Roaming", "  " + appData + "Orlavex\\x.txt\t");
  PrefLocation = plOnUSB;  // read by each SetPrefPath, not only by the open
  store.SetPrefPath("General", "OnUSB", " e:\\tools\\a.exe ");
  PrefLocation = plRegistry;
  store.ClosePref();
  EXPECT_EQ(UserValue("Path"), StringValue("C:\\Data\\Wrenfold\\"));
  EXPECT_EQ(UserValue("Empty"), StringValue(""));
  EXPECT_EQ(UserValue("Roaming"), StringValue("[CSIDL-APPDATA]Orlavex\\x.txt"));
  EXPECT_EQ(UserValue("OnUSB"), StringValue("[ExeDrive]\\tools\\a.exe"));
  EXPECT_TRUE(ui.boxes.empty());
  store.SetPrefPath("General", "Closed", "x");
  ExpectOneBox(nullptr, "Wrenfold.exe Error: SetPrefString",
               "SetPrefString: Error writing string to preferences: SetPrefString");
}

INSTANTIATE_TEST_SUITE_P(Registry, ConfigCommon, testing::ValuesIn(storetest::RegistryKinds()),
                         storetest::KindName);

TEST(PrefsLocationRtns, DisplayNames) {
  EXPECT_EQ(PrefLocationDisplayName(plRegistry), "Registry");
  EXPECT_EQ(PrefLocationDisplayName(plFile), "File");
  EXPECT_EQ(PrefLocationDisplayName(plOnUSB), "On USB");
  EXPECT_EQ(PrefLocationDisplayName(plRegistryDirect), "");
  EXPECT_EQ(PrefLocationDisplayName(200), "");
  EXPECT_EQ(cfgDataScopeName(cfgPerMachine), "cfgPerMachine");
  EXPECT_EQ(cfgDataScopeName(3), "");
}

}  // namespace
