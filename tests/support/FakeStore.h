#pragma once
// Installs fresh fakes of every service but the XML parser and the private
// profile (a registry, user interface, process, shell folders, fonts, file
// system and locale) for a test of the preference store or anything that
// writes through it, and restores everything the process held afterwards.
#include "ScopedProcessState.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeFonts.h"
#include "platform/fake/FakeLocale.h"
#include "platform/fake/FakeProcess.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeShellFolders.h"
#include "platform/fake/FakeUserInterface.h"

namespace testsupport {

struct FakeStore {
  ScopedProcessState scope;
  platform::fake::FakeRegistry registry;
  platform::fake::FakeUserInterface ui;
  platform::fake::FakeProcess process;
  platform::fake::FakeShellFolders shellFolders;
  platform::fake::FakeFonts fonts;
  platform::fake::FakeFileSystem fileSystem;
  platform::fake::FakeLocale locale;

  FakeStore() {
    scope->registry = &registry;
    scope->ui = &ui;
    scope->process = &process;
    scope->shellFolders = &shellFolders;
    scope->fonts = &fonts;
    scope->fileSystem = &fileSystem;
    scope->locale = &locale;
  }
  FakeStore(const FakeStore&) = delete;
  FakeStore& operator=(const FakeStore&) = delete;
};

}  // namespace testsupport
