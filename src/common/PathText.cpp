#include "common/PathText.h"

std::string IncludeTrailingBackslash(std::string_view path) {
  std::string result(path);
  if (!result.empty() && result.back() != '\\') result += '\\';
  return result;
}

std::string ExtractFilePath(std::string_view path) {
  const std::size_t last = path.find_last_of("\\:");
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string ExtractFileName(std::string_view path) {
  const std::size_t last = path.find_last_of("\\:");
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string ExtractFileDrive(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    const std::size_t server = path.find('\\', 2);
    // A share needs a server name before it and a name of its own.
    if (server == std::string_view::npos || server == 2 || server + 1 >= path.size() ||
        path[server + 1] == '\\') {
      return {};
    }
    const std::size_t share = path.find('\\', server + 1);
    return std::string(path.substr(0, share));
  }
  return {};
}
