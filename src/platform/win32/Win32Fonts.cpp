#include <windows.h>

#include <cstdlib>

#include "platform/Fonts.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Services.h"

namespace platform::win32 {

namespace {

// The screen's device context, released on every path.
struct ScreenDcTraits {
  using Type = HDC;
  static Type Invalid() { return nullptr; }
  static void Close(Type dc) { ReleaseDC(nullptr, dc); }
};
using ScreenDc = UniqueHandle<ScreenDcTraits>;

constexpr int kPointsPerInch = 72;
constexpr int kFallbackPixelsPerInch = 96;

class Win32Fonts final : public IFontProvider {
 public:
  FontDescription DefaultGuiFont() override {
    // A stock object is owned by the system and never deleted.
    const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTA logFont{};
    if (font == nullptr || GetObjectA(font, sizeof logFont, &logFont) == 0) return {};

    const ScreenDc screen(GetDC(nullptr));
    int pixelsPerInch = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    if (pixelsPerInch <= 0) pixelsPerInch = kFallbackPixelsPerInch;

    // A negative height is the character height; a positive one the cell
    // height, which includes the internal leading that a point size leaves out.
    int characterHeight = -logFont.lfHeight;
    if (logFont.lfHeight >= 0 && screen.get() != nullptr) {
      const HGDIOBJ previous = SelectObject(screen.get(), font);
      TEXTMETRICA metrics{};
      if (GetTextMetricsA(screen.get(), &metrics)) {
        characterHeight = metrics.tmHeight - metrics.tmInternalLeading;
      }
      SelectObject(screen.get(), previous);
    }
    return {logFont.lfFaceName, MulDiv(std::abs(characterHeight), kPointsPerInch, pixelsPerInch)};
  }
};

}  // namespace

IFontProvider& Fonts() {
  static Win32Fonts fonts;
  return fonts;
}

}  // namespace platform::win32
