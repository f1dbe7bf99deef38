// The whole run sequence over an arbitrary raw command line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Services.h"
#include "platform/fake/FakeProcess.h"
#include "platform/fake/FakeUserInterface.h"
#include "shell/Main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::fake::FakeUserInterface ui;
  platform::fake::FakeProcess process;
  process.commandLine.assign(reinterpret_cast<const char*>(data), size);
  platform::ScopedServices scope;
  scope->ui = &ui;
  scope->process = &process;
  RunProgram();
  return 0;
}
