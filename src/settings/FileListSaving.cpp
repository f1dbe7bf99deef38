#include "settings/FileListSaving.h"

#include <string>

#include "common/Strings.h"
#include "common/SystemMessage.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "prefstore/ProductIdentity.h"
#include "prefstore/StoreErrors.h"
#include "settings/SectionWriting.h"

namespace {

std::string FileValueName(std::size_t index) { return "file " + std::to_string(index); }

// Removes the section below the product key, then writes it anew.
template <class Write>
void ReplaceSection(TConfigManager& manager, const std::string& section, Write write) {
  if (manager.OpenPref(cfgPerUserRoam, std::string(kProductRegistryKey), kCanCreate,
                       PrefAccess::readWrite)) {
    const ClosePrefOnExit closer(manager);
    manager.DeletePrefKey(section);
  }
  WithSectionKey(manager, cfgPerUserRoam, section, write);
}

}  // namespace

void SaveFileList(TConfigManager& manager, const std::string& section) {
  try {
    ReplaceSection(manager, section, [&](const std::string& name) {
      for (std::size_t index = 0; index < manager.FileList.size(); ++index) {
        manager.SetPrefPath(name, FileValueName(index), manager.FileList[index]);
      }
    });
  } catch (...) {
    // The store reports its own errors; what reaches here came from below it,
    // after the key was closed.  The old list may already be gone.
    ShowStoreError(platform::ApplicationWindow(), " saveFiles Error",
                   "Error saving files (ConfigManager.saveFiles): \r\n" +
                       SystemMessage(platform::FileSystem().LastError()));
  }
}

void SaveRecentFiles(TConfigManager& manager, const std::string& section) {
  ReplaceSection(manager, section, [&](const std::string& name) {
    // Slot numbers are kept, so an empty slot stays a gap.
    for (std::size_t slot = 0; slot < manager.MRU.size(); ++slot) {
      if (Trim(manager.MRU[slot]).empty()) continue;
      manager.SetPrefPath(name, FileValueName(slot), manager.MRU[slot]);
    }
  });
}
