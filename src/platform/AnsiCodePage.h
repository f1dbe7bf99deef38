#pragma once
// The system's ANSI code page both ways, as the registry's "A" functions and
// the XML parser convert text for the core.
#include <string>
#include <string_view>

namespace platform {

class IAnsiCodePage {
 public:
  virtual ~IAnsiCodePage() = default;
  // `lossy`, when given, tells whether a character was replaced by "?" or
  // approximated by a look-alike.
  virtual std::string FromUtf8(std::string_view utf8, bool* lossy) const = 0;
  virtual std::string ToUtf8(std::string_view ansi) const = 0;
};

}  // namespace platform
