#include "plain_window.h"

#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "form/form_design.h"
#include "form/form_texts.h"
#include "quiz/cave_rows.h"
#include "window/qt_helpers.h"

PlainWindow::PlainWindow() {
  using namespace window;
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(to_qstring(form::window_caption()));
  setWindowIcon(QIcon(QStringLiteral(":/icons/caves-quiz.png")));
  setFont(QFont(to_qstring(form::font_family), form::font_point_size));
  setCentralWidget(new QWidget(this));
  QWidget* board = centralWidget();  // holds the controls, as in the quiz window
  set_background(*board, QPalette::Window, form::form_background);
  setFixedSize(form::to_pixels(form::client_width), form::to_pixels(form::client_height));

  const quiz::AnswerKey key = quiz::cave_key();
  QPlainTextEdit* result = nullptr;
  for (const form::FormControl& entry : form::form_controls) {
    QWidget* widget = nullptr;
    switch (entry.kind) {
      case form::ControlKind::list: {
        auto* list = new QListWidget(board);
        for (quiz::ListIndex row = 0; row < key.row_count(); ++row) {
          list->addItem(to_qstring(entry.role == form::Role::name_list ? key.name(row)
                                                                       : key.settlement(row)));
        }
        list->sortItems();
        widget = list;
        break;
      }
      case form::ControlKind::text_box:
        result = new QPlainTextEdit(
            to_qstring(form::intro_text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
            board);
        result->setReadOnly(true);
        result->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        widget = result;
        break;
      case form::ControlKind::label: {
        auto* label = new QLabel(to_qstring(entry.caption), board);
        label->setAlignment(Qt::AlignCenter);
        widget = label;
        break;
      }
      case form::ControlKind::button:
        widget = new QPushButton(to_qstring(entry.caption), board);
        break;
    }
    if (entry.background) {
      set_background(*widget,
                     entry.kind == form::ControlKind::button ? QPalette::Button : QPalette::Window,
                     *entry.background);
    }
    widget->setGeometry(form::to_pixels(entry.left), form::to_pixels(entry.top),
                        form::to_pixels(entry.width), form::to_pixels(entry.height));
  }
  result->setFocus();
}
