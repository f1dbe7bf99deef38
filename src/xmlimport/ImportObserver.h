#pragma once
// What an import decides, told to whoever listens.  The program's own import
// tells the silent observer; the preferences checker and the outcome record
// of an unattended run listen, so they see exactly what the import does.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/XmlDom.h"
#include "prefstore/ConfigCommon.h"
#include "xmlimport/PrefsFileFormat.h"

// One value as the import passes it to the store.
struct TImportedValue {
  cfgDataScope scope = cfgPerUserRoam;
  // The key opened, below the root: the product key, a backslash, the section.
  std::string keyPath;
  std::string section;
  std::string name;
  PrefValueType type = PrefValueType::kNone;
  std::int32_t integer = 0;         // kInteger; kBoolean as 0 or 1
  std::string text;                 // kString
  std::vector<std::uint8_t> bytes;  // kBinary
};

// One key as the import asks the store to open it (creating it when missing).
struct TImportedKey {
  cfgDataScope scope = cfgPerUserRoam;
  // As passed to OpenPref: the product key, a backslash, the section (so it
  // ends in a backslash for the product key itself).
  std::string keyPath;
  std::string section;
};

// Why the walk passed over a section element and everything in it.
enum class TSectionPassedOver {
  kEmpty,       // no children
  kSkippedName  // "Schedules", or a name holding "$TEMP" or "$UNKNOWN"
};

class IImportObserver {
 public:
  virtual ~IImportObserver() = default;

  // Every body is empty: a listener overrides only what it needs.

  // Just before the value is passed to the store.
  virtual void ValuePassed(const TImportedValue& /*value*/) {}

  // The walk element by element, for a listener that wants to know where it
  // is and what the import passed over in silence.  The nodes are the walk's
  // own and live only for the call.

  // A child of the document element that is neither a comment nor a product
  // element; a text element of any name counts, "Wrenfold" too.
  virtual void DocumentChildIgnored(const platform::IXmlNode& /*child*/) {}
  virtual void ProductEntered(const platform::IXmlNode& /*product*/) {}
  // A text element directly in a product element.
  virtual void ProductChildIgnored(const platform::IXmlNode& /*child*/) {}
  // Every other child of a product element is read as a scope element,
  // whatever its name or kind (comments and bare text included).
  virtual void ScopeEntered(const platform::IXmlNode& /*scope*/) {}
  // A child of a scope element that is not a text element, read as a section.
  virtual void SectionEntered(const platform::IXmlNode& /*section*/) {}
  // `name` is the decoded name; empty for kEmpty, whose name is not decoded.
  virtual void SectionPassedOver(TSectionPassedOver /*why*/, const std::string& /*name*/) {}
  // After OpenPref; `opened` is what it returned.
  virtual void KeyOpened(const TImportedKey& /*key*/, bool /*opened*/) {}
  // A child of a section element, or a text element directly in a scope
  // element (`inProductKey`), before its key is opened for it.
  virtual void ValueEntered(const platform::IXmlNode& /*value*/, bool /*inProductKey*/) {}
  // The entered value has no "type" attribute or an unknown type word.
  virtual void ValueWithoutType() {}
  // The entered value's text as decoded, before it is read as its type; what
  // it reads as follows in ValuePassed (for binary text that does not decode,
  // nothing follows).
  virtual void ValueTextDecoded(PrefValueType /*type*/, const std::string& /*text*/) {}
};

// The observer that hears everything and does nothing, for an import nobody
// listens to.
IImportObserver& SilentImportObserver();
