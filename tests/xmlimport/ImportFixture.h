#pragma once
// An import into the in-memory registry through the real store and ConfigMgr,
// with this build's XML parser: files are written to a folder of the test's
// own, and the registry can refuse chosen keys or record what was created.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "support/FakePlatform.h"
#include "support/PrefsFiles.h"
#include "support/RegistryDecorators.h"
#include "support/RegistryProbe.h"

namespace importtest {

// The fake registry, refusing to create or open (for change) any key whose
// path ends with `deniedSuffix`, and recording each key created under the
// current user's root.
class GuardedRegistry final : public testsupport::ForwardingRegistry {
 public:
  using ForwardingRegistry::ForwardingRegistry;

  std::string deniedSuffix;
  std::vector<std::string> userKeysCreated;

  long OpenKey(platform::RegKey parent, const std::string& subKey, std::uint32_t access,
               platform::RegKey* result) override;
  long CreateKey(platform::RegKey parent, const std::string& subKey, std::uint32_t access,
                 platform::RegKey* result, bool* created) override;

 private:
  bool Denied(const std::string& subKey) const;
};

using testsupport::PrefsFile;
using testsupport::ProductFile;

class ImportFixture : public testing::Test {
 protected:
  ImportFixture();
  ~ImportFixture() override;

  // Writes the file and imports it; the file's name is FileName().
  bool Import(const std::string& contents);
  std::string FileName() const { return folder_.PathOf("prefs.xml"); }

  // A value below the product key ("" for the key itself) in either root.
  std::optional<testsupport::RegValue> User(const std::string& section, const std::string& name);
  std::optional<testsupport::RegValue> Machine(const std::string& section, const std::string& name);
  bool UserKey(const std::string& section);
  // What the boxes said, "caption|text" each.
  std::vector<std::string> Boxes() const;

  testsupport::FakePlatform store;
  GuardedRegistry registry{store.registry};

 private:
  testsupport::TestFolder folder_{"wf-import-"};
};

}  // namespace importtest
