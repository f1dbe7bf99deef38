#include "StoredLayout.h"

#include <utility>

#include "platform/Registry.h"

namespace settingstest {

namespace {

using platform::reg::kDword;
using platform::reg::kSz;

struct Section {
  std::string key;
  std::vector<std::pair<std::string, std::uint32_t>> values;
};

void Append(std::vector<ExpectedValue>& layout, const Section& section) {
  for (const auto& [name, type] : section.values) layout.push_back({section.key, name, type});
}

const Section kAppearance = {"Appearance",
                             {
                                 {"Visual Theme", kDword},
                                 {"Filepath Status Bar Normal Color", kDword},
                                 {"Filepath Status Bar Browse Mode Color", kDword},
                                 {"Filepath Status Bar Read Only Color", kDword},
                                 {"Wrenlet Background Normal Color", kDword},
                                 {"Wrenlet Background Browse Mode Color", kDword},
                                 {"Wrenlet Background Read Only Color", kDword},
                                 {"Wrenlet Enabled Normal Color", kDword},
                                 {"Wrenlet Enabled Browse Mode Color", kDword},
                                 {"Wrenlet Enabled Read Only Color", kDword},
                                 {"Wrenlet Disabled Normal Color", kDword},
                                 {"Wrenlet Disabled Browse Mode Color", kDword},
                                 {"Wrenlet Disabled Read Only Color", kDword},
                                 {"Show Large Category Icons", kDword},
                                 {"Show Index column", kDword},
                                 {"Show Wrenlet column", kDword},
                                 {"Show Replacement Keys column", kDword},
                                 {"Show Suffixes column", kDword},
                                 {"Show Scope column", kDword},
                                 {"Show Modified column", kDword},
                                 {"Show Notes column", kDword},
                             }};

Section Themes() {
  Section themes{"Appearance", {}};
  for (const char* theme : {"Custom", "Blue Gradient", "Retro", "Flat", "Current"}) {
    for (const char* attribute :
         {"Menus and Toolbars Style", "Dialog Button Alignment", "Dialog Button Edge Space",
          "Dialog Button Space", "Dialog Button Bottom Space", "Dialog Header Background Color",
          "Dialog Background Color", "Dialog Buttons Background Color", "WF Playback Bar Color"}) {
      themes.values.emplace_back(std::string("Theme ") + theme + " " + attribute, kDword);
    }
  }
  return themes;
}

const Section kActivation = {"Activation",
                             {
                                 {"Use Notification Area", kDword},
                                 {"Close Hides", kDword},
                                 {"Auto Minimize", kDword},
                                 {"HotKey", kSz},
                                 {"Prog HotKey", kDword},
                             }};

const Section kAdvOptions = {"AdvOptions",
                             {
                                 {"Use J Suffix", kDword},
                                 {"Obscure LC", kDword},
                                 {"Dead Key Patch 1", kDword},
                                 {"Sticky Show Hide", kDword},
                                 {"Advanced Misc Keys", kDword},
                                 {"Show Advanced Settings", kDword},
                                 {"End Playback Code 1", kDword},
                                 {"End Playback Code 2", kDword},
                                 {"End Playback Code 3", kDword},
                                 {"InUse Timeout", kDword},
                                 {"Min InUse Timeout", kDword},
                                 {"EReplTextAlg", kDword},
                             }};

const Section kDbgHook = {"AdvOptions",
                          {
                              {"DbgHook DisableKeyHook", kDword},
                              {"DbgHook DisableMsgHook", kDword},
                              {"DbgHook DisableDeadKey", kDword},
                              {"DbgHook DisableMaskX86Exceptions", kDword},
                              {"DbgHook DisableSetLowLTFMap", kDword},
                          }};

const Section kBackup = {"Backup",
                         {
                             {"Backup On Start", kDword},
                             {"Backup On Editor Open", kDword},
                             {"Backup On Editor Close", kDword},
                             {"Backup Message", kDword},
                             {"Only Backup Local Files", kDword},
                             {"Backup Count", kDword},
                             {"Backup Location", kDword},
                             {"Backup Folder", kSz},
                             {"Backup File Pattern", kSz},
                             {"Backup Message Color", kDword},
                             {"Backup Wait File Time", kDword},
                             {"Backup Dialog Done Time", kDword},
                             {"Backup Dialog Fade Increment", kDword},
                         }};

const Section kCustCommands = {"Cust Commands",
                               {
                                   {"Insert Image into MS365 Script", kSz},
                                   {"Insert Image into MS365", kSz},
                                   {"Insert Image MSO Script", kSz},
                                   {"Insert Image MSO", kSz},
                               }};

const Section kDelays = {"Delays",
                         {
                             {"Text Delay", kDword},
                             {"Delay After Key Up", kDword},
                             {"High Speed Timer", kDword},
                             {"Clipboard Delay", kDword},
                             {"Insert Command Delay", kDword},
                             {"Before Backspace Delay", kDword},
                             {"Between Backspace Delay", kDword},
                             {"After Backspace Delay", kDword},
                             {"Delay After Modifier Keys", kDword},
                             {"Modifier Keys Delay Time", kDword},
                             {"Incoming Key Press Delay Time", kDword},
                             {"Wait For Key Press Initial Delay Time", kDword},
                             {"Wait For Key Press Loop Delay Time", kDword},
                         }};

const Section kDialogs = {"Dialogs", {{"Use Advanced File Dialog", kDword}}};

const Section kFilePaths = {"File Paths",
                            {
                                {"Images Path", kSz},
                                {"Logs Path", kSz},
                                {"Error Path", kSz},
                                {"Events File", kSz},
                                {"Leave Files Open", kDword},
                                {"Update Log File", kSz},
                            }};

const Section kFonts = {"Fonts",
                        {
                            {"Script Font", kSz},
                            {"Script Font Color", kDword},
                            {"Script Font Size", kDword},
                            {"Script Font Style", kDword},
                            {"Grid Font Name", kSz},
                            {"Grid Font Size", kDword},
                            {"Grid Font Color", kDword},
                            {"Grid Font Style", kDword},
                            {"Category Font Name", kSz},
                            {"Category Font Size", kDword},
                            {"Category Font Color", kDword},
                            {"Category Font Style", kDword},
                        }};

const Section kGeneral = {"General",
                          {
                              {"Use Suffix", kDword},
                              {"Prefix", kSz},
                              {"Punctuation", kDword},
                              {"Retype", kDword},
                              {"Solitary Usage", kDword},
                              {"Case Sensitive", kDword},
                              {"No Remove", kDword},
                              {"No Lowercase", kDword},
                              {"CAPS Off", kDword},
                              {"Playback Using Clipboard", kDword},
                              {"Invalid Chars", kSz},
                              {"Punctuation Chars", kSz},
                          }};

const Section kMiscellaneous = {"Miscellaneous",
                                {
                                    {"Current File", kSz},
                                    {"Current Category", kDword},
                                    {"Sort Method", kDword},
                                    {"Sort Ascend", kDword},
                                    {"Use Hint", kDword},
                                    {"Hint Position", kDword},
                                    {"Symbols - Last Font", kSz},
                                    {"ThkYouMsg1 Displayed", kDword},
                                    {"ThkYouMsg2 Displayed", kDword},
                                    {"ThkYouMsg3 Displayed", kDword},
                                    {"ThkYouMsg4 Displayed", kDword},
                                    {"ThkYouMsg5 Displayed", kDword},
                                    {"Suspended Notification Background Color", kDword},
                                }};

const Section kLogs = {"Logs",
                       {
                           {"Macro log Warning Size", kDword},
                           {"Check size of macro logs", kDword},
                           {"Log Format", kSz},
                           {"Log Unusual Events", kDword},
                           {"Log Debug Events", kDword},
                           {"Display Event Notifications", kDword},
                           {"Event Notification Color", kDword},
                           {"Debug Event Notifications", kDword},
                       }};

const Section kNetwork = {"Network",
                          {
                              {"Network Mode", kDword},
                              {"Auto Sync", kDword},
                              {"Minutes", kDword},
                          }};

const Section kPrinter = {"Printer",
                          {
                              {"Name", kSz},
                              {"Size", kDword},
                              {"Color", kDword},
                              {"Bold", kDword},
                              {"Italics", kDword},
                              {"Strikeout", kDword},
                              {"Underline", kDword},
                          }};

// "First Time" belongs to the root, but lands in the open "Startup" key.
const Section kStartup = {"Startup",
                          {
                              {"Show Editor", kDword},
                              {"Use Start Delay", kDword},
                              {"Startup Delay", kDword},
                              {"Startup Command Line Parameters", kSz},
                              {"Quick Start Guide", kDword},
                              {"First Time", kDword},
                          }};

const Section kUpdates = {"Updates",
                          {
                              {"Check for Updates Method", kDword},
                              {"Log Update Progress", kDword},
                              {"Internal Upgrade Track", kDword},
                              {"Insider Upgrade Track", kDword},
                              {"Display Update Progress", kDword},
                              {"Save temporary Check for Updates files", kDword},
                              {"Update Available Notification Background Color", kDword},
                              {"Update Installer Path", kSz},
                              {"Update Key", kSz},
                              {"Check for Updates Time", kDword},
                          }};

Section MainWindow(const std::string& section) {
  return {section,
          {
              {"Col 1", kDword},
              {"Col 2", kDword},
              {"Col 3", kDword},
              {"Col 4", kDword},
              {"Col 5", kDword},
              {"Col 6", kDword},
              {"Col 7", kDword},
              {"Categories Width", kDword},
          }};
}

const Section kUses = {"", {{"Uses", kDword}}};

const Section kSearchHistory = {"$Temp\\\\Search History",
                                {
                                    {"Editor Search Text", kSz},
                                    {"Editor Search History", kSz},
                                    {"Editor Replace Text", kSz},
                                    {"Editor Replace History", kSz},
                                }};

}  // namespace

bool StoredAsPath(const ExpectedValue& value) {
  static const std::vector<std::pair<std::string, std::string>> kPaths = {
      {"Backup", "Backup Folder"},   {"File Paths", "Images Path"},
      {"File Paths", "Logs Path"},   {"File Paths", "Error Path"},
      {"File Paths", "Events File"}, {"File Paths", "Update Log File"},
  };
  for (const auto& [key, name] : kPaths) {
    if (value.key == key && value.name == name) return true;
  }
  return false;
}

std::vector<ExpectedValue> AppearanceLayout() {
  std::vector<ExpectedValue> layout;
  Append(layout, kAppearance);
  Append(layout, Themes());
  return layout;
}

std::vector<ExpectedValue> WholeSaveLayout(bool showAdvancedSettings,
                                           const std::string& mainWindowSection) {
  std::vector<ExpectedValue> layout = AppearanceLayout();
  Append(layout, kActivation);
  Append(layout, kAdvOptions);
  if (showAdvancedSettings) Append(layout, kDbgHook);
  for (const Section* section :
       {&kBackup, &kCustCommands, &kDelays, &kDialogs, &kFilePaths, &kFonts, &kGeneral,
        &kMiscellaneous, &kLogs, &kNetwork, &kPrinter, &kStartup, &kUpdates}) {
    Append(layout, *section);
  }
  Append(layout, MainWindow(mainWindowSection));
  Append(layout, kUses);
  Append(layout, kSearchHistory);
  return layout;
}

}  // namespace settingstest
