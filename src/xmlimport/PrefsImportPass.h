#pragma once
// One pass over a loaded preferences file: the product, scope, section and
// value elements, each value written into the store in the scope and under
// the key that the file names for it.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/XmlDom.h"
#include "prefstore/ConfigCommon.h"
#include "xmlimport/ImportObserver.h"
#include "xmlimport/PrefsFileFormat.h"

class TPrefsImportPass {
 public:
  // `observer` hears of each value before the store does.
  explicit TPrefsImportPass(TConfigBase& store, IImportObserver& observer = SilentImportObserver())
      : store_(store), observer_(observer) {}

  // Reads the children of the document element.  Opens one key at a time and
  // closes it again on every path, also when an error ends the pass.
  void ReadDocumentElement(const platform::IXmlNode& documentElement);

 private:
  void ReadProduct(const platform::IXmlNode& product);
  void ReadScope(const platform::IXmlNode& scope);
  void ReadSection(const platform::IXmlNode& section);
  void ReadValue(const platform::IXmlNode& value);
  bool OpenKey(const std::string& mappedSection);
  std::string KeyPath(const std::string& mappedSection) const;

  TConfigBase& store_;
  IImportObserver& observer_;
  const TSectionMapper mapper_;
  std::string productKey_;
  std::string scopeName_;
  std::string sectionName_;
  std::string mappedSection_;
  // The key the values being read go to, as the last open named it.
  TImportedKey key_;
};
