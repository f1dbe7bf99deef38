#pragma once
// The real Win32 services with the message boxes recorded instead of shown,
// for a test under Wine; everything the process held is restored afterwards.
#include "ScopedProcessState.h"
#include "platform/memory/MemoryUserInterface.h"
#include "platform/win32/Win32Services.h"

namespace testsupport {

struct RealPlatform {
  ScopedProcessState scope;
  platform::memory::MemoryUserInterface ui;

  RealPlatform() {
    platform::win32::InstallServices();
    scope->ui = &ui;
  }
  RealPlatform(const RealPlatform&) = delete;
  RealPlatform& operator=(const RealPlatform&) = delete;
};

}  // namespace testsupport
