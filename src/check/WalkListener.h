#pragma once
// Listens to the import's walk and turns what it decides into the checker's
// report: the keys and values it passes to the store, and findings for what
// it passes over, skips or reads otherwise than its author likely meant.
#include <map>
#include <optional>
#include <string>

#include "check/CheckReport.h"
#include "xmlimport/ImportObserver.h"

class TWalkListener final : public IImportObserver {
 public:
  explicit TWalkListener(TCheckReport& report) : report_(report) {}

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
  };

  void Warn(std::string kind, std::string path, std::string text);
  void Note(std::string kind, std::string path, std::string text);
  void CheckNumber(PrefValueType type, const std::string& text);
  void CheckBinary(const std::string& text);
  // Where the walk is: scope, section (unless the value sits directly in
  // the scope) and value element names.
  std::string Path() const;

  TCheckReport& report_;
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
