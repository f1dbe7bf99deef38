#pragma once
// Installs fresh fakes of every service but the XML parser and the private
// profile (a registry, user interface, process, shell folders, fonts, file
// system and locale) for the length of a test, and restores everything the
// process held afterwards.
#include "ScopedProcessState.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeFonts.h"
#include "platform/fake/FakeLocale.h"
#include "platform/fake/FakeProcess.h"
#include "platform/fake/FakeShellFolders.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryUserInterface.h"

namespace testsupport {

struct FakePlatform {
  ScopedProcessState scope;
  platform::memory::MemoryRegistry registry;
  platform::memory::MemoryUserInterface ui;
  platform::fake::FakeProcess process;
  platform::fake::FakeShellFolders shellFolders;
  platform::fake::FakeFonts fonts;
  platform::fake::FakeFileSystem fileSystem;
  platform::fake::FakeLocale locale;

  FakePlatform() {
    scope->registry = &registry;
    scope->ui = &ui;
    scope->process = &process;
    scope->shellFolders = &shellFolders;
    scope->fonts = &fonts;
    scope->fileSystem = &fileSystem;
    scope->locale = &locale;
  }
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;
};

}  // namespace testsupport
