#include <gtest/gtest.h>

#include "common/PathText.h"

namespace {

TEST(PathText, IncludeTrailingBackslash) {
  EXPECT_EQ(IncludeTrailingBackslash(""), "");
  EXPECT_EQ(IncludeTrailingBackslash("C:"), "C:\\");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\a"), "C:\\a\\");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\a\\"), "C:\\a\\");
}

TEST(PathText, FolderAndName) {
  EXPECT_EQ(ExtractFilePath("C:\\a\\b.exe"), "C:\\a\\");
  EXPECT_EQ(ExtractFilePath("C:b.exe"), "C:");
  EXPECT_EQ(ExtractFilePath("b.exe"), "");
  EXPECT_EQ(ExtractFileName("C:\\a\\b.exe"), "b.exe");
  EXPECT_EQ(ExtractFileName("b.exe"), "b.exe");
  EXPECT_EQ(ExtractFileName("C:\\a\\"), "");
}

TEST(PathText, ExtractFileDrive) {
  const std::pair<const char*, const char*> cases[] = {
      {"E:\\a\\b", "E:"},
      {"e:", "e:"},
      {"\\\\server\\share\\a", "\\\\server\\share"},
      {"\\\\server\\share", "\\\\server\\share"},
      {"\\\\server\\", ""},
      {"\\\\server", ""},
      {"\\\\\\share", ""},
      {"\\a\\b", ""},
      {"a\\b", ""},
      {"", ""},
  };
  for (const auto& [path, drive] : cases) EXPECT_EQ(ExtractFileDrive(path), drive) << path;
}

}  // namespace
