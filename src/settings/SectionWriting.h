#pragma once
// The pattern every section routine follows: open the section's key, write,
// close the key on every path.
#include <string>

#include "prefstore/ClosePrefOnExit.h"
#include "settings/ConfigManager.h"
#include "settings/SectionKeys.h"

inline constexpr bool kCanCreate = true;

// A key that cannot be opened has been reported by OpenPref; the section is
// then skipped.  `write` gets the section name for the value operations.
template <class Write>
void WithSectionKey(TConfigManager& manager, cfgDataScope scope, const std::string& section,
                    Write write) {
  if (!manager.OpenPref(scope, SectionKeyPath(section), kCanCreate, PrefAccess::readWrite)) return;
  const ClosePrefOnExit closer(manager);
  write(section);
}
