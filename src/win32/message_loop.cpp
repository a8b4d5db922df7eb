#include "win32/message_loop.h"

namespace win32 {

void dispatch(HWND window, const MSG& message) {
  MSG copy = message;
  if (window && IsDialogMessageW(window, &copy)) return;
  TranslateMessage(&copy);
  DispatchMessageW(&copy);
}

int run_message_loop(HWND window) {
  MSG message{};
  BOOL got = FALSE;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) dispatch(window, message);
  return got == 0 ? static_cast<int>(message.wParam) : EXIT_FAILURE;
}

}  // namespace win32
