#pragma once

#include <string_view>

class QWidget;

namespace window {

// Tells the pupil, in a dialog over `window`, that `action` failed for `reason`; the window
// plays on. A failure met while the window is still being built waits for the window to be
// shown: a dialog opened over a hidden window would come up first, on its own.
void show_failure(QWidget& window, std::string_view action, std::string_view reason);

}  // namespace window
