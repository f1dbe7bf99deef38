#include "platform/fake/FakeLocale.h"

#include <array>

namespace platform::fake {

FakeLocale::FakeLocale() {
  items = {
      {lc::kDateSeparator, "/"},       {lc::kTimeSeparator, ":"},
      {lc::kShortDate, "M/d/yyyy"},    {lc::kLongDate, "dddd, MMMM d, yyyy"},
      {lc::kTimeClock, "0"},           {lc::kHourLeadingZero, "0"},
      {lc::kAmDesignator, "AM"},       {lc::kPmDesignator, "PM"},
      {lc::kTimeFormat, "h:mm:ss tt"}, {lc::kTimeMarkerPosition, "0"},
  };
  static constexpr std::array<const char*, 7> kDays = {
      "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
  static constexpr std::array<const char*, 7> kShortDays = {"Mon", "Tue", "Wed", "Thu",
                                                            "Fri", "Sat", "Sun"};
  static constexpr std::array<const char*, 12> kMonths = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  static constexpr std::array<const char*, 12> kShortMonths = {
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (unsigned i = 0; i < kDays.size(); ++i) {
    items[lc::kDayName1 + i] = kDays[i];
    items[lc::kAbbrevDayName1 + i] = kShortDays[i];
  }
  for (unsigned i = 0; i < kMonths.size(); ++i) {
    items[lc::kMonthName1 + i] = kMonths[i];
    items[lc::kAbbrevMonthName1 + i] = kShortMonths[i];
  }
}

std::string FakeLocale::Info(unsigned item) {
  const auto found = items.find(item);
  return found == items.end() ? std::string() : found->second;
}

}  // namespace platform::fake
