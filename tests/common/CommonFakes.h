#pragma once
// The fake platform with a settings manager the event log can see, the
// preferences in the registry and the event log's process-wide state
// cleared; everything the process held is restored afterwards.
#include "common/DateTimeLocale.h"
#include "common/EventLog.h"
#include "common/EventLogSettings.h"
#include "common/PrefLocation.h"
#include "support/FakePlatform.h"

namespace testsupport {

// The settings manager's logging switches, and what was saved.
class FakeEventLogSettings final : public IEventLogSettings {
 public:
  bool exists = true;
  bool unusual = false;
  bool debug = false;
  // The two switches as each save of "Logs" found them.
  std::vector<std::pair<bool, bool>> saves;

  bool Exists() override { return exists; }
  bool LogUnusualEvents() override { return unusual; }
  bool LogDebugEvents() override { return debug; }
  void SetLogUnusualEvents(bool on) override { unusual = on; }
  void SetLogDebugEvents(bool on) override { debug = on; }
  void SaveLogsSection() override { saves.emplace_back(unusual, debug); }
};

class CommonFakes : public FakePlatform {
 public:
  FakeEventLogSettings settings;

  CommonFakes() {
    PrefLocation = plRegistry;
    InstallEventLogSettings(&settings);
    ClearEventLogState();
  }
  ~CommonFakes() { InstallEventLogSettings(nullptr); }
  CommonFakes(const CommonFakes&) = delete;
  CommonFakes& operator=(const CommonFakes&) = delete;

 private:
  static void ClearEventLogState() {
    EventLogFileName.clear();
    EventLogTimeFormat.clear();
    ResetDateTimeLocale();
  }
};

}  // namespace testsupport
