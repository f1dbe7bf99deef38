#pragma once
// The settings manager as the event log sees it.  The manager lives in a
// layer above this one, so that layer installs an implementation here;
// without one, the manager counts as not existing and nothing is logged.

class IEventLogSettings {
 public:
  virtual ~IEventLogSettings() = default;

  // Whether the settings manager exists right now; the other calls are made
  // only while it does.
  virtual bool Exists() = 0;
  virtual bool LogUnusualEvents() = 0;
  virtual bool LogDebugEvents() = 0;
  virtual void SetLogUnusualEvents(bool on) = 0;
  virtual void SetLogDebugEvents(bool on) = 0;
  // Writes the "Logs" section, and only that, to the preference store.
  virtual void SaveLogsSection() = 0;
};

// Installs `settings` for the event log (null removes them) and answers what
// was installed before, so that whoever installs can put it back.  The
// object must outlive its installation.
IEventLogSettings* InstallEventLogSettings(IEventLogSettings* settings);

// The installed settings while the manager exists, else null.
IEventLogSettings* EventLogSettings();
// The manager exists and "Log Unusual Events" is on.
bool LoggingUnusualEvents();
