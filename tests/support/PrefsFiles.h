#pragma once
// Preferences files for tests that import or check one, the bulk of large
// ones, and a folder of the test's own to keep them in.
#include <filesystem>
#include <string>

namespace testsupport {

// "<?xml...?><!DOCTYPE Wrenfold_Preferences><Wrenfold_Preferences>" + inner +
// "</Wrenfold_Preferences>".
std::string PrefsFile(const std::string& inner);
// A preferences file with one product element holding `scopes`.
std::string ProductFile(const std::string& scopes);
// `text` `times` times over: the bulk of the large and deep files.
std::string Repeat(const std::string& text, int times);

// An empty folder below the temporary folder, named `prefix` and the running
// test's name, removed with everything in it at the end.
class TestFolder {
 public:
  explicit TestFolder(const std::string& prefix);
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

 private:
  std::filesystem::path folder_;
};

}  // namespace testsupport
