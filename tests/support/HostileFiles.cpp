#include "HostileFiles.h"

namespace testsupport {

std::string EmptyAttributes(int count, const std::string& prefix) {
  std::string out;
  for (int i = 0; i < count; ++i) out += " " + prefix + std::to_string(i) + "=''";
  return out;
}

std::string EmptyDefaults(const std::string& element, int count) {
  std::string out = "<!ATTLIST " + element;
  for (int i = 0; i < count; ++i) out += " a" + std::to_string(i) + " CDATA \"\"";
  return out + ">";
}

}  // namespace testsupport
