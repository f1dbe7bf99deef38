// Under Wine: the INI locations with the platform's own private-profile
// functions, shell folders and directory creation.  The files land in the
// prefix's real application-data folders and beside the test program, and are
// removed again.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "RecordingProfile.h"
#include "TestStore.h"
#include "platform/Services.h"
#include "platform/memory/MemoryUserInterface.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Services.h"
#include "support/ProductIniFiles.h"
#include "support/ProgramRun.h"
#include "support/RealPlatform.h"

namespace storetest {
namespace {

namespace fs = std::filesystem;
using testsupport::ProductIniFile;
using testsupport::ProductIniFolder;
using testsupport::ReadFile;

constexpr const char* kKey = "Software\\Orlavex\\Wrenfold 4\\General";

using platform::win32::FileHandle;

class RealFileStore : public testing::Test {
 protected:
  RealFileStore() {
    real.scope->privateProfile = &profile;
    testsupport::RemoveProductIniFiles();
  }
  ~RealFileStore() override {
    if (store.Backend() != nullptr) store.ClosePref();
    testsupport::RemoveProductIniFiles();
  }

  testsupport::RealPlatform real;
  platform::memory::MemoryUserInterface& ui = real.ui;
  RecordingProfile profile{platform::win32::PrivateProfile()};
  TestStore store;
};

TEST_F(RealFileStore, EachScopeLandsInItsFolderMadeWhenMissing) {
  struct Case {
    std::uint8_t scope;
    bool machineWidePrefs;
    const char* folderVariable;
  };
  const Case cases[] = {
      {cfgPerUserRoam, false, "APPDATA"},
      {cfgPerUserNonRoam, false, "LOCALAPPDATA"},
      {cfgPerMachine, false, "ProgramData"},
      {cfgPerUserRoam, true, "ProgramData"},
  };
  PrefLocation = plFile;
  for (const Case& c : cases) {
    SCOPED_TRACE(cfgDataScopeName(c.scope) + (c.machineWidePrefs ? " machine-wide" : ""));
    testsupport::RemoveProductIniFiles();
    store.machineWidePrefs = c.machineWidePrefs;
    const std::string file = ProductIniFile(c.folderVariable);
    ASSERT_FALSE(fs::exists(ProductIniFolder(c.folderVariable)));

    ASSERT_TRUE(store.OpenPref(c.scope, kKey, true, PrefAccess::readWrite));
    EXPECT_TRUE(fs::is_directory(ProductIniFolder(c.folderVariable)));
    EXPECT_FALSE(fs::exists(file));  // not before the first write
    store.SetPrefInteger("General", "Scope", c.scope);
    store.ClosePref();

    EXPECT_EQ(ReadFile(file), "[General]\r\nScope=" + std::to_string(c.scope) + "\r\n");
    ASSERT_FALSE(profile.flushes.empty());
    EXPECT_EQ(profile.flushes.back(), file);
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(RealFileStore, OnUSBKeepsOneFileBesideTheProgramForEveryScope) {
  PrefLocation = plOnUSB;
  for (std::uint8_t scope : {0, 1, 2, 3}) {
    ASSERT_TRUE(store.OpenPref(scope, kKey, true, PrefAccess::readWrite));
    store.SetPrefInteger("General", "Scope " + std::to_string(scope), scope);
    store.ClosePref();
  }
  EXPECT_EQ(ReadFile(testsupport::IniBesideProgram()),
            "[General]\r\nScope 0=0\r\nScope 1=1\r\nScope 2=2\r\nScope 3=3\r\n");
  for (const char* variable : {"APPDATA", "LOCALAPPDATA", "ProgramData"}) {
    EXPECT_FALSE(fs::exists(ProductIniFolder(variable))) << variable;
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(RealFileStore, EveryOperationWorksThroughTheFile) {
  PrefLocation = plFile;
  const std::string file = ProductIniFile("APPDATA");
  const std::uint8_t bytes[] = {0x0A, 0xFF};
  ASSERT_TRUE(store.OpenPref(cfgPerUserRoam, kKey, true, PrefAccess::readWrite));
  // Nothing to delete, in a file that is not there yet.
  EXPECT_TRUE(store.DeletePrefKey("Files"));
  EXPECT_FALSE(fs::exists(file));

  store.SetPrefInteger("", "Uses", 42);
  store.SetPrefString("General", "Prefix", ";;");
  store.SetPrefBooleanProc("General", "On", true);
  store.SetPrefBinaryProc("General", "Bin", bytes, 2);
  store.SetPrefPath("General", "Path", "  C:\\Data\\x.txt ");
  store.SetPrefString("Files", "file 0", "a");
  store.SetPrefString("Files", "file 1", "b");
  EXPECT_TRUE(store.DeletePrefValue("General", "On"));
  EXPECT_TRUE(store.DeletePrefKey("Files"));
  EXPECT_TRUE(store.DeletePrefKey("Missing"));

  TPrefBackend& backend = *store.Backend();
  EXPECT_EQ(backend.GetPrefInteger("", "Uses", 0), 42);
  EXPECT_EQ(backend.GetPrefString("General", "Prefix", ""), ";;");
  EXPECT_TRUE(backend.GetPrefBoolean("General", "On", true));  // deleted: the default
  std::uint8_t read[2] = {};
  EXPECT_EQ(backend.GetPrefBinary("General", "Bin", read, 2), 2);
  EXPECT_EQ(read[1], 0xFF);
  std::vector<std::string> names;
  backend.GetPrefValueNames("General", "General", names);
  EXPECT_EQ(names, (std::vector<std::string>{"Prefix", "Bin", "Path"}));
  store.ClosePref();

  EXPECT_EQ(ReadFile(file),
            "[Wrenfold]\r\nUses=42\r\n[General]\r\nPrefix=;;\r\nBin=0AFF\r\n"
            "Path=C:\\Data\\x.txt\r\n[Files]\r\n");
  EXPECT_TRUE(ui.boxes.empty());
}

// A write that fails names the file.  The read-only attribute cannot make
// one here: Wine runs as root, who may write any file whatever its mode.
TEST_F(RealFileStore, AFailedWriteReportsUnableToWriteToTheFile) {
  PrefLocation = plFile;
  const std::string file = ProductIniFile("APPDATA");

  // The folder cannot be made: "Orlavex" is a file.  The open goes on.
  testsupport::WriteFile(testsupport::AppDataFolder("APPDATA") + "\\Orlavex", "");
  ASSERT_TRUE(store.OpenPref(cfgPerUserRoam, kKey, true, PrefAccess::readWrite));
  EXPECT_TRUE(ui.boxes.empty());
  store.SetPrefString("General", "Text", "x");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].caption, "Wrenfold.exe Error: SetPrefString");
  EXPECT_EQ(ui.boxes[0].text, "SetPrefString: Unable to write to " + file);
  store.ClosePref();
  ui.boxes.clear();
  testsupport::RemoveProductIniFiles();

  // Another handle holds the file without sharing it.
  ASSERT_TRUE(store.OpenPref(cfgPerUserRoam, kKey, true, PrefAccess::readWrite));
  store.SetPrefInteger("General", "Uses", 1);
  {
    const FileHandle held(CreateFileA(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    store.SetPrefInteger("General", "Uses", 2);
  }
  store.SetPrefInteger("General", "Uses", 3);
  store.ClosePref();
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "SetPrefInteger: Unable to write to " + file);
  EXPECT_EQ(ReadFile(file), "[General]\r\nUses=3\r\n");
}

}  // namespace
}  // namespace storetest
#endif
