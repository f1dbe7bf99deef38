#include "common/DateTimeFormat.h"

#include <algorithm>
#include <cstdio>

namespace {

enum class Kind {
  kLiteral,  // copied unchanged
  kQuoted,   // copied without its quotes
  kDateSeparator,
  kTimeSeparator,
  kDay,       // d to dddddd
  kMonth,     // m to mmmm, or minutes
  kYear,      // y to yyyy
  kHour,      // h, hh
  kMinute,    // n, nn
  kSecond,    // s, ss
  kMilli,     // z to zzz
  kTime,      // t, tt
  kDayName,   // aaa, aaaa
  kAmPm,      // am/pm
  kAP,        // a/p
  kAmPmName,  // ampm
  kDateTime,  // c
  kEraYear,   // e
  kEraName,   // g
};

struct Token {
  Kind kind;
  std::size_t length;  // characters of the picture it takes
  std::size_t count;   // letters in its run
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool IsLetter(char c) { return Lower(c) >= 'a' && Lower(c) <= 'z'; }

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
  if (text.size() - at < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Lower(text[at + i]) != word[i]) return false;
  }
  return true;
}

// The same character, in the same letter case, repeated.
std::size_t RunLength(std::string_view picture, std::size_t at) {
  std::size_t end = at + 1;
  while (end < picture.size() && picture[end] == picture[at]) ++end;
  return end - at;
}

Token NextToken(std::string_view picture, std::size_t at) {
  const char c = picture[at];
  if (c == '"' || c == '\'') {
    const std::size_t close = picture.find(c, at + 1);
    return {Kind::kQuoted, close == std::string_view::npos ? picture.size() - at : close - at + 1,
            0};
  }
  if (c == '/') return {Kind::kDateSeparator, 1, 0};
  if (c == ':') return {Kind::kTimeSeparator, 1, 0};
  const std::size_t run = RunLength(picture, at);
  switch (Lower(c)) {
    case 'a':
      if (StartsWithNoCase(picture, at, "am/pm")) return {Kind::kAmPm, 5, 0};
      if (StartsWithNoCase(picture, at, "a/p")) return {Kind::kAP, 3, 0};
      if (StartsWithNoCase(picture, at, "ampm")) return {Kind::kAmPmName, 4, 0};
      return {run >= 3 ? Kind::kDayName : Kind::kLiteral, run, run};
    case 'c': return {Kind::kDateTime, run, run};
    case 'd': return {Kind::kDay, run, run};
    case 'e': return {Kind::kEraYear, run, run};
    case 'g': return {Kind::kEraName, run, run};
    case 'h': return {Kind::kHour, run, run};
    case 'm': return {Kind::kMonth, run, run};
    case 'n': return {Kind::kMinute, run, run};
    case 's': return {Kind::kSecond, run, run};
    case 't': return {Kind::kTime, run, run};
    case 'y': return {Kind::kYear, run, run};
    case 'z': return {Kind::kMilli, run, run};
    default: return {Kind::kLiteral, IsLetter(c) ? run : 1, 0};
  }
}

bool IsMarker(Kind kind) {
  return kind == Kind::kAmPm || kind == Kind::kAP || kind == Kind::kAmPmName;
}

// Whether an am/pm, a/p or ampm token follows before the next h token.
bool MarkerBeforeNextHour(std::string_view picture, std::size_t at) {
  while (at < picture.size()) {
    const Token token = NextToken(picture, at);
    if (IsMarker(token.kind)) return true;
    if (token.kind == Kind::kHour) return false;
    at += token.length;
  }
  return false;
}

std::string Number(int value, std::size_t digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", static_cast<int>(digits), value);
  return buffer;
}

// 0 for Sunday.
int DayOfWeek(int year, int month, int day) {
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) --year;
  const int result =
      (year + year / 4 - year / 100 + year / 400 + kOffsets[(month + 11) % 12] + day) % 7;
  return result < 0 ? result + 7 : result;
}

class Formatter {
 public:
  Formatter(const platform::LocalDateTime& when, const TDateTimeLocale& locale)
      : when_(when), locale_(locale) {}

  // A named picture inside a named picture (depth 1) produces nothing.
  void Run(std::string_view picture, int depth) {
    bool markerSeen = false;
    bool afterHour = false;
    for (std::size_t at = 0; at < picture.size();) {
      const Token token = NextToken(picture, at);
      const std::string_view text = picture.substr(at, token.length);
      Emit(token, text, picture, at, depth, markerSeen, afterHour);
      if (IsMarker(token.kind)) markerSeen = true;
      // Every token that starts with a letter is a letter token, listed or
      // not (am/pm, a/p and ampm among them); quoted text, separators and
      // other characters leave the state as it was.
      if (IsLetter(picture[at])) afterHour = token.kind == Kind::kHour;
      at += token.length;
    }
  }

  std::string Result() && { return std::move(out_); }

 private:
  void Emit(const Token& token, std::string_view text, std::string_view picture, std::size_t at,
            int depth, bool markerSeen, bool afterHour) {
    const bool pm = when_.hour >= 12;
    switch (token.kind) {
      case Kind::kLiteral: out_ += text; break;
      case Kind::kQuoted:
        out_ += text.substr(
            1, text.size() >= 2 && text.back() == text.front() ? text.size() - 2 : text.size() - 1);
        break;
      case Kind::kDateSeparator: out_ += locale_.dateSeparator; break;
      case Kind::kTimeSeparator: out_ += locale_.timeSeparator; break;
      case Kind::kDay: Day(token.count, depth); break;
      case Kind::kMonth:
        if (token.count <= 2 && afterHour) {
          out_ += Number(when_.minute, token.count);
        } else if (token.count <= 2) {
          out_ += Number(when_.month, token.count);
        } else {
          const auto& names = token.count == 3 ? locale_.shortMonthNames : locale_.longMonthNames;
          out_ += names[static_cast<std::size_t>(std::clamp(when_.month, 1, 12) - 1)];
        }
        break;
      case Kind::kYear:
        out_ += token.count <= 2 ? Number(when_.year % 100, 2) : Number(when_.year, 4);
        break;
      case Kind::kHour: {
        int hour = when_.hour;
        if (markerSeen || MarkerBeforeNextHour(picture, at + token.length)) {
          hour = hour % 12 == 0 ? 12 : hour % 12;
        }
        out_ += Number(hour, std::min<std::size_t>(token.count, 2));
        break;
      }
      case Kind::kMinute:
        out_ += Number(when_.minute, std::min<std::size_t>(token.count, 2));
        break;
      case Kind::kSecond:
        out_ += Number(when_.second, std::min<std::size_t>(token.count, 2));
        break;
      case Kind::kMilli:
        out_ += Number(when_.millisecond, std::min<std::size_t>(token.count, 3));
        break;
      case Kind::kTime:
        if (depth == 0) {
          Run(token.count == 1 ? locale_.shortTimePicture : locale_.longTimePicture, depth + 1);
        }
        break;
      case Kind::kDayName: DayName(token.count >= 4); break;
      // The letters keep the case the picture gives them.
      case Kind::kAmPm: out_ += pm ? text.substr(3, 2) : text.substr(0, 2); break;
      case Kind::kAP: out_ += pm ? text[2] : text[0]; break;
      case Kind::kAmPmName: out_ += pm ? locale_.pmDesignator : locale_.amDesignator; break;
      case Kind::kDateTime:
        if (depth == 0) {
          Run(locale_.shortDatePicture, depth + 1);
          if (when_.hour != 0 || when_.minute != 0 || when_.second != 0) {
            out_ += ' ';
            Run(locale_.longTimePicture, depth + 1);
          }
        }
        break;
      // The Gregorian calendar has one era: the year of the era is the year.
      case Kind::kEraYear: out_ += Number(when_.year, std::min<std::size_t>(token.count, 2)); break;
      case Kind::kEraName: out_ += locale_.eraName; break;
    }
  }

  void Day(std::size_t count, int depth) {
    if (count <= 2) {
      out_ += Number(when_.day, count);
    } else if (count <= 4) {
      DayName(count == 4);
    } else if (depth == 0) {
      Run(count == 5 ? locale_.shortDatePicture : locale_.longDatePicture, depth + 1);
    }
  }

  void DayName(bool longName) {
    const auto& names = longName ? locale_.longDayNames : locale_.shortDayNames;
    out_ += names[static_cast<std::size_t>(DayOfWeek(when_.year, when_.month, when_.day))];
  }

  const platform::LocalDateTime& when_;
  const TDateTimeLocale& locale_;
  std::string out_;
};

}  // namespace

std::string FormatDateTime(std::string_view picture, const platform::LocalDateTime& when,
                           const TDateTimeLocale& locale) {
  Formatter formatter(when, locale);
  formatter.Run(picture, 0);
  return std::move(formatter).Result();
}
