#include "check/CheckCommand.h"

#include <cstdio>
#include <fstream>
#include <optional>

#include "check/AgainstState.h"
#include "check/CheckPrefsFile.h"
#include "check/RegExportRead.h"
#include "check/RegFile.h"
#include "check/ReportJson.h"
#include "check/ReportText.h"
#include "check/WholeFile.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UniqueHandle.h"

namespace {

constexpr const char* kUsage =
    "usage: CheckWrenfoldPrefs [--json] [--reg OUT.reg] [--strict] [--codepage N]\n"
    "                          [--against EXPORT.reg [--against ...] | --against-registry] FILE\n"
    "  --json         the report as JSON lines instead of text\n"
    "  --reg OUT.reg  also the values the program writes, as a .reg file\n"
    "  --strict       notes count as warnings for the exit status\n"
    "  --codepage N   check as a machine whose ANSI code page is N reads the file\n"
    "                 (874 or 1250 to 1258; on Windows any code page it knows)\n"
    "  --against EXPORT.reg  start from the product keys of a `reg export` file\n"
    "                 (once per file: the user's and the machine's keys)\n"
    "  --against-registry    start from this machine's product keys (Windows)\n"
    "  /?, -h, --help this text";

struct Options {
  bool help = false;
  bool json = false;
  bool strict = false;
  std::optional<unsigned> codePage;
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
    // The value of an option that takes one; none, with `error` set, when it is missing.
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 == arguments.size()) {
        error = argument + " needs a value";
        return std::nullopt;
      }
      return arguments[++i];
    };
    if (argument == "/?" || argument == "-h" || argument == "--help") {
      options.help = true;
    } else if (argument == "--json") {
      options.json = true;
    } else if (argument == "--strict") {
      options.strict = true;
    } else if (argument == "--codepage") {
      const std::optional<std::string> number = value();
      if (!number) return std::nullopt;
      if (number->empty() || number->size() > 5 ||
          number->find_first_not_of("0123456789") != std::string::npos || options.codePage) {
        error = options.codePage ? "--codepage given twice" : "--codepage needs a number";
        return std::nullopt;
      }
      options.codePage = static_cast<unsigned>(std::stoul(*number));
    } else if (argument == "--reg") {
      if (options.regFile) {
        error = "--reg given twice";
        return std::nullopt;
      }
      options.regFile = value();
      if (!options.regFile) return std::nullopt;
    } else if (argument == "--against-registry") {
      if (options.againstState) {
        error = "--against-registry with --against or twice";
        return std::nullopt;
      }
      options.againstState = true;
    } else if (argument == "--against") {
      if (options.againstState && options.againstFiles.empty()) {
        error = "--against with --against-registry";
        return std::nullopt;
      }
      const std::optional<std::string> file = value();
      if (!file) return std::nullopt;
      options.againstState = true;
      options.againstFiles.push_back(*file);
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
  if (!haveFile && !options.help) {
    error = "no preferences file given";
    return std::nullopt;
  }
  return options;
}

}  // namespace

int RunCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const TMachineAccess& machine) {
  std::string error;
  const std::optional<Options> options = ParseOptions(arguments, error);
  if (!options) {
    err << "CheckWrenfoldPrefs: " << error << "\n" << kUsage << "\n";
    return kUsageStatus;
  }
  if (options->help) {
    out << kUsage << "\n";
    return 0;
  }
  if (options->againstState && options->againstFiles.empty() && machine.registry == nullptr) {
    err << "CheckWrenfoldPrefs: --against-registry reads the live registry: the Windows build "
           "only\n"
        << kUsage << "\n";
    return kUsageStatus;
  }

  // The conversions of every service follow the code page asked for, for
  // the length of the check only.
  platform::IUserInterface& ui = platform::Ui();
  const unsigned systemCodePage = ui.AnsiCodePage();
  if (options->codePage && !ui.UseAnsiCodePage(*options->codePage)) {
    err << "CheckWrenfoldPrefs: this build cannot convert with code page " << *options->codePage
        << "\n"
        << kUsage << "\n";
    return kUsageStatus;
  }
  const platform::ScopeExit restoreCodePage([&] { ui.UseAnsiCodePage(systemCodePage); });

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
  report.strict = options->strict;
  // The .reg file first, so that the report's last line gives the status the
  // process ends with.
  if (options->regFile) {
    if (report.verdict != TCheckVerdict::kImported) {
      // No .reg file from an earlier check may stand beside this verdict.
      std::remove(options->regFile->c_str());
      err << "CheckWrenfoldPrefs: no .reg file written: the program writes nothing from this "
             "file\n";
    } else if (!WriteWhole(*options->regFile, RegFileBytes(report))) {
      err << "CheckWrenfoldPrefs: cannot write " << *options->regFile << "\n";
      report.regFileFailed = true;
    }
  }
  if (options->json) {
    WriteJsonReport(report, out);
  } else {
    WriteTextReport(report, out);
  }
  out.flush();
  return ExitStatus(report);
}
