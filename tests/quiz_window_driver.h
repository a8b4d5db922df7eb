#pragma once

// Plays the quiz window as a pupil does, with the mouse and the keyboard, for the window tests.
// The pick helpers return false, with a warning, when they cannot do their step: call them in
// QVERIFY, so that a test stops at the first step that fails.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "score_caption.h"

namespace test {

// The window's visible controls, found by their control-array names.
class QuizWindow {
 public:
  explicit QuizWindow(QWidget& form)
      : names(find<QListWidget>(form, "List1(0)")),
        settlements(find<QListWidget>(form, "List1(1)")),
        result(find<QPlainTextEdit>(form, "Text1(0)")),
        correct(find<QLabel>(form, "Label1(3)")),
        wrong(find<QLabel>(form, "Label1(4)")),
        clear_button(find<QPushButton>(form, "Command1(0)")) {}

  QListWidget& names;
  QListWidget& settlements;
  QPlainTextEdit& result;
  QLabel& correct;
  QLabel& wrong;
  QPushButton& clear_button;

  // Pairs checked since the last restart, as the two scores show them.
  int checks() const {
    const auto correct_count = caption_count(correct.text(), QStringLiteral("Вярно"));
    const auto wrong_count = caption_count(wrong.text(), QStringLiteral("Невярно"));
    if (!correct_count || !wrong_count) qFatal("a score caption of an unexpected form");
    return *correct_count + *wrong_count;
  }

  // Neither list has a selection or a cursor.
  bool no_selection_left() const {
    for (const QListWidget* list : {&names, &settlements}) {
      if (!list->selectedItems().isEmpty() || list->currentIndex().isValid()) return false;
    }
    return true;
  }

 private:
  template <typename Widget>
  static Widget& find(QWidget& form, const char* name) {
    auto* widget = form.findChild<Widget*>(QLatin1String(name));
    if (!widget) qFatal("no control %s", name);
    return *widget;
  }
};

[[nodiscard]] inline bool click(QListWidget& list, const QString& text) {
  const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
  if (found.size() != 1) {
    qWarning("no single entry %s", qUtf8Printable(text));
    return false;
  }
  list.scrollToItem(found.front());
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualItemRect(found.front()).center());
  return true;
}

// Home, then Down until `text` is under the cursor: the arrow keys alone pick as they go.
[[nodiscard]] inline bool arrow_to(QListWidget& list, const QString& text) {
  list.setFocus();
  QTest::keyClick(&list, Qt::Key_Home);
  for (int step = 0; step < list.count(); ++step) {
    const QListWidgetItem* current = list.currentItem();
    if (current && current->text() == text && current->isSelected()) return true;
    QTest::keyClick(&list, Qt::Key_Down);
  }
  qWarning("the arrow keys did not pick %s", qUtf8Printable(text));
  return false;
}

// Ctrl+Home, then Ctrl+Down until the cursor is on `text`, picking nothing on the way.
[[nodiscard]] inline bool browse_to(QListWidget& list, const QString& text) {
  list.setFocus();
  QTest::keyClick(&list, Qt::Key_Home, Qt::ControlModifier);
  for (int step = 0; step < list.count(); ++step) {
    if (!list.selectedItems().isEmpty() || !list.currentItem()) break;
    if (list.currentItem()->text() == text) return true;
    QTest::keyClick(&list, Qt::Key_Down, Qt::ControlModifier);
  }
  qWarning("Ctrl and the arrows did not reach %s without picking", qUtf8Printable(text));
  return false;
}

// Browses to `text`, then Space picks it.
[[nodiscard]] inline bool browse_and_pick(QListWidget& list, const QString& text) {
  if (!browse_to(list, text)) return false;
  QTest::keyClick(&list, Qt::Key_Space);
  return true;
}

}  // namespace test
