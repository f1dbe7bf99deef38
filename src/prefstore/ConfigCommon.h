#pragma once
// The preference store: typed values grouped under keys, kept by the backend
// that OpenPref installs and ClosePref removes.  The public operations never
// pass an error on: they show it in a message box and go on.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "prefstore/DataScope.h"
#include "prefstore/PrefAccess.h"
#include "prefstore/PrefsLocationRtns.h"

class TPrefBackend;

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

  // Whether every open places values machine-wide: the settings manager's
  // MachineWidePrefs switch, which it answers here; a plain store never does.
  virtual bool WantsMachineWidePrefs() const { return false; }

  // The installed backend, whose read operations are the store's reads (they
  // raise on trouble; there is no report around them); null while closed.
  TPrefBackend* Backend() const { return backend_.get(); }

 protected:
  // Makes the backend for a preference location, or none for a location
  // that has no backend.
  using TMakeBackend = std::function<std::unique_ptr<TPrefBackend>()>;
  // OpenPref with `make` in place of the preference location's open: the old
  // backend is closed first and a failure is reported the same way.
  bool OpenPrefWith(std::uint8_t scope, const std::string& key, bool canCreate,
                    const TMakeBackend& make);

 private:
  // The installed backend, which owns whatever the open made for it.
  std::unique_ptr<TPrefBackend> backend_;
};
