#pragma once
// The Win32 handles shared by several units, as owners of the one template.
#include <windows.h>

#include "platform/UniqueHandle.h"

namespace platform::win32 {

using platform::UniqueHandle;

// A handle from CreateFile, which answers INVALID_HANDLE_VALUE for none.
struct FileHandleTraits {
  using Type = HANDLE;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Type handle) { CloseHandle(handle); }
};
using FileHandle = UniqueHandle<FileHandleTraits>;

}  // namespace platform::win32
