// The fakes' other code pages: what a byte stands for, what a character
// becomes, and letter case, as Windows' single-byte code pages have them.
#include <gtest/gtest.h>

#include "platform/memory/CodePages.h"

namespace {

namespace codepage = platform::memory::codepage;

class CodePages : public testing::Test {
 protected:
  ~CodePages() override { codepage::Use(1252); }
};

TEST_F(CodePages, ConvertWithThePageChosen) {
  const struct {
    unsigned page;
    std::string utf8;
    std::string ansi;
  } cases[] = {
      {1250,
       "\xC5\x81\xC3\xB3"
       "d\xC5\xBA",
       "\xA3\xF3"
       "d\x9F"},                      // Łódź
      {1251, "\xD0\x96", "\xC6"},     // Ж
      {1253, "\xCE\xA9", "\xD9"},     // Ω
      {874, "\xE0\xB8\x81", "\xA1"},  // ก
      {1252, "\xC3\xA9", "\xE9"},     // é
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    ASSERT_TRUE(codepage::Use(c.page));
    EXPECT_EQ(codepage::Current(), c.page);
    bool lossy = true;
    EXPECT_EQ(codepage::FromUtf8(c.utf8, &lossy), c.ansi);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(codepage::ToUtf8(c.ansi), c.utf8);
  }
}

TEST_F(CodePages, ACharacterThePageLacksBecomesAQuestionMark) {
  ASSERT_TRUE(codepage::Use(1251));
  bool lossy = false;
  EXPECT_EQ(codepage::FromUtf8("a\xC5\x81", &lossy), "a?");  // Ł is not Cyrillic
  EXPECT_TRUE(lossy);
}

TEST_F(CodePages, LetterCaseWithinThePage) {
  ASSERT_TRUE(codepage::Use(1250));
  EXPECT_EQ(codepage::ToUpper("\xB3"
                              "a"),
            "\xA3"
            "A");  // ł, a
  EXPECT_EQ(codepage::ToLower("\xA3"
                              "A"),
            "\xB3"
            "a");
  ASSERT_TRUE(codepage::Use(1251));
  EXPECT_EQ(codepage::ToLower("\xC6"), "\xE6");  // Ж, ж
}

TEST_F(CodePages, OnlyPagesWithATable) {
  ASSERT_TRUE(codepage::Use(1257));
  for (const unsigned page : {932u, 65001u, 437u, 0u}) {
    EXPECT_FALSE(codepage::Use(page)) << page;
    EXPECT_EQ(codepage::Current(), 1257u);
  }
}

}  // namespace
