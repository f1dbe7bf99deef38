#pragma once
// The operating-system services the portable core reaches through.  The
// program installs the Win32 implementations at start-up; tests install fakes
// (or the real ones under Wine) for the length of a test with ScopedServices.

namespace platform {

class IRegistry;
class IUserInterface;
class IProcess;
class IShellFolders;
class ILocale;
class IFileSystem;
class IPrivateProfile;
class IXmlParser;
class IFontProvider;

struct Services {
  IRegistry* registry = nullptr;
  IUserInterface* ui = nullptr;
  IProcess* process = nullptr;
  IShellFolders* shellFolders = nullptr;
  ILocale* locale = nullptr;
  IFileSystem* fileSystem = nullptr;
  IPrivateProfile* privateProfile = nullptr;
  IXmlParser* xml = nullptr;
  IFontProvider* fonts = nullptr;
};

Services& CurrentServices();

// Each accessor fails loudly when nothing was installed: a test that forgot a
// fake should stop at the first call, not crash somewhere later.
IRegistry& Registry();
IUserInterface& Ui();
IProcess& Process();
IShellFolders& ShellFolders();
ILocale& Locale();
IFileSystem& FileSystem();
IPrivateProfile& PrivateProfile();
IXmlParser& Xml();
IFontProvider& Fonts();

// Saves the installed services and restores them when it goes out of scope.
class ScopedServices {
 public:
  ScopedServices() : saved_(CurrentServices()) {}
  ~ScopedServices() { CurrentServices() = saved_; }
  ScopedServices(const ScopedServices&) = delete;
  ScopedServices& operator=(const ScopedServices&) = delete;

  Services* operator->() { return &CurrentServices(); }

 private:
  Services saved_;
};

}  // namespace platform
