#include "settings/ConfigManager.h"

std::unique_ptr<TConfigManager> ConfigMgr;

TConfigManager::TConfigManager() = default;
TConfigManager::~TConfigManager() = default;

void CreateConfigMgr() {
  ConfigMgr = std::make_unique<TConfigManager>();
  SetMachineWidePrefsSource([] { return ConfigMgr && ConfigMgr->MachineWidePrefs; });
}

void FreeConfigMgr() { ConfigMgr.reset(); }
