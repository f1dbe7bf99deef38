#pragma once
// Everything this process holds beyond its stack, saved for the length of a
// test and put back afterwards: the installed services, the event log's
// settings (none during the test), the preference location, the event log's
// file name and time picture, the two window handles and the settings manager
// ConfigMgr, which is moved aside.
// The program-start date-time locale and the unattended log's failed files
// are forgotten at the end.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "common/DateTimeLocale.h"
#include "common/EventLog.h"
#include "common/EventLogSettings.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UnattendedLog.h"
#include "prefstore/PrefsLocationRtns.h"
#include "settings/ConfigManager.h"

namespace testsupport {

class ScopedProcessState {
 public:
  ScopedProcessState()
      : eventLogSettings_(InstallEventLogSettings(nullptr)),
        prefLocation_(PrefLocation),
        eventLogFileName_(EventLogFileName),
        eventLogTimeFormat_(EventLogTimeFormat),
        applicationWindow_(platform::ApplicationWindow()),
        mainWindow_(platform::MainWindow()),
        configMgr_(std::move(ConfigMgr)) {}
  ~ScopedProcessState() {
    ConfigMgr = std::move(configMgr_);
    platform::SetMainWindow(mainWindow_);
    platform::SetApplicationWindow(applicationWindow_);
    EventLogTimeFormat = eventLogTimeFormat_;
    EventLogFileName = eventLogFileName_;
    PrefLocation = prefLocation_;
    InstallEventLogSettings(eventLogSettings_);
    ResetDateTimeLocale();
    platform::ForgetFailedUnattendedFiles();
  }
  ScopedProcessState(const ScopedProcessState&) = delete;
  ScopedProcessState& operator=(const ScopedProcessState&) = delete;

  platform::Services* operator->() { return services_.operator->(); }

 private:
  platform::ScopedServices services_;
  IEventLogSettings* eventLogSettings_;
  std::uint8_t prefLocation_;
  TEventLogFileName eventLogFileName_;
  std::string eventLogTimeFormat_;
  platform::WindowHandle applicationWindow_;
  platform::WindowHandle mainWindow_;
  std::unique_ptr<TConfigManager> configMgr_;
};

}  // namespace testsupport
