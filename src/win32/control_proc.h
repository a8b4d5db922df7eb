#pragma once

#include <windows.h>

#include <string_view>

namespace win32 {

// Gives a standard control a window procedure of ours in front of its own, which is kept in
// the control's GWLP_USERDATA (free for the application in every standard control) and called
// through call_control_proc. Comctl32's SetWindowSubclass would look its data up as a window
// property on every message; Wine asks its server for each, which made filling the two lists
// take 60 ms. Throws std::runtime_error, naming `what`, when the control cannot be changed.
void take_over_control(HWND control, WNDPROC proc, std::string_view what);

// The control's own window procedure, for every message ours leaves to it.
LRESULT call_control_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace win32
