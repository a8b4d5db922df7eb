#pragma once

#include <windows.h>

namespace win32 {

// Keeps Escape from closing the window: a multi-line EDIT in a window run through
// IsDialogMessage closes its parent on Escape, as if it sat in a dialog box. Throws
// std::runtime_error when the box cannot be set up.
void make_result_box(HWND edit);

}  // namespace win32
