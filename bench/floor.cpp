// The start-up floor: the least a Windows program costs that makes the two
// hidden windows RegisterWrenfold.exe makes (an application window with the
// tool-window style added and later restored, and a main window that it
// owns) and runs a message loop.
//
// Built with FLOOR_WITH_MSXML it also creates and releases, after the windows,
// the XML document the program loads a file into: the least that any import
// that keeps MSXML's document model costs on top of the windows.
#include <windows.h>

#ifdef FLOOR_WITH_MSXML
#include <objbase.h>

#include <initializer_list>
#endif

namespace {

HWND MakeWindow(HINSTANCE instance, const char* className, DWORD style, HWND owner) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, className, "Floor", style, 0, 0, 0, 0, owner, nullptr, instance,
                         nullptr);
}

#ifdef FLOOR_WITH_MSXML
// The program's own choice of document: the first of these that can be made.
void CreateXmlDocument() {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return;
  for (const wchar_t* progId : {L"Msxml2.DOMDocument.4.0", L"Msxml2.DOMDocument.3.0",
                                L"Msxml2.DOMDocument.2.6", L"Msxml2.DOMDocument"}) {
    CLSID classId;
    if (FAILED(CLSIDFromProgID(progId, &classId))) continue;
    IUnknown* document = nullptr;
    if (SUCCEEDED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                   reinterpret_cast<void**>(&document)))) {
      document->Release();
      break;
    }
  }
  CoUninitialize();
}
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND application =
      MakeWindow(instance, "BenchFloorApplication",
                 WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, nullptr);
  const LONG saved = GetWindowLongA(application, GWL_EXSTYLE);
  SetWindowLongA(application, GWL_EXSTYLE, saved | WS_EX_TOOLWINDOW);
  HWND main = MakeWindow(instance, "BenchFloorMain", WS_OVERLAPPEDWINDOW, application);
#ifdef FLOOR_WITH_MSXML
  CreateXmlDocument();
#endif
  PostQuitMessage(0);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  SetWindowLongA(application, GWL_EXSTYLE, saved);
  if (main != nullptr) DestroyWindow(main);
  if (application != nullptr) DestroyWindow(application);
  return 0;
}
