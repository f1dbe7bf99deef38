#pragma once
// A store whose machine-wide switch the test sets, as the settings manager's
// MachineWidePrefs would be, and a look at what its open made.
#include "prefstore/ConfigCommon.h"
#include "prefstore/PrefBackend.h"

namespace storetest {

class TestStore : public TConfigBase {
 public:
  bool machineWidePrefs = false;
  bool WantsMachineWidePrefs() const override { return machineWidePrefs; }

  // The installed backend as a `Kind`, or null when another kind (or none)
  // is installed.
  template <class Kind>
  const Kind* BackendAs() const {
    return dynamic_cast<const Kind*>(Backend());
  }
};

}  // namespace storetest
