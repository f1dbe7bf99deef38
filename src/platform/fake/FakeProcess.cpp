#include "platform/fake/FakeProcess.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace platform::fake {

namespace {
std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}
}  // namespace

bool FakeProcess::FileExists(const std::string& path) {
  const std::string wanted = Lower(FullPathName(path));
  return std::any_of(files.begin(), files.end(),
                     [&](const std::string& file) { return Lower(FullPathName(file)) == wanted; });
}

std::string FakeProcess::FullPathName(const std::string& path) {
  if (path.empty()) return path;
  std::string joined;
  std::string root;  // "C:" or "\\server\share"
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    joined = path;
  } else if (path.size() >= 2 && path[1] == ':') {
    joined =
        (path.size() >= 3 && path[2] == '\\') ? path : path.substr(0, 2) + "\\" + path.substr(2);
  } else if (path[0] == '\\') {
    joined = currentDirectory.substr(0, 2) + path;
  } else {
    joined = currentDirectory + "\\" + path;
  }

  // Split into the root and its parts, then resolve "." and "..".
  std::size_t start;
  if (joined.rfind("\\\\", 0) == 0) {
    const std::size_t server = joined.find('\\', 2);
    const std::size_t share =
        server == std::string::npos ? std::string::npos : joined.find('\\', server + 1);
    root = joined.substr(0, share);
    start = share == std::string::npos ? joined.size() : share;
  } else {
    root = joined.substr(0, 2);
    start = 2;
  }
  std::vector<std::string> parts;
  std::string part;
  const bool trailing = joined.size() > start && joined.back() == '\\';
  for (std::size_t i = start; i <= joined.size(); ++i) {
    if (i == joined.size() || joined[i] == '\\') {
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      part.clear();
    } else {
      part += joined[i];
    }
  }
  std::string result = root;
  for (const std::string& p : parts) result += "\\" + p;
  if (parts.empty() || trailing) result += "\\";
  return result;
}

}  // namespace platform::fake
