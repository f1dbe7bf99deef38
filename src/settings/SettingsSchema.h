#pragma once
// The stored layout of the product's settings: for each section, its values
// in the order in which they are written.  The section table says which
// routine writes which rows.
//
// A new section needs, file by file:
//   Sections.h        its ordinal in cfgSection and its name in kNamedSections
//                     (the name is its subkey and its INI section);
//   ConfigManager.h   the members that hold its values and its save routine;
//   SettingsSchema.h  its rows here, in the order they are written;
//   SectionTable.cpp  its routine's row in the section table (scope, key,
//                     rows, any special case) and the routine's one-line body.
// The checker's catalogue is built from the section table, so it knows the
// new section's values without further work.
#include <string_view>

#include "settings/ConfigManager.h"
#include "settings/SettingRows.h"

namespace schema {

using M = TConfigManager;
using enum SettingType;
using enum SettingRole;

inline constexpr SettingRow Activation[] = {
    {"Use Notification Area", Boolean, Field<&M::UseNotificationArea>},
    {"Close Hides", Boolean, Field<&M::CloseHides>},
    {"Auto Minimize", Boolean, Field<&M::AutoMinimize>},
    {"HotKey", String, Field<&M::HotKey>},
    {"Prog HotKey", Integer, Field<&M::ProgHotKey>},
};

inline constexpr SettingRow AdvOptions[] = {
    {"Use J Suffix", Boolean, Field<&M::UseJSuffix>},
    {"Obscure LC", Boolean, Field<&M::ObscureLC>},
    {"Dead Key Patch 1", Boolean, Field<&M::DeadKeyPatch1>},
    {"Sticky Show Hide", Boolean, Field<&M::StickyShowHide>},
    {"Advanced Misc Keys", Boolean, Field<&M::AdvancedMiscKeys>},
    {"Show Advanced Settings", Boolean, Field<&M::ShowAdvancedSettings>},
    {"End Playback Code 1", Integer, Field<&M::EndPlaybackCode1>},
    {"End Playback Code 2", Integer, Field<&M::EndPlaybackCode2>},
    {"End Playback Code 3", Integer, Field<&M::EndPlaybackCode3>},
    {"InUse Timeout", Integer, Field<&M::InUseTimeout>},
    {"Min InUse Timeout", Integer, Field<&M::MinInUseTimeout>},
    {"EReplTextAlg", Integer, Field<&M::EReplTextAlg>},
};

// Written after AdvOptions, and only while "Show Advanced Settings" is on.
inline constexpr SettingRow DbgHook[] = {
    {"DbgHook DisableKeyHook", Boolean, Field<&M::DbgHookDisableKeyHook>},
    {"DbgHook DisableMsgHook", Boolean, Field<&M::DbgHookDisableMsgHook>},
    {"DbgHook DisableDeadKey", Boolean, Field<&M::DbgHookDisableDeadKey>},
    {"DbgHook DisableMaskX86Exceptions", Boolean, Field<&M::DbgHookDisableMaskX86Exceptions>},
    {"DbgHook DisableSetLowLTFMap", Boolean, Field<&M::DbgHookDisableSetLowLTFMap>},
};

inline constexpr SettingRow Appearance[] = {
    {"Visual Theme", Integer, Field<&M::VisualTheme>},
    {"Filepath Status Bar Normal Color", Colour, Field<&M::FilepathStatusBarNormalColor>},
    {"Filepath Status Bar Browse Mode Color", Colour, Field<&M::FilepathStatusBarBrowseModeColor>},
    {"Filepath Status Bar Read Only Color", Colour, Field<&M::FilepathStatusBarReadOnlyColor>},
    {"Wrenlet Background Normal Color", Colour, Field<&M::WrenletBackgroundNormalColor>},
    {"Wrenlet Background Browse Mode Color", Colour, Field<&M::WrenletBackgroundBrowseModeColor>},
    {"Wrenlet Background Read Only Color", Colour, Field<&M::WrenletBackgroundReadOnlyColor>},
    {"Wrenlet Enabled Normal Color", Colour, Field<&M::WrenletEnabledNormalColor>},
    {"Wrenlet Enabled Browse Mode Color", Colour, Field<&M::WrenletEnabledBrowseModeColor>},
    {"Wrenlet Enabled Read Only Color", Colour, Field<&M::WrenletEnabledReadOnlyColor>},
    {"Wrenlet Disabled Normal Color", Colour, Field<&M::WrenletDisabledNormalColor>},
    {"Wrenlet Disabled Browse Mode Color", Colour, Field<&M::WrenletDisabledBrowseModeColor>},
    {"Wrenlet Disabled Read Only Color", Colour, Field<&M::WrenletDisabledReadOnlyColor>},
    {"Show Large Category Icons", Boolean, Field<&M::ShowLargeCategoryIcons>},
    {"Show Index column", Boolean, Field<&M::ShowIndexColumn>},
    {"Show Wrenlet column", Boolean, Field<&M::ShowWrenletColumn>},
    {"Show Replacement Keys column", Boolean, Field<&M::ShowReplacementKeysColumn>},
    {"Show Suffixes column", Boolean, Field<&M::ShowSuffixesColumn>},
    {"Show Scope column", Boolean, Field<&M::ShowScopeColumn>},
    {"Show Modified column", Boolean, Field<&M::ShowModifiedColumn>},
    {"Show Notes column", Boolean, Field<&M::ShowNotesColumn>},
};

// Indexed by TThemeIndex.
inline constexpr std::string_view ThemeNames[kThemeCount] = {"Custom", "Blue Gradient", "Retro",
                                                             "Flat", "Current"};

// Every theme in the order above, all attributes of one theme before the next.
inline constexpr ThemeAttributeRow ThemeAttributes[] = {
    {"Menus and Toolbars Style", Integer, ThemeField<&M::ThemeMenusAndToolbarsStyle>},
    {"Dialog Button Alignment", Byte, ThemeField<&M::ThemeDialogButtonAlignment>},
    {"Dialog Button Edge Space", Integer, ThemeField<&M::ThemeDialogButtonEdgeSpace>},
    {"Dialog Button Space", Integer, ThemeField<&M::ThemeDialogButtonSpace>},
    {"Dialog Button Bottom Space", Integer, ThemeField<&M::ThemeDialogButtonBottomSpace>},
    {"Dialog Header Background Color", Colour, ThemeField<&M::ThemeDialogHeaderBackgroundColor>},
    {"Dialog Background Color", Colour, ThemeField<&M::ThemeDialogBackgroundColor>},
    {"Dialog Buttons Background Color", Colour, ThemeField<&M::ThemeDialogButtonsBackgroundColor>},
    {"WF Playback Bar Color", Colour, ThemeField<&M::ThemeWFPlaybackBarColor>},
};

inline constexpr SettingRow Backup[] = {
    {"Backup On Start", Boolean, Field<&M::BackupOnStart>},
    {"Backup On Editor Open", Boolean, Field<&M::BackupOnEditorOpen>},
    {"Backup On Editor Close", Boolean, Field<&M::BackupOnEditorClose>},
    {"Backup Message", Boolean, Field<&M::BackupMessage>},
    {"Only Backup Local Files", Boolean, Field<&M::OnlyBackupLocalFiles>},
    {"Backup Count", Integer, Field<&M::BackupCount>},
    {"Backup Location", Integer, Field<&M::BackupLocation>},
    {"Backup Folder", Path, Field<&M::BackupFolder>},
    {"Backup File Pattern", String, Field<&M::BackupFilePattern>},
    {"Backup Message Color", Colour, Field<&M::BackupMessageColor>},
    {"Backup Wait File Time", Integer, Field<&M::BackupWaitFileTime>},
    {"Backup Dialog Done Time", Integer, Field<&M::BackupDialogDoneTime>},
    {"Backup Dialog Fade Increment", Integer, Field<&M::BackupDialogFadeIncrement>},
};

inline constexpr SettingRow CustCommands[] = {
    {"Insert Image into MS365 Script", String, Element<&M::CustScripts, ccMS365>, Runs},
    {"Insert Image into MS365", String, Element<&M::CustCommands, ccMS365>, Runs},
    {"Insert Image MSO Script", String, Element<&M::CustScripts, ccMSO>, Runs},
    {"Insert Image MSO", String, Element<&M::CustCommands, ccMSO>, Runs},
};

inline constexpr SettingRow Delays[] = {
    {"Text Delay", Integer, Field<&M::TextDelay>},
    {"Delay After Key Up", Boolean, Field<&M::DelayAfterKeyUp>},
    {"High Speed Timer", Boolean, Field<&M::HighSpeedTimer>},
    {"Clipboard Delay", Integer, Field<&M::ClipboardDelay>},
    {"Insert Command Delay", Integer, Field<&M::InsertCommandDelay>},
    {"Before Backspace Delay", Integer, Field<&M::BeforeBackspaceDelay>},
    {"Between Backspace Delay", Integer, Field<&M::BetweenBackspaceDelay>},
    {"After Backspace Delay", Integer, Field<&M::AfterBackspaceDelay>},
    {"Delay After Modifier Keys", Boolean, Field<&M::DelayAfterModifierKeys>},
    {"Modifier Keys Delay Time", Integer, Field<&M::ModifierKeysDelayTime>},
    {"Incoming Key Press Delay Time", Integer, Field<&M::IncomingKeyPressDelayTime>},
    {"Wait For Key Press Initial Delay Time", Integer, Field<&M::WaitForKeyPressInitialDelayTime>},
    {"Wait For Key Press Loop Delay Time", Integer, Field<&M::WaitForKeyPressLoopDelayTime>},
};

inline constexpr SettingRow Dialogs[] = {
    {"Use Advanced File Dialog", Boolean, Field<&M::UseAdvancedFileDialog>},
};

inline constexpr SettingRow FilePaths[] = {
    {"Images Path", Path, Field<&M::ImagesPath>},
    {"Logs Path", Path, Field<&M::LogsPath>},
    {"Error Path", Path, Field<&M::ErrorPath>},
    {"Events File", Path, Field<&M::EventsFile>},
    {"Leave Files Open", Boolean, Field<&M::LeaveFilesOpen>},
    {"Update Log File", Path, Field<&M::UpdateLogFile>},
};

// The script font names its face without "Name" and puts colour before size.
inline constexpr SettingRow Fonts[] = {
    {"Script Font", String, FontPart<&M::ScriptFont, &TFont::Name>},
    {"Script Font Color", Colour, FontPart<&M::ScriptFont, &TFont::Color>},
    {"Script Font Size", Integer, FontPart<&M::ScriptFont, &TFont::Size>},
    {"Script Font Style", Integer, FontStyle<&M::ScriptFont>},
    {"Grid Font Name", String, FontPart<&M::GridFont, &TFont::Name>},
    {"Grid Font Size", Integer, FontPart<&M::GridFont, &TFont::Size>},
    {"Grid Font Color", Colour, FontPart<&M::GridFont, &TFont::Color>},
    {"Grid Font Style", Integer, FontStyle<&M::GridFont>},
    {"Category Font Name", String, FontPart<&M::CategoryFont, &TFont::Name>},
    {"Category Font Size", Integer, FontPart<&M::CategoryFont, &TFont::Size>},
    {"Category Font Color", Colour, FontPart<&M::CategoryFont, &TFont::Color>},
    {"Category Font Style", Integer, FontStyle<&M::CategoryFont>},
};

inline constexpr SettingRow General[] = {
    {"Use Suffix", Boolean, Field<&M::UseSuffix>},
    {"Prefix", String, Field<&M::Prefix>},
    {"Punctuation", Boolean, Field<&M::Punctuation>},
    {"Retype", Boolean, Field<&M::Retype>},
    {"Solitary Usage", Boolean, Field<&M::SolitaryUsage>},
    {"Case Sensitive", Integer, Field<&M::CaseSensitive>},
    {"No Remove", Boolean, Field<&M::NoRemove>},
    {"No Lowercase", Boolean, Field<&M::NoLowercase>},
    {"CAPS Off", Boolean, Field<&M::CAPSOff>},
    {"Playback Using Clipboard", Boolean, Field<&M::PlaybackUsingClipboard>},
    {"Invalid Chars", String, Field<&M::InvalidChars>},
    {"Punctuation Chars", String, Field<&M::PunctuationChars>},
};

inline constexpr SettingRow Logs[] = {
    {"Macro log Warning Size", Integer, Field<&M::MacroLogWarningSize>},
    {"Check size of macro logs", Boolean, Field<&M::CheckSizeOfMacroLogs>},
    {"Log Format", String, Field<&M::LogFormat>},
    {"Log Unusual Events", Boolean, Field<&M::LogUnusualEvents>},
    {"Log Debug Events", Boolean, Field<&M::LogDebugEvents>},
    {"Display Event Notifications", Boolean, Field<&M::DisplayEventNotifications>},
    {"Event Notification Color", Colour, Field<&M::EventNotificationColor>},
    {"Debug Event Notifications", Boolean, Field<&M::DebugEventNotifications>},
};

inline constexpr SettingRow MainWindowLayout[] = {
    {"Col 1", Integer, Field<&M::Col1>}, {"Col 2", Integer, Field<&M::Col2>},
    {"Col 3", Integer, Field<&M::Col3>}, {"Col 4", Integer, Field<&M::Col4>},
    {"Col 5", Integer, Field<&M::Col5>}, {"Col 6", Integer, Field<&M::Col6>},
    {"Col 7", Integer, Field<&M::Col7>}, {"Categories Width", Integer, Field<&M::CategoriesWidth>},
};

inline constexpr SettingRow Miscellaneous[] = {
    {"Current File", String, Field<&M::CurrentFile>},
    {"Current Category", Integer, Field<&M::CurrentCategory>},
    {"Sort Method", Integer, Field<&M::SortMethod>},
    {"Sort Ascend", Boolean, Field<&M::SortAscend>},
    {"Use Hint", Boolean, Field<&M::UseHint>},
    {"Hint Position", Integer, Field<&M::HintPosition>},
    {"Symbols - Last Font", String, Field<&M::SymbolsLastFont>},
    {"ThkYouMsg1 Displayed", Boolean, Field<&M::ThkYouMsg1Displayed>},
    {"ThkYouMsg2 Displayed", Boolean, Field<&M::ThkYouMsg2Displayed>},
    {"ThkYouMsg3 Displayed", Boolean, Field<&M::ThkYouMsg3Displayed>},
    {"ThkYouMsg4 Displayed", Boolean, Field<&M::ThkYouMsg4Displayed>},
    {"ThkYouMsg5 Displayed", Boolean, Field<&M::ThkYouMsg5Displayed>},
    {"Suspended Notification Background Color", Colour,
     Field<&M::SuspendedNotificationBackgroundColor>},
};

inline constexpr SettingRow Network[] = {
    {"Network Mode", Boolean, Field<&M::NetworkMode>},
    {"Auto Sync", Boolean, Field<&M::AutoSync>},
    {"Minutes", Integer, Field<&M::Minutes>},
};

inline constexpr SettingRow Printer[] = {
    {"Name", String, Field<&M::PrinterName>},
    {"Size", Integer, Field<&M::PrinterSize>},
    {"Color", Colour, Field<&M::PrinterColor>},
    {"Bold", Boolean, Field<&M::PrinterBold>},
    {"Italics", Boolean, Field<&M::PrinterItalics>},
    {"Strikeout", Boolean, Field<&M::PrinterStrikeout>},
    {"Underline", Boolean, Field<&M::PrinterUnderline>},
};

inline constexpr SettingRow Startup[] = {
    {"Show Editor", Boolean, Field<&M::ShowEditor>},
    {"Use Start Delay", Boolean, Field<&M::UseStartDelay>},
    {"Startup Delay", Integer, Field<&M::StartupDelay>},
    {"Startup Command Line Parameters", String, Field<&M::StartupCommandLineParameters>, Runs},
    {"Quick Start Guide", Boolean, Field<&M::QuickStartGuide>},
};

// Written with the empty section name while "Startup" is the open key.
inline constexpr SettingRow StartupRoot[] = {
    {"First Time", Boolean, Field<&M::FirstTime>},
};

inline constexpr SettingRow Updates[] = {
    {"Check for Updates Method", Integer, Field<&M::CheckForUpdatesMethod>},
    {"Log Update Progress", Boolean, Field<&M::LogUpdateProgress>},
    {"Internal Upgrade Track", Boolean, Field<&M::InternalUpgradeTrack>},
    {"Insider Upgrade Track", Boolean, Field<&M::InsiderUpgradeTrack>},
    {"Display Update Progress", Boolean, Field<&M::DisplayUpdateProgress>},
    {"Save temporary Check for Updates files", Boolean,
     Field<&M::SaveTemporaryCheckForUpdatesFiles>},
    {"Update Available Notification Background Color", Colour,
     Field<&M::UpdateAvailableNotificationBackgroundColor>},
    // Stored exactly as held: the installer path is not a folder setting.
    {"Update Installer Path", String, Field<&M::UpdateInstallerPath>, Runs},
    {"Update Key", String, Field<&M::UpdateKey>},
    {"Check for Updates Time", Integer, Field<&M::CheckForUpdatesTime>},
};

inline constexpr SettingRow SearchHistory[] = {
    {"Editor Search Text", String, Field<&M::EditorSearchText>},
    {"Editor Search History", String, Field<&M::EditorSearchHistory>},
    {"Editor Replace Text", String, Field<&M::EditorReplaceText>},
    {"Editor Replace History", String, Field<&M::EditorReplaceHistory>},
};

inline constexpr SettingRow Uses[] = {
    {"Uses", Integer, Field<&M::Uses>},
};

}  // namespace schema
