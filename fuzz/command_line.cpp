// The whole run sequence over an arbitrary raw command line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/Main.h"
#include "support/FakePlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  testsupport::FakePlatform env;
  env.process.commandLine.assign(reinterpret_cast<const char*>(data), size);
  RunProgram();
  return 0;
}
