// The format's decoders, case by case.
#include <gtest/gtest.h>

#include <climits>

#include "support/FakePlatform.h"
#include "xmlimport/PrefsFileFormat.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct TextCase {
  const char* in;
  const char* out;
};

TEST(PrefsFileFormat, NameDecoding) {
  const TextCase cases[] = {
      {"Use_Notification_Area", "Use Notification Area"},
      {"_0x24_Temp", "$Temp"},
      {"x_0x24_unknownY", "x$unknownY"},
      {"_0x5B_a_0x5D_", "[a]"},
      {"a__b", "a  b"},
      {"plain", "plain"},
      // Case counts, and nothing is rescanned: "_0x5D_" loses its first
      // underscore to the "[" of step one.
      {"_0x5b_", " 0x5b "},
      {"_0x5B_0x5D_", "[0x5D "},
      {"__0x24__", " $ "},
  };
  for (const TextCase& c : cases) EXPECT_EQ(DecodeName(c.in), c.out) << c.in;
}

TEST(PrefsFileFormat, TextDecoding) {
  const TextCase cases[] = {
      {"a_b", "a b"},
      {"$lt;b$gt;", "<b>"},
      {"a&amp;b", "a&b"},  // the file held a&amp;amp;b
      {"&#34;quoted&#34;", "\"quoted\""},
      {"it&pos;s", "it's"},
      {"_0x5B_x_0x5D_", "[x]"},
      {"", ""},
      {"no codes at all", "no codes at all"},
      // Each step works once, on what the steps before it left.
      {"&amp;#34;", "&#34;"},
      {"&amp;#36;", "$"},
      {"&amp;amp;", "&amp;"},
      {"&#36;lt;", "$lt;"},
      {"&amp;pos;", "&pos;"},
      {"$LT;", "$LT;"},
      {"&apos;", "&apos;"},
      {"C:_0x5B_x_0x5D_\\dir_name", "C:[x]\\dir name"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(DecodeText(c.in), c.out) << c.in;
}

TEST(PrefsFileFormat, IntegerGrammar) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"12abc", 0},
      {"", 0},
      {"$10", 16},
      {"-5", -5},
      {"  42", 42},
      {"+7", 7},
      {"007", 7},
      {"0", 0},
      {"42 ", 0},
      {"\t5", 0},
      {"- 5", 0},
      {"1.5", 0},
      {"true", 0},
      {"0x1F", 31},
      {"0X1f", 31},
      {"x10", 16},
      {"X10", 16},
      {"$ff", 255},
      {"-$10", -16},
      {"$G", 0},
      {"$", 0},
      {"0x", 0},
      {"-", 0},
      {"$FFFFFFFF", -1},
      {"$80000000", INT_MIN},
      {"$100000000", 0},
      {"$000000010", 16},
      {"2147483647", INT_MAX},
      {"2147483648", 0},
      {"-2147483648", INT_MIN},
      {"-2147483649", 0},
      {"99999999999999999999", 0},
      {"$-10", 0},
      {"0x0x1", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadInteger(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(PrefsFileFormat, IntegerTextSaysWhetherItWasANumberInFull) {
  const struct {
    const char* text;
    TIntegerForm form;
  } cases[] = {
      {"42", TIntegerForm::kNumber},
      {"  -$10", TIntegerForm::kNumber},
      {"0", TIntegerForm::kNumber},
      {"-2147483648", TIntegerForm::kNumber},
      {"$FFFFFFFF", TIntegerForm::kNumber},
      {"", TIntegerForm::kEmpty},
      {"   ", TIntegerForm::kEmpty},
      {"12a", TIntegerForm::kNotANumber},
      {"-", TIntegerForm::kNotANumber},
      {"0x", TIntegerForm::kNotANumber},
      {"true", TIntegerForm::kNotANumber},
      {"42 ", TIntegerForm::kNotANumber},
      // Too many digits is out of range only when all of them are digits.
      {"99999999999999999999x", TIntegerForm::kNotANumber},
      {"2147483648", TIntegerForm::kOutOfRange},
      {"-2147483649", TIntegerForm::kOutOfRange},
      {"$100000000", TIntegerForm::kOutOfRange},
      {"99999999999999999999", TIntegerForm::kOutOfRange},
  };
  for (const auto& c : cases) {
    const TIntegerText parsed = ParseInteger(c.text);
    EXPECT_EQ(parsed.form, c.form) << '"' << c.text << '"';
    EXPECT_EQ(parsed.value, ReadInteger(c.text)) << '"' << c.text << '"';
    if (c.form != TIntegerForm::kNumber) {
      EXPECT_EQ(parsed.value, 0) << '"' << c.text << '"';
    }
  }
}

TEST(PrefsFileFormat, BinaryTextTellsWhatItsBytesLeftOut) {
  const struct {
    const char* text;
    bool decodes;
    std::size_t stray;
    bool unpaired;
  } cases[] = {
      {"0A 0B", true, 0, false},  {"0A0B0", true, 0, true},      {"0A,0B", true, 1, false},
      {"0A\n0B", true, 1, false}, {"0A,0B,0C", false, 2, false}, {"zz", false, 2, false},
      {"", true, 0, false},       {"0", true, 0, true},          {"0A0B,", true, 1, false},
  };
  for (const auto& c : cases) {
    const TBinaryText parsed = ParseBinary(c.text);
    EXPECT_EQ(parsed.bytes.has_value(), c.decodes) << '"' << c.text << '"';
    EXPECT_EQ(parsed.strayCharacters, c.stray) << '"' << c.text << '"';
    EXPECT_EQ(parsed.unpairedDigit, c.unpaired) << '"' << c.text << '"';
  }
}

TEST(PrefsFileFormat, BooleanIsAnyNonZeroInteger) {
  for (const char* text : {"1", "-1", "2", "$10", " 3"}) EXPECT_TRUE(ReadBoolean(text)) << text;
  for (const char* text : {"0", "", "true", "yes", "$0", "1x"}) {
    EXPECT_FALSE(ReadBoolean(text)) << text;
  }
}

TEST(PrefsFileFormat, BinaryDecoding) {
  const struct {
    const char* text;
    std::optional<Bytes> bytes;
  } cases[] = {
      {"0A 0b FF", Bytes{0x0A, 0x0B, 0xFF}},
      {"0A0B0", Bytes{0x0A, 0x0B}},  // a final unpaired digit is dropped
      {"0A,0B,0C", std::nullopt},
      {"0A,0B", Bytes{0x0A, 0x0B}},  // one separator still fits the length
      {"0A\n0B", Bytes{0x0A, 0x0B}},
      {"", Bytes{}},
      {"   ", Bytes{}},
      {"0", Bytes{}},
      {"zz", std::nullopt},
      {"0 A 0 B", Bytes{0x0A, 0x0B}},
      {"ffee", Bytes{0xFF, 0xEE}},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeBinary(c.text), c.bytes) << '"' << c.text << '"';
}

TEST(PrefsFileFormat, BinaryBeyondThirtyTwoKilobytesIsWhole) {
  std::string text;
  Bytes expected;
  for (int i = 0; i < 40000; ++i) {
    static const char kHex[] = "0123456789ABCDEF";
    text += kHex[(i * 7 >> 4) & 15];
    text += kHex[(i * 7) & 15];
    if (i % 16 == 15) text += ' ';
    expected.push_back(static_cast<std::uint8_t>(i * 7));
  }
  const auto bytes = DecodeBinary(text);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->size(), 40000u);
  EXPECT_EQ(*bytes, expected);
}

TEST(PrefsFileFormat, TypeWordsAndScopeNames) {
  EXPECT_EQ(ValueTypeOf("integer"), PrefValueType::kInteger);
  EXPECT_EQ(ValueTypeOf("string"), PrefValueType::kString);
  EXPECT_EQ(ValueTypeOf("boolean"), PrefValueType::kBoolean);
  EXPECT_EQ(ValueTypeOf("binary"), PrefValueType::kBinary);
  for (const std::optional<std::string>& type :
       {std::optional<std::string>{}, std::optional<std::string>{""},
        std::optional<std::string>{"String"}, std::optional<std::string>{"int"},
        std::optional<std::string>{" integer"}}) {
    EXPECT_EQ(ValueTypeOf(type), PrefValueType::kNone) << type.value_or("(none)");
  }

  EXPECT_EQ(ScopeOfName("PerUserRoam"), cfgPerUserRoam);
  EXPECT_EQ(ScopeOfName("PerUserNonRoam"), cfgPerUserNonRoam);
  EXPECT_EQ(ScopeOfName("PerMachine"), cfgPerMachine);
  for (const char* other : {"perUserRoam", "PERMACHINE", "perusernonroam", "Global", ""}) {
    EXPECT_EQ(ScopeOfName(other), cfgPerUserRoam) << other;
    EXPECT_FALSE(ScopeNamed(other).has_value()) << other;
  }
}

// The import reads and the checker and the export write through the same
// tables, so each word must lead back to what it names.
TEST(PrefsFileFormat, VocabularyReadsBothWays) {
  for (const TTypeWord& entry : kTypeWords) {
    EXPECT_EQ(ValueTypeOf(std::string(entry.word)), entry.type) << entry.word;
    EXPECT_STREQ(TypeWord(entry.type), entry.word);
  }
  EXPECT_STREQ(TypeWord(PrefValueType::kNone), "");

  for (const cfgDataScope scope : {cfgPerUserRoam, cfgPerUserNonRoam, cfgPerMachine}) {
    const std::string_view name = ScopeElementName(scope);
    EXPECT_EQ(ScopeNamed(name), scope) << name;
  }
  EXPECT_EQ(ScopeElementName(cfgPerUserNonRoam), "PerUserNonRoam");
  EXPECT_EQ(ScopeElementName(cfgPerMachine), "PerMachine");
}

TEST(PrefsFileFormat, SkippedSections) {
  testsupport::FakePlatform env;
  for (const char* name :
       {"Schedules", "$Temp", "x$unknownY", "$TEMPORARY", "$Unknown\\x", "a$tEmP"}) {
    EXPECT_TRUE(IsSkippedSection(name)) << name;
  }
  for (const char* name : {"schedules", "Schedules2", "Temp", "Unknown", "$Tem p", "General"}) {
    EXPECT_FALSE(IsSkippedSection(name)) << name;
  }
}

TEST(PrefsFileFormat, SectionMapping) {
  testsupport::FakePlatform env;
  const TSectionMapper mapper;
  const TextCase cases[] = {
      {"cfgAll", ""},
      {"CFGALL", "$Unknown\\CFGALL"},
      {"files", "Files"},
      {"FILES", "Files"},
      {"Files", "Files"},
      {"cust commands", "Cust Commands"},
      {"MAIN WINDOW", "Main Window"},
      {"Dont Ask", "Dont Ask"},
      {"mru", "MRU"},
      {"My Stuff", "$Unknown\\My Stuff"},
      {"Files ", "$Unknown\\Files "},
  };
  for (const TextCase& c : cases) EXPECT_EQ(mapper.Map(c.in), c.out) << c.in;
}

}  // namespace
