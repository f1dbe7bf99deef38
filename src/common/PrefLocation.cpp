#include "common/PrefLocation.h"

std::uint8_t PrefLocation = WRENFOLD_PREF_LOCATION;
