#pragma once
// The stored layout of the product's settings: for each section, its values
// in the order in which they are written.
#include <span>
#include <string_view>

#include "settings/SettingRows.h"

namespace schema {

extern const std::span<const SettingRow> Activation;
extern const std::span<const SettingRow> AdvOptions;
// Written after AdvOptions, and only while "Show Advanced Settings" is on.
extern const std::span<const SettingRow> DbgHook;
extern const std::span<const SettingRow> Appearance;
// Every theme in this order, all attributes of one theme before the next.
extern const std::span<const std::string_view> ThemeNames;
extern const std::span<const ThemeAttributeRow> ThemeAttributes;
extern const std::span<const SettingRow> Backup;
extern const std::span<const SettingRow> CustCommands;
extern const std::span<const SettingRow> Delays;
extern const std::span<const SettingRow> Dialogs;
extern const std::span<const SettingRow> FilePaths;
extern const std::span<const SettingRow> Fonts;
extern const std::span<const SettingRow> General;
extern const std::span<const SettingRow> Logs;
extern const std::span<const SettingRow> MainWindowLayout;
extern const std::span<const SettingRow> Miscellaneous;
extern const std::span<const SettingRow> Network;
extern const std::span<const SettingRow> Printer;
extern const std::span<const SettingRow> Startup;
// Written with the empty section name while "Startup" is the open key.
extern const std::span<const SettingRow> StartupRoot;
extern const std::span<const SettingRow> Updates;
extern const std::span<const SettingRow> SearchHistory;
extern const std::span<const SettingRow> Uses;

}  // namespace schema
