#include "ScopedProcessState.h"

#include "common/DateTimeLocale.h"
#include "prefstore/PrefsLocationRtns.h"

namespace testsupport {

ScopedProcessState::ScopedProcessState()
    : hooks_(UpwardHooks()),
      prefLocation_(PrefLocation),
      eventLogFileName_(EventLogFileName),
      eventLogTimeFormat_(EventLogTimeFormat),
      applicationWindow_(platform::ApplicationWindow()),
      mainWindow_(platform::MainWindow()),
      configMgr_(std::move(ConfigMgr)) {}

ScopedProcessState::~ScopedProcessState() {
  ConfigMgr = std::move(configMgr_);
  platform::SetMainWindow(mainWindow_);
  platform::SetApplicationWindow(applicationWindow_);
  EventLogTimeFormat = eventLogTimeFormat_;
  EventLogFileName = eventLogFileName_;
  PrefLocation = prefLocation_;
  UpwardHooks() = hooks_;
  ResetDateTimeLocale();
}

}  // namespace testsupport
