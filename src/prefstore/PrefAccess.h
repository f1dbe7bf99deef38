#pragma once
// What an open of the store may do with its key.  A read open never creates
// the key and never probes whether it could be written.
#include <cstdint>

enum class PrefAccess : std::uint8_t { readWrite, read };
