#pragma once
// Stored paths in a machine-independent form: the leading folder of a path
// written as a bracketed placeholder.
#include <string>
#include <string_view>

// The placeholders, as stored.  The first group takes its folder's trailing
// backslash with it; the second is followed directly by the rest of the path.
namespace placeholder {
inline constexpr std::string_view kMyDocuments = "[My Documents]\\";
inline constexpr std::string_view kDesktop = "[Desktop]\\";
inline constexpr std::string_view kTemp = "[TEMP]\\";
inline constexpr std::string_view kProgramFiles = "[CSIDL-PROGRAM-FILES]\\";
inline constexpr std::string_view kProgramFilesCommon = "[CSIDL-PROGRAM-FILES-COMMON]";
inline constexpr std::string_view kCommonDocuments = "[CSIDL-COMMON-DOCUMENTS]";
inline constexpr std::string_view kAppData = "[CSIDL-APPDATA]";
inline constexpr std::string_view kLocalAppData = "[CSIDL-LOCAL-APPDATA]";
inline constexpr std::string_view kCommonAppData = "[CSIDL-COMMON-APPDATA]";
}  // namespace placeholder

// Replaces, in this order, the documents, desktop, temporary, program files,
// common files, common documents, roaming, local and common application-data
// folders by "[My Documents]\", "[Desktop]\", "[TEMP]\",
// "[CSIDL-PROGRAM-FILES]\", "[CSIDL-PROGRAM-FILES-COMMON]",
// "[CSIDL-COMMON-DOCUMENTS]", "[CSIDL-APPDATA]", "[CSIDL-LOCAL-APPDATA]" and
// "[CSIDL-COMMON-APPDATA]", ignoring letter case.  Where folders nest, the
// earlier entry wins; a folder that cannot be resolved replaces nothing.
std::string InsertFolderPlaceholders(const std::string& text);

// Replaces the root of the program's drive (E:\ or \\server\share\) by
// "[ExeDrive]\", ignoring letter case.
std::string InsertExeDrivePlaceholder(const std::string& text);
