#pragma once

#include <QMainWindow>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "form/form_design.h"
#include "quiz/collation.h"

class QLabel;
class QPushButton;

namespace window {

class PickList;
class ResultBox;

// The quiz's only window: two lists to pair up, the scores, the clear button and the result box.
// A main window, so that assistive technology sees a window with a title.
class QuizForm final : public QMainWindow {
  Q_OBJECT

 public:
  explicit QuizForm(QWidget* parent = nullptr);
  ~QuizForm() override;

 private:
  struct Game;
  // The controls the window works with, each as what it is, filled once from the form design.
  struct Controls {
    PickList* names = nullptr;
    PickList* settlements = nullptr;
    ResultBox* result = nullptr;
    QLabel* correct = nullptr;
    QLabel* wrong = nullptr;
    QPushButton* clear = nullptr;
  };
  using TabStop = std::pair<int, QWidget*>;  // a control that takes the focus, by tab index

  void create_controls();
  QWidget* create_control(const form::FormControl& entry);
  void set_tab_order(std::vector<TabStop> stops);
  void connect_events();
  // The quiz's event handling, with the keyboard focus and the result box's description kept
  // where a screen reader needs them.
  void selection_changed();
  void restart();
  void describe_result_box();
  // Every event runs here: a failure is shown to the pupil and the window keeps running.
  template <typename Handler>
  void run_event(std::string_view action, Handler&& handler);

  quiz::BulgarianCollation collation_;
  Controls controls_;
  std::unique_ptr<Game> game_;
};

}  // namespace window
