#pragma once
#include <cstdint>
#include <string>

// A colour value: 0x00BBGGRR for a plain colour, 0xFF000000 plus the index of
// a system colour.
using TColor = std::int32_t;

inline constexpr TColor clWindowText = static_cast<TColor>(0xFF000008u);

struct TFontStyles {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  bool operator==(const TFontStyles&) const = default;
};

// A font as the settings keep it.
struct TFont {
  std::string Name;
  std::int32_t Size = 0;  // points
  TColor Color = clWindowText;
  TFontStyles Style;
};
