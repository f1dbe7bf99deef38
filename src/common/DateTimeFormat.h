#pragma once
// The date-time picture language of the event log's time stamps and file
// names, over a given local date-time and the locale's names and pictures.
#include <string>
#include <string_view>

#include "common/DateTimeLocale.h"
#include "platform/Locale.h"

std::string FormatDateTime(std::string_view picture, const platform::LocalDateTime& when,
                           const TDateTimeLocale& locale);
