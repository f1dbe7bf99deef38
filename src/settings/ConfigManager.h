#pragma once
// The settings manager: the product's settings in memory, saved section by
// section through the preference store it derives from.
//
// FOUNDATION STUB: only the members the run sequence reads; the settings issue
// completes the class with every group, the section table and saveSettings.
#include <memory>
#include <string>

#include "prefstore/ConfigCommon.h"

class TConfigManager : public TConfigBase {
 public:
  TConfigManager();
  ~TConfigManager() override;

  bool MachineWidePrefs = false;

  std::string LogsPath;
  std::string EventsFile;
  std::string LogFormat;
};

// The program's one settings manager, from FormCreate to FormDestroy.
extern std::unique_ptr<TConfigManager> ConfigMgr;
void CreateConfigMgr();
void FreeConfigMgr();
