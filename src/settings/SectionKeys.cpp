#include "settings/SectionKeys.h"

#include "prefstore/ProductIdentity.h"

std::string SectionKeyPath(std::string_view section) {
  std::string path(kProductRegistryKey);
  path += '\\';
  path += section;
  return path;
}

std::string SectionName(cfgSection section) { return std::string(cfgSectionNames[section]); }

std::string MainWindowSection(std::string_view programFileName) {
  std::string_view name = programFileName;
  const std::size_t folderEnd = name.find_last_of("\\/:");
  if (folderEnd != std::string_view::npos) name.remove_prefix(folderEnd + 1);
  const std::size_t extension = name.rfind('.');
  if (extension != std::string_view::npos) name = name.substr(0, extension);
  return SectionName(cfgWindows) + "\\" + std::string(name) + "_MainWin";
}

std::string SearchHistorySection() { return SectionName(cfgTemp) + "\\" + "\\Search History"; }
