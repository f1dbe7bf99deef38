#include "PrefsFiles.h"

#include <gtest/gtest.h>

namespace testsupport {

std::string PrefsFile(const std::string& inner) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!DOCTYPE Wrenfold_Preferences>\r\n"
         "<Wrenfold_Preferences>" +
         inner + "</Wrenfold_Preferences>\r\n";
}

std::string ProductFile(const std::string& scopes) {
  return PrefsFile("<Wrenfold>" + scopes + "</Wrenfold>");
}

std::string Repeat(const std::string& text, int times) {
  std::string out;
  out.reserve(text.size() * static_cast<std::size_t>(times));
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

TestFolder::TestFolder(const std::string& prefix)
    : folder_(std::filesystem::temp_directory_path() /
              (prefix + testing::UnitTest::GetInstance()->current_test_info()->name())) {
  std::filesystem::remove_all(folder_);
  std::filesystem::create_directories(folder_);
}

TestFolder::~TestFolder() { std::filesystem::remove_all(folder_); }

}  // namespace testsupport
