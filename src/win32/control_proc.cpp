#include "win32/control_proc.h"

#include <stdexcept>
#include <string>

namespace win32 {

namespace {

[[noreturn]] void fail(std::string_view what) {
  throw std::runtime_error(std::string(what) + ": не се настрои (Windows: грешка " +
                           std::to_string(GetLastError()) + ")");
}

}  // namespace

void take_over_control(HWND control, WNDPROC proc, std::string_view what) {
  const LONG_PTR own = GetWindowLongPtrW(control, GWLP_WNDPROC);
  if (own == 0) fail(what);
  // Both calls return the value before, 0 the first time: only the error code tells a failure.
  SetLastError(0);
  if (SetWindowLongPtrW(control, GWLP_USERDATA, own) == 0 && GetLastError() != 0) fail(what);
  if (SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)) == 0) fail(what);
}

LRESULT call_control_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
  return CallWindowProcW(own, control, message, wparam, lparam);
}

}  // namespace win32
