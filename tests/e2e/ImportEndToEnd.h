#pragma once
// The program importing files into Wine's registry: a scratch folder for the
// files, both product keys removed before and after each test.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/ProgramRun.h"

namespace importe2e {

using testsupport::kProductKey;

inline const std::string kUserKey = std::string("HKEY_CURRENT_USER\\") + kProductKey;
inline const std::string kMachineKey = std::string("HKEY_LOCAL_MACHINE\\") + kProductKey;
// The start of the general failure's line in the unattended log.
inline constexpr const char* kFailurePrefix =
    "{\"caption\":\"Register Wrenfold\",\"text\":\"Could not import the program configuration due "
    "to the following error:\\r\\n";

// A path in double quotes, for a command line.
inline std::string Quoted(const std::string& path) {
  std::string quoted = path;
  quoted.insert(0, 1, '"');
  quoted += '"';
  return quoted;
}

inline std::string WithoutCarriageReturns(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  return out;
}

inline std::string SourceFile(const std::string& relative) {
  return std::string(WF_TEST_SOURCE_DIR) + "\\" + relative;
}

// Text as the unattended log writes it inside a JSON string.
inline std::string JsonEscaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out;
}

// A preferences file whose product element holds `scopes`.
inline std::string PrefsFile(const std::string& scopes, const std::string& subset = "") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!DOCTYPE Wrenfold_Preferences" + subset +
         ">\r\n<Wrenfold_Preferences><Wrenfold>" + scopes +
         "</Wrenfold></Wrenfold_Preferences>\r\n";
}

class ImportEndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    RemoveProductKeys();
    folder_ = testsupport::ScratchFolder("import");
  }
  void TearDown() override { RemoveProductKeys(); }

  static void RemoveProductKeys() {
    testsupport::DeleteKeyTree(HKEY_CURRENT_USER, kProductKey);
    testsupport::DeleteKeyTree(HKEY_LOCAL_MACHINE, kProductKey);
  }

  // Writes the file into the scratch folder and imports it by its full name.
  testsupport::ProgramResult ImportFile(const std::string& contents,
                                        const std::string& name = "prefs.xml") {
    testsupport::WriteFile(folder_ + name, contents);
    return testsupport::RunWrenfold("/IC \"" + folder_ + name + "\"");
  }

  void ExpectNothingWritten() {
    EXPECT_FALSE(testsupport::KeyExists(HKEY_CURRENT_USER, kProductKey));
    EXPECT_FALSE(testsupport::KeyExists(HKEY_LOCAL_MACHINE, kProductKey));
  }

  // One box, the general failure, its reason starting with `reason` and its
  // last line naming the file.
  void ExpectGeneralFailure(const testsupport::ProgramResult& result, const std::string& name,
                            const std::string& reason = "") {
    EXPECT_EQ(result.exitCode, 0u);
    ASSERT_EQ(result.boxes.size(), 1u);
    const std::string& box = result.boxes[0];
    EXPECT_EQ(box.rfind(kFailurePrefix + JsonEscaped(reason), 0), 0u) << box;
    const std::string tail = "\\r\\n\\r\\nFilename: " + JsonEscaped(folder_ + name) +
                             "\",\"flags\":65552,\"answer\":\"IDOK\"}";
    ASSERT_GT(box.size(), tail.size());
    EXPECT_EQ(box.substr(box.size() - tail.size()), tail) << box;
  }

  std::string folder_;
};

}  // namespace importe2e
