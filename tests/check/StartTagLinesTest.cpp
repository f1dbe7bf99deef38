// Our own scan of a file's start tags: each element's line, whatever markup
// stands around it, in the order the import's walk enters elements.
#include <gtest/gtest.h>

#include "check/StartTagLines.h"
#include "check/ValueTextFindings.h"

namespace {

// The lines the scan gives for the elements the walk enters, at these depths
// below the document element, one after the other.
std::vector<int> WalkLines(const std::string& file, const std::vector<std::size_t>& depths) {
  TStartTagLines lines(file);
  std::vector<int> found;
  for (const std::size_t depth : depths) found.push_back(lines.Enter(depth));
  return found;
}

TEST(StartTagLines, MarkupThatHoldsNoElementIsPassedOver) {
  const struct {
    const char* name;
    std::string file;
    std::vector<std::size_t> depths;
    std::vector<int> lines;
  } cases[] = {
      {"plain", "<r>\n<a>\n<b/>\n</a>\n<c/></r>", {1, 2, 1}, {2, 3, 5}},
      {"comment with tags", "<r><!-- <x>\n<y> -->\n<a><b/></a></r>", {1, 2}, {3, 3}},
      {"CDATA with tags", "<r><a><![CDATA[<x>\n]]>\n<b/></a></r>", {1, 2}, {1, 3}},
      {"quoted greater-than", "<r><a t=\"x>\n\"><b/>\n</a><c/></r>", {1, 2, 1}, {1, 2, 3}},
      {"internal subset",
       "<?xml version=\"1.0\"?>\n<!DOCTYPE r [\n<!ENTITY e \"<>\">\n]>\n<r>\n<a/></r>",
       {1},
       {6}},
      {"processing instruction", "<r><?pi <x>\n?><a/></r>", {1}, {2}},
      // An element the markup does not have (an entity's) takes its parent's line.
      {"more elements than start tags", "<r>\n<a/></r>", {1, 1, 2}, {2, 1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WalkLines(c.file, c.depths), c.lines);
  }
}

TEST(StartTagLines, DeclarationsAndTheirEncoding) {
  const TStartTagLines lines(
      "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\n\n<!DOCTYPE Wrenfold_Preferences>\n<r/>");
  EXPECT_EQ(lines.XmlDeclarationLine(), 1);
  EXPECT_EQ(lines.DocumentTypeLine(), 3);
  EXPECT_EQ(lines.DeclaredEncoding(), std::optional<std::string>("windows-1250"));
}

TEST(StartTagLines, Utf16FileAndUnreadableOne) {
  const std::string utf8 = "<r>\n<a/></r>";
  std::string utf16 = "\xFF\xFE";
  for (const char c : utf8) {
    utf16 += c;
    utf16 += '\0';
  }
  TStartTagLines wide(utf16);
  EXPECT_EQ(wide.Enter(1), 2);
  // UTF-32: nothing to number, and nothing goes wrong.
  TStartTagLines unreadable(std::string("\0\0\0<", 4));
  EXPECT_EQ(unreadable.Enter(1), 0);
}

// Which texts keep an underscore the format turns into a space.
TEST(UnderscoreAsSpace, OnlyWhereTheTextReadsAsAName) {
  const struct {
    const char* fileText;
    const char* readsAs;  // null: no finding
  } cases[] = {
      {"D:\\Team_Share\\Backups", "a path"},
      {"\\\\server\\team_share", "a path"},
      {"first_last@example.com", "an address"},
      {"https://example.com/a_b", "an address"},
      {"Team_Notes.wfd", "a file name"},
      {"user_name", "an identifier"},
      {"ORLX_4F2A", "an identifier"},
      {"Hello_World", nullptr},  // the format's way of writing "Hello World"
      {"_0x5B_My_Documents_0x5D_\\Wrenfold\\", nullptr},
      {"[My_Documents]\\Wrenfold\\", nullptr},
      {"C:\\Plain\\Path", nullptr},
      {"two_words and more", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fileText);
    const auto finding = UnderscoreFinding(c.fileText, "decoded");
    ASSERT_EQ(finding.has_value(), c.readsAs != nullptr);
    if (finding) {
      EXPECT_EQ(finding->kind, "underscore-as-space");
      EXPECT_NE(finding->text.find(std::string("reads as ") + c.readsAs), std::string::npos)
          << finding->text;
    }
  }
}

}  // namespace
