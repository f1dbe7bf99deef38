#pragma once
// The user's locale settings as GetLocaleInfoA gives them, and the local
// clock.
#include <string>

namespace platform {

// A date and time, SYSTEMTIME-shaped (month 1-12, day 1-31); local unless
// said otherwise.
struct LocalDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// Locale items with their Win32 values, under names that cannot collide with
// <windows.h> macros.  Day names run from Monday (kDayName1) to Sunday.
namespace lc {
constexpr unsigned kDateSeparator = 0x1D;
constexpr unsigned kTimeSeparator = 0x1E;
constexpr unsigned kShortDate = 0x1F;
constexpr unsigned kLongDate = 0x20;
constexpr unsigned kTimeClock = 0x23;        // "0": 12-hour, "1": 24-hour
constexpr unsigned kHourLeadingZero = 0x25;  // "1": hours with a leading zero
constexpr unsigned kAmDesignator = 0x28;
constexpr unsigned kPmDesignator = 0x29;
constexpr unsigned kDayName1 = 0x2A;
constexpr unsigned kAbbrevDayName1 = 0x31;
constexpr unsigned kMonthName1 = 0x38;
constexpr unsigned kAbbrevMonthName1 = 0x44;
constexpr unsigned kTimeFormat = 0x1003;
constexpr unsigned kTimeMarkerPosition = 0x1005;  // non-zero: marker in front
}  // namespace lc

class ILocale {
 public:
  virtual ~ILocale() = default;

  // GetLocaleInfoA for the user's locale; empty when the locale has none.
  virtual std::string Info(unsigned item) = 0;
  // The era name of the user's calendar for a date (the Gregorian calendar
  // has one); empty when the locale gives none.
  virtual std::string EraName(const LocalDateTime& when) = 0;
  // GetLocalTime.
  virtual LocalDateTime Now() = 0;
  // GetSystemTime: the same clock in UTC.
  virtual LocalDateTime UtcNow() = 0;
};

}  // namespace platform
