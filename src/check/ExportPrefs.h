#pragma once
// Captures a machine's product keys as a preferences file that, imported by
// the program into empty keys, gives back the same keys, value for value and
// type for type.  What the format cannot carry is listed, never written in a
// form that would read back as something else.
#include <string>
#include <vector>

#include "check/ProductKeys.h"
#include "platform/AnsiCodePage.h"

struct TLeftOut {
  // "HKEY_CURRENT_USER\Software\Orlavex\Wrenfold 4\General", UTF-8.
  std::string key;
  // The value's name (UTF-8); empty for a whole key.
  std::string name;
  bool wholeKey = false;
  std::string why;
};

struct TCapture {
  std::string xml;  // the preferences file, UTF-8
  std::size_t values = 0;
  std::size_t sections = 0;  // section elements written
  std::vector<TLeftOut> leftOut;
};

// Needs the user interface installed (letter case, ANSI to UTF-8).
TCapture CapturePrefs(const TProductKeys& keys, const platform::IAnsiCodePage& codePage);
