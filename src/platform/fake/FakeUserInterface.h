#pragma once
// The store's and the run sequence's tests know the in-memory user interface
// by the name of the part it plays there.
#include "platform/memory/MemoryUserInterface.h"

namespace platform::fake {

using FakeUserInterface = memory::MemoryUserInterface;

}  // namespace platform::fake
