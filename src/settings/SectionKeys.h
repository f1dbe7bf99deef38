#pragma once
// Where a section's values go: the key path below the product key and the
// section name that the store's value operations take.
#include <string>
#include <string_view>

#include "prefstore/ConfigCommon.h"
#include "settings/Sections.h"

// "Software\Orlavex\Wrenfold 4\" followed by the section; the empty section
// gives the product key with its trailing backslash.
std::string SectionKeyPath(std::string_view section);

std::string SectionName(cfgSection section);

// The data scope the section is saved in; cfgPerUserRoam for a section that
// nothing saves.
cfgDataScope SectionDataScope(cfgSection section);

// "Windows\<program file name without folder and last extension>_MainWin":
// every program file name keeps a main-window layout of its own.
std::string MainWindowSection(std::string_view programFileName);

// "$Temp\\Search History", with two backslashes in a row.
std::string SearchHistorySection();
