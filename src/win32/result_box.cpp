#include "win32/result_box.h"

#include "win32/control_proc.h"

namespace win32 {

namespace {

LRESULT CALLBACK result_box_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  if ((message == WM_KEYDOWN || message == WM_CHAR) && wparam == VK_ESCAPE) return 0;
  return call_control_proc(edit, message, wparam, lparam);
}

}  // namespace

void make_result_box(HWND edit) { take_over_control(edit, result_box_proc, "Текстово поле"); }

}  // namespace win32
