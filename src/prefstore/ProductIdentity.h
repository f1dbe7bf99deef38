#pragma once
// The product whose preferences this store keeps.  Fixed texts: the store's
// keys, folders and message-box captions use them whatever the running
// program is called.
#include <string_view>

inline constexpr std::string_view kProductName = "Wrenfold";
inline constexpr std::string_view kProductExeName = "Wrenfold.exe";
inline constexpr std::string_view kProductRegistryKey = "Software\\Orlavex\\Wrenfold 4";
inline constexpr std::string_view kProductDataFolder = "Orlavex\\Wrenfold 4";
inline constexpr std::string_view kProductIniFileName = "Wrenfold.ini";
// This program's own title: its application window and the import's boxes.
inline constexpr std::string_view kApplicationTitle = "Register Wrenfold";
