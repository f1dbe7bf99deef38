#include "settings/ConfigManager.h"

#include "platform/Fonts.h"
#include "platform/Services.h"

std::unique_ptr<TConfigManager> ConfigMgr;

namespace {

TFont DefaultFont() {
  const platform::FontDescription system = platform::Fonts().DefaultGuiFont();
  TFont font;
  font.Name = system.faceName;
  font.Size = system.pointSize;
  return font;
}

}  // namespace

TConfigManager::TConfigManager()
    : ScriptFont(DefaultFont()), GridFont(DefaultFont()), CategoryFont(DefaultFont()) {}

TConfigManager::~TConfigManager() {
  FileList.clear();
  FileNames.clear();
}

void TConfigManager::saveSettings(cfgSection section) {
  switch (section) {
    case cfgAll:
      saveAppearance();
      saveThemes();
      saveActivation();
      saveAdvOptions();
      saveBackup();
      saveCustCommands();
      saveDelays();
      saveDialogs();
      saveFilePaths();
      saveFiles();
      saveFonts();
      saveGeneral();
      saveMiscellaneous();
      saveLogs();
      saveMRU();
      saveNetwork();
      savePrinter();
      saveStartup();
      saveUpdates();
      saveWindows();
      saveUses();
      saveSearchHistory();
      break;
    case cfgAdvOptions: saveAdvOptions(); break;
    case cfgActivation: saveActivation(); break;
    case cfgAppearance:
      saveAppearance();
      saveThemes();
      break;
    case cfgBackup: saveBackup(); break;
    case cfgCustCommands: saveCustCommands(); break;
    case cfgDelays: saveDelays(); break;
    case cfgDialogs: saveDialogs(); break;
    case cfgFiles: saveFiles(); break;
    case cfgFilePaths: saveFilePaths(); break;
    case cfgFonts: saveFonts(); break;
    case cfgGeneral: saveGeneral(); break;
    case cfgLogs: saveLogs(); break;
    case cfgWindows: saveWindows(); break;
    case cfgMiscellaneous: saveMiscellaneous(); break;
    case cfgMRU: saveMRU(); break;
    case cfgNetwork: saveNetwork(); break;
    case cfgPrinter: savePrinter(); break;
    case cfgStartup: saveStartup(); break;
    case cfgUpdates: saveUpdates(); break;
    case cfgTemp: saveSearchHistory(); break;
    case cfgRoot: saveUses(); break;
    // Kept by the product elsewhere, or not settings of this manager.
    case cfgDictionary:
    case cfgPersistentFiles:
    case cfgDontAsk:
    case cfgUnknown:
    case cfgEditor:
    case cfgMainWindow: break;
  }
}

std::int32_t TConfigManager::fontStyleToInt(const TFontStyles& style) {
  return (style.Bold ? 1 : 0) | (style.Underline ? 2 : 0) | (style.Italic ? 4 : 0) |
         (style.StrikeOut ? 8 : 0);
}

void CreateConfigMgr() {
  ConfigMgr = std::make_unique<TConfigManager>();
  SetMachineWidePrefsSource([] { return ConfigMgr && ConfigMgr->MachineWidePrefs; });
  ConnectConfigMgrToEventLog();
}

void FreeConfigMgr() { ConfigMgr.reset(); }
