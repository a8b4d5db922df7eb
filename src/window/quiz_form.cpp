#include "window/quiz_form.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <utility>
#include <vector>

#include "form/form_texts.h"
#include "form/run_guarded.h"
#include "quiz/cave_rows.h"
#include "quiz/matching_quiz.h"
#include "window/pick_list.h"
#include "window/qt_controls.h"
#include "window/qt_helpers.h"
#include "window/result_box.h"

namespace window {

namespace {

QWidget* create_widget(const form::FormControl& entry, QWidget* parent) {
  switch (entry.kind) {
    case form::ControlKind::list: {
      auto* list = new PickList(parent);
      list->setAccessibleDescription(to_qstring(form::keyboard_hint));
      return list;
    }
    case form::ControlKind::text_box:
      return new ResultBox(parent);
    case form::ControlKind::label: {
      auto* label = new QLabel(to_qstring(entry.caption), parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignCenter);
      return label;
    }
    case form::ControlKind::button:
      return new QPushButton(to_qstring(entry.caption), parent);
  }
  return nullptr;
}

}  // namespace

// The quiz played on this window's own controls.
struct QuizForm::Game {
  Game(QuizForm& form, const quiz::BulgarianCollation& collation)
      : names(form.control<QListWidget>(form::Role::name_list), collation),
        settlements(form.control<QListWidget>(form::Role::settlement_list), collation),
        result(form.control<QPlainTextEdit>(form::Role::result_box)),
        correct(form.control<QLabel>(form::Role::correct_label)),
        wrong(form.control<QLabel>(form::Role::wrong_label)),
        quiz(quiz::cave_key(), {names, settlements, result, correct, wrong}) {}

  QtList names;
  QtList settlements;
  QtTextBox result;
  QtLabel correct;
  QtLabel wrong;
  quiz::MatchingQuiz quiz;
};

QuizForm::QuizForm(QWidget* parent) : QMainWindow(parent) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(to_qstring(form::window_caption()));
  // A screen reader names the window by its subject, not by the publisher's address.
  setAccessibleName(to_qstring(form::form_title));
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
  set_tab_order();
  game_ = std::make_unique<Game>(*this, collation_);
  game_->result.set_text(form::intro_text);
  connect_events();
  describe_result_box();
  control<QPlainTextEdit>(form::Role::result_box).setFocus();

  run_event(form::loading_lists, [this] { game_->quiz.refill_lists(); });
}

QuizForm::~QuizForm() = default;

void QuizForm::create_controls() {
  for (const form::FormControl& entry : form::form_controls) {
    QWidget* widget = create_widget(entry, centralWidget());
    widget->setObjectName(to_qstring(entry.object_name));
    if (!entry.accessible_name.empty())
      widget->setAccessibleName(to_qstring(entry.accessible_name));
    widget->setGeometry(form::to_pixels(entry.left), form::to_pixels(entry.top),
                        form::to_pixels(entry.width), form::to_pixels(entry.height));
    if (entry.background) {
      set_background(*widget,
                     entry.kind == form::ControlKind::button ? QPalette::Button : QPalette::Window,
                     *entry.background);
    }
    controls_[static_cast<std::size_t>(entry.role)] = widget;
  }
}

void QuizForm::set_tab_order() {
  std::vector<const form::FormControl*> focusable;
  for (const form::FormControl& entry : form::form_controls) {
    if (entry.kind != form::ControlKind::label) focusable.push_back(&entry);
  }
  std::ranges::sort(focusable, {}, &form::FormControl::tab_index);
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    setTabOrder(controls_[static_cast<std::size_t>(focusable[i - 1]->role)],
                controls_[static_cast<std::size_t>(focusable[i]->role)]);
  }
}

void QuizForm::connect_events() {
  // Only the pupil changes a selection: the lists raise no signal for the quiz's own changes.
  for (const form::Role role : {form::Role::name_list, form::Role::settlement_list}) {
    connect(&control<QListWidget>(role), &QListWidget::itemSelectionChanged, this,
            [this] { run_event(form::checking_pair, [this] { selection_changed(); }); });
  }
  connect(&control<QPushButton>(form::Role::clear_button), &QPushButton::clicked, this,
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
  if (judging) control<QPlainTextEdit>(form::Role::result_box).setFocus(Qt::OtherFocusReason);
  quiz.selection_changed();
  if (judging) describe_result_box();
}

// A new game starts in the name list.
void QuizForm::restart() {
  game_->quiz.restart();
  describe_result_box();
  control<QListWidget>(form::Role::name_list).setFocus(Qt::OtherFocusReason);
}

// Until the first pair of a game the result box tells how to pick from the keyboard; from then
// on it gives the score. Screen readers read it whenever the box gets the focus.
void QuizForm::describe_result_box() {
  const quiz::MatchingQuiz& quiz = game_->quiz;
  control<QPlainTextEdit>(form::Role::result_box)
      .setAccessibleDescription(
          quiz.correct_count() + quiz.wrong_count() == 0
              ? to_qstring(form::keyboard_hint)
              : to_qstring(form::score_description(quiz.correct_count(), quiz.wrong_count())));
}

template <typename Widget>
Widget& QuizForm::control(form::Role role) const {
  return *static_cast<Widget*>(controls_[static_cast<std::size_t>(role)]);
}

template <typename Handler>
void QuizForm::run_event(std::string_view action, Handler&& handler) {
  form::run_guarded(std::forward<Handler>(handler),
                    [this, action](std::string_view reason) { show_failure(action, reason); });
}

void QuizForm::show_failure(std::string_view action, std::string_view reason) {
  auto* box =
      new QMessageBox(QMessageBox::Critical, to_qstring(form::failure_title),
                      to_qstring(form::failure_message(action, reason)), QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace window
