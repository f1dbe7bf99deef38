#pragma once
// Reads the product keys out of a `reg export` file: UTF-16 LE with its
// byte-order mark ("Windows Registry Editor Version 5.00", as Windows' and
// Wine's reg write it) or ANSI ("REGEDIT4", texts in the ANSI code page).
// Keys outside the product keys of HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE
// are passed over; deletions ("[-key]", "name"=-) take effect in order.
#include <string>
#include <vector>

#include "check/ProductKeys.h"
#include "platform/AnsiCodePage.h"

// Adds the file's keys to `keys` (a later file's values replace an earlier
// one's).  False with the reason (and the line) in `error` for a file that is
// not a registry file or holds a line that cannot be read: a check must not
// start from a guess.
bool ReadRegExport(const std::string& bytes, const platform::IAnsiCodePage& codePage,
                   TProductKeys& keys, std::string& error);

// The keys from `reg export` files (one per root, as reg writes them), or
// from the live registry when there are none.
bool LoadProductKeys(const std::vector<std::string>& regFiles, const TMachineAccess& machine,
                     TProductKeys& keys, std::string& error);
