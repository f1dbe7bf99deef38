#pragma once
// The preferences file format: how element names and texts encode preference
// names and values, how each value type is read, and what scope and section
// element names stand for.  Texts are in the ANSI code page.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "prefstore/ConfigCommon.h"

// The document type and document element of every preferences file.
inline constexpr std::string_view kPreferencesDocumentName = "Wrenfold_Preferences";
// The section name that stands for the product key itself.
inline constexpr std::string_view kProductKeySectionName = "cfgAll";

// The names of section and value elements: "_0x5B_", "_0x5D_", "_0x24_" and
// "_" stand for "[", "]", "$" and a space.
std::string DecodeName(std::string_view name);

// A value element's text, after the parser has resolved XML's own references.
std::string DecodeText(std::string_view text);

// How an integer text reads: whether it was a number in full.
enum class TIntegerForm {
  kNumber,      // the whole text is a number
  kEmpty,       // empty, or spaces only
  kNotANumber,  // anything else that is not such a number in full
  kOutOfRange,  // digits only, but beyond 32 bits
};
struct TIntegerText {
  std::int32_t value = 0;  // 0 unless kNumber
  TIntegerForm form = TIntegerForm::kNumber;
};

// A 32-bit integer: leading spaces, a sign, then decimal digits or hex digits
// after "$", "x" or "0x"; 0 for anything else or out of range.
TIntegerText ParseInteger(std::string_view text);
inline std::int32_t ReadInteger(std::string_view text) { return ParseInteger(text).value; }
bool ReadBoolean(std::string_view text);

// What a binary text holds besides its bytes.
struct TBinaryText {
  // None when the digits do not make up the byte count the length gives.
  std::optional<std::vector<std::uint8_t>> bytes;
  // Characters that are neither hexadecimal digits nor spaces: each counts
  // towards the length, and a decoded value pairs the digits around them.
  std::size_t strayCharacters = 0;
  // A final digit without a partner, left out of a decoded value.
  bool unpairedDigit = false;
};

// A hexadecimal byte string, spaces between digits allowed; none when the
// digits do not make up the byte count the text's length gives.
TBinaryText ParseBinary(std::string_view text);
inline std::optional<std::vector<std::uint8_t>> DecodeBinary(std::string_view text) {
  return ParseBinary(text).bytes;
}

enum class PrefValueType { kNone, kInteger, kString, kBoolean, kBinary };

// The value types beside the words of the attribute "type".
struct TTypeWord {
  PrefValueType type;
  const char* word;
};
inline constexpr TTypeWord kTypeWords[] = {
    {PrefValueType::kInteger, "integer"},
    {PrefValueType::kString, "string"},
    {PrefValueType::kBoolean, "boolean"},
    {PrefValueType::kBinary, "binary"},
};

// The attribute "type", compared exactly; kNone when missing or unknown.
PrefValueType ValueTypeOf(const std::optional<std::string>& type);
// The word that names `type`; empty for kNone.
const char* TypeWord(PrefValueType type);

// The data scopes beside the names of their elements.
struct TScopeElement {
  cfgDataScope scope;
  std::string_view name;
};
inline constexpr TScopeElement kScopeElements[] = {
    {cfgPerUserRoam, "PerUserRoam"},
    {cfgPerUserNonRoam, "PerUserNonRoam"},
    {cfgPerMachine, "PerMachine"},
};

// The scope an element name stands for, compared exactly; none for any other.
std::optional<cfgDataScope> ScopeNamed(std::string_view scopeName);
// As the import reads a scope element: any other name reads as cfgPerUserRoam.
inline cfgDataScope ScopeOfName(std::string_view scopeName) {
  return ScopeNamed(scopeName).value_or(cfgPerUserRoam);
}
// The element name of `scope`.
std::string_view ScopeElementName(cfgDataScope scope);

// Sections whose elements are passed over with everything inside them.
bool IsSkippedSection(std::string_view sectionName);

// Maps decoded section names to what the store receives as the section:
// empty for "cfgAll", the table's spelling for a settings section (compared
// after locale-aware lower-casing, the last match winning), and "$Unknown\N"
// for any other name N.
class TSectionMapper {
 public:
  TSectionMapper();
  std::string Map(std::string_view sectionName) const;

 private:
  std::vector<std::string> lowerNames_;
};
