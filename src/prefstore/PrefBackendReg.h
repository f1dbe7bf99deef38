#pragma once
// What the two registry backends share: each owns the registry objects it
// works on, made by the open routine that chose it, and releases them with
// their keys when it closes.
#include <memory>
#include <string>

#include "platform/Error.h"
#include "prefstore/PrefAccess.h"
#include "prefstore/PrefBackend.h"
#include "prefstore/RegistryObject.h"

class TPrefBackendReg : public TPrefBackend {
 protected:
  using OwnedObject = std::unique_ptr<TRegistryObject>;

  TPrefBackendReg(PrefAccess access, bool machineWide)
      : TPrefBackend(machineWide), access_(access) {}

  // Opens `key` in `object` as the open asked: for reading only, or for
  // writing and, with `canCreate`, created when missing.
  bool OpenWithAccess(TRegistryObject& object, const std::string& key, bool canCreate) const {
    return access_ == PrefAccess::read ? object.OpenKeyReadOnly(key)
                                       : object.OpenKey(key, canCreate);
  }

  // An object already released raises like a key that is not open.
  static TRegistryObject& Opened(const OwnedObject& object) {
    if (!object) throw EProgramError("No registry key is open");
    return *object;
  }

 private:
  PrefAccess access_;
};
