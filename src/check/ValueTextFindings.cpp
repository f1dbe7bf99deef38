#include "check/ValueTextFindings.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "check/TextQuote.h"
#include "common/FolderPlaceholders.h"
#include "common/Strings.h"

namespace {

constexpr std::size_t kQuotedChars = 60;

struct UserFolder {
  std::string_view below;  // below the profile folder, lower case, with its backslash
  std::string_view placeholder;
};

// Longer folders before the folders they lie in.
constexpr UserFolder kUserFolders[] = {
    {"appdata\\local\\temp\\", placeholder::kTemp},
    {"local settings\\temp\\", placeholder::kTemp},
    {"appdata\\roaming\\", placeholder::kAppData},
    {"application data\\", placeholder::kAppData},
    {"appdata\\local\\", placeholder::kLocalAppData},
    {"local settings\\application data\\", placeholder::kLocalAppData},
    {"documents\\", placeholder::kMyDocuments},
    {"my documents\\", placeholder::kMyDocuments},
    {"desktop\\", placeholder::kDesktop},
};

// Profiles that belong to no one user.
constexpr std::string_view kSharedProfiles[] = {"public", "default", "default user", "all users"};

bool StartsWithLower(std::string_view text, std::string_view lowerPrefix) {
  return AnsiLowerCase(text.substr(0, lowerPrefix.size())) == lowerPrefix;
}

bool IsNameCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// What a text with an underscore reads as, if it must keep the underscore.
const char* ReadsAs(std::string_view text) {
  const bool drive = text.size() > 2 && std::isalpha(static_cast<unsigned char>(text[0])) != 0 &&
                     text[1] == ':' && (text[2] == '\\' || text[2] == '/');
  if (drive || text.find('\\') != std::string_view::npos || text.starts_with("/") ||
      text.starts_with("./") || text.starts_with("../")) {
    return "a path";
  }
  if (text.find("://") != std::string_view::npos || text.find('@') != std::string_view::npos ||
      text.starts_with("www.")) {
    return "an address";
  }
  if (text.find(' ') != std::string_view::npos) return nullptr;
  // name.ext with a short extension of letters and digits.
  const std::size_t dot = text.rfind('.');
  if (dot != std::string_view::npos && dot > 0 && text.size() - dot - 1 >= 1 &&
      text.size() - dot - 1 <= 5) {
    bool extension = true;
    for (const char c : text.substr(dot + 1))
      extension = extension && std::isalnum(static_cast<unsigned char>(c)) != 0;
    if (extension && text.substr(0, dot).find('_') != std::string_view::npos) return "a file name";
  }
  // One word of letters, digits and underscores that is not words in title
  // case joined by underscores as the format writes spaces ("Hello_World"):
  // snake_case, CONSTANT_CASE, en_GB, a key with digits.
  for (const char c : text) {
    if (!IsNameCharacter(c)) return nullptr;
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('_', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view part = text.substr(start, end - start);
    if (part.empty()) return "an identifier";
    const bool titleWord =
        std::isupper(static_cast<unsigned char>(part[0])) != 0 &&
        (part.size() == 1 || std::all_of(part.begin() + 1, part.end(), [](char c) {
           return std::islower(static_cast<unsigned char>(c)) != 0;
         }));
    if (!titleWord) return "an identifier";
    start = end + 1;
  }
  return nullptr;
}

}  // namespace

std::optional<TFinding> UserFolderPathFinding(const std::string& path) {
  const bool drive = path.size() > 3 && std::isalpha(static_cast<unsigned char>(path[0])) != 0 &&
                     path[1] == ':' && path[2] == '\\';
  if (!drive) return std::nullopt;
  std::string_view rest = std::string_view(path).substr(3);
  std::size_t profilesLength = 0;
  for (const std::string_view profiles :
       {std::string_view("users\\"), std::string_view("documents and settings\\")}) {
    if (StartsWithLower(rest, profiles)) profilesLength = profiles.size();
  }
  if (profilesLength == 0) return std::nullopt;
  rest.remove_prefix(profilesLength);
  const std::size_t userEnd = rest.find('\\');
  if (userEnd == std::string_view::npos || userEnd == 0) return std::nullopt;
  const std::string user = AnsiLowerCase(rest.substr(0, userEnd));
  for (const std::string_view shared : kSharedProfiles) {
    if (user == shared) return std::nullopt;
  }
  const std::string_view profile =
      std::string_view(path).substr(0, 3 + profilesLength + userEnd + 1);
  rest.remove_prefix(userEnd + 1);

  TFinding finding = MakeFinding(TSeverity::kNote, "path-below-user-folder", {}, {});
  for (const UserFolder& folder : kUserFolders) {
    if (!StartsWithLower(rest, folder.below)) continue;
    finding.fix = std::string(folder.placeholder) + std::string(rest.substr(folder.below.size()));
    finding.text = "an absolute path below the folders of one user (" +
                   QuoteText(profile, kQuotedChars) +
                   "): for every other user it names a folder that is not theirs; the "
                   "placeholder " +
                   QuoteText(folder.placeholder) +
                   " stands for that folder of whichever user runs the product";
    return finding;
  }
  finding.text = "an absolute path below the profile folder of one user (" +
                 QuoteText(profile, kQuotedChars) +
                 "): for every other user it names a folder that is not theirs, and no "
                 "placeholder stands for the profile folder itself";
  return finding;
}

std::optional<TFinding> UnderscoreFinding(const std::string& fileText, const std::string& decoded) {
  // Only underscores the decoding turned into spaces count: "_0x5B_" and
  // its like are the format's own escapes, and a bracketed placeholder
  // ("[My_Documents]") has its blank written so on purpose.
  const std::string escapesGone = ReplaceAll(ReplaceAll(fileText, "_0x5B_", "["), "_0x5D_", "]");
  bool outsideBrackets = false;
  int depth = 0;
  for (const char c : escapesGone) {
    depth += c == '[' ? 1 : c == ']' && depth > 0 ? -1 : 0;
    outsideBrackets = outsideBrackets || (c == '_' && depth == 0);
  }
  if (!outsideBrackets) return std::nullopt;
  const char* readsAs = ReadsAs(escapesGone);
  if (readsAs == nullptr) return std::nullopt;
  return MakeFinding(TSeverity::kWarning, "underscore-as-space", {},
                     QuoteText(escapesGone, kQuotedChars) + " reads as " + readsAs +
                         ", but every \"_\" in a text is stored as a space: the product gets " +
                         QuoteText(decoded, kQuotedChars) +
                         ". The format cannot carry an underscore in any way; to keep it, set this "
                         "value another way (in the product itself, or with a .reg file), or "
                         "choose a name without one");
}
