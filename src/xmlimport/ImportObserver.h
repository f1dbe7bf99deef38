#pragma once
// What an import decides, told to whoever listens.  The program's own import
// listens to nothing; the preferences checker and the outcome record of an
// unattended run do, so they see exactly what the import does.
#include <cstdint>
#include <string>
#include <vector>

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

class IImportObserver {
 public:
  virtual ~IImportObserver() = default;

  // Just before the value is passed to the store.
  virtual void ValuePassed(const TImportedValue& value) = 0;
};
