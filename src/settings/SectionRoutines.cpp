// The section routines: each opens its section's key, writes the section's
// values in their stored order and closes the key again on every path.
#include <span>
#include <string>

#include "platform/Process.h"
#include "platform/Services.h"
#include "settings/SectionWriting.h"
#include "settings/SettingsSchema.h"

namespace {

void SaveRows(TConfigManager& manager, cfgSection section, std::span<const SettingRow> rows) {
  SaveRows(manager, cfgPerUserRoam, SectionName(section), rows);
}

}  // namespace

void TConfigManager::saveActivation() { SaveRows(*this, cfgActivation, schema::Activation); }

void TConfigManager::saveAdvOptions() {
  WithSectionKey(*this, cfgPerUserRoam, SectionName(cfgAdvOptions), [&](const std::string& name) {
    WriteSettingRows(*this, name, schema::AdvOptions);
    // Left out, the hook switches keep whatever the store holds for them.
    if (ShowAdvancedSettings) WriteSettingRows(*this, name, schema::DbgHook);
  });
}

void TConfigManager::saveAppearance() { SaveRows(*this, cfgAppearance, schema::Appearance); }

void TConfigManager::saveThemes() {
  WithSectionKey(*this, cfgPerUserRoam, SectionName(cfgAppearance), [&](const std::string& name) {
    for (std::size_t theme = 0; theme < schema::ThemeNames.size(); ++theme) {
      for (const ThemeAttributeRow& row : schema::ThemeAttributes) {
        const std::string key =
            "Theme " + std::string(schema::ThemeNames[theme]) + " " + std::string(row.attribute);
        WriteSetting(*this, name, key, row.type, row.read(*this, theme));
      }
    }
  });
}

void TConfigManager::saveBackup() { SaveRows(*this, cfgBackup, schema::Backup); }

void TConfigManager::saveCustCommands() { SaveRows(*this, cfgCustCommands, schema::CustCommands); }

void TConfigManager::saveDelays() { SaveRows(*this, cfgDelays, schema::Delays); }

void TConfigManager::saveDialogs() { SaveRows(*this, cfgDialogs, schema::Dialogs); }

// The one section that stays on this machine.
void TConfigManager::saveFilePaths() {
  SaveRows(*this, cfgPerUserNonRoam, SectionName(cfgFilePaths), schema::FilePaths);
}

void TConfigManager::saveFonts() { SaveRows(*this, cfgFonts, schema::Fonts); }

void TConfigManager::saveGeneral() { SaveRows(*this, cfgGeneral, schema::General); }

void TConfigManager::saveLogs() { SaveRows(*this, cfgLogs, schema::Logs); }

void TConfigManager::saveWindows() {
  SaveRows(*this, cfgPerUserRoam, MainWindowSection(platform::Process().ProgramFileName()),
           schema::MainWindowLayout);
}

void TConfigManager::saveMiscellaneous() {
  SaveRows(*this, cfgMiscellaneous, schema::Miscellaneous);
}

void TConfigManager::saveNetwork() { SaveRows(*this, cfgNetwork, schema::Network); }

void TConfigManager::savePrinter() { SaveRows(*this, cfgPrinter, schema::Printer); }

void TConfigManager::saveStartup() {
  WithSectionKey(*this, cfgPerUserRoam, SectionName(cfgStartup), [&](const std::string& name) {
    WriteSettingRows(*this, name, schema::Startup);
    // Still in the "Startup" key in the registry; in an INI file the empty
    // section is the product's own, beside "Uses".
    WriteSettingRows(*this, SectionName(cfgRoot), schema::StartupRoot);
  });
}

void TConfigManager::saveUpdates() { SaveRows(*this, cfgUpdates, schema::Updates); }

void TConfigManager::saveSearchHistory() {
  SaveRows(*this, cfgPerUserRoam, SearchHistorySection(), schema::SearchHistory);
}

void TConfigManager::saveUses() { SaveRows(*this, cfgRoot, schema::Uses); }
