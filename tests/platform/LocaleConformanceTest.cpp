// The locale seam: the fake is English (United States), which is also what
// Wine runs with here, so under Wine the two must agree item by item.
#include <gtest/gtest.h>

#include <chrono>

#include "platform/Locale.h"
#include "platform/fake/FakeLocale.h"
#ifdef _WIN32
#include "platform/win32/Win32Services.h"
#endif

namespace {

std::vector<unsigned> ItemsTheCoreReads() {
  std::vector<unsigned> items = {platform::lc::kDateSeparator, platform::lc::kTimeSeparator,
                                 platform::lc::kShortDate,     platform::lc::kLongDate,
                                 platform::lc::kTimeClock,     platform::lc::kHourLeadingZero,
                                 platform::lc::kAmDesignator,  platform::lc::kPmDesignator,
                                 platform::lc::kTimeFormat,    platform::lc::kTimeMarkerPosition};
  for (unsigned i = 0; i < 7; ++i) {
    items.push_back(platform::lc::kDayName1 + i);
    items.push_back(platform::lc::kAbbrevDayName1 + i);
  }
  for (unsigned i = 0; i < 12; ++i) {
    items.push_back(platform::lc::kMonthName1 + i);
    items.push_back(platform::lc::kAbbrevMonthName1 + i);
  }
  return items;
}

TEST(FakeLocale, GivesEveryItemTheCoreReads) {
  platform::fake::FakeLocale locale;
  for (unsigned item : ItemsTheCoreReads()) EXPECT_NE(locale.Info(item), "") << item;
  EXPECT_EQ(locale.Info(0xFFFF), "");
}

#ifdef _WIN32
TEST(Win32Locale, AgreesWithTheFakeEnglishLocale) {
  platform::fake::FakeLocale fake;
  platform::ILocale& real = platform::win32::Locale();
  for (unsigned item : ItemsTheCoreReads()) EXPECT_EQ(real.Info(item), fake.Info(item)) << item;
  const platform::LocalDateTime day{2024, 3, 5, 0, 0, 0, 0};
  EXPECT_EQ(real.EraName(day), fake.EraName(day));
  EXPECT_EQ(real.Info(0xFFFF), "");
}

TEST(Win32Locale, NowIsAPlausibleLocalTime) {
  const platform::LocalDateTime now = platform::win32::Locale().Now();
  EXPECT_GE(now.year, 2020);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12);
  EXPECT_TRUE(now.day >= 1 && now.day <= 31);
  EXPECT_TRUE(now.hour >= 0 && now.hour <= 23);
  EXPECT_TRUE(now.millisecond >= 0 && now.millisecond <= 999);
}

TEST(Win32Locale, UtcNowIsTheUtcClock) {
  using namespace std::chrono;
  const platform::LocalDateTime utc = platform::win32::Locale().UtcNow();
  const sys_seconds read = sys_days{year{utc.year} / utc.month / utc.day} + hours{utc.hour} +
                           minutes{utc.minute} + seconds{utc.second};
  const sys_seconds clock = floor<seconds>(system_clock::now());
  EXPECT_LE(abs(clock - read), seconds{2});
}
#endif

}  // namespace
