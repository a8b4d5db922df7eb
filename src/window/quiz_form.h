#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string_view>

#include "form/form_design.h"
#include "quiz/collation.h"

namespace window {

// The quiz's only window: two lists to pair up, the scores, the clear button and the result box.
// A main window, so that assistive technology sees a window with a title.
class QuizForm final : public QMainWindow {
  Q_OBJECT

 public:
  explicit QuizForm(QWidget* parent = nullptr);
  ~QuizForm() override;

 private:
  struct Game;

  void create_controls();
  void set_tab_order();
  void connect_events();
  // The quiz's event handling, with the keyboard focus and the result box's description kept
  // where a screen reader needs them.
  void selection_changed();
  void restart();
  void describe_result_box();
  template <typename Widget>
  Widget& control(form::Role role) const;
  // Every event runs here: a failure is shown to the pupil and the window keeps running.
  template <typename Handler>
  void run_event(std::string_view action, Handler&& handler);
  void show_failure(std::string_view action, std::string_view reason);

  quiz::BulgarianCollation collation_;
  std::array<QWidget*, form::role_count> controls_{};
  std::unique_ptr<Game> game_;
};

}  // namespace window
