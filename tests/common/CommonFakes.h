#pragma once
// Fresh fakes for every service the common services reach, restored
// afterwards, with the preferences placed beside the program or not.
#include "common/SpecialFolders.h"
#include "platform/Services.h"
#include "platform/fake/FakeProcess.h"
#include "platform/fake/FakeShellFolders.h"
#include "platform/fake/FakeUserInterface.h"

namespace testsupport {

class CommonFakes {
 public:
  platform::ScopedServices scope;
  platform::fake::FakeUserInterface ui;
  platform::fake::FakeProcess process;
  platform::fake::FakeShellFolders shellFolders;

  CommonFakes() : savedSource_(SetPrefsOnUSBSource([] { return onUSB; })) {
    scope->ui = &ui;
    scope->process = &process;
    scope->shellFolders = &shellFolders;
    onUSB = false;
  }
  ~CommonFakes() {
    SetPrefsOnUSBSource(savedSource_);
    onUSB = false;
  }
  CommonFakes(const CommonFakes&) = delete;
  CommonFakes& operator=(const CommonFakes&) = delete;

  // Read by the installed source; one test at a time uses it.
  static inline bool onUSB = false;

 private:
  PrefsOnUSBSource savedSource_;
};

}  // namespace testsupport
