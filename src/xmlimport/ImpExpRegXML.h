#pragma once
#include <string>

#include "platform/XmlDom.h"
#include "prefstore/ConfigCommon.h"
#include "xmlimport/ImportObserver.h"

// How an import of one file ended.
enum class TImportVerdict {
  kImported,  // walked to the end; some values may have been reported by the store
  kForeign,   // the file belongs to another product; nothing written
  kRejected,  // refused as a whole before anything was written
  kFailed,    // an error stopped the walk; what was written before it stays
};

// Why a file was refused as a whole (kForeign and kRejected).
enum class TRejectReason {
  kNone,
  kForeign,        // another product's declaration or document element
  kMalformed,      // the parser could not read it
  kNoDeclaration,  // no document type declaration
  kLimit,          // larger, deeper or more expanding than any preferences file
};

struct TImportResult {
  TImportVerdict verdict = TImportVerdict::kImported;
  TRejectReason reason = TRejectReason::kNone;
  // The text of the import's own report, as its message box shows it; empty
  // when the import has nothing to report.
  std::string report;
  // Where the parser found the file not well-formed; line 0 otherwise.
  platform::XmlParseFault fault;
};

// The bounds a preferences file is loaded under: far above any real file,
// low enough that no file within them keeps the parser busy for long.
platform::XmlLimits PrefsFileLimits();

// The import without its message box: loads and checks the file and writes
// its values into `store`, telling `observer` each value just before the
// store receives it.
TImportResult ImportPrefsFile(const std::string& fileName, TConfigBase& store,
                              IImportObserver& observer = SilentImportObserver());

// Imports a preferences file into ConfigMgr's store and shows the import's
// report, if any; answers how the import ended.
TImportVerdict ImportPrefsXML(const std::string& fileName,
                              IImportObserver& observer = SilentImportObserver());

// False when reading or importing raised an error (kRejected, kFailed); true
// otherwise, also for a file of another product.
inline bool ImportWentThrough(TImportVerdict verdict) {
  return verdict != TImportVerdict::kRejected && verdict != TImportVerdict::kFailed;
}
