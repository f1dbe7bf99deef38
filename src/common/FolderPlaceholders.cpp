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
  std::string_view text;
  std::string (*resolve)();
};

template <int Folder>
std::string ShellFolder() {
  return GetSpecialFolderDir(Folder);
}

// The order matters: a folder that lies inside a later one must come first.
constexpr std::array<Placeholder, 9> kPlaceholders = {{
    {placeholder::kMyDocuments, GetMyDocumentsDir},
    {placeholder::kDesktop, GetDesktopDir},
    {placeholder::kTemp, GetTempDir},
    {placeholder::kProgramFiles, ShellFolder<platform::csidl::kProgramFiles>},
    {placeholder::kProgramFilesCommon, ShellFolder<platform::csidl::kProgramFilesCommon>},
    {placeholder::kCommonDocuments, ShellFolder<platform::csidl::kCommonDocuments>},
    {placeholder::kAppData, ShellFolder<platform::csidl::kAppData>},
    {placeholder::kLocalAppData, ShellFolder<platform::csidl::kLocalAppData>},
    {placeholder::kCommonAppData, ShellFolder<platform::csidl::kCommonAppData>},
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
