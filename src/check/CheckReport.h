#pragma once
// What the checker found in one preferences file: how the program would take
// the file, the keys it would open with the values it would write into each,
// and what the import passes over in silence.  Texts are in the ANSI code
// page, as the import read them.
#include <optional>
#include <string>
#include <vector>

#include "platform/XmlDom.h"
#include "xmlimport/ImpExpRegXML.h"
#include "xmlimport/ImportObserver.h"
#include "xmlimport/PrefsFileFormat.h"

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
  // The line of the element's start tag in the file; for a finding about the
  // whole file, the line of the declaration it concerns; 0 when the file's
  // markup could not be read for lines.
  int line = 0;
  // The registry key the element's values go to ("HKCU\Software\...\General"),
  // and the value's name there; empty where nothing is written.
  std::string location;
  std::string valueName;
  // What to write instead, where one fix is clear; empty otherwise.
  std::string fix;
};

// A finding whose place the walk fills in.
inline TFinding MakeFinding(TSeverity severity, std::string kind, std::string path = {},
                            std::string text = {}) {
  TFinding finding;
  finding.severity = severity;
  finding.kind = std::move(kind);
  finding.path = std::move(path);
  finding.text = std::move(text);
  return finding;
}

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
  int line = 0;
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
  // Why the program refuses the file as a whole; kNone when it does not.
  TRejectReason reason = TRejectReason::kNone;
  // The ANSI code page that names and texts were converted to.
  unsigned codePage = 0;
  // Notes count as warnings for the exit status.
  bool strict = false;
  // The .reg file asked for could not be written.
  bool regFileFailed = false;
  // The text of the program's own message box; empty when it shows none.
  std::string report;
  // Where the parser found the file not well-formed, and why; line 0 when it
  // is well-formed or the place is not known.
  platform::XmlParseFault fault;
  std::vector<TCheckedKey> keys;
  std::vector<TFinding> findings;
  // What the check started from, for a check against a machine's state; empty
  // for a check from empty keys.
  std::string against;

  std::size_t ValueCount() const;
  std::size_t Count(TSeverity severity) const;
};

// 0: nothing to warn about; 1: warnings (or notes, when strict); 2: the
// program would reject the file or could not read it, or the .reg file could
// not be written.
int ExitStatus(const TCheckReport& report);

// The program's outcome word for the verdict: "imported", "rejected",
// "failed", "file not found".
const char* VerdictWord(TCheckVerdict verdict);

// HKEY_CURRENT_USER for the per-user scopes, HKEY_LOCAL_MACHINE for
// cfgPerMachine: where a value of the scope lands when the machine key may
// be written.
const char* RootName(cfgDataScope scope);
// The key below the root as a .reg file or a report names it: the key path
// without the trailing backslash of the product key itself.
std::string KeyName(const TImportedKey& key);
// "HKCU\Software\Orlavex\Wrenfold 4\General": the key as an administrator
// names it, HKLM for the machine's.
std::string LocationOf(cfgDataScope scope, const std::string& keyPath);
// "cfgPerUserRoam" and so on.
std::string ScopeName(cfgDataScope scope);
