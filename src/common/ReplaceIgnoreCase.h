#pragma once
#include <string>
#include <string_view>

// Every occurrence of `from` replaced by `to`, matched without regard to
// letter case (the locale's case mapping), scanning left to right without
// rescanning what was inserted.  An empty `from` matches nothing.
std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from, std::string_view to);
