#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "win32/win_window.h"

namespace win32 {

using WindowBuilder = std::function<std::unique_ptr<QuizWindow>()>;
// Tells the pupil that the program could not start, and why.
using StartFailureReporter = std::function<void(std::string_view message)>;
void show_start_failure(std::string_view message);

// Builds the program's window with `build`, shows it and runs the thread's messages until the
// quit message; returns the exit status. When the window cannot be built, `report` tells the
// pupil and the status is EXIT_FAILURE.
int run_window(const WindowBuilder& build, int show_command,
               const StartFailureReporter& report = show_start_failure);

}  // namespace win32
