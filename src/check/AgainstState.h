#pragma once
// A check that starts from a machine's product keys instead of empty ones:
// the store's own layering rule runs against them, and each value of the
// report says what it does there (new, changed, unchanged, left out) and,
// when per-machine, whether it reaches the machine's key.
#include <string>
#include <vector>

#include "check/CheckReport.h"
#include "check/ProductKeys.h"
#include "platform/AnsiCodePage.h"

// `source` names where the keys came from, for the report.
TCheckReport CheckPrefsFileAgainst(const std::string& fileName, const TProductKeys& keys,
                                   const platform::IAnsiCodePage& codePage,
                                   const std::string& source);

// How the report names the state: the `reg export` files, or (none) this
// machine's registry with whether its machine key is open to this user.
std::string AgainstSource(const std::vector<std::string>& regFiles, const TProductKeys& keys);

// How many values of the report have the change.
std::size_t CountChanges(const TCheckReport& report, TChange change);
// Per-machine values that land in the user's key.
std::size_t CountMachineValuesInUserKey(const TCheckReport& report);
