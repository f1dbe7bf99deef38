#pragma once
#include <string>

namespace platform {

// A font as the system describes it: face name and size in points.
struct FontDescription {
  std::string faceName;
  int pointSize = 0;
};

class IFontProvider {
 public:
  virtual ~IFontProvider() = default;

  // The stock DEFAULT_GUI_FONT, its size converted to points at the screen's
  // resolution.
  virtual FontDescription DefaultGuiFont() = 0;
};

}  // namespace platform
