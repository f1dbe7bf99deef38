#pragma once
// What the checker found in one preferences file: how the program would take
// the file, the keys it would open with the values it would write into each,
// and what the import passes over in silence.  Texts are in the ANSI code
// page, as the import read them.
#include <string>
#include <vector>

#include "platform/XmlDom.h"
#include "xmlimport/ImportObserver.h"

enum class TCheckVerdict {
  kImported,  // the program walks the file to its end
  kForeign,   // another product's file: the program shows its message, writes nothing
  kRejected,  // refused as a whole: the program shows its message, writes nothing
  kFailed,    // an error stops the walk: the program shows its message
  kNotFound,  // no such file: the program does nothing at all
};

enum class TSeverity {
  kWarning,  // the program does something the file's author hardly meant
  kNote,     // worth knowing, often meant
};

struct TFinding {
  TSeverity severity = TSeverity::kWarning;
  // A short fixed word for programs and tests ("unknown-scope").
  std::string kind;
  // The element names that lead to it, as in the file: "PerUserRoam/General/X".
  std::string path;
  // What the import does, in a sentence.
  std::string text;
};

struct TCheckedValue {
  TImportedValue value;
  std::string path;
};

// One key as the walk opens it, and the values it passes to the store there
// until it opens another.
struct TCheckedKey {
  TImportedKey key;
  std::vector<TCheckedValue> values;
};

struct TCheckReport {
  std::string fileName;
  TCheckVerdict verdict = TCheckVerdict::kImported;
  // The text of the program's own message box; empty when it shows none.
  std::string report;
  // Where the parser found the file not well-formed, and why; line 0 when it
  // is well-formed or the place is not known.
  platform::XmlParseFault fault;
  std::vector<TCheckedKey> keys;
  std::vector<TFinding> findings;

  std::size_t ValueCount() const;
  std::size_t Count(TSeverity severity) const;
};

// 0: nothing to warn about; 1: warnings; 2: the program would reject the file
// or could not read it.
int ExitStatus(const TCheckReport& report);

// HKEY_CURRENT_USER for the per-user scopes, HKEY_LOCAL_MACHINE for
// cfgPerMachine: where a value of the scope lands when the machine key may
// be written.
const char* RootName(cfgDataScope scope);
// The key below the root as a .reg file or a report names it: the key path
// without the trailing backslash of the product key itself.
std::string KeyName(const TImportedKey& key);
// "cfgPerUserRoam" and so on.
std::string ScopeName(cfgDataScope scope);
// "integer", "string", "boolean", "binary".
const char* TypeWord(PrefValueType type);
