#include "check/SettingFindings.h"

#include <algorithm>
#include <optional>

#include "check/PrefsFileEncoding.h"
#include "check/ValueTextFindings.h"
#include "common/Strings.h"
#include "xmlimport/PrefsFileFormat.h"

namespace {

// The start tag of the element that decodes to `name`.
std::string StartTag(const std::string& name) {
  const TEncoded element = EncodeName(name);
  std::string tag = "<";
  tag += element.ok() ? element.text : name;
  tag += '>';
  return tag;
}

// The section as a report names it.
std::string SectionText(const std::string& name) {
  return name.empty() ? std::string("the product key itself") : "section \"" + name + "\"";
}

// The registry type a type word of the file stores.
const char* StoredRegistryType(PrefValueType type) {
  switch (type) {
    case PrefValueType::kInteger:
    case PrefValueType::kBoolean: return "REG_DWORD";
    case PrefValueType::kString: return "REG_SZ";
    case PrefValueType::kBinary: return "REG_BINARY";
    case PrefValueType::kNone: break;
  }
  return "";
}

bool ReadsNumber(SettingType type) {
  return type != SettingType::String && type != SettingType::Path;
}

const char* SettingTypeText(SettingType type) {
  switch (type) {
    case SettingType::Boolean: return "a Boolean";
    case SettingType::Integer: return "an integer";
    case SettingType::Colour: return "a colour (an integer)";
    case SettingType::Byte: return "a byte (an integer)";
    case SettingType::String: return "a string";
    case SettingType::Path: return "a path (a string)";
  }
  return "";
}

// The type word the file should give a setting of that type.
const char* TypeWordFor(SettingType type) {
  switch (type) {
    case SettingType::Boolean: return TypeWord(PrefValueType::kBoolean);
    case SettingType::String:
    case SettingType::Path: return TypeWord(PrefValueType::kString);
    default: break;
  }
  return TypeWord(PrefValueType::kInteger);
}

std::size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// Every known section that is listed by name and holds the setting, other
// than `except`.
std::vector<std::string> SectionsHolding(const std::string& name, const TKnownSection* except) {
  std::vector<std::string> found;
  for (const TKnownSection& section : KnownSections()) {
    if (&section == except || section.listing == TSectionListing::kNotListed) continue;
    if (FindKnownSetting(section, name)) found.push_back(section.name);
  }
  return found;
}

std::optional<TFinding> UnknownSetting(const TImportedValue& value, const TKnownSection& section) {
  std::vector<std::string> names;
  for (const TKnownSetting& setting : section.settings) names.push_back(setting.name);
  const std::vector<std::string> nearest = NearestNames(value.name, names);
  const std::vector<std::string> elsewhere = SectionsHolding(value.name, &section);

  TFinding finding = MakeFinding(TSeverity::kWarning, "unknown-setting", {}, {});
  finding.text = "not a setting of " + SectionText(section.name) + ": the product never reads \"" +
                 value.name + "\"";
  if (!nearest.empty()) finding.text += "; " + DidYouMean(nearest);
  if (!elsewhere.empty()) {
    finding.text += "; it is a setting of " + SectionText(elsewhere.front());
    if (elsewhere.size() > 1)
      finding.text += " and of " + std::to_string(elsewhere.size() - 1) + " more";
  }
  if (nearest.size() == 1) {
    finding.fix = StartTag(nearest.front());
  } else if (nearest.empty() && elsewhere.size() == 1) {
    finding.fix = elsewhere.front().empty() ? std::string("move it directly into the scope element")
                                            : "move it into " + StartTag(elsewhere.front());
  }
  return finding;
}

std::optional<TFinding> WrongType(const TImportedValue& value, const TKnownSetting& setting) {
  // The schema holds no binary setting: REG_BINARY is always another type.
  const bool numberRead = ReadsNumber(setting.type);
  const std::string_view read = numberRead ? "REG_DWORD" : "REG_SZ";
  if (read == StoredRegistryType(value.type)) return std::nullopt;
  TFinding finding = MakeFinding(TSeverity::kWarning, "setting-type", {}, {});
  finding.text = std::string("type \"") + TypeWord(value.type) + "\" stores " +
                 StoredRegistryType(value.type) + ", but the product reads \"" + setting.name +
                 "\" as " + SettingTypeText(setting.type) + " from " + std::string(read) +
                 ": its read fails (\"Invalid data type for '" + setting.name +
                 "'\") and the setting keeps its default";
  finding.fix = std::string("type=\"") + TypeWordFor(setting.type) + "\"";
  return finding;
}

std::optional<TFinding> OutOfRange(const TImportedValue& value, const TKnownSetting& setting,
                                   const std::string& decodedText) {
  const TIntegerText number = ParseInteger(decodedText);
  if (number.form != TIntegerForm::kNumber) return std::nullopt;
  if (setting.type == SettingType::Byte && value.type == PrefValueType::kInteger &&
      (number.value < 0 || number.value > 255)) {
    return MakeFinding(TSeverity::kWarning, "setting-range", {},
                       std::to_string(number.value) +
                           " lies outside 0 to 255, which a byte setting holds: the product keeps "
                           "its low byte, " +
                           std::to_string(number.value & 0xFF));
  }
  if (setting.type == SettingType::Boolean && number.value != 0 && number.value != 1) {
    TFinding finding = MakeFinding(
        TSeverity::kNote, "setting-range", {},
        std::to_string(number.value) + " is neither 0 nor 1: the product reads it as true");
    // Not `= "1"`: GCC 12 at -O3 takes that for an overlapping copy (-Wrestrict).
    finding.fix.assign(1, '1');
    return finding;
  }
  return std::nullopt;
}

}  // namespace

std::string DidYouMean(const std::vector<std::string>& names) {
  if (names.empty()) return {};
  std::string text = "did you mean \"" + names.front() + "\"";
  for (std::size_t i = 1; i < names.size(); ++i) {
    text += (i + 1 == names.size() ? " or \"" : ", \"") + names[i] + "\"";
  }
  return text + "?";
}

std::vector<std::string> NearestNames(const std::string& name,
                                      const std::vector<std::string>& candidates) {
  const std::string lower = AnsiLowerCase(name);
  // One slip in five letters; short names must match but for one.
  const std::size_t allowed = std::max<std::size_t>(1, (lower.size() + 3) / 5);
  if (lower.size() < 3) return {};
  std::size_t best = allowed + 1;
  std::vector<std::string> nearest;
  for (const std::string& candidate : candidates) {
    const std::size_t distance = EditDistance(lower, AnsiLowerCase(candidate));
    if (distance == 0 || distance > allowed || distance > best) continue;
    if (distance < best) nearest.clear();
    best = distance;
    if (nearest.size() < 3) nearest.push_back(candidate);
  }
  return nearest;
}

std::vector<TFinding> SectionNameFindings(const std::string& decodedName) {
  std::vector<std::string> names;
  for (const TKnownSection& section : KnownSections()) {
    if (!section.name.empty() && section.name.front() != '$') names.push_back(section.name);
  }
  const std::vector<std::string> nearest = NearestNames(decodedName, names);
  if (nearest.empty()) return {};
  TFinding finding = MakeFinding(
      TSeverity::kWarning, "unknown-section", {},
      "not one of the product's sections: its values go to the key \"$Unknown\\" + decodedName +
          "\" below the product key, which the product never reads; " + DidYouMean(nearest));
  if (nearest.size() == 1) finding.fix = StartTag(nearest.front());
  return {finding};
}

std::vector<TFinding> SettingFindings(const TImportedValue& value, const std::string& decodedText) {
  std::vector<TFinding> findings;
  const TKnownSection* section = FindKnownSection(value.section);
  if (section == nullptr || section->listing == TSectionListing::kNotListed) return findings;

  std::optional<TKnownSetting> setting;
  if (section->listing == TSectionListing::kNumberedFiles) {
    setting = TKnownSetting{value.name, SettingType::Path};
  } else {
    setting = FindKnownSetting(*section, value.name);
    if (!setting) {
      if (auto finding = UnknownSetting(value, *section)) findings.push_back(*finding);
      return findings;
    }
    // Names alone: what type the product reads them as is not known.
    if (section->listing == TSectionListing::kNamesOnly) return findings;
  }

  if (auto finding = WrongType(value, *setting)) {
    findings.push_back(*finding);
    return findings;
  }
  if (auto finding = OutOfRange(value, *setting, decodedText)) findings.push_back(*finding);
  if (setting->type == SettingType::Path && value.type == PrefValueType::kString) {
    if (auto finding = UserFolderPathFinding(value.text)) findings.push_back(*finding);
  }
  return findings;
}

bool RunsProgram(const TImportedValue& value) {
  const TKnownSection* section = FindKnownSection(value.section);
  if (section == nullptr) return false;
  const std::optional<TKnownSetting> setting = FindKnownSetting(*section, value.name);
  return setting && setting->role == SettingRole::Runs;
}
