#include "platform/win32/Win32MsXmlCom.h"

#include <objbase.h>

namespace platform::win32 {

namespace {

// Entered once, on the thread that first loads a document (the main thread,
// which is the only one), and left when the program's statics are destroyed,
// after the import has released every document.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

}  // namespace

void EnsureComInitialized() { static ComApartment apartment; }

}  // namespace platform::win32
