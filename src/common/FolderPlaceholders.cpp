#include "common/FolderPlaceholders.h"

#include <array>

#include "common/PathText.h"
#include "common/ReplaceIgnoreCase.h"
#include "common/SpecialFolders.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/ShellFolders.h"

namespace {

struct Placeholder {
  const char* text;
  std::string (*resolve)();
};

template <int Folder>
std::string ShellFolder() {
  return GetSpecialFolderDir(Folder);
}

// The order matters: a folder that lies inside a later one must come first.
constexpr std::array<Placeholder, 9> kPlaceholders = {{
    {"[My Documents]\\", GetMyDocumentsDir},
    {"[Desktop]\\", GetDesktopDir},
    {"[TEMP]\\", GetTempDir},
    {"[CSIDL-PROGRAM-FILES]\\", ShellFolder<platform::csidl::kProgramFiles>},
    {"[CSIDL-PROGRAM-FILES-COMMON]", ShellFolder<platform::csidl::kProgramFilesCommon>},
    {"[CSIDL-COMMON-DOCUMENTS]", ShellFolder<platform::csidl::kCommonDocuments>},
    {"[CSIDL-APPDATA]", ShellFolder<platform::csidl::kAppData>},
    {"[CSIDL-LOCAL-APPDATA]", ShellFolder<platform::csidl::kLocalAppData>},
    {"[CSIDL-COMMON-APPDATA]", ShellFolder<platform::csidl::kCommonAppData>},
}};

}  // namespace

std::string InsertFolderPlaceholders(const std::string& text) {
  std::string result = text;
  for (const Placeholder& placeholder : kPlaceholders) {
    result = ReplaceAllIgnoreCase(result, placeholder.resolve(), placeholder.text);
  }
  return result;
}

std::string InsertExeDrivePlaceholder(const std::string& text) {
  platform::IProcess& process = platform::Process();
  const std::string drive = ExtractFileDrive(process.FullPathName(process.ProgramFileName()));
  // Without a drive the root would be a lone backslash, which matches every
  // separator in the text.
  if (drive.empty()) return text;
  return ReplaceAllIgnoreCase(text, drive + "\\", "[ExeDrive]\\");
}
