// The whole run sequence over an arbitrary raw command line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/Main.h"
#include "support/FakeStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  testsupport::FakeStore env;
  env.process.commandLine.assign(reinterpret_cast<const char*>(data), size);
  RunProgram();
  return 0;
}
