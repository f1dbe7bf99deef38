#pragma once
// Runs the code under test unattended for the length of a scope: the variable
// WRENFOLD_UNATTENDED_LOG names `log`, and is removed again afterwards.
#include <cstdlib>
#include <string>

namespace testsupport {

inline void SetUnattendedLogVariable(const std::string& value) {
  constexpr const char* kVariable = "WRENFOLD_UNATTENDED_LOG";
#ifdef _WIN32
  _putenv_s(kVariable, value.c_str());
#else
  if (value.empty()) {
    unsetenv(kVariable);
  } else {
    setenv(kVariable, value.c_str(), 1);
  }
#endif
}

class ScopedUnattendedLog {
 public:
  explicit ScopedUnattendedLog(const std::string& log) { SetUnattendedLogVariable(log); }
  ~ScopedUnattendedLog() { SetUnattendedLogVariable(""); }
  ScopedUnattendedLog(const ScopedUnattendedLog&) = delete;
  ScopedUnattendedLog& operator=(const ScopedUnattendedLog&) = delete;
};

}  // namespace testsupport
