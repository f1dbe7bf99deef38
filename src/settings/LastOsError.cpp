#include "settings/LastOsError.h"

namespace {
LastOsErrorTextSource source = nullptr;
}  // namespace

LastOsErrorTextSource SetLastOsErrorTextSource(LastOsErrorTextSource newSource) {
  const LastOsErrorTextSource previous = source;
  source = newSource;
  return previous;
}

std::string LastOsErrorText() { return source != nullptr ? source() : std::string(); }
