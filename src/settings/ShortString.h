#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// A string of at most N characters: a longer value keeps its first N.
template <std::size_t N>
class TShortString {
 public:
  TShortString() = default;
  // Implicit, so that the member is assigned and compared like a string.
  TShortString(std::string_view text) : text_(text.substr(0, N)) {}

  TShortString& operator=(std::string_view text) {
    text_ = text.substr(0, N);
    return *this;
  }

  const std::string& str() const { return text_; }
  operator std::string_view() const { return text_; }

  friend bool operator==(const TShortString& a, std::string_view b) { return a.text_ == b; }

 private:
  std::string text_;
};
