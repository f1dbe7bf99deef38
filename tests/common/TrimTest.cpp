#include <gtest/gtest.h>

#include <string>

#include "common/Strings.h"

namespace {

TEST(Trim, TakesBlanksAndControlCharactersFromTheEndsOnly) {
  struct Case {
    std::string text;
    std::string trimmed;
  };
  const Case cases[] = {
      {" \t a b \r\n", "a b"},
      {std::string("\x7F") + "x\x7F", "x"},
      {std::string("\x01\x1F x \x7F\x00", 7), "x"},
      {"a\177b", "a\177b"},  // DEL inside stays
      {" \x7F ", ""},
      {"", ""},
      // Bytes above DEL are characters of the ANSI code page, not controls.
      {"\x80x\xA0", "\x80x\xA0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    EXPECT_EQ(Trim(c.text), c.trimmed);
  }
}

}  // namespace
