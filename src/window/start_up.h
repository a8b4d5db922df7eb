#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <memory>

namespace window {

// Makes the texts Qt draws itself (context menus, dialog buttons) Bulgarian, whatever the
// desktop's language, from Qt's own translations. Returns false, and changes nothing, when they
// are not installed: the program still runs, with those few texts in English.
bool load_qt_translations(QCoreApplication& app);

using WindowBuilder = std::function<std::unique_ptr<QWidget>()>;

// Builds the program's window with `build`, shows it and runs the application until it closes;
// returns the exit status. When the window cannot be built, a dialog tells the pupil that the
// program could not start and why, and the status is EXIT_FAILURE.
int run_window(const WindowBuilder& build);

}  // namespace window
