#include "common/DateTimeLocale.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "platform/Services.h"

namespace {

std::optional<TDateTimeLocale> programLocale;

std::string InfoOr(platform::ILocale& locale, unsigned item, const char* fallback) {
  std::string value = locale.Info(item);
  return value.empty() ? fallback : value;
}

bool IsNonZero(const std::string& number) { return std::atoi(number.c_str()) != 0; }

// h or hh, the minutes (and seconds), and the AM/PM marker where the clock
// has twelve hours.
std::string TimePicture(platform::ILocale& locale, const char* minutesAndSeconds) {
  std::string picture = locale.Info(platform::lc::kHourLeadingZero) == "1" ? "hh" : "h";
  picture += minutesAndSeconds;
  if (!IsNonZero(locale.Info(platform::lc::kTimeClock))) {
    if (IsNonZero(locale.Info(platform::lc::kTimeMarkerPosition))) {
      picture = "AMPM " + picture;
    } else {
      picture += " AMPM";
    }
  }
  return picture;
}

}  // namespace

TDateTimeLocale LoadDateTimeLocale(platform::ILocale& locale) {
  TDateTimeLocale result;
  result.dateSeparator = InfoOr(locale, platform::lc::kDateSeparator, "/");
  result.timeSeparator = InfoOr(locale, platform::lc::kTimeSeparator, ":");
  for (unsigned day = 0; day < 7; ++day) {
    // The locale counts from Monday; the pictures from Sunday.
    const unsigned item = (day + 6) % 7;
    result.longDayNames[day] = locale.Info(platform::lc::kDayName1 + item);
    result.shortDayNames[day] = locale.Info(platform::lc::kAbbrevDayName1 + item);
  }
  for (unsigned month = 0; month < 12; ++month) {
    result.longMonthNames[month] = locale.Info(platform::lc::kMonthName1 + month);
    result.shortMonthNames[month] = locale.Info(platform::lc::kAbbrevMonthName1 + month);
  }
  result.amDesignator = locale.Info(platform::lc::kAmDesignator);
  result.pmDesignator = locale.Info(platform::lc::kPmDesignator);
  result.eraName = locale.EraName(locale.Now());
  result.shortDatePicture = InfoOr(locale, platform::lc::kShortDate, "m/d/yy");
  result.longDatePicture = InfoOr(locale, platform::lc::kLongDate, "mmmm d, yyyy");
  result.shortTimePicture = TimePicture(locale, ":mm");
  result.longTimePicture = TimePicture(locale, ":mm:ss");
  return result;
}

void ApplyLocaleShortTime(TDateTimeLocale& formats, platform::ILocale& locale) {
  std::string picture = locale.Info(platform::lc::kTimeFormat);
  while (!picture.empty() && std::string_view(" :st").find(picture.back()) != std::string::npos) {
    picture.pop_back();
  }
  if (!picture.empty()) formats.shortTimePicture = picture;
}

void InitDateTimeLocale() {
  TDateTimeLocale formats = LoadDateTimeLocale(platform::Locale());
  ApplyLocaleShortTime(formats, platform::Locale());
  programLocale = std::move(formats);
}

TDateTimeLocale CurrentDateTimeLocale() {
  return programLocale ? *programLocale : LoadDateTimeLocale(platform::Locale());
}

void ResetDateTimeLocale() { programLocale.reset(); }
