#include "platform/Services.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

Services& CurrentServices() {
  static Services services;
  return services;
}

namespace {
template <class T>
T& Require(T* service, const char* name) {
  if (service == nullptr) {
    std::fprintf(stderr, "platform service '%s' used before it was installed\n", name);
    std::abort();
  }
  return *service;
}
}  // namespace

IRegistry& Registry() { return Require(CurrentServices().registry, "registry"); }
IUserInterface& Ui() { return Require(CurrentServices().ui, "ui"); }
IProcess& Process() { return Require(CurrentServices().process, "process"); }
IShellFolders& ShellFolders() { return Require(CurrentServices().shellFolders, "shellFolders"); }
ILocale& Locale() { return Require(CurrentServices().locale, "locale"); }
IFileSystem& FileSystem() { return Require(CurrentServices().fileSystem, "fileSystem"); }
IPrivateProfile& PrivateProfile() {
  return Require(CurrentServices().privateProfile, "privateProfile");
}
IXmlParser& Xml() { return Require(CurrentServices().xml, "xml"); }
IFontProvider& Fonts() { return Require(CurrentServices().fonts, "fonts"); }

}  // namespace platform
