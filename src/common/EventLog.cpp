#include "common/EventLog.h"

#include <ostream>
#include <utility>

#include "common/DateTimeFormat.h"
#include "common/EventLogSettings.h"
#include "common/PathText.h"
#include "common/SpecialFolders.h"
#include "common/Strings.h"
#include "platform/Locale.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/ShellFolders.h"
#include "platform/Ui.h"

TEventLogFileName EventLogFileName;
std::string EventLogTimeFormat;

namespace {

std::string ProgramName() { return ExtractFileName(platform::Process().ProgramFileName()); }

std::string FormatNow(std::string_view picture) {
  return FormatDateTime(picture, platform::Locale().Now(), CurrentDateTimeLocale());
}

bool NamesItsOwnFile(const std::string& folder, const std::string& name,
                     const std::string& suffix) {
  return !folder.empty() && !name.empty() && !suffix.empty();
}

}  // namespace

TEventLogFileName& TEventLogFileName::operator=(std::string name) {
  name_ = std::move(name);
  defaultPending_ = false;
  return *this;
}

void TEventLogFileName::SetDefault() {
  name_.clear();
  defaultPending_ = true;
}

const std::string& TEventLogFileName::get() const {
  if (defaultPending_) {
    defaultPending_ = false;
    name_ = GetEventLogFileName("", "", "");
  }
  return name_;
}

std::ostream& operator<<(std::ostream& out, const TEventLogFileName& name) {
  return out << name.get();
}

void ConfigureEventLog(const std::string& logsPath, const std::string& eventsFile,
                       const std::string& logFormat) {
  const std::string programName = ProgramName();
  if (NamesItsOwnFile(logsPath, programName, eventsFile)) {
    EventLogFileName = GetEventLogFileName(logsPath, programName, eventsFile);
  } else {
    EventLogFileName.SetDefault();
  }
  EventLogTimeFormat = logFormat;
}

std::string GetEventLogFileName(const std::string& folder, const std::string& name,
                                const std::string& suffix) {
  if (NamesItsOwnFile(folder, name, suffix)) {
    return IncludeTrailingBackslash(folder) + name + suffix + ".log";
  }
  // Without the folder the log goes to the root of the current drive.
  const std::string appData = GetSpecialFolderDir(platform::csidl::kLocalAppData);
  return (appData.empty() ? "\\" : appData) + "Orlavex\\" + ProgramName() + "_Events.log";
}

std::string ExpandLogFileDate(const std::string& fileName) {
  const std::size_t open = fileName.find('<');
  if (open == std::string::npos) return fileName;
  const std::size_t close = fileName.find("/>", open + 1);
  if (close == std::string::npos) return fileName;
  const std::string picture = fileName.substr(open + 1, close - open - 1);
  return ReplaceAll(fileName, "<" + picture + "/>", FormatNow(picture.empty() ? "c" : picture));
}

std::string DefaultEventLogTimeFormat() {
  const TDateTimeLocale locale = CurrentDateTimeLocale();
  const std::string picture = locale.longDatePicture + " " + locale.longTimePicture;
  if (picture.find("zzz") != std::string::npos) return picture;
  return ReplaceAll(picture, ":ss", ":ss:zzz");
}

void LogEvent(const std::string& message, bool withTime) {
  if (!LoggingUnusualEvents()) return;
  if (EventLogFileName.empty()) EventLogFileName = GetEventLogFileName("", "", "");
  if (EventLogTimeFormat.empty()) EventLogTimeFormat = DefaultEventLogTimeFormat();
  const std::string fileName = ExpandLogFileDate(EventLogFileName);

  std::string line;
  if (!Trim(message).empty()) {
    line = ReplaceAll(message, ":/n:", "");
    if (withTime && !EventLogTimeFormat.empty()) {
      line = FormatNow(EventLogTimeFormat) + ": " + line;
    }
  }
  WriteLogLine(line, fileName, 1, "");

  if (const platform::WindowHandle main = platform::MainWindow(); main != nullptr) {
    platform::Ui().SendMessageTo(main, kEventLoggedMessage, 2, 0);
  }
}
