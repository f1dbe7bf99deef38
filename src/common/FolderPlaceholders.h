#pragma once
// Stored paths in a machine-independent form: the leading folder of a path
// written as a bracketed placeholder.
#include <string>

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
