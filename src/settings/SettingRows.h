#pragma once
// The rows that describe a section's stored values: key, type and the member
// that holds the value.  One loop writes any table of rows, so the stored
// layout is read from the tables in SettingsSchema.h, top to bottom.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "settings/ConfigManager.h"

enum class SettingType : std::uint8_t { Boolean, Integer, Colour, Byte, String, Path };

// What the product does with a value besides keeping it: a reviewer of a
// preferences file wants to see at a glance what it makes the product run.
enum class SettingRole : std::uint8_t {
  Kept,
  Runs,  // names a program, a command or command-line parameters that the product runs
};

// What a member holds, as the typed write takes it; strings are read in place.
using SettingValue = std::variant<bool, std::int32_t, std::string_view>;

namespace settingrows {

template <class T>
SettingValue ToValue(const T& value) {
  if constexpr (std::is_same_v<T, bool>) {
    return value;
  } else if constexpr (std::is_same_v<T, std::uint8_t>) {
    return static_cast<std::int32_t>(value);  // widened without sign
  } else if constexpr (std::is_same_v<T, std::int32_t>) {
    return value;
  } else {
    return std::string_view(value);
  }
}

template <class T>
consteval bool Holds(SettingType type) {
  switch (type) {
    case SettingType::Boolean: return std::is_same_v<T, bool>;
    case SettingType::Integer:
    case SettingType::Colour: return std::is_same_v<T, std::int32_t>;
    case SettingType::Byte: return std::is_same_v<T, std::uint8_t>;
    case SettingType::String:
    case SettingType::Path: return std::is_convertible_v<const T&, std::string_view>;
  }
  return false;
}

// A member of the manager, or an element of a member array, or a field of a
// member font; each knows the C++ type it reads so a row can check its type.
template <auto Member>
struct FieldOf {
  using Type = std::remove_cvref_t<decltype(std::declval<const TConfigManager&>().*Member)>;
  static SettingValue Read(const TConfigManager& m) { return ToValue(m.*Member); }
};

template <auto Member, std::size_t Index>
struct ElementOf {
  using Type = std::remove_cvref_t<decltype((std::declval<const TConfigManager&>().*Member)[0])>;
  static SettingValue Read(const TConfigManager& m) { return ToValue((m.*Member)[Index]); }
};

template <auto Font, auto Part>
struct FontPartOf {
  using Type = std::remove_cvref_t<decltype(std::declval<const TFont&>().*Part)>;
  static SettingValue Read(const TConfigManager& m) { return ToValue((m.*Font).*Part); }
};

template <auto Font>
struct FontStyleOf {
  using Type = std::int32_t;
  static SettingValue Read(const TConfigManager& m) {
    return TConfigManager::fontStyleToInt((m.*Font).Style);
  }
};

// One per theme attribute: the member array, read at a theme's index.
template <auto Member>
struct ThemeFieldOf {
  using Type = typename std::remove_cvref_t<decltype(std::declval<const TConfigManager&>().*
                                                     Member)>::value_type;
  static SettingValue Read(const TConfigManager& m, std::size_t theme) {
    return ToValue((m.*Member)[theme]);
  }
};

}  // namespace settingrows

template <auto Member>
inline constexpr settingrows::FieldOf<Member> Field{};
template <auto Member, std::size_t Index>
inline constexpr settingrows::ElementOf<Member, Index> Element{};
template <auto Font, auto Part>
inline constexpr settingrows::FontPartOf<Font, Part> FontPart{};
template <auto Font>
inline constexpr settingrows::FontStyleOf<Font> FontStyle{};
template <auto Member>
inline constexpr settingrows::ThemeFieldOf<Member> ThemeField{};

struct SettingRow {
  // A row whose type does not fit its member does not compile.
  template <class Accessor>
  consteval SettingRow(std::string_view key, SettingType type, Accessor,
                       SettingRole role = SettingRole::Kept)
      : key(key), type(type), role(role), read(&Accessor::Read) {
    if (!settingrows::Holds<typename Accessor::Type>(type)) throw "type does not fit the member";
  }

  std::string_view key;
  SettingType type;
  SettingRole role;
  SettingValue (*read)(const TConfigManager&);
};

// One attribute of every theme; its key is "Theme <theme> <attribute>".
struct ThemeAttributeRow {
  template <class Accessor>
  consteval ThemeAttributeRow(std::string_view attribute, SettingType type, Accessor)
      : attribute(attribute), type(type), read(&Accessor::Read) {
    if (!settingrows::Holds<typename Accessor::Type>(type)) throw "type does not fit the member";
  }

  std::string_view attribute;
  SettingType type;
  SettingValue (*read)(const TConfigManager&, std::size_t theme);
};

// Writes one value through the typed store operation of its type.
void WriteSetting(TConfigBase& store, const std::string& section, const std::string& key,
                  SettingType type, const SettingValue& value);

// Writes every row, in order, with the manager's current values.
void WriteSettingRows(TConfigManager& manager, const std::string& section,
                      std::span<const SettingRow> rows);
