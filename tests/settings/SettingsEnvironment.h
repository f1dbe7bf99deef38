#pragma once
// A manager's world for a test: the fake platform with its registry behind a
// recorder, all restored afterwards.
#include <string>

#include "RecordingRegistry.h"
#include "support/FakePlatform.h"

namespace settingstest {

inline const std::string kUserProductKey = "HKCU\\Software\\Orlavex\\Wrenfold 4";

// The recorded path of a section's user key.
inline std::string UserKey(const std::string& section) { return kUserProductKey + "\\" + section; }

struct SettingsEnvironment {
  testsupport::FakePlatform store;
  platform::fake::FakeFonts& fonts = store.fonts;
  platform::fake::FakeShellFolders& shellFolders = store.shellFolders;
  RecordingRegistry registry{store.registry};

  SettingsEnvironment() { store.scope->registry = &registry; }
};

}  // namespace settingstest
