// The event log sits below the settings manager and reads its switches
// through this adapter, which follows ConfigMgr wherever it is.
#include "common/EventLogSettings.h"
#include "settings/ConfigManager.h"

namespace {

class ConfigMgrEventLogSettings final : public IEventLogSettings {
 public:
  bool Exists() override { return ConfigMgr != nullptr; }
  bool LogUnusualEvents() override { return ConfigMgr->LogUnusualEvents; }
  bool LogDebugEvents() override { return ConfigMgr->LogDebugEvents; }
  void SetLogUnusualEvents(bool on) override { ConfigMgr->LogUnusualEvents = on; }
  void SetLogDebugEvents(bool on) override { ConfigMgr->LogDebugEvents = on; }
  void SaveLogsSection() override { ConfigMgr->saveSettings(cfgLogs); }
};

}  // namespace

void ConnectConfigMgrToEventLog() {
  static ConfigMgrEventLogSettings settings;
  InstallEventLogSettings(&settings);
}
