#pragma once
// The locale's names, separators and named pictures as the date-time
// picture language uses them.
#include <array>
#include <string>

#include "platform/Locale.h"

// What the picture language takes from the locale.
struct TDateTimeLocale {
  std::string dateSeparator;
  std::string timeSeparator;
  std::array<std::string, 7> shortDayNames;  // Sunday first
  std::array<std::string, 7> longDayNames;
  std::array<std::string, 12> shortMonthNames;
  std::array<std::string, 12> longMonthNames;
  std::string amDesignator;
  std::string pmDesignator;
  std::string eraName;
  // The named pictures: ddddd, dddddd, t and tt.
  std::string shortDatePicture;
  std::string longDatePicture;
  std::string shortTimePicture;
  std::string longTimePicture;
};

// The locale's values, with the short time picture built like the long one.
TDateTimeLocale LoadDateTimeLocale(platform::ILocale& locale);
// Replaces the short time picture by the locale's own time picture, cut
// after its minutes (trailing blanks, ":", "s" and "t" removed), unless
// nothing is left of it.
void ApplyLocaleShortTime(TDateTimeLocale& formats, platform::ILocale& locale);

// Program start: the process-wide locale values, short time picture applied.
void InitDateTimeLocale();
// The values set at program start; before that (and after a reset), what
// the installed locale gives now.
TDateTimeLocale CurrentDateTimeLocale();
void ResetDateTimeLocale();
