#pragma once
// The settings manager: the product's settings in memory, one member per
// stored value, written to the preference store one section at a time.  It
// loads nothing; a new manager holds zero, false, empty strings and empty
// lists, and its fonts are the platform's default font.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "prefstore/ConfigCommon.h"
#include "settings/Sections.h"
#include "settings/SettingsFont.h"
#include "settings/ShortString.h"

using TFileList = std::vector<std::string>;
using TFileNames = std::vector<std::string>;

// Index of the theme arrays; the names are part of the stored keys.
enum TThemeIndex : std::uint8_t { thCustom, thBlueGradient, thRetro, thFlat, thCurrent };
inline constexpr std::size_t kThemeCount = 5;
template <class T>
using TThemeArray = std::array<T, kThemeCount>;

// Index of the custom-command arrays.
enum TCustCommandIndex : std::uint8_t { ccMS365, ccMSO };

inline constexpr std::size_t kMRUSlots = 25;

class TConfigManager : public TConfigBase {
 public:
  TConfigManager();

  // Every open of this store reads the MachineWidePrefs switch below.
  bool WantsMachineWidePrefs() const override { return MachineWidePrefs; }

  // Saves one section, or every section for cfgAll; ordinals that nothing
  // saves (and values past the table) do nothing.
  void saveSettings(cfgSection section);

  void saveActivation();
  void saveAdvOptions();
  void saveAppearance();
  void saveThemes();
  void saveBackup();
  void saveCustCommands();
  void saveDelays();
  void saveDialogs();
  void saveFilePaths();
  void saveFiles();
  void saveFonts();
  void saveGeneral();
  void saveLogs();
  void saveWindows();
  void saveMiscellaneous();
  void saveMRU();
  void saveNetwork();
  void savePrinter();
  void saveStartup();
  void saveUpdates();
  void saveSearchHistory();
  void saveUses();

  // Bold 1, Underline 2, Italic 4, StrikeOut 8.
  static std::int32_t fontStyleToInt(const TFontStyles& style);

  // Root values.
  std::int32_t Uses = 0;
  bool FirstTime = false;
  // Never saved here; read by the store at every open.
  bool MachineWidePrefs = false;

  // "Activation".
  bool UseNotificationArea = false;
  bool CloseHides = false;
  bool AutoMinimize = false;
  std::string HotKey;
  std::int32_t ProgHotKey = 0;

  // "AdvOptions".
  bool UseJSuffix = false;
  bool ObscureLC = false;
  bool DeadKeyPatch1 = false;
  bool StickyShowHide = false;
  bool AdvancedMiscKeys = false;
  bool ShowAdvancedSettings = false;
  std::int32_t EndPlaybackCode1 = 0;
  std::int32_t EndPlaybackCode2 = 0;
  std::int32_t EndPlaybackCode3 = 0;
  std::int32_t InUseTimeout = 0;
  std::int32_t MinInUseTimeout = 0;
  std::int32_t EReplTextAlg = 0;
  bool DbgHookDisableKeyHook = false;
  bool DbgHookDisableMsgHook = false;
  bool DbgHookDisableDeadKey = false;
  bool DbgHookDisableMaskX86Exceptions = false;
  bool DbgHookDisableSetLowLTFMap = false;

  // "Appearance".
  std::int32_t VisualTheme = 0;
  TColor FilepathStatusBarNormalColor = 0;
  TColor FilepathStatusBarBrowseModeColor = 0;
  TColor FilepathStatusBarReadOnlyColor = 0;
  TColor WrenletBackgroundNormalColor = 0;
  TColor WrenletBackgroundBrowseModeColor = 0;
  TColor WrenletBackgroundReadOnlyColor = 0;
  TColor WrenletEnabledNormalColor = 0;
  TColor WrenletEnabledBrowseModeColor = 0;
  TColor WrenletEnabledReadOnlyColor = 0;
  TColor WrenletDisabledNormalColor = 0;
  TColor WrenletDisabledBrowseModeColor = 0;
  TColor WrenletDisabledReadOnlyColor = 0;
  TThemeArray<std::int32_t> ThemeMenusAndToolbarsStyle{};
  TThemeArray<std::uint8_t> ThemeDialogButtonAlignment{};
  TThemeArray<std::int32_t> ThemeDialogButtonEdgeSpace{};
  TThemeArray<std::int32_t> ThemeDialogButtonSpace{};
  TThemeArray<std::int32_t> ThemeDialogButtonBottomSpace{};
  TThemeArray<TColor> ThemeDialogHeaderBackgroundColor{};
  TThemeArray<TColor> ThemeDialogBackgroundColor{};
  TThemeArray<TColor> ThemeDialogButtonsBackgroundColor{};
  TThemeArray<TColor> ThemeWFPlaybackBarColor{};
  bool ShowLargeCategoryIcons = false;
  bool ShowIndexColumn = false;
  bool ShowWrenletColumn = false;
  bool ShowReplacementKeysColumn = false;
  bool ShowSuffixesColumn = false;
  bool ShowScopeColumn = false;
  bool ShowModifiedColumn = false;
  bool ShowNotesColumn = false;

  // "Backup".
  bool BackupOnStart = false;
  bool BackupOnEditorOpen = false;
  bool BackupOnEditorClose = false;
  bool BackupMessage = false;
  bool OnlyBackupLocalFiles = false;
  std::int32_t BackupCount = 0;
  std::int32_t BackupLocation = 0;
  std::string BackupFolder;
  std::string BackupFilePattern;
  TColor BackupMessageColor = 0;
  std::int32_t BackupWaitFileTime = 0;
  std::int32_t BackupDialogDoneTime = 0;
  std::int32_t BackupDialogFadeIncrement = 0;

  // "Dialogs".
  bool UseAdvancedFileDialog = false;

  // "File Paths".
  std::string ImagesPath;
  std::string LogsPath;
  std::string ErrorPath;
  std::string EventsFile;
  bool LeaveFilesOpen = false;
  std::string UpdateLogFile;

  // "Files"; FileNames is kept for the product and never saved here.
  TFileList FileList;
  TFileNames FileNames;

  // "Fonts".  Declared in creation order, so they are freed in reverse.
  TFont ScriptFont;
  TFont GridFont;
  TFont CategoryFont;

  // "General".
  bool UseSuffix = false;
  TShortString<2> Prefix;
  bool Punctuation = false;
  bool Retype = false;
  bool SolitaryUsage = false;
  std::int32_t CaseSensitive = 0;
  bool NoRemove = false;
  bool NoLowercase = false;
  bool CAPSOff = false;
  bool PlaybackUsingClipboard = false;
  std::string InvalidChars;
  std::string PunctuationChars;

  // "Delays".
  std::int32_t TextDelay = 0;
  bool HighSpeedTimer = false;
  std::int32_t BeforeBackspaceDelay = 0;
  std::int32_t BetweenBackspaceDelay = 0;
  std::int32_t AfterBackspaceDelay = 0;
  std::int32_t ClipboardDelay = 0;
  bool DelayAfterKeyUp = false;
  bool DelayAfterModifierKeys = false;
  std::int32_t ModifierKeysDelayTime = 0;
  std::int32_t InsertCommandDelay = 0;
  std::int32_t IncomingKeyPressDelayTime = 0;
  std::int32_t WaitForKeyPressInitialDelayTime = 0;
  std::int32_t WaitForKeyPressLoopDelayTime = 0;

  // "Logs".
  std::int32_t MacroLogWarningSize = 0;
  bool CheckSizeOfMacroLogs = false;
  std::string LogFormat;
  bool LogUnusualEvents = false;
  bool LogDebugEvents = false;
  bool DisplayEventNotifications = false;
  TColor EventNotificationColor = 0;
  bool DebugEventNotifications = false;

  // "Cust Commands", indexed by TCustCommandIndex.
  std::array<std::string, 2> CustCommands;
  std::array<std::string, 2> CustScripts;

  // Main-window layout ("Windows\<program>_MainWin").
  std::int32_t Col1 = 0;
  std::int32_t Col2 = 0;
  std::int32_t Col3 = 0;
  std::int32_t Col4 = 0;
  std::int32_t Col5 = 0;
  std::int32_t Col6 = 0;
  std::int32_t Col7 = 0;
  std::int32_t CategoriesWidth = 0;

  // "Miscellaneous".
  std::string CurrentFile;
  std::int32_t CurrentCategory = 0;
  std::int32_t SortMethod = 0;
  bool SortAscend = false;
  bool UseHint = false;
  std::int32_t HintPosition = 0;
  std::string SymbolsLastFont;
  bool ThkYouMsg1Displayed = false;
  bool ThkYouMsg2Displayed = false;
  bool ThkYouMsg3Displayed = false;
  bool ThkYouMsg4Displayed = false;
  bool ThkYouMsg5Displayed = false;
  TColor SuspendedNotificationBackgroundColor = 0;

  // "MRU": recent files by slot; an empty slot is an empty string.
  std::array<std::string, kMRUSlots> MRU;

  // "Network".
  bool NetworkMode = false;
  bool AutoSync = false;
  std::int32_t Minutes = 0;

  // "Printer": the printer font as plain values.
  std::string PrinterName;
  std::int32_t PrinterSize = 0;
  TColor PrinterColor = 0;
  bool PrinterBold = false;
  bool PrinterStrikeout = false;
  bool PrinterItalics = false;
  bool PrinterUnderline = false;

  // "Startup".
  bool UseStartDelay = false;
  std::int32_t StartupDelay = 0;
  bool ShowEditor = false;
  std::string StartupCommandLineParameters;
  bool QuickStartGuide = false;

  // "Updates".
  std::int32_t CheckForUpdatesMethod = 0;
  bool LogUpdateProgress = false;
  TColor UpdateAvailableNotificationBackgroundColor = 0;
  bool DisplayUpdateProgress = false;
  std::string UpdateInstallerPath;
  std::string UpdateKey;
  bool SaveTemporaryCheckForUpdatesFiles = false;
  bool InternalUpgradeTrack = false;
  bool InsiderUpgradeTrack = false;
  std::int32_t CheckForUpdatesTime = 0;

  // Editor search history ("$Temp\\Search History").
  std::string EditorSearchText;
  std::string EditorSearchHistory;
  std::string EditorReplaceText;
  std::string EditorReplaceHistory;
};

// The program's one settings manager, from FormCreate to FormDestroy.
extern std::unique_ptr<TConfigManager> ConfigMgr;
void CreateConfigMgr();
void FreeConfigMgr();
// Lets the event log read and switch off ConfigMgr's logging switches.
void ConnectConfigMgrToEventLog();
