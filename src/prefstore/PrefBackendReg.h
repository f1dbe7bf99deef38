#pragma once
// What the two registry backends share: the store whose registry objects they
// work on, and closing, which releases those objects with their keys.
#include "prefstore/PrefBackend.h"
#include "prefstore/RegistryObject.h"

class TPrefBackendReg : public TPrefBackend {
 public:
  explicit TPrefBackendReg(TConfigBase& store) : store_(store) {}

  // Closing a key does not ask the registry to flush it.
  void ClosePref() override {
    TPrefStoreAccess::PrimaryRegistry(store_).reset();
    TPrefStoreAccess::SecondaryRegistry(store_).reset();
  }

 protected:
  // The machine's key, or the only key; the user's key of the layered backend.
  // An operation on a store whose objects are already released raises like a
  // key that is not open.
  TRegistryObject& Primary() { return Object(TPrefStoreAccess::PrimaryRegistry(store_)); }
  TRegistryObject& Secondary() { return Object(TPrefStoreAccess::SecondaryRegistry(store_)); }

 private:
  TRegistryObject& Object(std::unique_ptr<TRegistryObject>& object) {
    if (!object) object = std::make_unique<TRegistryObject>(platform::reg::kCurrentUser);
    return *object;
  }

  TConfigBase& store_;
};
