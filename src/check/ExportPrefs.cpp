#include "check/ExportPrefs.h"

#include <algorithm>
#include <array>
#include <optional>

#include "check/PrefsFileEncoding.h"
#include "common/Strings.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/Utf16.h"
#include "prefstore/ProductIdentity.h"
#include "prefstore/RegistryObject.h"
#include "settings/SectionKeys.h"
#include "xmlimport/PrefsFileFormat.h"

namespace reg = platform::reg;

namespace {

constexpr const char* kEol = "\r\n";

// The scopes in the order the file holds them: the user's values first, so
// that no machine value is in place yet when the layered store compares a
// user's value with it.
constexpr std::array<cfgDataScope, 3> kScopeOrder = {cfgPerUserRoam, cfgPerUserNonRoam,
                                                     cfgPerMachine};

// One section element: where its values go and the lines of its values.
struct Section {
  cfgDataScope scope = cfgPerUserRoam;
  std::string element;             // ANSI
  std::vector<std::string> lines;  // UTF-8, whole value elements
};

class Capture {
 public:
  explicit Capture(const platform::IAnsiCodePage& codePage) : codePage_(codePage) {}

  void Hive(const platform::RegTree& tree, bool machine) {
    const char* root = machine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
    for (const platform::RegTreeKey& key : tree) {
      const std::string where = std::string(root) + "\\" + key.path;
      const std::string below = BelowProductKey(key.path).value_or(key.path);
      std::string why;
      std::optional<Section> section = SectionOf(below, machine, why);
      if (!section) {
        // An empty key with subkeys is named by what is said of them.
        if (key.values.empty()) {
          if (!HasSubkeys(tree, key.path)) LeaveOut(where, {}, true, why);
        } else {
          for (const platform::RegTreeValue& value : key.values)
            LeaveOut(where, value.name, false, why);
        }
        continue;
      }
      for (const platform::RegTreeValue& value : key.values) {
        std::string line;
        const std::string trouble = ValueLine(value, line);
        if (trouble.empty()) {
          section->lines.push_back(line);
          ++result_.values;
        } else {
          LeaveOut(where, value.name, false, trouble);
        }
      }
      // A key without values still comes into being: a comment is a child
      // that makes the import open (and create) the key and write nothing.
      const bool createdByOthers = below.empty() && tree.size() > 1;
      if (key.values.empty() && !createdByOthers) {
        section->lines.push_back("<!-- an empty key -->");
      }
      if (!section->lines.empty()) sections_.push_back(std::move(*section));
    }
  }

  TCapture Finish() {
    std::string& xml = result_.xml;
    xml = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + kEol + "<!DOCTYPE " +
          std::string(kPreferencesDocumentName) + ">" + kEol + "<" +
          std::string(kPreferencesDocumentName) + ">" + kEol +
          "  <!-- Captured by ExportWrenfoldPrefs: the user's values first, then the machine's. "
          "-->" +
          kEol + "  <" + std::string(kProductName) + ">" + kEol;
    for (const cfgDataScope scope : kScopeOrder) {
      bool opened = false;
      const std::string scopeName = std::string(ScopeElementName(scope));
      for (const Section& section : sections_) {
        if (section.scope != scope) continue;
        if (!opened) xml += "    <" + scopeName + ">" + kEol;
        opened = true;
        const std::string element = codePage_.ToUtf8(section.element);
        xml += "      <" + element + ">" + kEol;
        for (const std::string& line : section.lines) xml += "        " + line + kEol;
        xml += "      </" + element + ">" + kEol;
        ++result_.sections;
      }
      if (opened) xml += "    </" + scopeName + ">" + kEol;
    }
    xml += "  </" + std::string(kProductName) + ">" + kEol + "</" +
           std::string(kPreferencesDocumentName) + ">" + kEol;
    return std::move(result_);
  }

 private:
  static bool HasSubkeys(const platform::RegTree& tree, const std::string& path) {
    return std::any_of(tree.begin(), tree.end(), [&](const platform::RegTreeKey& key) {
      return key.path.size() > path.size() && key.path[path.size()] == '\\' &&
             key.path.compare(0, path.size(), path) == 0;
    });
  }

  // The section element for a key below the product key, or none with the
  // reason.
  std::optional<Section> SectionOf(const std::string& below, bool machine, std::string& why) {
    Section section;
    const std::string ansi = codePage_.FromUtf8(below, nullptr);
    const std::size_t slash = ansi.find('\\');
    const std::string first = ansi.substr(0, slash);
    const std::string rest = slash == std::string::npos ? std::string() : ansi.substr(slash + 1);
    const std::string unknown(cfgSectionNames[cfgUnknown]);
    std::string mapped;
    if (ansi.empty()) {
      section.element = std::string(kProductKeySectionName);
    } else if (slash != std::string::npos && AnsiLowerCase(first) == AnsiLowerCase(unknown)) {
      if (rest.find('\\') != std::string::npos) {
        why =
            "a key deeper than a preferences file can name (a section below \"$Unknown\" holds "
            "no keys of its own)";
        return std::nullopt;
      }
      mapped = unknown + "\\" + rest;
      if (!Element(below.substr(below.find('\\') + 1), section.element, why)) return std::nullopt;
    } else if (IsSkippedSection(first)) {
      why =
          "the import skips this section (\"Schedules\", and every name holding \"$TEMP\" or "
          "\"$UNKNOWN\")";
      return std::nullopt;
    } else if (slash != std::string::npos) {
      why = "a key deeper than a preferences file can name (a section holds no keys of its own)";
      return std::nullopt;
    } else {
      mapped = mapper_.Map(first);
      if (mapped.rfind(unknown + "\\", 0) == 0) {
        why =
            "not one of the product's sections: a preferences file writes other sections below "
            "\"$Unknown\"";
        return std::nullopt;
      }
      if (!Element(mapped, section.element, why)) return std::nullopt;
      section.scope = SectionDataScope(SectionOfName(mapped));
    }
    if (machine) section.scope = cfgPerMachine;
    // The import's own reading of the element name must lead back here.
    const std::string decoded = DecodeName(section.element);
    if (IsSkippedSection(decoded) || mapper_.Map(decoded) != mapped) {
      why = "its name does not read back as this key";
      return std::nullopt;
    }
    return section;
  }

  bool Element(const std::string& nameUtf8, std::string& element, std::string& why) {
    bool lossy = false;
    const std::string ansi = codePage_.FromUtf8(nameUtf8, &lossy);
    if (lossy) {
      why = "characters outside the ANSI code page in the key's name";
      return false;
    }
    const TEncoded encoded = EncodeName(ansi);
    if (!encoded.ok()) {
      why = "the key's name: " + encoded.trouble;
      return false;
    }
    element = encoded.text;
    return true;
  }

  static cfgSection SectionOfName(const std::string& spelled) {
    for (std::size_t i = 0; i < cfgSectionNames.size(); ++i) {
      if (!spelled.empty() && cfgSectionNames[i] == spelled) return static_cast<cfgSection>(i);
    }
    return cfgAll;
  }

  // The value element, or the reason it cannot be carried.
  std::string ValueLine(const platform::RegTreeValue& value, std::string& line) {
    bool lossy = false;
    const std::string name = codePage_.FromUtf8(value.name, &lossy);
    if (lossy) return "characters outside the ANSI code page in its name";
    const TEncoded element = EncodeName(name);
    if (!element.ok()) return element.trouble;
    // Appended rather than concatenated: GCC 12 warns wrongly about "<" + text.
    const std::string tag = codePage_.ToUtf8(element.text);
    std::string open = "<";
    open += tag;
    std::string close = "</";
    close += tag;
    close += '>';
    switch (value.type) {
      case reg::kDword: {
        if (value.data.size() != 4) return "a REG_DWORD that is not 4 bytes long";
        const auto integer = static_cast<std::int32_t>(RegDwordOf(value.data.data()));
        line = open + " type=\"integer\">" + std::to_string(integer) + close;
        return {};
      }
      case reg::kBinary: {
        line = open + " type=\"binary\">" + HexBytes(value.data, " ") + close;
        return {};
      }
      case reg::kSz: {
        const std::u16string wide = platform::Utf16OfLeBytes(value.data);
        if (value.data.size() % 2 != 0 || wide.empty() || wide.back() != u'\0' ||
            wide.find(u'\0') != wide.size() - 1) {
          return "REG_SZ data that is not one text and its terminating zero";
        }
        const std::string utf8 =
            platform::Utf8OfUtf16(std::u16string_view(wide).substr(0, wide.size() - 1));
        const std::string ansi = codePage_.FromUtf8(utf8, &lossy);
        if (lossy) return "characters outside the ANSI code page in its text";
        const TEncoded text = EncodeText(ansi);
        if (!text.ok()) return text.trouble;
        line = open + (IsBlankText(ansi) ? " xml:space=\"preserve\"" : "") + " type=\"string\">" +
               XmlContent(codePage_.ToUtf8(text.text)) + close;
        return {};
      }
      default: break;
    }
    return "of type " + RegTypeName(value.type) +
           ": a preferences file holds only REG_DWORD, REG_SZ and REG_BINARY values";
  }

  void LeaveOut(const std::string& key, const std::string& name, bool wholeKey,
                const std::string& why) {
    result_.leftOut.push_back({key, name, wholeKey, why});
  }

  const platform::IAnsiCodePage& codePage_;
  TSectionMapper mapper_;
  std::vector<Section> sections_;
  TCapture result_;
};

}  // namespace

TCapture CapturePrefs(const TProductKeys& keys, const platform::IAnsiCodePage& codePage) {
  Capture capture(codePage);
  capture.Hive(keys.user, false);
  capture.Hive(keys.machine, true);
  return capture.Finish();
}
