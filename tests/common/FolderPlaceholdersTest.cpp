#include <gtest/gtest.h>

#include <functional>

#include "CommonFakes.h"
#include "common/FolderPlaceholders.h"

namespace {

using testsupport::CommonFakes;

struct PlaceholderCase {
  const char* name;
  std::function<void(CommonFakes&)> setup;
  const char* input;
  const char* expected;
};

void PrintTo(const PlaceholderCase& c, std::ostream* os) { *os << c.name; }

void Nothing(CommonFakes&) {}

void ProgramOnUSBDriveE(CommonFakes& fakes) {
  fakes.process.programFileName = "E:\\Wrenfold\\RegisterWrenfold.exe";
  PrefLocation = plOnUSB;
}

const PlaceholderCase kFolderCases[] = {
    {"RoamingAppDataTakesItsBackslash", Nothing,
     "C:\\Users\\Ann\\AppData\\Roaming\\Orlavex\\Wrenfold 4\\",
     "[CSIDL-APPDATA]Orlavex\\Wrenfold 4\\"},
    {"UnderDocuments", Nothing, "C:\\Users\\Ann\\Documents\\Letters\\a.txt",
     "[My Documents]\\Letters\\a.txt"},
    {"DocumentsWithoutBackslashStays", Nothing, "C:\\Users\\Ann\\Documents",
     "C:\\Users\\Ann\\Documents"},
    {"DocumentsWithBackslash", Nothing, "C:\\Users\\Ann\\Documents\\", "[My Documents]\\"},
    {"SiblingWithLongerNameStays", Nothing, "C:\\Users\\Ann\\Documents2\\a",
     "C:\\Users\\Ann\\Documents2\\a"},
    {"OtherLetterCase", Nothing, "c:\\USERS\\ann\\documents\\a.txt", "[My Documents]\\a.txt"},
    {"FolderTwice", Nothing, "C:\\Users\\Ann\\Documents\\a;C:\\Users\\Ann\\Documents\\b",
     "[My Documents]\\a;[My Documents]\\b"},
    {"TempWinsOverLocalAppData", Nothing, "C:\\Users\\Ann\\AppData\\Local\\Temp\\x.tmp",
     "[TEMP]\\x.tmp"},
    {"LocalAppDataOutsideTemp", Nothing, "C:\\Users\\Ann\\AppData\\Local\\Wrenfold\\",
     "[CSIDL-LOCAL-APPDATA]Wrenfold\\"},
    {"ProgramFilesWinsOverCommonFiles", Nothing, "C:\\Program Files\\Common Files\\Orlavex\\",
     "[CSIDL-PROGRAM-FILES]\\Common Files\\Orlavex\\"},
    {"CommonFilesElsewhere",
     [](CommonFakes& f) {
       f.shellFolders.folders[platform::csidl::kProgramFilesCommon] = "D:\\Shared\\Common";
     },
     "D:\\Shared\\Common\\Orlavex\\", "[CSIDL-PROGRAM-FILES-COMMON]Orlavex\\"},
    {"CommonDocuments", Nothing, "C:\\Users\\Public\\Documents\\a", "[CSIDL-COMMON-DOCUMENTS]a"},
    {"CommonAppData", Nothing, "C:\\ProgramData\\Orlavex\\", "[CSIDL-COMMON-APPDATA]Orlavex\\"},
    {"Desktop", Nothing, "C:\\Users\\Ann\\Desktop\\a.txt", "[Desktop]\\a.txt"},
    {"UnresolvableDesktopStaysSpelledOut",
     [](CommonFakes& f) { f.shellFolders.folders.erase(platform::csidl::kDesktop); },
     "C:\\Users\\Ann\\Desktop\\a.txt", "C:\\Users\\Ann\\Desktop\\a.txt"},
    {"DocumentsFallback",
     [](CommonFakes& f) { f.shellFolders.folders[platform::csidl::kPersonal] = "   "; },
     "C:\\My Documents\\a.txt", "[My Documents]\\a.txt"},
    {"TempFallback", [](CommonFakes& f) { f.shellFolders.tempPath.clear(); }, "c:\\temp\\a.tmp",
     "[TEMP]\\a.tmp"},
    {"OnUSBDocumentsBesideProgram", ProgramOnUSBDriveE,
     "E:\\Wrenfold\\Data\\Documents\\n.txt|C:\\Users\\Ann\\Documents\\n.txt",
     "[My Documents]\\n.txt|C:\\Users\\Ann\\Documents\\n.txt"},
    {"OnUSBTempBesideProgram", ProgramOnUSBDriveE, "e:\\wrenfold\\data\\temp\\t.tmp",
     "[TEMP]\\t.tmp"},
    {"NoFolderInText", Nothing, "relative\\path.txt", "relative\\path.txt"},
    {"EmptyText", Nothing, "", ""},
};

class InsertFolderPlaceholdersTest : public testing::TestWithParam<PlaceholderCase> {};

TEST_P(InsertFolderPlaceholdersTest, Replaces) {
  CommonFakes fakes;
  GetParam().setup(fakes);
  EXPECT_EQ(InsertFolderPlaceholders(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, InsertFolderPlaceholdersTest, testing::ValuesIn(kFolderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InsertFolderPlaceholders, AsksTheShellAgainOnEveryCall) {
  CommonFakes fakes;
  const std::string path = "D:\\Roam\\Orlavex\\";
  EXPECT_EQ(InsertFolderPlaceholders(path), path);
  fakes.shellFolders.folders[platform::csidl::kAppData] = "D:\\Roam";
  EXPECT_EQ(InsertFolderPlaceholders(path), "[CSIDL-APPDATA]Orlavex\\");
}

struct DriveCase {
  const char* name;
  const char* program;
  const char* input;
  const char* expected;
};

const DriveCase kDriveCases[] = {
    {"DriveLetterOtherCase", "E:\\Wrenfold\\Wrenfold.exe", "e:\\Wrenfold\\images\\",
     "[ExeDrive]\\Wrenfold\\images\\"},
    {"OtherDriveStays", "E:\\Wrenfold\\Wrenfold.exe", "C:\\tools\\a.exe", "C:\\tools\\a.exe"},
    {"DriveTwice", "E:\\Wrenfold\\Wrenfold.exe", "E:\\a;E:\\b", "[ExeDrive]\\a;[ExeDrive]\\b"},
    {"UncShare", "\\\\server\\share\\apps\\Wrenfold.exe", "\\\\SERVER\\Share\\data\\x.txt",
     "[ExeDrive]\\data\\x.txt"},
    {"UncLongerShareNameStays", "\\\\server\\share\\Wrenfold.exe", "\\\\server\\shared\\x",
     "\\\\server\\shared\\x"},
    {"RelativeProgramTakesCurrentDrive", "Wrenfold.exe", "C:\\Work\\x", "[ExeDrive]\\Work\\x"},
    {"DriveWithoutBackslashStays", "E:\\Wrenfold.exe", "E:", "E:"},
};

void PrintTo(const DriveCase& c, std::ostream* os) { *os << c.name; }

class InsertExeDrivePlaceholderTest : public testing::TestWithParam<DriveCase> {};

TEST_P(InsertExeDrivePlaceholderTest, Replaces) {
  CommonFakes fakes;
  fakes.process.programFileName = GetParam().program;
  EXPECT_EQ(InsertExeDrivePlaceholder(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, InsertExeDrivePlaceholderTest, testing::ValuesIn(kDriveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InsertExeDrivePlaceholder, ProgramWithoutDriveReplacesNothing) {
  CommonFakes fakes;
  // A UNC name without a share has no root to replace; a lone backslash
  // must not stand in for it.
  fakes.process.programFileName = "\\\\server";
  EXPECT_EQ(InsertExeDrivePlaceholder("C:\\a\\b"), "C:\\a\\b");
}

}  // namespace
