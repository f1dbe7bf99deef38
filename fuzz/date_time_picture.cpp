// The date-time picture language over any picture, at a date-time taken from
// the input, in the fixed English (United States) locale.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/DateTimeFormat.h"
#include "platform/fake/FakeLocale.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static platform::fake::FakeLocale locale;
  static const TDateTimeLocale formats = LoadDateTimeLocale(locale);
  if (size < 8) return 0;
  platform::LocalDateTime when{};
  when.year = 1601 + data[0] % 8399;
  when.month = 1 + data[1] % 12;
  when.day = 1 + data[2] % 28;
  when.hour = data[4] % 24;
  when.minute = data[5] % 60;
  when.second = data[6] % 60;
  when.millisecond = (data[7] * 4) % 1000;
  FormatDateTime(std::string_view(reinterpret_cast<const char*>(data) + 8, size - 8), when,
                 formats);
  return 0;
}
