#include "xmlimport/PrefsFileFormat.h"

#include <algorithm>

#include "common/Strings.h"
#include "settings/Sections.h"

namespace {

struct Replacement {
  std::string_view from;
  std::string_view to;
};

// Each step works on the result of the one before and never rescans what it
// has just put in.
template <std::size_t N>
std::string ReplaceInTurn(std::string_view text, const Replacement (&steps)[N]) {
  std::string result(text);
  for (const Replacement& step : steps) {
    // Most names and texts hold at most the underscore: a step that finds
    // nothing costs a search, and a character for a character no copy.
    if (result.find(step.from) == std::string::npos) continue;
    if (step.from.size() == 1 && step.to.size() == 1) {
      std::replace(result.begin(), result.end(), step.from[0], step.to[0]);
    } else {
      result = ReplaceAll(result, step.from, step.to);
    }
  }
  return result;
}

constexpr Replacement kNameSteps[] = {
    {"_0x5B_", "["}, {"_0x5D_", "]"}, {"_0x24_", "$"}, {"_", " "}};

constexpr Replacement kTextSteps[] = {{"_0x5B_", "["}, {"_0x5D_", "]"}, {"&#34;", "\""},
                                      {"&pos;", "'"},  {"&amp;", "&"},  {"$lt;", "<"},
                                      {"$gt;", ">"},   {"&#36;", "$"},  {"_", " "}};

int DigitValue(char c, int base) {
  const int value = HexDigitValue(c);
  return value < base ? value : -1;
}

}  // namespace

std::string DecodeName(std::string_view name) {
  if (name.find('_') == std::string_view::npos) return std::string(name);
  return ReplaceInTurn(name, kNameSteps);
}

std::string DecodeText(std::string_view text) {
  if (text.find_first_of("_&$") == std::string_view::npos) return std::string(text);
  return ReplaceInTurn(text, kTextSteps);
}

TIntegerText ParseInteger(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  if (i == n) return {0, TIntegerForm::kEmpty};
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  int base = 10;
  if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == n) return {0, TIntegerForm::kNotANumber};

  // A hexadecimal number is a 32-bit pattern; a decimal one must fit the
  // signed range, whose negative end is one further than its positive one.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : 0x80000000ull;
  std::uint64_t value = 0;
  bool tooLarge = false;
  for (; i < n; ++i) {
    const int digit = DigitValue(text[i], base);
    if (digit < 0) return {0, TIntegerForm::kNotANumber};
    // Past the limit the value stays there: the rest of the text only has
    // to say whether it is digits.
    if (!tooLarge) value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    if (value > limit) tooLarge = true;
  }
  if (tooLarge || (base == 10 && !negative && value == limit)) {
    return {0, TIntegerForm::kOutOfRange};
  }
  const auto pattern = static_cast<std::uint32_t>(value);
  return {static_cast<std::int32_t>(negative ? 0u - pattern : pattern), TIntegerForm::kNumber};
}

bool ReadBoolean(std::string_view text) { return ReadInteger(text) != 0; }

TBinaryText ParseBinary(std::string_view text) {
  TBinaryText result;
  std::size_t length = 0;
  std::string digits;
  digits.reserve(text.size());
  for (char c : text) {
    if (c == ' ') continue;
    ++length;
    if (DigitValue(c, 16) >= 0) {
      digits += c;
    } else {
      ++result.strayCharacters;
    }
  }
  const std::size_t count = length / 2;
  if (digits.size() / 2 != count) return result;
  result.unpairedDigit = digits.size() % 2 != 0;
  std::vector<std::uint8_t>& bytes = result.bytes.emplace(count);
  for (std::size_t k = 0; k < count; ++k) {
    bytes[k] = static_cast<std::uint8_t>(DigitValue(digits[2 * k], 16) * 16 +
                                         DigitValue(digits[2 * k + 1], 16));
  }
  return result;
}

PrefValueType ValueTypeOf(const std::optional<std::string>& type) {
  if (!type) return PrefValueType::kNone;
  for (const TTypeWord& entry : kTypeWords) {
    if (*type == entry.word) return entry.type;
  }
  return PrefValueType::kNone;
}

const char* TypeWord(PrefValueType type) {
  for (const TTypeWord& entry : kTypeWords) {
    if (entry.type == type) return entry.word;
  }
  return "";
}

std::optional<cfgDataScope> ScopeNamed(std::string_view scopeName) {
  for (const TScopeElement& entry : kScopeElements) {
    if (scopeName == entry.name) return entry.scope;
  }
  return std::nullopt;
}

std::string_view ScopeElementName(cfgDataScope scope) {
  for (const TScopeElement& entry : kScopeElements) {
    if (entry.scope == scope) return entry.name;
  }
  return kScopeElements[0].name;
}

bool IsSkippedSection(std::string_view sectionName) {
  if (sectionName == "Schedules") return true;
  const std::string upper = AnsiUpperCase(sectionName);
  return upper.find("$TEMP") != std::string::npos || upper.find("$UNKNOWN") != std::string::npos;
}

TSectionMapper::TSectionMapper() {
  lowerNames_.reserve(cfgSectionNames.size());
  for (std::string_view name : cfgSectionNames) lowerNames_.push_back(AnsiLowerCase(name));
}

std::string TSectionMapper::Map(std::string_view sectionName) const {
  if (sectionName == kProductKeySectionName) return {};
  const std::string lower = AnsiLowerCase(sectionName);
  std::size_t match = cfgSectionNames.size();
  for (std::size_t i = 0; i < lowerNames_.size(); ++i) {
    if (lowerNames_[i] == lower) match = i;
  }
  if (match < cfgSectionNames.size()) return std::string(cfgSectionNames[match]);
  return std::string(cfgSectionNames[cfgUnknown]) + "\\" + std::string(sectionName);
}
