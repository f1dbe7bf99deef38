#pragma once
// The event log: one line appended to a text file for each unusual event,
// while the settings manager's "Log Unusual Events" is on.
#include <iosfwd>
#include <string>
#include <string_view>

// The log file's name, read and written like a string.  The default name asks
// the shell for a folder, and loading the shell costs a run much of its
// start-up although most runs never log: so the default is set as pending and
// worked out when the name is first read, giving the name the shell gives at
// that moment, as start-up would have.
class TEventLogFileName {
 public:
  TEventLogFileName& operator=(std::string name);
  // The default name, in the local application-data folder.
  void SetDefault();
  void clear() { *this = std::string(); }

  const std::string& get() const;
  operator const std::string&() const { return get(); }
  bool empty() const { return get().empty(); }

  friend bool operator==(const TEventLogFileName& name, std::string_view text) {
    return name.get() == text;
  }
  friend std::ostream& operator<<(std::ostream& out, const TEventLogFileName& name);

 private:
  mutable std::string name_;
  mutable bool defaultPending_ = false;
};

// The log file's name, which may hold one "<picture/>" date token, and the
// picture of the time stamps.  Set at start-up; filled by LogEvent when
// still empty.
extern TEventLogFileName EventLogFileName;
extern std::string EventLogTimeFormat;

// Sent to the main window after every entry that passed the gate
// (WM_APP + 1004, wParam 2, lParam 0).
constexpr unsigned kEventLoggedMessage = 0x83EC;

// Start-up: the file name from the manager's "Logs Path", the program's own
// file name and "Events File"; the time-stamp picture from "Log Format".
void ConfigureEventLog(const std::string& logsPath, const std::string& eventsFile,
                       const std::string& logFormat);

// folder\name+suffix.log when all three are given; else the program's
// "<name>_Events.log" in "Orlavex" under the local application-data folder.
std::string GetEventLogFileName(const std::string& folder, const std::string& name,
                                const std::string& suffix);

// The name with "<picture/>" replaced by the current local date and time.
std::string ExpandLogFileDate(const std::string& fileName);

// The long date and long time pictures, with milliseconds after the seconds.
std::string DefaultEventLogTimeFormat();

// Appends one entry, with the time stamp in front when `withTime`.  Never
// raises; a failed write ends in a message box.
void LogEvent(const std::string& message, bool withTime);

// Writes `line` and CR LF, trying up to six times; `attempt` is 1 and
// `earlierErrors` empty on the first call.
void WriteLogLine(const std::string& line, const std::string& fileName, int attempt,
                  const std::string& earlierErrors);
