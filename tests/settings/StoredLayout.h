#pragma once
// The stored layout of a whole save, written out by hand: every section's key
// below the product key and its values in the order they are written.
#include <cstdint>
#include <string>
#include <vector>

namespace settingstest {

struct ExpectedValue {
  std::string key;  // below the product key; "" is the product key itself
  std::string name;
  std::uint32_t type;  // kDword or kSz
};

// Everything saveSettings(cfgAll) writes for an empty file list and empty
// recent files, with "Show Advanced Settings" off (or on).
std::vector<ExpectedValue> WholeSaveLayout(bool showAdvancedSettings,
                                           const std::string& mainWindowSection);

// "Appearance": saveAppearance's 21 values, then saveThemes' 45.
std::vector<ExpectedValue> AppearanceLayout();

// Whether a kSz value holds a folder or file path, stored trimmed and with
// placeholders, rather than a text stored as held.
bool StoredAsPath(const ExpectedValue& value);

}  // namespace settingstest
