#pragma once
// The preference store: typed values grouped under keys, kept by the backend
// that OpenPref installs and ClosePref removes.  The public operations never
// pass an error on: they show it in a message box and go on.
#include <cstdint>
#include <memory>
#include <string>

#include "prefstore/PrefsLocationRtns.h"

enum cfgDataScope : std::uint8_t {
  cfgPerUserRoam = 0,
  cfgPerUserNonRoam = 1,
  cfgPerMachine = 2,
};

class TPrefBackend;
class TRegistryObject;
class TIniFileObject;

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

  // The installed backend, whose read operations are the store's reads (they
  // raise on trouble; there is no report around them); null while closed.
  TPrefBackend* Backend() const { return backend_.get(); }

 private:
  friend class TPrefStoreAccess;

  // In this order: the machine's or the only registry key; the user's key of
  // the layered backend; the INI file; its folder (absolute, ending with a
  // backslash) and name; whether the last open placed values machine-wide;
  // and the backend that works on all of them.
  std::unique_ptr<TRegistryObject> primaryRegistry_;
  std::unique_ptr<TRegistryObject> secondaryRegistry_;
  std::unique_ptr<TIniFileObject> iniFile_;
  std::string iniFolder_;
  std::string iniFileName_;
  bool machineWide_ = false;
  std::unique_ptr<TPrefBackend> backend_;
};

// "cfgPerUserRoam", "cfgPerUserNonRoam", "cfgPerMachine"; empty for any other.
std::string cfgDataScopeName(std::uint8_t scope);

// The settings manager supplies ConfigMgr's MachineWidePrefs through this hook,
// so that the store does not include the layer above it.  Unset means false.
using MachineWidePrefsSource = bool (*)();
void SetMachineWidePrefsSource(MachineWidePrefsSource source);
bool MachineWidePrefs();
