#pragma once
// Everything this process holds beyond its stack, saved for the length of a
// test and put back afterwards: the installed services, the upward hooks, the
// preference location, the event log's file name and time picture, the two
// window handles and the settings manager ConfigMgr, which is moved aside.
// The program-start date-time locale is forgotten at the end.
#include <cstdint>
#include <memory>
#include <string>

#include "common/EventLog.h"
#include "common/UpwardHooks.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "settings/ConfigManager.h"

namespace testsupport {

class ScopedProcessState {
 public:
  ScopedProcessState();
  ~ScopedProcessState();
  ScopedProcessState(const ScopedProcessState&) = delete;
  ScopedProcessState& operator=(const ScopedProcessState&) = delete;

  platform::Services* operator->() { return services_.operator->(); }

 private:
  platform::ScopedServices services_;
  TUpwardHooks hooks_;
  std::uint8_t prefLocation_;
  TEventLogFileName eventLogFileName_;
  std::string eventLogTimeFormat_;
  platform::WindowHandle applicationWindow_;
  platform::WindowHandle mainWindow_;
  std::unique_ptr<TConfigManager> configMgr_;
};

}  // namespace testsupport
