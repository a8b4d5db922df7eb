#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "form/form_design.h"
#include "quiz/collation.h"
#include "win32/accessibility.h"
#include "win32/handles.h"

namespace win32 {

// Tells the pupil, over the window, that an action failed; the window plays on.
using FailureReporter = std::function<void(HWND owner, std::string_view message)>;
void show_failure(HWND owner, std::string_view message);

struct WindowOptions {
  FailureReporter report_failure = show_failure;
  // Called once the window has been destroyed, by the pupil or by its owner.
  std::function<void()> closed = {};
};

// The quiz's only window: two lists to pair up, the scores, the clear button and the result
// box, laid out from the form design at the monitor's dots per inch. Built hidden; throws
// std::runtime_error when it cannot be built.
class QuizWindow {
 public:
  explicit QuizWindow(HINSTANCE instance, WindowOptions options = {});
  ~QuizWindow();
  QuizWindow(const QuizWindow&) = delete;
  QuizWindow& operator=(const QuizWindow&) = delete;

  HWND handle() const { return window_.get(); }
  HWND control(form::Role role) const { return controls_[static_cast<std::size_t>(role)]; }

 private:
  struct Game;

  static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam,
                                      LPARAM lparam) noexcept;
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);

  void create_brushes();
  void create_controls(HINSTANCE instance);
  void annotate();
  // Font, icons, control rectangles and window size for dpi_; the window's top-left corner
  // goes to `origin`, or the window is centred on the work area.
  void apply_dpi(const POINT* origin);
  void place_window(const POINT* origin);

  void command(WORD id, WORD code);
  void selection_changed();
  void restart();
  void describe_result_box();
  template <typename Handler>
  void run_event(std::string_view action, Handler&& handler);

  HBRUSH static_colours(HDC dc, HWND control) const;
  void draw_button(const DRAWITEMSTRUCT& item) const;
  void move_focus(WPARAM wparam, LPARAM lparam);

  WindowOptions options_;
  HINSTANCE instance_;
  quiz::BulgarianCollation collation_;
  Annotations annotations_;
  UniqueBrush form_background_;
  std::array<UniqueBrush, form::role_count> backgrounds_;
  UniqueFont font_;
  UniqueIcon big_icon_;
  UniqueIcon small_icon_;
  UINT dpi_ = 96;
  std::array<HWND, form::role_count> controls_{};
  HWND last_focus_ = nullptr;
  std::unique_ptr<Game> game_;
  UniqueWindow window_;
};

}  // namespace win32
