// The same cases against the file-based profile and, under Wine, against the
// platform's own private-profile functions: where they differ, the fake is wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/fake/FileProfile.h"
#ifdef _WIN32
#include "platform/win32/Win32Services.h"
#endif

namespace {

using platform::IPrivateProfile;
namespace fs = std::filesystem;

struct Implementation {
  const char* name;
  std::function<IPrivateProfile&()> get;
};

class PrivateProfileConformance : public testing::TestWithParam<Implementation> {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("wf-profile-" + std::string(GetParam().name) + "-" + TestName());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    file_ = (folder_ / "Test.ini").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  IPrivateProfile& profile() { return GetParam().get(); }
  // A parameterised test's name holds a "/", which must not become a folder.
  static std::string TestName() {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name) {
      if (c == '/') c = '-';
    }
    return name;
  }
  std::string Read(const std::string& section, const std::string& name, std::size_t size = 2048) {
    return profile().ReadString(section, name, "DEF", file_, size);
  }
  void Put(const std::string& text) { std::ofstream(file_, std::ios::binary) << text; }
  std::string Contents() {
    std::ifstream in(file_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path folder_;
  std::string file_;
};

TEST_P(PrivateProfileConformance, WritesKeepOrderAndTheFirstSpelling) {
  EXPECT_EQ(Read("Sec", "A"), "DEF");  // no file yet
  ASSERT_TRUE(profile().WriteString("Sec", "A", "1", file_));
  EXPECT_EQ(Contents(), "[Sec]\r\nA=1\r\n");
  ASSERT_TRUE(profile().WriteString("Sec", "B", "  two  ", file_));
  ASSERT_TRUE(profile().WriteString("Other", "C", "3", file_));
  ASSERT_TRUE(profile().WriteString("sec", "a", "one", file_));
  ASSERT_TRUE(profile().WriteString("Sec", "Empty", "", file_));
  EXPECT_EQ(Contents(), "[Sec]\r\nA=one\r\nB=two\r\nEmpty=\r\n[Other]\r\nC=3\r\n");
  EXPECT_EQ(Read(" SEC ", " b "), "two");
  EXPECT_EQ(Read("Sec", "Empty"), "");
}

TEST_P(PrivateProfileConformance, DeletingEveryNameLeavesTheSectionHeader) {
  Put("[S]\r\nx=1\r\n\r\n[T]\r\ny=2\r\n");
  ASSERT_TRUE(profile().DeleteName("S", "X", file_));
  EXPECT_TRUE(profile().DeleteName("S", "missing", file_));
  EXPECT_TRUE(profile().DeleteName("Missing", "x", file_));
  EXPECT_EQ(Contents(), "[S]\r\n[T]\r\ny=2\r\n");
  ASSERT_TRUE(profile().WriteString("S", "z", "3", file_));
  EXPECT_EQ(Contents(), "[S]\r\nz=3\r\n[T]\r\ny=2\r\n");
  EXPECT_TRUE(profile().ReadNames("S", file_, 16384) == std::vector<std::string>{"z"});
}

TEST_P(PrivateProfileConformance, ReadsByThePlatformsRules) {
  Put("; comment\r\n[ Spaced ]\r\n  Key  =  val  \r\n;x=1\r\nnoeq\r\n\r\ndup=first\r\n"
      "DUP=second\r\nq1=\"quoted\"\r\nq2='single'\r\nq3=\"mismatch'\r\nq4=\"\r\n"
      "hash=#notcomment\r\neq=a=b\r\n[Spaced]\r\nlater=1\r\n");
  const struct {
    const char* section;
    const char* name;
    std::size_t size;
    const char* expected;
  } cases[] = {
      {"Spaced", "Key", 2048, "val"},
      {" spaced ", " KEY ", 2048, "val"},
      {"Spaced", "noeq", 2048, "DEF"},
      {"Spaced", "dup", 2048, "first"},
      {"Spaced", "q1", 2048, "quoted"},
      {"Spaced", "q2", 2048, "single"},
      {"Spaced", "q3", 2048, "\"mismatch'"},
      {"Spaced", "q4", 2048, "\""},
      {"Spaced", "hash", 2048, "#notcomment"},
      {"Spaced", "eq", 2048, "a=b"},
      {"Spaced", "later", 2048, "DEF"},
      {"Spaced", "Key", 3, "va"},
      {"Spaced", "q1", 9, "quoted"},
      {"Spaced", "q1", 8, "quoted"},
      {"Spaced", "q1", 7, "quote"},
      // Cut short, the value loses its opening quote but keeps its text.
      {"Spaced", "q1", 4, "quo"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(c.section, c.name, c.size), c.expected)
        << c.section << "/" << c.name << " size " << c.size;
  }
  EXPECT_EQ(profile().ReadString("Spaced", "missing", "'quoted default'", file_, 2048),
            "quoted default");

  EXPECT_EQ(profile().ReadNames("Spaced", file_, 16384),
            (std::vector<std::string>{"Key", "dup", "DUP", "q1", "q2", "q3", "q4", "hash", "eq"}));
  EXPECT_EQ(profile().ReadNames("Spaced", file_, 10), (std::vector<std::string>{"Key", "dup"}));
  EXPECT_TRUE(profile().ReadNames("Missing", file_, 16384).empty());
}

TEST_P(PrivateProfileConformance, AWriteThatChangesNothingLeavesTheFile) {
  const std::string untidy = "[S]\r\n  x =  1  \r\n\r\n";
  Put(untidy);
  ASSERT_TRUE(profile().WriteString("s", "X", "1", file_));
  EXPECT_EQ(Contents(), untidy);
  ASSERT_TRUE(profile().WriteString("S", "x", "2", file_));
  EXPECT_EQ(Contents(), "[S]\r\nx=2\r\n");
}

TEST_P(PrivateProfileConformance, AWriteIntoAMissingFolderFails) {
  const std::string missing = (folder_ / "no such folder" / "Test.ini").string();
  EXPECT_FALSE(profile().WriteString("S", "x", "1", missing));
  EXPECT_EQ(profile().ReadString("S", "x", "DEF", missing, 2048), "DEF");
  EXPECT_FALSE(fs::exists(missing));
}

platform::fake::FileProfile fileProfile;

INSTANTIATE_TEST_SUITE_P(Fake, PrivateProfileConformance,
                         testing::Values(Implementation{
                             "fake", []() -> IPrivateProfile& { return fileProfile; }}),
                         [](const auto& info) { return std::string(info.param.name); });
#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Win32, PrivateProfileConformance,
                         testing::Values(Implementation{"win32",
                                                        []() -> IPrivateProfile& {
                                                          return platform::win32::PrivateProfile();
                                                        }}),
                         [](const auto& info) { return std::string(info.param.name); });
#endif

}  // namespace
