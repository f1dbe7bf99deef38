#pragma once
// The product's settings as a reader of stored values sees them: for each key
// below the product key, the value names the product reads there and the type
// it reads each as.  Built from the same rows that the saving writes, so the
// two cannot drift apart.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingRows.h"

struct TKnownSetting {
  std::string name;
  SettingType type = SettingType::String;
  SettingRole role = SettingRole::Kept;
};

// How far the schema knows a key's values.
enum class TSectionListing : std::uint8_t {
  kOneByOne,       // every value by name and type
  kNamesOnly,      // names without types ("Dont Ask")
  kNumberedFiles,  // "file 0", "file 1", ...: one path each
  kNotListed,      // a section of the table whose values the schema does not list
};

struct TKnownSection {
  // As the store receives it: the table's spelling; empty for the product key.
  std::string name;
  TSectionListing listing = TSectionListing::kNotListed;
  std::vector<TKnownSetting> settings;
};

// Every section of the section table with a name, and the product key itself
// (empty name).  The main-window layout and the search history live in keys
// below "Windows" and "$Temp" that a section name cannot reach; they are
// listed under those keys' own names as not listed one by one.
const std::vector<TKnownSection>& KnownSections();

// The section of that name, letter case ignored; null for any other key
// ("$Unknown\..." among them).
const TKnownSection* FindKnownSection(std::string_view name);

// The setting of that name in the section, letter case ignored.
std::optional<TKnownSetting> FindKnownSetting(const TKnownSection& section, std::string_view name);
