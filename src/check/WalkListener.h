#pragma once
// Listens to the import's walk and turns what it decides into the checker's
// report: the keys and values it passes to the store, and findings for what
// it passes over, skips or reads otherwise than its author likely meant.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "check/CheckReport.h"
#include "check/StartTagLines.h"
#include "xmlimport/ImportObserver.h"
#include "xmlimport/PrefsFileFormat.h"

class TWalkListener final : public IImportObserver {
 public:
  // `lines` numbers the file's start tags for the findings and values.
  TWalkListener(TCheckReport& report, TStartTagLines& lines) : report_(report), lines_(lines) {}

  // A message box of the store, raised at the element the walk is in.
  void StoreReported(const std::string& caption, const std::string& text);
  // After the walk: what only the whole file can tell.
  void WalkEnded();

  void ValuePassed(const TImportedValue& value) override;
  void DocumentChildIgnored(const platform::IXmlNode& child) override;
  void ProductEntered(const platform::IXmlNode& product) override;
  void ProductChildIgnored(const platform::IXmlNode& child) override;
  void ScopeEntered(const platform::IXmlNode& scope) override;
  void SectionEntered(const platform::IXmlNode& section) override;
  void SectionPassedOver(TSectionPassedOver why, const std::string& name) override;
  void KeyOpened(const TImportedKey& key, bool opened) override;
  void ValueEntered(const platform::IXmlNode& value, bool inProductKey) override;
  void ValueWithoutType() override;
  void ValueTextDecoded(PrefValueType type, const std::string& text) override;

 private:
  // What the listener remembers of the value element being read.
  struct ValueElement {
    std::string name;
    std::optional<std::string> typeWord;
    bool textElement = false;
    bool hasChildren = false;
    std::string decodedName;
    std::string fileText;     // the text as the file holds it, before decoding
    std::string decodedText;  // as decoded, before it is read as its type
  };
  // A setting that makes the product run something, for the list at the end.
  struct RunningSetting {
    std::string path;
    int line = 0;
    std::string location;
    std::string name;
    std::string text;
  };

  // A finding at the element the walk is in, with its line, key and value
  // name; `fix` is what to write instead, where one is clear.
  void Warn(std::string kind, std::string path, std::string text, std::string fix = {});
  void Note(std::string kind, std::string path, std::string text, std::string fix = {});
  void Add(TFinding finding);
  // The line of the element the walk enters at that depth, when it is one.
  void Enter(const platform::IXmlNode& node, std::size_t depth);
  void CheckSettings(const TImportedValue& value);
  void ListRunningSettings();
  void CheckNumber(PrefValueType type, const std::string& text);
  void CheckBinary(const std::string& text);
  // Where the walk is: scope, section (unless the value sits directly in
  // the scope) and value element names.
  std::string Path() const;

  TCheckReport& report_;
  TStartTagLines& lines_;
  const TSectionMapper mapper_;
  int line_ = 0;
  // The key the current section's or value's values go to, as LocationOf
  // names it; empty where nothing is written.
  std::string location_;
  std::vector<RunningSetting> running_;
  bool sawProduct_ = false;
  std::string productName_;
  std::string scope_;
  std::string section_;
  bool sectionWarned_ = false;
  bool inSection_ = false;
  bool inValue_ = false;
  ValueElement value_;
  // The first path of each value by its registry key and name, letter case
  // ignored as the registry ignores it.
  std::map<std::string, std::string> firstPaths_;
};
