#pragma once
#include "platform/Fonts.h"

namespace platform::fake {

// A fixed default font, so that tests know what a new font holds.
class FakeFonts final : public IFontProvider {
 public:
  FontDescription defaultGuiFont{"MS Shell Dlg", 8};

  FontDescription DefaultGuiFont() override { return defaultGuiFont; }
};

}  // namespace platform::fake
