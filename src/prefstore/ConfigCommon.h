#pragma once
// The preference store: typed values grouped under keys, kept by the backend
// that OpenPref installs and ClosePref removes.
//
// PUBLIC API FIXED FOR OTHER UNITS; the store issue fills in the members and
// may add private parts, but keeps these signatures.
#include <cstdint>
#include <string>

#include "prefstore/PrefsLocationRtns.h"

enum cfgDataScope : std::uint8_t {
  cfgPerUserRoam = 0,
  cfgPerUserNonRoam = 1,
  cfgPerMachine = 2,
};

class TConfigBase {
 public:
  TConfigBase();
  virtual ~TConfigBase();
  TConfigBase(const TConfigBase&) = delete;
  TConfigBase& operator=(const TConfigBase&) = delete;

  bool OpenPref(std::uint8_t scope, const std::string& key, bool canCreate, bool readOnly);
  void ClosePref();

  void SetPrefInteger(const std::string& section, const std::string& name, std::int32_t value);
  void SetPrefString(const std::string& section, const std::string& name, const std::string& value);
  void SetPrefBooleanProc(const std::string& section, const std::string& name, bool value);
  void SetPrefBinaryProc(const std::string& section, const std::string& name,
                         const std::uint8_t* buffer, std::int32_t size);
  bool DeletePrefValue(const std::string& section, const std::string& name);
  bool DeletePrefKey(const std::string& key);
  void SetPrefPath(const std::string& section, const std::string& name, const std::string& path);

  std::string GetPrefLocationName() const;
};

// The settings manager supplies ConfigMgr's MachineWidePrefs through this hook,
// so that the store does not include the layer above it.  Unset means false.
using MachineWidePrefsSource = bool (*)();
void SetMachineWidePrefsSource(MachineWidePrefsSource source);
bool MachineWidePrefs();
