#pragma once
// Installs fresh fakes for the services a test needs, and restores the
// previous services afterwards.
#include "platform/Services.h"
#include "platform/fake/FakeProcess.h"
#include "platform/fake/FakeUserInterface.h"

namespace testsupport {

struct FakeShellEnvironment {
  platform::ScopedServices scope;
  platform::fake::FakeUserInterface ui;
  platform::fake::FakeProcess process;

  FakeShellEnvironment() {
    scope->ui = &ui;
    scope->process = &process;
  }
};

}  // namespace testsupport
