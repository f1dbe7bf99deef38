#pragma once
// The real Win32 implementations of the platform services.

namespace platform {
class IUserInterface;
class IProcess;
class IRegistry;
class IShellFolders;
class ILocale;
class IFileSystem;
class IPrivateProfile;
class IXmlParser;
class IFontProvider;
}  // namespace platform

namespace platform::win32 {

IUserInterface& UserInterface();
IProcess& Process();
IFontProvider& Fonts();
IRegistry& Registry();
IPrivateProfile& PrivateProfile();
IShellFolders& ShellFolders();
ILocale& Locale();
IFileSystem& FileSystem();
IXmlParser& XmlParser();

// Installs every Win32 service; the program calls it first thing.
void InstallServices();
// The same for a console tool, whose standard output then carries the bytes
// the host build writes: UTF-8 with LF line ends.
void InstallConsoleServices();

}  // namespace platform::win32
