#pragma once

// Opens the quiz window in the test's own process and plays it as a pupil does: real mouse
// clicks and key presses through SendInput, which go to the window in the foreground. Helpers
// that can fail return false, so that a test stops at the step that did not work.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_design.h"
#include "win32/win_window.h"

namespace test {

// The window, shown and in the foreground, with its controls.
class OpenWindow {
 public:
  explicit OpenWindow(win32::WindowOptions options = {});

  HWND handle() const { return window_->handle(); }
  HWND control(form::Role role) const { return window_->control(role); }
  HWND names() const { return control(form::Role::name_list); }
  HWND settlements() const { return control(form::Role::settlement_list); }
  HWND result() const { return control(form::Role::result_box); }
  HWND correct() const { return control(form::Role::correct_label); }
  HWND wrong() const { return control(form::Role::wrong_label); }
  HWND clear_button() const { return control(form::Role::clear_button); }
  bool in_foreground() const;

 private:
  std::unique_ptr<win32::QuizWindow> window_;
};

// Runs the thread's messages as the program does, until every message queued so far has been
// handled.
void pump(HWND window);

// One key of a keyboard, pressed and let go, with Ctrl or Shift held or not; a character key when
// `character` is set (typed as Unicode input, whatever the keyboard layout).
struct Key {
  WORD virtual_key = 0;
  bool ctrl = false;
  wchar_t character = L'\0';
  bool shift = false;
};
// Presses the keys one after another, then runs messages until all of them were handled.
[[nodiscard]] bool press(HWND window, const std::vector<Key>& keys);
// A left click at `point` on the screen.
[[nodiscard]] bool click_at(HWND window, POINT point);
// Scrolls `list` to the entry and clicks it; false when there is no such single entry.
[[nodiscard]] bool click_entry(HWND window, HWND list, std::string_view text);
[[nodiscard]] bool click_control(HWND window, HWND control);

// Reading the controls back; texts are UTF-8.
std::string text_of(HWND control);
int count_of(HWND list);
int selection_of(HWND list);
int caret_of(HWND list);
std::string entry_of(HWND list, int index);
std::vector<std::string> entries_of(HWND list);
int index_of(HWND list, std::string_view text);  // -1 when missing
// The control's rectangle in its parent's client area.
RECT rect_in_parent(HWND control);

}  // namespace test
