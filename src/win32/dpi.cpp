#include "win32/dpi.h"

#include "win32/handles.h"

namespace win32 {

namespace {

// A function of a system DLL that older versions of Windows lack; null where it is missing.
template <typename Function>
Function system_function(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // Through void(*)(), the one function type that converts to any other without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

HMODULE user32() { return GetModuleHandleW(L"user32.dll"); }

// Windows 8.1 tells the dots per inch of a monitor through shcore.dll.
UINT monitor_dpi_on_windows_8_1(HWND window) {
  using GetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  const UniqueModule shcore(LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  const auto get_dpi = system_function<GetDpiForMonitor>(shcore.get(), "GetDpiForMonitor");
  if (!get_dpi) return 0;
  constexpr int effective_dpi = 0;  // MDT_EFFECTIVE_DPI
  UINT x = 0;
  UINT y = 0;
  const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
  return SUCCEEDED(get_dpi(monitor, effective_dpi, &x, &y)) ? y : 0;
}

UINT system_dpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : standard_dpi;
}

}  // namespace

UINT window_dpi(HWND window) {
  using GetDpiForWindow = UINT(WINAPI*)(HWND);
  if (const auto get_dpi = system_function<GetDpiForWindow>(user32(), "GetDpiForWindow")) {
    if (const UINT dpi = get_dpi(window)) return dpi;
  }
  if (const UINT dpi = monitor_dpi_on_windows_8_1(window)) return dpi;
  return system_dpi();
}

RECT window_rect_for_client(RECT client, DWORD style, DWORD ex_style, UINT dpi) {
  using AdjustWindowRectExForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  RECT outer = client;
  const auto adjust =
      system_function<AdjustWindowRectExForDpi>(user32(), "AdjustWindowRectExForDpi");
  if (!adjust || !adjust(&outer, style, FALSE, ex_style, dpi)) {
    outer = client;
    AdjustWindowRectEx(&outer, style, FALSE, ex_style);
  }
  return outer;
}

}  // namespace win32
