#include "window/quiz_form.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "form/form_texts.h"
#include "form/run_guarded.h"
#include "quiz/cave_rows.h"
#include "quiz/matching_quiz.h"
#include "window/failure_dialog.h"
#include "window/pick_list.h"
#include "window/qt_controls.h"
#include "window/qt_helpers.h"
#include "window/result_box.h"

namespace window {

namespace {

PickList* new_pick_list(QWidget* parent) {
  auto* list = new PickList(parent);
  list->setAccessibleDescription(to_qstring(form::keyboard_hint));
  return list;
}

QLabel* new_label(std::string_view caption, QWidget* parent) {
  auto* label = new QLabel(to_qstring(caption), parent);
  // A caption is shown as written: Qt would take a caption that looks like markup for rich text.
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

// The quiz played on this window's own controls.
struct QuizForm::Game {
  Game(const Controls& controls, const quiz::BulgarianCollation& collation)
      : names(*controls.names, collation),
        settlements(*controls.settlements, collation),
        result(*controls.result),
        correct(*controls.correct),
        wrong(*controls.wrong),
        quiz(quiz::cave_key(), {names, settlements, result, correct, wrong}) {}

  QtList names;
  QtList settlements;
  QtTextBox result;
  QtLabel correct;
  QtLabel wrong;
  quiz::MatchingQuiz quiz;
};

QuizForm::QuizForm(QWidget* parent) : QMainWindow(parent) {
  // The controls stand at fixed places, so the window keeps its size: a close button, but no
  // minimise or maximise box.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(to_qstring(form::window_caption()));
  // A screen reader names the window by its subject, not by the publisher's address.
  setAccessibleName(to_qstring(form::form_title));
  // The controls stand on a plain widget of their own, which carries the window's background.
  setCentralWidget(new QWidget(this));
  setWindowIcon(QIcon(QStringLiteral(":/icons/caves-quiz.png")));
  setFont(QFont(to_qstring(form::font_family), form::font_point_size));
  set_background(*centralWidget(), QPalette::Window, form::form_background);
  setFixedSize(form::to_pixels(form::client_width), form::to_pixels(form::client_height));
  if (const QScreen* screen = this->screen()) {
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
  }

  create_controls();
  game_ = std::make_unique<Game>(controls_, collation_);
  game_->result.set_text(form::intro_text);
  connect_events();
  describe_result_box();
  controls_.result->setFocus();

  run_event(form::loading_lists, [this] { game_->quiz.refill_lists(); });
}

// The game goes with this window's members, before Qt deletes the controls: nothing a control
// signals while it is taken down may reach a game that is gone.
QuizForm::~QuizForm() {
  for (const QObject* control : std::initializer_list<const QObject*>{
           controls_.names, controls_.settlements, controls_.clear}) {
    disconnect(control, nullptr, this, nullptr);
  }
}

void QuizForm::create_controls() {
  std::vector<TabStop> tab_stops;
  for (const form::FormControl& entry : form::form_controls) {
    QWidget* widget = create_control(entry);
    widget->setObjectName(to_qstring(entry.object_name));
    if (!entry.accessible_name.empty())
      widget->setAccessibleName(to_qstring(entry.accessible_name));
    widget->setGeometry(form::to_pixels(entry.left), form::to_pixels(entry.top),
                        form::to_pixels(entry.width), form::to_pixels(entry.height));
    if (entry.background) {
      // A button is drawn in the palette's button colour, the other controls in its window colour.
      set_background(*widget,
                     qobject_cast<QPushButton*>(widget) ? QPalette::Button : QPalette::Window,
                     *entry.background);
    }
    if (widget->focusPolicy() != Qt::NoFocus) tab_stops.emplace_back(entry.tab_index, widget);
  }
  set_tab_order(std::move(tab_stops));
}

QWidget* QuizForm::create_control(const form::FormControl& entry) {
  QWidget* board = centralWidget();
  switch (entry.role) {
    case form::Role::name_list:
      return controls_.names = new_pick_list(board);
    case form::Role::settlement_list:
      return controls_.settlements = new_pick_list(board);
    case form::Role::result_box:
      return controls_.result = new ResultBox(board);
    case form::Role::correct_label:
      return controls_.correct = new_label(entry.caption, board);
    case form::Role::wrong_label:
      return controls_.wrong = new_label(entry.caption, board);
    case form::Role::settlement_heading:
    case form::Role::name_heading:
    case form::Role::title:
      return new_label(entry.caption, board);
    case form::Role::clear_button:
      return controls_.clear = new QPushButton(to_qstring(entry.caption), board);
  }
  return nullptr;  // not reached: every role has its case
}

void QuizForm::set_tab_order(std::vector<TabStop> stops) {
  std::ranges::sort(stops, {}, &TabStop::first);
  for (std::size_t i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1].second, stops[i].second);
}

void QuizForm::connect_events() {
  // Only the pupil changes a selection: the lists raise no signal for the quiz's own changes.
  for (PickList* list : {controls_.names, controls_.settlements}) {
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this] { run_event(form::checking_pair, [this] { selection_changed(); }); });
  }
  connect(controls_.clear, &QPushButton::clicked, this,
          [this] { run_event(form::new_game, [this] { restart(); }); });
}

// A screen reader reads what gets the focus, so the verdict is heard at once: when a pair is
// judged, the result box takes the focus and is read with its first line, the verdict, and the
// score as its description. It takes the focus before the verdict is written: a screen reader
// that saw the box change while it had the focus would take the box as already read, and say
// nothing.
void QuizForm::selection_changed() {
  quiz::MatchingQuiz& quiz = game_->quiz;
  const bool judging = quiz.pair_picked();
  if (judging) controls_.result->setFocus(Qt::OtherFocusReason);
  quiz.selection_changed();
  if (judging) describe_result_box();
}

// A new game starts in the name list.
void QuizForm::restart() {
  game_->quiz.restart();
  describe_result_box();
  controls_.names->setFocus(Qt::OtherFocusReason);
}

// Until the first pair of a game the result box tells how to pick from the keyboard; from then
// on it gives the score. Screen readers read it whenever the box gets the focus.
void QuizForm::describe_result_box() {
  const quiz::MatchingQuiz& quiz = game_->quiz;
  controls_.result->setAccessibleDescription(
      quiz.correct_count() + quiz.wrong_count() == 0
          ? to_qstring(form::keyboard_hint)
          : to_qstring(form::score_description(quiz.correct_count(), quiz.wrong_count())));
}

template <typename Handler>
void QuizForm::run_event(std::string_view action, Handler&& handler) {
  form::run_guarded(std::forward<Handler>(handler), [this, action](std::string_view reason) {
    show_failure(*this, action, reason);
  });
}

}  // namespace window
