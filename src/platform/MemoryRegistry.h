#pragma once
// A registry that lives in memory, for running the program's own import
// without writing anything anywhere.  Code above the platform asks for one
// here; platform/memory/ makes it, in every build that links the tools.
#include <memory>

#include "platform/Registry.h"

namespace platform {

class IMemoryRegistry : public IRegistry {
 public:
  // When set, the user is no administrator: below the machine root, opening
  // or creating a key with rights that modify, creating a key, and every
  // change through an existing handle give kAccessDenied; reading is allowed.
  virtual void SetMachineReadOnly(bool readOnly) = 0;
};

// An empty registry with the two roots, behaving as Wine's does.
std::unique_ptr<IMemoryRegistry> NewMemoryRegistry();

}  // namespace platform
