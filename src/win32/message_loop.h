#pragma once

#include <windows.h>

namespace win32 {

// Hands one message of the thread's queue on: the keys that move between controls to the
// window's dialog keyboard (IsDialogMessage), everything else to its target.
void dispatch(HWND window, const MSG& message);

// Runs the thread's messages through `window` until the quit message; returns its status.
int run_message_loop(HWND window);

}  // namespace win32
