#include "prefstore/ConfigCommon.h"

#include "common/FolderPlaceholders.h"
#include "common/Strings.h"
#include "platform/Error.h"
#include "platform/Ui.h"
#include "prefstore/PrefBackend.h"
#include "prefstore/PrefFileOpen.h"
#include "prefstore/PrefRegistryOpen.h"
#include "prefstore/StoreErrors.h"

namespace {

// Runs one public operation on the installed backend.  A closed store raises
// `notOpen`; whatever the operation raises is shown, captioned with its name,
// and goes no further.
template <class Operation>
auto Guarded(TPrefBackend* backend, const char* name, const char* notOpen, Operation operation)
    -> decltype(operation(*backend)) {
  try {
    if (backend == nullptr) throw EProgramError(notOpen);
    return operation(*backend);
  } catch (const EProgramError& error) {
    ShowStoreError(nullptr, std::string(" Error: ") + name,
                   std::string(name) + ": " + error.what());
  }
  return decltype(operation(*backend))();
}

}  // namespace

TConfigBase::TConfigBase() = default;
TConfigBase::~TConfigBase() = default;

bool TConfigBase::OpenPref(std::uint8_t scope, const std::string& key, bool canCreate,
                           PrefAccess access) {
  return OpenPrefWith(scope, key, canCreate, [&]() -> std::unique_ptr<TPrefBackend> {
    switch (PrefLocation) {
      case plRegistry: return RegistryPrefBackend(scope, key, access, WantsMachineWidePrefs());
      case plRegistryDirect: return RegistryDirectPrefBackend(scope, WantsMachineWidePrefs());
      case plFile: return FilePrefBackend(scope, WantsMachineWidePrefs());
      case plOnUSB: return OnUSBPrefBackend();
      default: return nullptr;
    }
  });
}

bool TConfigBase::OpenPrefWith(std::uint8_t scope, const std::string& key, bool canCreate,
                               const TMakeBackend& make) {
  bool opened = false;
  bool raised = false;
  std::string errorText;
  try {
    // A store left open is closed first; if that fails, the old backend stays.
    if (backend_) {
      backend_->ClosePref();
      backend_.reset();
    }
    // Installed before it opens: a backend whose open fails or raises is
    // still there for the ClosePref that follows.
    backend_ = make();
    opened = backend_ != nullptr && backend_->OpenPref(key, canCreate);
  } catch (const EProgramError& error) {
    raised = true;
    opened = false;
    errorText = error.what();
  }
  if (raised || (!opened && canCreate)) {
    ShowStoreError(platform::ApplicationWindow(), " OpenPref Error",
                   "OpenPref Error: Unable to open Preferences.\r\n\r\nPrefLocation: " +
                       GetPrefLocationName() + "\r\ncfgDataScope: " + cfgDataScopeName(scope) +
                       "\r\nKey: " + key + "\r\n\r\n" + errorText);
  }
  return opened;
}

void TConfigBase::ClosePref() {
  Guarded(backend_.get(), "ClosePref", "Error: ClosePref", [this](TPrefBackend& backend) {
    backend.ClosePref();
    backend_.reset();
  });
}

void TConfigBase::SetPrefInteger(const std::string& section, const std::string& name,
                                 std::int32_t value) {
  Guarded(backend_.get(), "SetPrefInteger", "Error writing integer to preferences: SetPrefInteger",
          [&](TPrefBackend& backend) { backend.SetPrefInteger(section, name, value); });
}

void TConfigBase::SetPrefString(const std::string& section, const std::string& name,
                                const std::string& value) {
  Guarded(backend_.get(), "SetPrefString", "Error writing string to preferences: SetPrefString",
          [&](TPrefBackend& backend) { backend.SetPrefString(section, name, value); });
}

void TConfigBase::SetPrefBooleanProc(const std::string& section, const std::string& name,
                                     bool value) {
  Guarded(backend_.get(), "SetPrefBooleanProc",
          "Error writing boolean to preferences: SetPrefBooleanProc",
          [&](TPrefBackend& backend) { backend.SetPrefBoolean(section, name, value); });
}

void TConfigBase::SetPrefBinaryProc(const std::string& section, const std::string& name,
                                    const std::uint8_t* buffer, std::int32_t size) {
  Guarded(backend_.get(), "SetPrefBinaryProc",
          "Error writing binary data to preferences: SetPrefBinaryProc",
          [&](TPrefBackend& backend) {
            // A negative size or a missing buffer would hand the backend
            // memory that is not the caller's: refused here for every backend.
            if (size < 0 || (buffer == nullptr && size > 0)) {
              FailedToSet(name);
            }
            backend.SetPrefBinary(section, name, buffer, size);
          });
}

bool TConfigBase::DeletePrefValue(const std::string& section, const std::string& name) {
  return Guarded(backend_.get(), "DeletePrefValue",
                 "Error deleting value from preferences: DeletePrefValue",
                 [&](TPrefBackend& backend) { return backend.DeletePrefValue(section, name); });
}

bool TConfigBase::DeletePrefKey(const std::string& key) {
  return Guarded(backend_.get(), "DeletePrefKey",
                 "Error deleting key from preferences: DeletePrefKey",
                 [&](TPrefBackend& backend) { return backend.DeletePrefKey(key); });
}

void TConfigBase::SetPrefPath(const std::string& section, const std::string& name,
                              const std::string& path) {
  // Placeholders keep a stored path valid when the folder or the drive letter
  // differs on the machine that reads it.
  const std::string trimmed = Trim(path);
  SetPrefString(section, name,
                PrefLocation == plOnUSB ? InsertExeDrivePlaceholder(trimmed)
                                        : InsertFolderPlaceholders(trimmed));
}

std::string TConfigBase::GetPrefLocationName() const {
  return PrefLocationDisplayName(PrefLocation);
}
