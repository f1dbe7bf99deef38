#pragma once
// What the two registry backends share: each holds the store's registry
// objects it works on, lent by the open that installed it, and releases them
// with their keys when it closes.
#include <memory>

#include "platform/Error.h"
#include "prefstore/PrefBackend.h"
#include "prefstore/RegistryObject.h"

class TPrefBackendReg : public TPrefBackend {
 protected:
  using Slot = std::unique_ptr<TRegistryObject>;

  // An object already released raises like a key that is not open.
  static TRegistryObject& Opened(const Slot& object) {
    if (!object) throw EProgramError("No registry key is open");
    return *object;
  }
};
