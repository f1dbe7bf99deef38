// Every member of every settings group against the value stored for it: each
// member gets a value no other member of its kind holds, and every stored
// value must be its own member's, with the type and treatment of the stored
// layout.  The members are reached here by hand, not through the schema's
// rows, so a row that reads the wrong member or stores a path as plain text
// shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "SettingsEnvironment.h"
#include "StoredLayout.h"
#include "settings/ConfigManager.h"
#include "support/RegistryProbe.h"

namespace settingstest {
namespace {

using M = TConfigManager;
using testsupport::DwordValue;
using testsupport::StringValue;

const std::string kProduct = "Software\\Orlavex\\Wrenfold 4";
constexpr const char* kMainWindowSection = "Windows\\RegisterWrenfold_MainWin";

// A Boolean can tell only two members apart in one save, so the save is made
// once per bit of a member's number: any two Booleans differ in some round.
constexpr unsigned kRounds = 8;

// What a member holds once the test gave it its value: the number stored as
// a DWORD, or the text as held and without the blanks the test put around it.
struct Held {
  std::int64_t number = 0;
  std::string text;
  std::string core;
};

Held Number(std::int64_t number) {
  Held held;
  held.number = number;
  return held;
}
Held Text(const std::string& text, const std::string& core) {
  Held held;
  held.text = text;
  held.core = core;
  return held;
}

// The `index`th member's value in `round`.  Numbers are unique among all
// numeric members; texts carry blanks at both ends, which a path loses and a
// plain text keeps.
template <class T>
Held Give(T& member, std::size_t index, unsigned round) {
  if constexpr (std::is_same_v<T, bool>) {
    member = (((index + 1) >> round) & 1) != 0;
    return Number(member ? 1 : 0);
  } else if constexpr (std::is_same_v<T, std::int32_t>) {
    member = static_cast<std::int32_t>(100000 * (round + 1) + index);
    return Number(member);
  } else if constexpr (std::is_same_v<T, std::uint8_t>) {
    // Above 0x7F, so that a byte widened with its sign would show.
    member = static_cast<std::uint8_t>(0x80 + (index + round) % 0x80);
    return Number(member);
  } else if constexpr (std::is_same_v<T, std::string>) {
    const std::string core = "m" + std::to_string(index) + "." + std::to_string(round);
    member = " " + core + "\t";
    return Text(member, core);
  } else {
    // The two-character prefix: too short for blanks.
    member = std::string{static_cast<char>('A' + index % 26), static_cast<char>('0' + round)};
    const std::string held(static_cast<std::string_view>(member));
    return Text(held, held);
  }
}

struct Binding {
  std::string key;  // the section's key below the product key
  std::string name;
  std::function<Held(M&, std::size_t index, unsigned round)> give;
};

template <class T>
Binding Of(const std::string& key, const std::string& name, T M::*member) {
  return {key, name, [member](M& m, std::size_t i, unsigned r) { return Give(m.*member, i, r); }};
}

template <class Array>
Binding At(const std::string& key, const std::string& name, Array M::*member, std::size_t at) {
  return {key, name,
          [member, at](M& m, std::size_t i, unsigned r) { return Give((m.*member)[at], i, r); }};
}

template <class T>
Binding FontOf(const std::string& name, TFont M::*font, T TFont::*part) {
  return {"Fonts", name,
          [font, part](M& m, std::size_t i, unsigned r) { return Give((m.*font).*part, i, r); }};
}

// Bold 1, underline 2, italic 4, strike-out 8.
Binding StyleOf(const std::string& name, TFont M::*font) {
  return {"Fonts", name, [font](M& m, std::size_t i, unsigned r) {
            const unsigned bits = (i + r) % 15 + 1;
            TFontStyles& style = (m.*font).Style;
            style = {.Bold = (bits & 1) != 0,
                     .Italic = (bits & 4) != 0,
                     .Underline = (bits & 2) != 0,
                     .StrikeOut = (bits & 8) != 0};
            return Number(bits);
          }};
}

std::vector<Binding> Bindings() {
  const std::string misc = "Miscellaneous";
  std::vector<Binding> b = {
      Of("Activation", "Use Notification Area", &M::UseNotificationArea),
      Of("Activation", "Close Hides", &M::CloseHides),
      Of("Activation", "Auto Minimize", &M::AutoMinimize),
      Of("Activation", "HotKey", &M::HotKey),
      Of("Activation", "Prog HotKey", &M::ProgHotKey),
      Of("AdvOptions", "Use J Suffix", &M::UseJSuffix),
      Of("AdvOptions", "Obscure LC", &M::ObscureLC),
      Of("AdvOptions", "Dead Key Patch 1", &M::DeadKeyPatch1),
      Of("AdvOptions", "Sticky Show Hide", &M::StickyShowHide),
      Of("AdvOptions", "Advanced Misc Keys", &M::AdvancedMiscKeys),
      // Always on, so that the DbgHook values are written in every round.
      {"AdvOptions", "Show Advanced Settings",
       [](M& m, std::size_t, unsigned) {
         m.ShowAdvancedSettings = true;
         return Number(1);
       }},
      Of("AdvOptions", "End Playback Code 1", &M::EndPlaybackCode1),
      Of("AdvOptions", "End Playback Code 2", &M::EndPlaybackCode2),
      Of("AdvOptions", "End Playback Code 3", &M::EndPlaybackCode3),
      Of("AdvOptions", "InUse Timeout", &M::InUseTimeout),
      Of("AdvOptions", "Min InUse Timeout", &M::MinInUseTimeout),
      Of("AdvOptions", "EReplTextAlg", &M::EReplTextAlg),
      Of("AdvOptions", "DbgHook DisableKeyHook", &M::DbgHookDisableKeyHook),
      Of("AdvOptions", "DbgHook DisableMsgHook", &M::DbgHookDisableMsgHook),
      Of("AdvOptions", "DbgHook DisableDeadKey", &M::DbgHookDisableDeadKey),
      Of("AdvOptions", "DbgHook DisableMaskX86Exceptions", &M::DbgHookDisableMaskX86Exceptions),
      Of("AdvOptions", "DbgHook DisableSetLowLTFMap", &M::DbgHookDisableSetLowLTFMap),
      Of("Appearance", "Visual Theme", &M::VisualTheme),
      Of("Appearance", "Filepath Status Bar Normal Color", &M::FilepathStatusBarNormalColor),
      Of("Appearance", "Filepath Status Bar Browse Mode Color",
         &M::FilepathStatusBarBrowseModeColor),
      Of("Appearance", "Filepath Status Bar Read Only Color", &M::FilepathStatusBarReadOnlyColor),
      Of("Appearance", "Wrenlet Background Normal Color", &M::WrenletBackgroundNormalColor),
      Of("Appearance", "Wrenlet Background Browse Mode Color",
         &M::WrenletBackgroundBrowseModeColor),
      Of("Appearance", "Wrenlet Background Read Only Color", &M::WrenletBackgroundReadOnlyColor),
      Of("Appearance", "Wrenlet Enabled Normal Color", &M::WrenletEnabledNormalColor),
      Of("Appearance", "Wrenlet Enabled Browse Mode Color", &M::WrenletEnabledBrowseModeColor),
      Of("Appearance", "Wrenlet Enabled Read Only Color", &M::WrenletEnabledReadOnlyColor),
      Of("Appearance", "Wrenlet Disabled Normal Color", &M::WrenletDisabledNormalColor),
      Of("Appearance", "Wrenlet Disabled Browse Mode Color", &M::WrenletDisabledBrowseModeColor),
      Of("Appearance", "Wrenlet Disabled Read Only Color", &M::WrenletDisabledReadOnlyColor),
      Of("Appearance", "Show Large Category Icons", &M::ShowLargeCategoryIcons),
      Of("Appearance", "Show Index column", &M::ShowIndexColumn),
      Of("Appearance", "Show Wrenlet column", &M::ShowWrenletColumn),
      Of("Appearance", "Show Replacement Keys column", &M::ShowReplacementKeysColumn),
      Of("Appearance", "Show Suffixes column", &M::ShowSuffixesColumn),
      Of("Appearance", "Show Scope column", &M::ShowScopeColumn),
      Of("Appearance", "Show Modified column", &M::ShowModifiedColumn),
      Of("Appearance", "Show Notes column", &M::ShowNotesColumn),
      Of("Backup", "Backup On Start", &M::BackupOnStart),
      Of("Backup", "Backup On Editor Open", &M::BackupOnEditorOpen),
      Of("Backup", "Backup On Editor Close", &M::BackupOnEditorClose),
      Of("Backup", "Backup Message", &M::BackupMessage),
      Of("Backup", "Only Backup Local Files", &M::OnlyBackupLocalFiles),
      Of("Backup", "Backup Count", &M::BackupCount),
      Of("Backup", "Backup Location", &M::BackupLocation),
      Of("Backup", "Backup Folder", &M::BackupFolder),
      Of("Backup", "Backup File Pattern", &M::BackupFilePattern),
      Of("Backup", "Backup Message Color", &M::BackupMessageColor),
      Of("Backup", "Backup Wait File Time", &M::BackupWaitFileTime),
      Of("Backup", "Backup Dialog Done Time", &M::BackupDialogDoneTime),
      Of("Backup", "Backup Dialog Fade Increment", &M::BackupDialogFadeIncrement),
      At("Cust Commands", "Insert Image into MS365 Script", &M::CustScripts, ccMS365),
      At("Cust Commands", "Insert Image into MS365", &M::CustCommands, ccMS365),
      At("Cust Commands", "Insert Image MSO Script", &M::CustScripts, ccMSO),
      At("Cust Commands", "Insert Image MSO", &M::CustCommands, ccMSO),
      Of("Delays", "Text Delay", &M::TextDelay),
      Of("Delays", "Delay After Key Up", &M::DelayAfterKeyUp),
      Of("Delays", "High Speed Timer", &M::HighSpeedTimer),
      Of("Delays", "Clipboard Delay", &M::ClipboardDelay),
      Of("Delays", "Insert Command Delay", &M::InsertCommandDelay),
      Of("Delays", "Before Backspace Delay", &M::BeforeBackspaceDelay),
      Of("Delays", "Between Backspace Delay", &M::BetweenBackspaceDelay),
      Of("Delays", "After Backspace Delay", &M::AfterBackspaceDelay),
      Of("Delays", "Delay After Modifier Keys", &M::DelayAfterModifierKeys),
      Of("Delays", "Modifier Keys Delay Time", &M::ModifierKeysDelayTime),
      Of("Delays", "Incoming Key Press Delay Time", &M::IncomingKeyPressDelayTime),
      Of("Delays", "Wait For Key Press Initial Delay Time", &M::WaitForKeyPressInitialDelayTime),
      Of("Delays", "Wait For Key Press Loop Delay Time", &M::WaitForKeyPressLoopDelayTime),
      Of("Dialogs", "Use Advanced File Dialog", &M::UseAdvancedFileDialog),
      Of("File Paths", "Images Path", &M::ImagesPath),
      Of("File Paths", "Logs Path", &M::LogsPath),
      Of("File Paths", "Error Path", &M::ErrorPath),
      Of("File Paths", "Events File", &M::EventsFile),
      Of("File Paths", "Leave Files Open", &M::LeaveFilesOpen),
      Of("File Paths", "Update Log File", &M::UpdateLogFile),
      FontOf("Script Font", &M::ScriptFont, &TFont::Name),
      FontOf("Script Font Color", &M::ScriptFont, &TFont::Color),
      FontOf("Script Font Size", &M::ScriptFont, &TFont::Size),
      StyleOf("Script Font Style", &M::ScriptFont),
      FontOf("Grid Font Name", &M::GridFont, &TFont::Name),
      FontOf("Grid Font Size", &M::GridFont, &TFont::Size),
      FontOf("Grid Font Color", &M::GridFont, &TFont::Color),
      StyleOf("Grid Font Style", &M::GridFont),
      FontOf("Category Font Name", &M::CategoryFont, &TFont::Name),
      FontOf("Category Font Size", &M::CategoryFont, &TFont::Size),
      FontOf("Category Font Color", &M::CategoryFont, &TFont::Color),
      StyleOf("Category Font Style", &M::CategoryFont),
      Of("General", "Use Suffix", &M::UseSuffix),
      Of("General", "Prefix", &M::Prefix),
      Of("General", "Punctuation", &M::Punctuation),
      Of("General", "Retype", &M::Retype),
      Of("General", "Solitary Usage", &M::SolitaryUsage),
      Of("General", "Case Sensitive", &M::CaseSensitive),
      Of("General", "No Remove", &M::NoRemove),
      Of("General", "No Lowercase", &M::NoLowercase),
      Of("General", "CAPS Off", &M::CAPSOff),
      Of("General", "Playback Using Clipboard", &M::PlaybackUsingClipboard),
      Of("General", "Invalid Chars", &M::InvalidChars),
      Of("General", "Punctuation Chars", &M::PunctuationChars),
      Of(misc, "Current File", &M::CurrentFile),
      Of(misc, "Current Category", &M::CurrentCategory),
      Of(misc, "Sort Method", &M::SortMethod),
      Of(misc, "Sort Ascend", &M::SortAscend),
      Of(misc, "Use Hint", &M::UseHint),
      Of(misc, "Hint Position", &M::HintPosition),
      Of(misc, "Symbols - Last Font", &M::SymbolsLastFont),
      Of(misc, "ThkYouMsg1 Displayed", &M::ThkYouMsg1Displayed),
      Of(misc, "ThkYouMsg2 Displayed", &M::ThkYouMsg2Displayed),
      Of(misc, "ThkYouMsg3 Displayed", &M::ThkYouMsg3Displayed),
      Of(misc, "ThkYouMsg4 Displayed", &M::ThkYouMsg4Displayed),
      Of(misc, "ThkYouMsg5 Displayed", &M::ThkYouMsg5Displayed),
      Of(misc, "Suspended Notification Background Color", &M::SuspendedNotificationBackgroundColor),
      Of("Logs", "Macro log Warning Size", &M::MacroLogWarningSize),
      Of("Logs", "Check size of macro logs", &M::CheckSizeOfMacroLogs),
      Of("Logs", "Log Format", &M::LogFormat),
      Of("Logs", "Log Unusual Events", &M::LogUnusualEvents),
      Of("Logs", "Log Debug Events", &M::LogDebugEvents),
      Of("Logs", "Display Event Notifications", &M::DisplayEventNotifications),
      Of("Logs", "Event Notification Color", &M::EventNotificationColor),
      Of("Logs", "Debug Event Notifications", &M::DebugEventNotifications),
      Of("Network", "Network Mode", &M::NetworkMode),
      Of("Network", "Auto Sync", &M::AutoSync),
      Of("Network", "Minutes", &M::Minutes),
      Of("Printer", "Name", &M::PrinterName),
      Of("Printer", "Size", &M::PrinterSize),
      Of("Printer", "Color", &M::PrinterColor),
      Of("Printer", "Bold", &M::PrinterBold),
      Of("Printer", "Italics", &M::PrinterItalics),
      Of("Printer", "Strikeout", &M::PrinterStrikeout),
      Of("Printer", "Underline", &M::PrinterUnderline),
      Of("Startup", "Show Editor", &M::ShowEditor),
      Of("Startup", "Use Start Delay", &M::UseStartDelay),
      Of("Startup", "Startup Delay", &M::StartupDelay),
      Of("Startup", "Startup Command Line Parameters", &M::StartupCommandLineParameters),
      Of("Startup", "Quick Start Guide", &M::QuickStartGuide),
      Of("Startup", "First Time", &M::FirstTime),
      Of("Updates", "Check for Updates Method", &M::CheckForUpdatesMethod),
      Of("Updates", "Log Update Progress", &M::LogUpdateProgress),
      Of("Updates", "Internal Upgrade Track", &M::InternalUpgradeTrack),
      Of("Updates", "Insider Upgrade Track", &M::InsiderUpgradeTrack),
      Of("Updates", "Display Update Progress", &M::DisplayUpdateProgress),
      Of("Updates", "Save temporary Check for Updates files",
         &M::SaveTemporaryCheckForUpdatesFiles),
      Of("Updates", "Update Available Notification Background Color",
         &M::UpdateAvailableNotificationBackgroundColor),
      Of("Updates", "Update Installer Path", &M::UpdateInstallerPath),
      Of("Updates", "Update Key", &M::UpdateKey),
      Of("Updates", "Check for Updates Time", &M::CheckForUpdatesTime),
      Of(kMainWindowSection, "Col 1", &M::Col1),
      Of(kMainWindowSection, "Col 2", &M::Col2),
      Of(kMainWindowSection, "Col 3", &M::Col3),
      Of(kMainWindowSection, "Col 4", &M::Col4),
      Of(kMainWindowSection, "Col 5", &M::Col5),
      Of(kMainWindowSection, "Col 6", &M::Col6),
      Of(kMainWindowSection, "Col 7", &M::Col7),
      Of(kMainWindowSection, "Categories Width", &M::CategoriesWidth),
      Of("", "Uses", &M::Uses),
      Of("$Temp\\\\Search History", "Editor Search Text", &M::EditorSearchText),
      Of("$Temp\\\\Search History", "Editor Search History", &M::EditorSearchHistory),
      Of("$Temp\\\\Search History", "Editor Replace Text", &M::EditorReplaceText),
      Of("$Temp\\\\Search History", "Editor Replace History", &M::EditorReplaceHistory),
  };
  const std::pair<const char*, TThemeIndex> themes[] = {{"Custom", thCustom},
                                                        {"Blue Gradient", thBlueGradient},
                                                        {"Retro", thRetro},
                                                        {"Flat", thFlat},
                                                        {"Current", thCurrent}};
  for (const auto& [theme, t] : themes) {
    const std::string prefix = std::string("Theme ") + theme + " ";
    const auto add = [&](const char* attribute, auto member) {
      b.push_back(At("Appearance", prefix + attribute, member, t));
    };
    add("Menus and Toolbars Style", &M::ThemeMenusAndToolbarsStyle);
    add("Dialog Button Alignment", &M::ThemeDialogButtonAlignment);
    add("Dialog Button Edge Space", &M::ThemeDialogButtonEdgeSpace);
    add("Dialog Button Space", &M::ThemeDialogButtonSpace);
    add("Dialog Button Bottom Space", &M::ThemeDialogButtonBottomSpace);
    add("Dialog Header Background Color", &M::ThemeDialogHeaderBackgroundColor);
    add("Dialog Background Color", &M::ThemeDialogBackgroundColor);
    add("Dialog Buttons Background Color", &M::ThemeDialogButtonsBackgroundColor);
    add("WF Playback Bar Color", &M::ThemeWFPlaybackBarColor);
  }
  return b;
}

TEST(EveryMemberSave, EachStoredValueIsItsOwnMembersWithItsType) {
  const std::vector<Binding> bindings = Bindings();
  const std::vector<ExpectedValue> layout = WholeSaveLayout(true, kMainWindowSection);
  ASSERT_EQ(bindings.size(), layout.size());
  ASSERT_LT(bindings.size() + 1, std::size_t{1} << kRounds);

  for (unsigned round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    SettingsEnvironment env;
    M manager;
    std::map<std::pair<std::string, std::string>, Held> held;
    for (std::size_t i = 0; i < bindings.size(); ++i) {
      const Binding& binding = bindings[i];
      ASSERT_TRUE(
          held.emplace(std::pair(binding.key, binding.name), binding.give(manager, i, round))
              .second)
          << binding.key << " | " << binding.name << " is bound twice";
    }

    manager.saveSettings(cfgAll);

    EXPECT_TRUE(env.store.ui.boxes.empty());
    for (const ExpectedValue& value : layout) {
      SCOPED_TRACE(value.key + " | " + value.name);
      const auto member = held.find({value.key, value.name});
      ASSERT_NE(member, held.end()) << "no member bound";
      const Held& h = member->second;
      const testsupport::RegValue expected =
          value.type == platform::reg::kDword ? DwordValue(static_cast<std::uint32_t>(h.number))
                                              : StringValue(StoredAsPath(value) ? h.core : h.text);
      const std::string path = value.key.empty() ? kProduct : kProduct + "\\" + value.key;
      EXPECT_EQ(testsupport::ReadRegValue(env.store.registry, platform::reg::kCurrentUser, path,
                                          value.name),
                expected);
    }
  }
}

}  // namespace
}  // namespace settingstest
