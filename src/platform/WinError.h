#pragma once
// Win32 error codes, each once, under names that cannot collide with
// <windows.h> macros.  The file calls give them as DWORD values; the registry
// calls give them as LSTATUS (see reg:: in Registry.h).
#include <cstdint>

namespace platform::winerr {

inline constexpr std::uint32_t kSuccess = 0;
inline constexpr std::uint32_t kFileNotFound = 2;
inline constexpr std::uint32_t kPathNotFound = 3;
inline constexpr std::uint32_t kAccessDenied = 5;
inline constexpr std::uint32_t kInvalidHandle = 6;
inline constexpr std::uint32_t kWriteFault = 29;
inline constexpr std::uint32_t kSharingViolation = 32;
inline constexpr std::uint32_t kInvalidParameter = 87;
inline constexpr std::uint32_t kInvalidName = 123;
inline constexpr std::uint32_t kBadPathname = 161;
inline constexpr std::uint32_t kAlreadyExists = 183;
inline constexpr std::uint32_t kMoreData = 234;
inline constexpr std::uint32_t kNoMoreItems = 259;
inline constexpr std::uint32_t kKeyDeleted = 1018;

}  // namespace platform::winerr
