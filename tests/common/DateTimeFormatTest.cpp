#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "common/DateTimeFormat.h"
#include "platform/fake/FakeLocale.h"

namespace {

using platform::LocalDateTime;
using platform::fake::FakeLocale;
namespace lc = platform::lc;

// Tuesday, 5 March 2024, 1:02:03.004 in the afternoon.
constexpr LocalDateTime kAfternoon{2024, 3, 5, 13, 2, 3, 4};
constexpr LocalDateTime kMidnight{2024, 3, 5, 0, 0, 0, 500};
constexpr LocalDateTime kAfterMidnight{2024, 3, 5, 0, 5, 0, 0};
constexpr LocalDateTime kNoon{2024, 3, 5, 12, 0, 0, 0};
constexpr LocalDateTime kMorning{2009, 11, 1, 9, 8, 7, 65};

struct PictureCase {
  const char* name;
  const char* picture;
  LocalDateTime when;
  const char* expected;
  // Locale items changed for the case; null removes the item.
  std::vector<std::pair<unsigned, const char*>> locale = {};
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name; }

const PictureCase kCases[] = {
    {"IsoDate", "yyyy-mm-dd", kAfternoon, "2024-03-05"},
    {"MonthNumberAndDay", "m/d/yy", kMorning, "11/1/09"},
    {"MmAfterHhIsMinutes", "hh:mm", kAfternoon, "13:02"},
    {"MAfterHIsMinutes", "h:m:s", kAfternoon, "13:2:3"},
    {"MmAfterSecondsIsMonth", "hh:nn:ss mm", kAfternoon, "13:02:03 03"},
    {"MmAfterDayIsMonth", "hh:mm dd/mm", kAfternoon, "13:02 05/03"},
    {"MmAfterQuotedTextStillMinutes", "h'h'mm", kAfternoon, "13h02"},
    {"MmAfterOtherCharactersStillMinutes", "h, -1 mm", kAfternoon, "13, -1 02"},
    // Any letter is a token, listed or not, and ends the hour's hold on m.
    {"MAfterUnlistedLetterIsMonth", "h x m", kAfternoon, "13 x 3"},
    {"MmAfterShortARunIsMonth", "hh aa mm", kAfternoon, "13 aa 03"},
    {"MmAfterUnlistedLetterIsMonth", "h b mm", kAfternoon, "13 b 03"},
    {"MAfterAmPmIsMonth", "h am/pm m", kAfternoon, "1 pm 3"},
    {"MonthNames", "mmm mmmm mmmmm", kAfternoon, "Mar March March"},
    {"MmmAfterHIsMonthName", "h mmm", kAfternoon, "13 Mar"},
    {"DayNames", "ddd dddd aaa aaaa", kAfternoon, "Tue Tuesday Tue Tuesday"},
    {"ShortAndLongDate", "ddddd|dddddd", kAfternoon, "3/5/2024|Tuesday, March 5, 2024"},
    {"Years", "y yy yyy yyyy", kMorning, "09 09 2009 2009"},
    {"MinutesAndSeconds", "n nn nnn s ss sss", kMorning, "8 08 08 7 07 07"},
    {"Milliseconds", "z zz zzz zzzz", kMorning, "65 65 065 065"},
    {"MillisecondsPadded", "z|zz|zzz", kAfternoon, "4|04|004"},
    {"HourAlone24", "h hh hhh", kMorning, "9 09 09"},
    {"AmPmLaterMakes12Hour", "h am/pm", kAfternoon, "1 pm"},
    {"AmPmKeepsCase", "h AM/PM|Am/pM", kAfternoon, "1 PM|pM"},
    {"AmPmMorningCase", "hh aM/Pm", kMorning, "09 aM"},
    {"APEarlier", "a/p h", kAfternoon, "p 1"},
    {"APCase", "h A/P", kMorning, "9 A"},
    {"AmpmUsesLocaleDesignator", "ampm hh:nn", kAfternoon, "PM 01:02"},
    {"MarkerAfterNextHourDoesNotCount", "hh h am/pm", kAfternoon, "13 1 pm"},
    {"QuotedMarkerDoesNotCount", "h 'am/pm'", kAfternoon, "13 am/pm"},
    {"TwelveAtMidnight", "h:nn am/pm", kAfterMidnight, "12:05 am"},
    {"TwelveAtNoon", "h:nn am/pm", kNoon, "12:00 pm"},
    {"CInTheAfternoon", "c", kAfternoon, "3/5/2024 1:02:03 PM"},
    {"CAtMidnightHasNoTime", "c", kMidnight, "3/5/2024"},
    {"CJustAfterMidnight", "c", kAfterMidnight, "3/5/2024 12:05:00 AM"},
    // The locale's "h:mm:ss tt" loses its marker with the seconds.
    {"ShortTimeFromLocaleCutAfterMinutes", "t", kAfternoon, "13:02"},
    {"LongTime", "tt", kAfternoon, "1:02:03 PM"},
    {"Quotes", "'hh' \"mm\" hh", kAfternoon, "hh mm 13"},
    {"UnterminatedQuoteTakesTheRest", "d 'x", kAfternoon, "5 x"},
    {"RunsInOneCaseOnly", "mM", kAfternoon, "33"},
    {"UnknownLettersCopied", "x q b!", kAfternoon, "x q b!"},
    {"ShortARunIsText", "aa", kAfternoon, "aa"},
    {"Era", "g e ee", kMorning, "AD 2009 2009"},
    {"Separators",
     "dd/mm/yy hh:nn",
     kAfternoon,
     "05.03.24 13-02",
     {{lc::kDateSeparator, "."}, {lc::kTimeSeparator, "-"}}},
    {"NamedPictureInsideNamedPictureIsEmpty",
     "c",
     kAfternoon,
     "3/5/24  1:02:03 PM",
     {{lc::kShortDate, "m/d/yy tt"}}},
    {"ShortDateInsideLongDateIsEmpty", "dddddd", kAfternoon, "[]", {{lc::kLongDate, "[ddddd]"}}},
    {"LeadingZeroHours", "tt", kMorning, "09:08:07 AM", {{lc::kHourLeadingZero, "1"}}},
    {"MarkerInFront", "tt", kAfternoon, "PM 1:02:03", {{lc::kTimeMarkerPosition, "1"}}},
    {"TwentyFourHourClock", "tt", kAfternoon, "13:02:03", {{lc::kTimeClock, "1"}}},
    {"DatePicturesWhenTheLocaleHasNone",
     "ddddd|dddddd",
     kMorning,
     "11/1/09|November 1, 2009",
     {{lc::kShortDate, nullptr}, {lc::kLongDate, nullptr}}},
};

class FormatDateTimeTest : public testing::TestWithParam<PictureCase> {};

TEST_P(FormatDateTimeTest, Formats) {
  FakeLocale locale;
  for (const auto& [item, value] : GetParam().locale) {
    if (value == nullptr) {
      locale.items.erase(item);
    } else {
      locale.items[item] = value;
    }
  }
  TDateTimeLocale formats = LoadDateTimeLocale(locale);
  ApplyLocaleShortTime(formats, locale);
  EXPECT_EQ(FormatDateTime(GetParam().picture, GetParam().when, formats), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Pictures, FormatDateTimeTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DateTimeLocale, LongAndFirstShortTimePictures) {
  FakeLocale locale;
  TDateTimeLocale formats = LoadDateTimeLocale(locale);
  EXPECT_EQ(formats.longTimePicture, "h:mm:ss AMPM");
  EXPECT_EQ(formats.shortTimePicture, "h:mm AMPM");
  EXPECT_EQ(formats.longDayNames[0], "Sunday");
  EXPECT_EQ(formats.shortDayNames[1], "Mon");
}

TEST(DateTimeLocale, ShortTimeAtProgramStart) {
  const std::pair<const char*, const char*> cases[] = {
      {"h:mm:ss tt", "h:mm"},   {"HH:mm:ss", "HH:mm"},          {"H.mm.ss", "H.mm."},
      {"tt hh:mm", "tt hh:mm"}, {"hh:mm:ss TT", "hh:mm:ss TT"},  // only lower-case letters are cut
      {"ss tt", "h:mm AMPM"},  // nothing left: the first form stays
      {"", "h:mm AMPM"},
  };
  for (const auto& [picture, expected] : cases) {
    FakeLocale locale;
    locale.items[lc::kTimeFormat] = picture;
    if (*picture == '\0') locale.items.erase(lc::kTimeFormat);
    TDateTimeLocale formats = LoadDateTimeLocale(locale);
    ApplyLocaleShortTime(formats, locale);
    EXPECT_EQ(formats.shortTimePicture, expected) << picture;
  }
}

}  // namespace
