#include "check/CheckCommand.h"

#include <fstream>
#include <optional>

#include "check/AgainstState.h"
#include "check/CheckPrefsFile.h"
#include "check/RegExportRead.h"
#include "check/RegFile.h"
#include "check/ReportJson.h"
#include "check/ReportText.h"

namespace {

constexpr const char* kUsage =
    "usage: CheckWrenfoldPrefs [--json] [--reg OUT.reg] FILE\n"
    "       CheckWrenfoldPrefs [--json] [--reg OUT.reg] --against EXPORT.reg [--against ...] FILE\n"
    "       CheckWrenfoldPrefs [--json] [--reg OUT.reg] --against-registry FILE";

struct Options {
  bool json = false;
  std::optional<std::string> regFile;
  // The state the check starts from: `reg export` files, or (none) the live
  // registry.
  bool againstState = false;
  std::vector<std::string> againstFiles;
  std::string file;
};

// None, with the reason in `error`, for a command line that cannot be followed.
std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& error) {
  Options options;
  bool haveFile = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--json") {
      options.json = true;
    } else if (argument == "--reg") {
      if (i + 1 == arguments.size() || options.regFile) {
        error = options.regFile ? "--reg given twice" : "--reg needs the name of a .reg file";
        return std::nullopt;
      }
      options.regFile = arguments[++i];
    } else if (argument == "--against-registry") {
      if (options.againstState) {
        error = "--against-registry with --against or twice";
        return std::nullopt;
      }
      options.againstState = true;
    } else if (argument == "--against") {
      if (i + 1 == arguments.size() || arguments[i + 1].empty() ||
          (options.againstState && options.againstFiles.empty())) {
        error = options.againstState ? "--against with --against-registry"
                                     : "--against needs the name of a `reg export` file";
        return std::nullopt;
      }
      options.againstState = true;
      options.againstFiles.push_back(arguments[++i]);
    } else if (argument.size() > 1 && argument[0] == '-') {
      error = "unknown option " + argument;
      return std::nullopt;
    } else if (haveFile) {
      error = "one preferences file at a time";
      return std::nullopt;
    } else {
      options.file = argument;
      haveFile = true;
    }
  }
  if (!haveFile) {
    error = "no preferences file given";
    return std::nullopt;
  }
  return options;
}

bool WriteBytes(const std::string& fileName, const std::string& bytes) {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return !file.fail();
}

}  // namespace

int RunCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const TMachineAccess& machine) {
  std::string error;
  const std::optional<Options> options = ParseOptions(arguments, error);
  const bool noLiveRegistry = options && options->againstState && options->againstFiles.empty() &&
                              machine.registry == nullptr;
  if (noLiveRegistry) error = "--against-registry reads the live registry: the Windows build only";
  if (!options || noLiveRegistry) {
    err << "CheckWrenfoldPrefs: " << error << "\n" << kUsage << "\n";
    return kUsageStatus;
  }

  TCheckReport report;
  if (options->againstState) {
    TProductKeys keys;
    if (!LoadProductKeys(options->againstFiles, machine, keys, error)) {
      err << "CheckWrenfoldPrefs: " << error << "\n";
      return 2;
    }
    report = CheckPrefsFileAgainst(options->file, keys, *machine.codePage,
                                   AgainstSource(options->againstFiles, keys));
  } else {
    report = CheckPrefsFile(options->file);
  }
  if (options->json) {
    WriteJsonReport(report, out);
  } else {
    WriteTextReport(report, out);
  }
  out.flush();

  int status = ExitStatus(report);
  if (options->regFile) {
    if (report.verdict != TCheckVerdict::kImported) {
      err << "CheckWrenfoldPrefs: no .reg file written: the program writes nothing from this "
             "file\n";
    } else if (!WriteBytes(*options->regFile, RegFileBytes(report))) {
      err << "CheckWrenfoldPrefs: cannot write " << *options->regFile << "\n";
      status = 2;
    }
  }
  return status;
}
