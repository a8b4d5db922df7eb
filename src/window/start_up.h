#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class QApplication;

namespace window {

// Sets up the application before the window is built, whatever the desktop's language:
// - the texts Qt draws itself (context menus, dialog buttons) in Bulgarian, from Qt's own
//   translations; where they are not installed the program still runs, with those few texts in
//   English;
// - Bulgarian as the application's locale, which Qt also gives assistive technology as the
//   language the window speaks;
// - the name of the desktop entry, by which the desktop shows the window with the program's
//   name and icon.
void set_up_application(QApplication& app);

using WindowBuilder = std::function<std::unique_ptr<QWidget>()>;

// Builds the program's window with `build`, shows it and runs the application until it closes;
// returns the exit status. When the window cannot be built, a dialog tells the pupil that the
// program could not start and why, and the status is EXIT_FAILURE.
int run_window(const WindowBuilder& build);

}  // namespace window
