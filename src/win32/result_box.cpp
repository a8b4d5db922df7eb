#include "win32/result_box.h"

#include <commctrl.h>

#include <stdexcept>

namespace win32 {

namespace {

constexpr UINT_PTR subclass_id = 1;

LRESULT CALLBACK result_box_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                 DWORD_PTR) noexcept {
  switch (message) {
    case WM_KEYDOWN:
    case WM_CHAR:
      if (wparam == VK_ESCAPE) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, result_box_proc, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(edit, message, wparam, lparam);
}

}  // namespace

void make_result_box(HWND edit) {
  if (!SetWindowSubclass(edit, result_box_proc, subclass_id, 0)) {
    throw std::runtime_error("Текстово поле: не се настрои");
  }
}

}  // namespace win32
