#include "check/WalkListener.h"

#include "check/SettingFindings.h"
#include "check/TextQuote.h"
#include "check/ValueTextFindings.h"
#include "common/Strings.h"
#include "prefstore/ProductIdentity.h"
#include "xmlimport/PrefsFileFormat.h"

namespace {

// What a quoted text of the file may take up in a finding.
constexpr std::size_t kQuotedChars = 40;
// The most a binary value may hold; the import writes a longer one whole.
constexpr std::size_t kMaxBinaryBytes = 32768;

bool IsBareText(const std::string& nodeName) {
  return nodeName == "#text" || nodeName == "#cdata-section";
}

bool IsComment(const std::string& nodeName) { return nodeName == "#comment"; }

// Depths of the walk below the document element.
constexpr std::size_t kProductDepth = 1;
constexpr std::size_t kScopeDepth = 2;
constexpr std::size_t kSectionDepth = 3;
constexpr std::size_t kValueDepth = 4;

std::string ProductKeyPath(const std::string& mappedSection) {
  return std::string(kProductRegistryKey) + "\\" + mappedSection;
}

std::string Join(const std::string& parent, const std::string& child) {
  if (parent.empty()) return child;
  if (child.empty()) return parent;
  return parent + "/" + child;
}

const char* ZeroOf(PrefValueType type) {
  switch (type) {
    case PrefValueType::kInteger: return "0";
    case PrefValueType::kBoolean: return "false";
    case PrefValueType::kString: return "an empty string";
    case PrefValueType::kBinary: return "zero bytes";
    case PrefValueType::kNone: break;
  }
  return "nothing";
}

}  // namespace

void TWalkListener::Warn(std::string kind, std::string path, std::string text, std::string fix) {
  TFinding finding =
      MakeFinding(TSeverity::kWarning, std::move(kind), std::move(path), std::move(text));
  finding.fix = std::move(fix);
  Add(std::move(finding));
}

void TWalkListener::Note(std::string kind, std::string path, std::string text, std::string fix) {
  TFinding finding =
      MakeFinding(TSeverity::kNote, std::move(kind), std::move(path), std::move(text));
  finding.fix = std::move(fix);
  Add(std::move(finding));
}

void TWalkListener::Add(TFinding finding) {
  if (finding.path.empty()) finding.path = Path();
  if (finding.line == 0) finding.line = line_;
  if (inSection_ || inValue_) finding.location = location_;
  if (inValue_) finding.valueName = value_.decodedName;
  report_.findings.push_back(std::move(finding));
}

void TWalkListener::Enter(const platform::IXmlNode& node, std::size_t depth) {
  const std::string name = node.Name();
  if (!name.empty() && name.front() != '#') line_ = lines_.Enter(depth);
}

std::string TWalkListener::Path() const {
  std::string path = scope_;
  if (inSection_) path = Join(path, section_);
  if (inValue_) path = Join(path, value_.name);
  return path;
}

void TWalkListener::StoreReported(const std::string& caption, const std::string& text) {
  Warn("store-report", Path(), "the store reports \"" + caption + "\": " + text);
}

void TWalkListener::WalkEnded() {
  if (report_.verdict != TCheckVerdict::kImported) return;
  inSection_ = inValue_ = false;
  ListRunningSettings();
  if (sawProduct_) return;
  line_ = lines_.DocumentTypeLine();
  Warn("no-product", std::string(kPreferencesDocumentName),
       "no product element \"Wrenfold\" (any letter case) that is not a text element: nothing is "
       "written");
}

void TWalkListener::DocumentChildIgnored(const platform::IXmlNode& child) {
  const std::string name = child.Name();
  const std::string path = Join(std::string(kPreferencesDocumentName), name);
  Enter(child, kProductDepth);
  inSection_ = inValue_ = false;
  if (IsBareText(name)) {
    Warn("ignored-text", path, "text directly in the document element: ignored");
  } else if (child.IsTextElement()) {
    Warn("ignored-element", path, "a text element directly in the document element: ignored");
  } else {
    Warn("ignored-element", path,
         "not the product element \"Wrenfold\": ignored with everything it holds");
  }
}

void TWalkListener::ProductEntered(const platform::IXmlNode& product) {
  sawProduct_ = true;
  Enter(product, kProductDepth);
  productName_ = product.Name();
  scope_.clear();
  inSection_ = inValue_ = false;
}

void TWalkListener::ProductChildIgnored(const platform::IXmlNode& child) {
  Enter(child, kScopeDepth);
  inSection_ = inValue_ = false;
  Warn("ignored-element", Join(productName_, child.Name()),
       "a text element directly in the product element: ignored (values belong in a scope "
       "element)");
}

void TWalkListener::ScopeEntered(const platform::IXmlNode& scope) {
  scope_ = scope.Name();
  inSection_ = inValue_ = false;
  Enter(scope, kScopeDepth);
  if (IsComment(scope_)) return;
  if (IsBareText(scope_)) {
    Warn("ignored-text", Join(productName_, scope_),
         "text directly in the product element: ignored");
    return;
  }
  if (!ScopeNamed(scope_)) {
    Warn("unknown-scope", scope_,
         "not a scope name (\"PerUserRoam\", \"PerUserNonRoam\" or \"PerMachine\", letter case "
         "counting): read as per-user roaming");
  }
  if (!scope.FirstChild()) Note("empty-scope", scope_, "an empty scope element: nothing happens");
}

void TWalkListener::SectionEntered(const platform::IXmlNode& section) {
  section_ = section.Name();
  inSection_ = true;
  inValue_ = false;
  sectionWarned_ = false;
  Enter(section, kSectionDepth);
  const std::string decoded = DecodeName(section_);
  location_.clear();
  if (!IsComment(section_) && !IsBareText(section_) && !IsSkippedSection(decoded)) {
    location_ = LocationOf(ScopeOfName(scope_), ProductKeyPath(mapper_.Map(decoded)));
  }
  if (!section.IsTextElement() && section.ConversionIsLossy()) {
    Warn("ansi-conversion", Path(),
         "characters that the ANSI code page lacks in the section's name: each is written as "
         "\"?\" or a look-alike, so its values go to another key than the file names");
  }
  if (IsComment(section_)) {
    sectionWarned_ = true;
  } else if (IsBareText(section_)) {
    sectionWarned_ = true;
    Warn("ignored-text", Path(), "text directly in a scope element: ignored");
  } else if (section.Attribute("type")) {
    // Only a text element placed in a scope is a value; anything else there
    // is a section, whatever its attributes say.
    sectionWarned_ = true;
    Warn("value-read-as-section", Path(),
         "has a \"type\" attribute but is not a text element (empty, a CDATA section, a comment "
         "or child elements): read as a section element, so no value is written");
  }
}

void TWalkListener::SectionPassedOver(TSectionPassedOver why, const std::string& name) {
  if (why == TSectionPassedOver::kEmpty) {
    if (!sectionWarned_) Note("empty-section", Path(), "an empty section element: ignored");
    return;
  }
  Note("skipped-section", Path(),
       "section " + QuoteText(name, kQuotedChars) +
           " is skipped with everything it holds (\"Schedules\", and every name holding "
           "\"$TEMP\" or \"$UNKNOWN\" in any letter case)");
}

void TWalkListener::KeyOpened(const TImportedKey& key, bool opened) {
  // A key the store could not open gets its own report; nothing lands there.
  if (!opened) return;
  const bool sameAsLast = !report_.keys.empty() && report_.keys.back().key.scope == key.scope &&
                          report_.keys.back().key.keyPath == key.keyPath;
  if (!sameAsLast) report_.keys.push_back({key, {}});

  const std::string unknownPrefix = "$Unknown\\";
  if (inSection_ && key.section.compare(0, unknownPrefix.size(), unknownPrefix) == 0) {
    const std::vector<TFinding> close =
        SectionNameFindings(key.section.substr(unknownPrefix.size()));
    for (const TFinding& finding : close) Add(finding);
    if (close.empty()) {
      Note("unknown-section", Path(),
           "not one of the product's sections: its values go to the key \"" + key.section +
               "\" below the product key");
    }
  }
  const TKnownSection* known = inSection_ ? FindKnownSection(key.section) : nullptr;
  if (known != nullptr && known->listing == TSectionListing::kNotListed) {
    Note("unlisted-section", Path(),
         "the product's settings schema does not list the values of section \"" + known->name +
             "\" one by one: their names and types are not checked");
  }
  if (key.scope == cfgPerMachine) {
    Note("per-machine", Path(),
         std::string(inSection_ ? "per-machine values: written" : "a per-machine value: written") +
             " into HKEY_LOCAL_MACHINE; run by a user who may not write the machine's key, the "
             "program writes into the user's own key instead");
  }
}

void TWalkListener::ValueEntered(const platform::IXmlNode& value, bool inProductKey) {
  if (inProductKey) inSection_ = false;
  inValue_ = true;
  value_ = ValueElement{};
  value_.name = value.Name();
  Enter(value, inProductKey ? kSectionDepth : kValueDepth);
  if (inProductKey) location_ = LocationOf(ScopeOfName(scope_), ProductKeyPath({}));
  value_.decodedName = DecodeName(value_.name);
  value_.fileText = value.ElementText().value_or(std::string());
  value_.typeWord = value.Attribute("type");
  value_.textElement = value.IsTextElement();
  value_.hasChildren = value.FirstChild() != nullptr;
  if (value.ConversionIsLossy()) {
    Warn("ansi-conversion", Path(),
         "characters that the ANSI code page lacks, in the name, an attribute or the text: each "
         "is written as \"?\" or a look-alike, so the registry gets other text than the file "
         "holds");
  }
}

void TWalkListener::ValueWithoutType() {
  if (IsComment(value_.name)) return;
  if (IsBareText(value_.name)) {
    Warn("ignored-text", Path(), "text directly in a section element: ignored");
  } else if (!value_.typeWord) {
    Warn("value-without-type", Path(), "no \"type\" attribute: skipped");
  } else {
    Warn("unknown-type", Path(),
         "type " + QuoteText(*value_.typeWord, kQuotedChars) +
             " is none of \"integer\", \"string\", \"boolean\", \"binary\" (letter case "
             "counts): skipped");
  }
}

void TWalkListener::ValueTextDecoded(PrefValueType type, const std::string& text) {
  value_.decodedText = text;
  if (value_.hasChildren && !value_.textElement) {
    Warn("not-text-element", Path(),
         std::string("not a text element (a CDATA section, a comment, child elements or mixed "
                     "content): its text reads as empty and it stores ") +
             ZeroOf(type));
    return;
  }
  if (type == PrefValueType::kInteger || type == PrefValueType::kBoolean) CheckNumber(type, text);
  if (type == PrefValueType::kBinary) CheckBinary(text);
}

void TWalkListener::CheckNumber(PrefValueType type, const std::string& text) {
  const std::string readsAs = std::string(": reads as ") + ZeroOf(type);
  switch (ParseInteger(text).form) {
    case TIntegerForm::kNumber: return;
    case TIntegerForm::kEmpty:
      Warn("not-a-number", Path(), std::string("an empty ") + TypeWord(type) + readsAs);
      return;
    case TIntegerForm::kNotANumber:
      Warn("not-a-number", Path(),
           QuoteText(text, kQuotedChars) + " is not a number in full" +
               (type == PrefValueType::kBoolean ? " (a boolean is 0 or another number)" : "") +
               readsAs);
      return;
    case TIntegerForm::kOutOfRange:
      Warn("out-of-range", Path(),
           QuoteText(text, kQuotedChars) + " lies outside the 32-bit range" + readsAs);
      return;
  }
}

void TWalkListener::CheckBinary(const std::string& text) {
  const TBinaryText binary = ParseBinary(text);
  if (!binary.bytes) {
    Warn("binary-length", Path(),
         QuoteText(text, kQuotedChars) +
             " does not make whole bytes: its length without spaces, halved, differs from "
             "the number of digit pairs (" +
             std::to_string(binary.strayCharacters) +
             " characters that are neither hexadecimal digits nor spaces): skipped");
    return;
  }
  if (binary.strayCharacters > 0) {
    Warn("binary-stray", Path(),
         QuoteText(text, kQuotedChars) + " holds " + std::to_string(binary.strayCharacters) +
             " characters that are neither hexadecimal digits nor spaces: the bytes pair the "
             "digits around them");
  }
  if (binary.unpairedDigit) {
    Warn("binary-unpaired", Path(),
         QuoteText(text, kQuotedChars) + " ends in a digit without a partner: it is dropped");
  }
  if (binary.bytes->size() > kMaxBinaryBytes) {
    Warn("binary-too-long", Path(),
         std::to_string(binary.bytes->size()) +
             " bytes, more than the 32,768 a binary value holds: the import writes them all");
  }
}

void TWalkListener::ValuePassed(const TImportedValue& value) {
  if (!report_.keys.empty()) report_.keys.back().values.push_back({value, Path(), line_});
  std::string key = value.keyPath;
  if (!key.empty() && key.back() == '\\') key.pop_back();
  const std::string id = std::string(RootName(value.scope)) + "\n" + AnsiLowerCase(key) + "\n" +
                         AnsiLowerCase(value.name);
  const auto [first, inserted] = firstPaths_.emplace(id, Path());
  if (!inserted) {
    Warn("duplicate-value", Path(),
         "the same value as at " + first->second + " (the same key and name): the last one wins");
  }
  CheckSettings(value);
}

void TWalkListener::CheckSettings(const TImportedValue& value) {
  for (TFinding& finding : SettingFindings(value, value_.decodedText)) Add(std::move(finding));
  if (value.type == PrefValueType::kString) {
    if (auto finding = UnderscoreFinding(value_.fileText, value.text)) Add(std::move(*finding));
  }
  if (RunsProgram(value)) {
    running_.push_back({Path(), line_, location_, value.name,
                        value.type == PrefValueType::kString ? value.text : std::string()});
  }
}

void TWalkListener::ListRunningSettings() {
  if (running_.empty()) return;
  TFinding finding = MakeFinding(TSeverity::kNote, "runs-program", running_.front().path, {});
  finding.line = running_.front().line;
  finding.location = running_.front().location;
  finding.valueName = running_.front().name;
  finding.text =
      "settings that name a program, a command or command-line parameters that the "
      "product runs; review them before the file is deployed:";
  for (const RunningSetting& setting : running_) {
    finding.text += "\n" + setting.location + ", \"" + setting.name + "\" (line " +
                    std::to_string(setting.line) + ") = " + QuoteText(setting.text, kQuotedChars);
  }
  report_.findings.push_back(std::move(finding));
}
