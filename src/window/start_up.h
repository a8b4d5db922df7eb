#pragma once

#include <QWidget>
#include <functional>
#include <memory>

namespace window {

using WindowBuilder = std::function<std::unique_ptr<QWidget>()>;

// Builds the program's window with `build`, shows it and runs the application until it closes;
// returns the exit status. When the window cannot be built, a dialog tells the pupil that the
// program could not start and why, and the status is EXIT_FAILURE.
int run_window(const WindowBuilder& build);

}  // namespace window
