#include "check/ExportCommand.h"

#include <fstream>
#include <optional>

#include "check/CheckCommand.h"
#include "check/ExportPrefs.h"
#include "check/RegExportRead.h"
#include "check/TextQuote.h"
#include "check/WholeFile.h"
#include "prefstore/ProductIdentity.h"

namespace {

constexpr const char* kUsage =
    "usage: ExportWrenfoldPrefs [--from EXPORT.reg [--from ...]] OUT.xml";

struct Options {
  std::vector<std::string> from;  // none: the live registry
  std::string out;
};

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments,
                                    const TMachineAccess& machine, std::string& error) {
  Options options;
  bool haveOut = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--from") {
      if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
        error = "--from needs the name of a `reg export` file";
        return std::nullopt;
      }
      options.from.push_back(arguments[++i]);
    } else if (argument.size() > 1 && argument[0] == '-') {
      error = "unknown option " + argument;
      return std::nullopt;
    } else if (haveOut) {
      error = "one preferences file at a time";
      return std::nullopt;
    } else {
      options.out = argument;
      haveOut = true;
    }
  }
  if (!haveOut || options.out.empty()) {
    error = "no preferences file to write given";
    return std::nullopt;
  }
  if (options.from.empty() && machine.registry == nullptr) {
    error = "this build reads no live registry: give --from EXPORT.reg";
    return std::nullopt;
  }
  return options;
}

void WriteLeftOut(const TCapture& capture, std::ostream& out) {
  if (capture.leftOut.empty()) return;
  out << "\nLeft out (" << capture.leftOut.size() << "):\n";
  for (const TLeftOut& item : capture.leftOut) {
    out << "  " << item.key;
    if (item.wholeKey) {
      out << " (the whole key)";
    } else {
      out << ", " << (item.name.empty() ? std::string("(default value)") : QuoteText(item.name));
    }
    out << "\n    " << item.why << "\n";
  }
}

}  // namespace

int RunExportCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err, const TMachineAccess& machine) {
  std::string error;
  const std::optional<Options> options = ParseOptions(arguments, machine, error);
  if (!options) {
    err << "ExportWrenfoldPrefs: " << error << "\n" << kUsage << "\n";
    return kUsageStatus;
  }

  TProductKeys keys;
  if (!LoadProductKeys(options->from, machine, keys, error)) {
    err << "ExportWrenfoldPrefs: " << error << "\n";
    return 2;
  }
  const std::string product(kProductRegistryKey);
  if (keys.user.empty() && keys.machine.empty()) {
    err << "ExportWrenfoldPrefs: nothing to capture: neither HKEY_CURRENT_USER\\" << product
        << " nor HKEY_LOCAL_MACHINE\\" << product << " is there\n";
    return 2;
  }

  const TCapture capture = CapturePrefs(keys, *machine.codePage);
  std::string from;
  for (const std::string& file : options->from) from += (from.empty() ? "" : " and ") + file;
  out << "From: " << (from.empty() ? "this machine's registry" : from) << "\n";
  if (capture.sections == 0) {
    out << "Nothing written: the product keys hold nothing a preferences file can carry\n";
    WriteLeftOut(capture, out);
    return 2;
  }
  if (!WriteWhole(options->out, capture.xml)) {
    err << "ExportWrenfoldPrefs: cannot write " << options->out << "\n";
    return 2;
  }
  out << "Wrote " << options->out << ": " << Counted(capture.values, "value") << " in "
      << Counted(capture.sections, "section") << "\n";
  WriteLeftOut(capture, out);
  const int status = capture.leftOut.empty() ? 0 : 1;
  out << "\nResult: " << capture.leftOut.size() << " left out; exit status " << status << "\n";
  return status;
}
