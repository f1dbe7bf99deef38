#pragma once
// The preference store: typed values grouped under keys, kept by the backend
// that OpenPref installs and ClosePref removes.  The public operations never
// pass an error on: they show it in a message box and go on.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "prefstore/PrefAccess.h"
#include "prefstore/PrefsLocationRtns.h"

enum cfgDataScope : std::uint8_t {
  cfgPerUserRoam = 0,
  cfgPerUserNonRoam = 1,
  cfgPerMachine = 2,
};

class TPrefBackend;
class TRegistryObject;
class TIniFileObject;

// The store's members as an open lends them out: the open of a preference
// location makes the objects it needs here and installs a backend that holds
// exactly those objects.  Nothing else reaches the members.
struct TPrefStoreSlots {
  std::unique_ptr<TRegistryObject>& primaryRegistry;
  std::unique_ptr<TRegistryObject>& secondaryRegistry;
  std::unique_ptr<TIniFileObject>& iniFile;
  std::string& iniFolder;
  std::string& iniFileName;
  bool& machineWide;
  std::unique_ptr<TPrefBackend>& backend;
};

class TConfigBase {
 public:
  TConfigBase();
  virtual ~TConfigBase();
  TConfigBase(const TConfigBase&) = delete;
  TConfigBase& operator=(const TConfigBase&) = delete;

  bool OpenPref(std::uint8_t scope, const std::string& key, bool canCreate, PrefAccess access);
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

  // What the last open made, to look at; only an open changes it.
  const TRegistryObject* PrimaryRegistry() const { return primaryRegistry_.get(); }
  const TRegistryObject* SecondaryRegistry() const { return secondaryRegistry_.get(); }
  const TIniFileObject* IniFile() const { return iniFile_.get(); }
  const std::string& IniFolder() const { return iniFolder_; }
  const std::string& IniFileName() const { return iniFileName_; }
  bool MachineWide() const { return machineWide_; }

 protected:
  using TOpenRoutine = std::function<bool(TPrefStoreSlots&)>;
  // OpenPref with `open` in place of the preference location's open: the old
  // backend is closed first and a failure is reported the same way.
  bool OpenPrefWith(std::uint8_t scope, const std::string& key, bool canCreate,
                    const TOpenRoutine& open);

 private:
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

// ConfigMgr's MachineWidePrefs, as the settings manager's hook answers.
bool MachineWidePrefs();
