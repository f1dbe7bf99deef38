#pragma once
// A manager's world for a test: the fake registry behind a recorder, a fake
// UI, process, shell folders and default font, all restored afterwards.
#include <string>

#include "RecordingRegistry.h"
#include "platform/fake/FakeFonts.h"
#include "platform/fake/FakeShellFolders.h"
#include "support/FakeStore.h"

namespace settingstest {

inline const std::string kUserProductKey = "HKCU\\Software\\Orlavex\\Wrenfold 4";

// The recorded path of a section's user key.
inline std::string UserKey(const std::string& section) { return kUserProductKey + "\\" + section; }

struct SettingsEnvironment {
  testsupport::FakeStore store;
  platform::fake::FakeFonts fonts;
  platform::fake::FakeShellFolders shellFolders;
  RecordingRegistry registry{store.registry};

  SettingsEnvironment() {
    store.scope->registry = &registry;
    store.scope->fonts = &fonts;
    store.scope->shellFolders = &shellFolders;
  }
};

}  // namespace settingstest
