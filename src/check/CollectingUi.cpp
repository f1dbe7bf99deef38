#include "check/CollectingUi.h"

int TCollectingUi::ShowBox(platform::WindowHandle, const std::string& text,
                           const std::string& caption, unsigned flags) {
  listener_(caption, text);
  return (flags & platform::mb::kTypeMask) == platform::mb::kYesNo ? platform::mb::kIdNo
                                                                   : platform::mb::kIdOk;
}
