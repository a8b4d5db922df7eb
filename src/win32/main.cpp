#include <windows.h>

#include <memory>

#include "win32/start_up.h"
#include "win32/win_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  return win32::run_window(
      [instance] {
        return std::make_unique<win32::QuizWindow>(
            instance, win32::WindowOptions{.closed = [] { PostQuitMessage(0); }});
      },
      show_command);
}
