// Writing one line of the event log: a few attempts with growing pauses, so
// that a file held for a moment by another writer does not cost the entry,
// and a report to the user when all of them fail.
#include <optional>

#include "common/EventLog.h"
#include "common/EventLogSettings.h"
#include "common/PathText.h"
#include "common/SystemMessage.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/Ui.h"

namespace {

constexpr int kLastAttempt = 6;

// Nothing when the line was written; else the error text of the failure
// that stopped the attempt.
std::optional<std::string> TryWrite(const std::string& line, const std::string& fileName) {
  platform::AppendOpenResult open = platform::FileSystem().OpenForAppend(fileName);
  if (!open.file) return SystemMessageWithCode(open.error);
  const std::uint32_t written = open.file->Write(line + "\r\n");
  const std::uint32_t closed = open.file->Close();
  if (written != platform::winerr::kSuccess) return SystemMessageWithCode(written);
  if (closed != platform::winerr::kSuccess) return SystemMessageWithCode(closed);
  return std::nullopt;
}

std::string Question(bool unusual, bool debug) {
  std::string question =
      "\r\n\r\nYou may need to disable logging in order to run Wrenfold. Disable \"Log ";
  if (unusual && debug) return question + "Unusual Events\" and \"Log Debug Events\"?";
  return question + (unusual ? "Unusual Events\"?" : "Debug Events\"?");
}

void ReportFailure(const std::string& line, const std::string& fileName, const std::string& error,
                   const std::string& earlierErrors) {
  const std::string caption =
      ExtractFileName(platform::Process().ProgramFileName()) + " LogEvent Error";
  std::string text = "LogEvent Error: Could not write message:\r\n  " + line + "\r\n\r\n" +
                     "to the file: " + fileName + "\r\n\r\n" + "due to the following error:\r\n  " +
                     error + "\r\n" + earlierErrors;

  IEventLogSettings* settings = EventLogSettings();
  const bool unusual = settings != nullptr && settings->LogUnusualEvents();
  const bool debug = settings != nullptr && settings->LogDebugEvents();
  if (!unusual && !debug) {
    platform::ShowErrorBox(platform::ApplicationWindow(), text, caption);
    return;
  }
  const int answer = platform::ShowMessageBox(
      platform::ApplicationWindow(), text + Question(unusual, debug), caption,
      platform::mb::kYesNo | platform::mb::kIconExclamation | platform::mb::kSetForeground);
  // The box is modal: ask again whether the manager is still there.
  settings = EventLogSettings();
  if (answer == platform::mb::kIdYes && settings != nullptr) {
    settings->SetLogUnusualEvents(false);
    settings->SetLogDebugEvents(false);
    settings->SaveLogsSection();
  }
}

}  // namespace

void WriteLogLine(const std::string& line, const std::string& fileName, int attempt,
                  const std::string& earlierErrors) {
  std::string errors = earlierErrors;
  // An attempt number below 1 would make the pause negative.
  for (int current = attempt < 1 ? 1 : attempt;; ++current) {
    const std::optional<std::string> error = TryWrite(line, fileName);
    if (!error) return;
    if (current >= kLastAttempt) {
      ReportFailure(line, fileName, *error, errors);
      return;
    }
    platform::FileSystem().Sleep(10u * static_cast<unsigned>(current));
    errors += "\r\n#" + std::to_string(current) + ":    " + *error;
  }
}
