#include "platform/CommandLine.h"

namespace platform {

namespace {
bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::vector<std::string> SplitArguments(const std::string& rawCommandLine) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  const std::size_t n = rawCommandLine.size();
  while (true) {
    while (i < n && IsSeparator(rawCommandLine[i])) ++i;
    if (i >= n) break;
    std::string token;
    bool quoted = false;
    for (; i < n && (quoted || !IsSeparator(rawCommandLine[i])); ++i) {
      if (rawCommandLine[i] == '"') {
        quoted = !quoted;
      } else {
        token += rawCommandLine[i];
      }
    }
    tokens.push_back(std::move(token));
  }
  if (!tokens.empty()) tokens.erase(tokens.begin());  // the program path
  return tokens;
}

}  // namespace platform
