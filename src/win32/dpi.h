#pragma once

// Sizes for the dots per inch of the monitor a window is on. The functions that tell them per
// monitor came with Windows 8.1 and 10; on older Windows every monitor has the system's value.
#include <windows.h>

namespace win32 {

inline constexpr UINT standard_dpi = 96;

// The dots per inch that `window` is drawn at.
UINT window_dpi(HWND window);

// The outer rectangle of a window whose client area is `client`, at `dpi`.
RECT window_rect_for_client(RECT client, DWORD style, DWORD ex_style, UINT dpi);

// `pixels` at 96 dots per inch, scaled to `dpi`.
inline int scale(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), standard_dpi);
}

}  // namespace win32
