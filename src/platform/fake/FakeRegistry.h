#pragma once
// The store's tests know the in-memory registry by the name of the part it
// plays there.
#include "platform/memory/MemoryRegistry.h"

namespace platform::fake {

using FakeRegistry = memory::MemoryRegistry;

}  // namespace platform::fake
