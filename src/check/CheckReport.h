#pragma once
// What the checker found in one preferences file: how the program would take
// the file, the keys it would open with the values it would write into each,
// and what the import passes over in silence.  Texts are in the ANSI code
// page, as the import read them.
#include <optional>
#include <string>
#include <vector>

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

// What a value does to a registry that already holds product keys (a check
// against a machine's state).
enum class TChange {
  kNotJudged,  // a check from empty keys
  kNew,        // the key held no such value
  kChanged,    // the key held other data, or another type
  kUnchanged,  // the key held the same already
  kLeftOut,    // equals the machine's value and the user has none: nothing is written
};

struct TValueChange {
  TChange change = TChange::kNotJudged;
  // Changed: the value as it was; `oldType` names its registry type where it
  // differs from the new one ("string", "REG_EXPAND_SZ").
  std::optional<TImportedValue> old;
  std::string oldType;
  // A per-machine value: whether it reaches HKEY_LOCAL_MACHINE or, the
  // machine's key being closed to this user, lands in the user's key.
  bool perMachine = false;
  bool intoMachineKey = false;
};

struct TCheckedValue {
  TImportedValue value;
  std::string path;
  TValueChange change = {};
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
  std::vector<TCheckedKey> keys;
  std::vector<TFinding> findings;
  // What the check started from, for a check against a machine's state; empty
  // for a check from empty keys.
  std::string against;

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
