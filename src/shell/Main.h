#pragma once
#include <string>

#include "shell/RunOutcome.h"

// The hidden main form: holds the two switch values while FormCreate runs the
// whole sequence.
class TMainWin {
 public:
  std::string ImportFile;
  std::string ImportPath;
  // What FormCreate did, for the unattended log.
  TRunOutcome Outcome;

  void FormCreate();
  void FormDestroy();
  void ProcessParam(const std::string& argument);

  // The file name FormCreate would import, from ImportFile and ImportPath.
  std::string ResolveImportFile();
};

// Imports the file when it names an existing file; otherwise does nothing.
// Says what happened, for the unattended log.
TRunOutcome RunImport(const std::string& fileName);

// The process entry's sequence over the installed platform services; the
// program's exit code, which is always 0.
int RunProgram();
