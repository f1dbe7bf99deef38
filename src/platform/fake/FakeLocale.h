#pragma once
#include <map>
#include <string>

#include "platform/Locale.h"

namespace platform::fake {

// English (United States), with a clock that stands still until a test sets
// it.  Items can be changed or removed to model other locales.
class FakeLocale final : public ILocale {
 public:
  FakeLocale();

  std::map<unsigned, std::string> items;
  std::string eraName = "AD";
  LocalDateTime now{2024, 3, 5, 13, 2, 3, 4};
  LocalDateTime utcNow{2024, 3, 5, 12, 2, 3, 4};

  std::string Info(unsigned item) override;
  std::string EraName(const LocalDateTime&) override { return eraName; }
  LocalDateTime Now() override { return now; }
  LocalDateTime UtcNow() override { return utcNow; }
};

}  // namespace platform::fake
