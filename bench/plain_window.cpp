#include "plain_window.h"

#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "quiz/cave_rows.h"
#include "window/form_layout.h"
#include "window/qt_helpers.h"

PlainWindow::PlainWindow() {
  using namespace window;
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(to_qstring(CAVES_QUIZ_PUBLISHER) + QStringLiteral("   ") + to_qstring(form_title));
  setWindowIcon(QIcon(QStringLiteral(":/icons/caves-quiz.png")));
  setFont(QFont(to_qstring(font_family), font_point_size));
  setCentralWidget(new QWidget(this));
  QWidget* board = centralWidget();  // holds the controls, as in the quiz window
  set_background(*board, QPalette::Window, form_background);
  setFixedSize(to_pixels(client_width), to_pixels(client_height));

  const quiz::AnswerKey key = quiz::cave_key();
  QPlainTextEdit* result = nullptr;
  for (const FormControl& entry : form_controls) {
    QWidget* widget = nullptr;
    switch (entry.kind) {
      case ControlKind::list: {
        auto* list = new QListWidget(board);
        for (quiz::ListIndex row = 0; row < key.row_count(); ++row) {
          list->addItem(
              to_qstring(entry.role == Role::name_list ? key.name(row) : key.settlement(row)));
        }
        list->sortItems();
        widget = list;
        break;
      }
      case ControlKind::text_box:
        result = new QPlainTextEdit(
            to_qstring(intro_text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), board);
        result->setReadOnly(true);
        result->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        widget = result;
        break;
      case ControlKind::label: {
        auto* label = new QLabel(to_qstring(entry.caption), board);
        label->setAlignment(Qt::AlignCenter);
        widget = label;
        break;
      }
      case ControlKind::button:
        widget = new QPushButton(to_qstring(entry.caption), board);
        break;
    }
    if (entry.background) {
      set_background(*widget,
                     entry.kind == ControlKind::button ? QPalette::Button : QPalette::Window,
                     *entry.background);
    }
    widget->setGeometry(to_pixels(entry.left), to_pixels(entry.top), to_pixels(entry.width),
                        to_pixels(entry.height));
  }
  result->setFocus();
}
