// The default GUI font, from the fake and, under Wine, from the system.
#include <gtest/gtest.h>

#include "platform/fake/FakeFonts.h"
#ifdef _WIN32
#include "platform/win32/Win32Services.h"
#endif

namespace settingstest {
namespace {

// What any system reports for its default GUI font: a face name and a size
// in points that a dialog would use.
void ExpectUsableDefaultFont(platform::IFontProvider& fonts) {
  const platform::FontDescription font = fonts.DefaultGuiFont();
  EXPECT_FALSE(font.faceName.empty());
  EXPECT_GE(font.pointSize, 6);
  EXPECT_LE(font.pointSize, 16);
  // Asking again gives the same answer.
  const platform::FontDescription again = fonts.DefaultGuiFont();
  EXPECT_EQ(again.faceName, font.faceName);
  EXPECT_EQ(again.pointSize, font.pointSize);
}

TEST(FontProvider, FakeDefaultFont) {
  platform::fake::FakeFonts fonts;
  ExpectUsableDefaultFont(fonts);
}

#ifdef _WIN32
TEST(FontProvider, SystemDefaultGuiFont) {
  ExpectUsableDefaultFont(platform::win32::Fonts());
  // The stock font is the 8-point dialog font at any resolution; the fake's
  // default is the same.
  const platform::FontDescription font = platform::win32::Fonts().DefaultGuiFont();
  const platform::FontDescription fake = platform::fake::FakeFonts().DefaultGuiFont();
  EXPECT_EQ(font.faceName, fake.faceName);
  EXPECT_EQ(font.pointSize, fake.pointSize);
}
#endif

}  // namespace
}  // namespace settingstest
