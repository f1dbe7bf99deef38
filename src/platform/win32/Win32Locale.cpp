#include <windows.h>

#include <vector>

#include "platform/Locale.h"
#include "platform/win32/Win32Services.h"

namespace platform::win32 {

namespace {

LocalDateTime FromSystemTime(const SYSTEMTIME& time) {
  return {time.wYear,   time.wMonth,  time.wDay,         time.wHour,
          time.wMinute, time.wSecond, time.wMilliseconds};
}

class Win32Locale final : public ILocale {
 public:
  std::string Info(unsigned item) override {
    const int size = GetLocaleInfoA(LOCALE_USER_DEFAULT, item, nullptr, 0);
    if (size <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer.data(), size) <= 0) return {};
    return buffer.data();
  }

  std::string EraName(const LocalDateTime& when) override {
    // The era as the locale's own date formatting spells it.
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(when.year);
    time.wMonth = static_cast<WORD>(when.month);
    time.wDay = static_cast<WORD>(when.day);
    char buffer[64] = {};
    if (GetDateFormatA(LOCALE_USER_DEFAULT, 0, &time, "g", buffer, sizeof buffer) <= 0) return {};
    return buffer;
  }

  LocalDateTime Now() override {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return FromSystemTime(time);
  }

  LocalDateTime UtcNow() override {
    SYSTEMTIME time{};
    GetSystemTime(&time);
    return FromSystemTime(time);
  }
};

}  // namespace

ILocale& Locale() {
  static Win32Locale locale;
  return locale;
}

}  // namespace platform::win32
