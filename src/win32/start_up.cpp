#include "win32/start_up.h"

#include <cstdlib>

#include "form/form_design.h"
#include "form/form_texts.h"
#include "form/run_guarded.h"
#include "quiz/utf16.h"
#include "win32/message_loop.h"

namespace win32 {

void show_start_failure(std::string_view message) {
  MessageBoxW(nullptr, quiz::to_utf16(message).c_str(), quiz::to_utf16(form::form_title).c_str(),
              MB_OK | MB_ICONERROR);
}

int run_window(const WindowBuilder& build, int show_command, const StartFailureReporter& report) {
  std::unique_ptr<QuizWindow> window;
  form::run_guarded([&] { window = build(); },
                    [&](std::string_view reason) { report(form::start_failure_message(reason)); });
  if (!window) return EXIT_FAILURE;
  ShowWindow(window->handle(), show_command);
  UpdateWindow(window->handle());
  return run_message_loop(window->handle());
}

}  // namespace win32
