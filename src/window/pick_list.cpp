#include "window/pick_list.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QScopedValueRollback>
#include <QTimer>

namespace window {

PickList::PickList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
}

// Every key that moves the cursor, Left and Right too: with Ctrl, Qt would have them pick the
// first entry of a list without a cursor.
std::optional<QAbstractItemView::CursorAction> PickList::cursor_action(int key) {
  switch (key) {
    case Qt::Key_Up:
      return QAbstractItemView::MoveUp;
    case Qt::Key_Down:
      return QAbstractItemView::MoveDown;
    case Qt::Key_Left:
      return QAbstractItemView::MoveLeft;
    case Qt::Key_Right:
      return QAbstractItemView::MoveRight;
    case Qt::Key_Home:
      return QAbstractItemView::MoveHome;
    case Qt::Key_End:
      return QAbstractItemView::MoveEnd;
    case Qt::Key_PageUp:
      return QAbstractItemView::MovePageUp;
    case Qt::Key_PageDown:
      return QAbstractItemView::MovePageDown;
    default:
      return std::nullopt;
  }
}

// The letter of a key pressed with Ctrl, or nothing; Ctrl+C still copies the entry under the
// cursor. With Ctrl, X hands over a control character instead of a Cyrillic letter where the
// keyboard also has a Latin layout, so the key's own letter counts when the text is none.
QString PickList::letter_typed_with_ctrl(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Copy)) return {};
  if (event.text().size() == 1 && event.text().front().isLetter()) return event.text();
  const int key = event.key();
  if (key > 0 && key <= 0xFFFF && QChar(key).isLetter()) return QChar(key).toLower();
  return {};
}

void PickList::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers().testFlag(Qt::ControlModifier)) {
    if (const auto action = cursor_action(event->key())) {
      const QModelIndex target = moveCursor(*action, event->modifiers());
      if (target.isValid()) {
        selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
        scrollTo(target);
      }
      event->accept();
      return;
    }
    if (const QString letter = letter_typed_with_ctrl(*event); !letter.isEmpty()) {
      // Qt's own search by the letters typed, which picks where it lands, here only moves.
      const QScopedValueRollback moving(only_moving_, true);
      keyboardSearch(letter);
      event->accept();
      return;
    }
  }
  QListWidget::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags PickList::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const {
  return only_moving_ ? QItemSelectionModel::NoUpdate : QListWidget::selectionCommand(index, event);
}

void PickList::focusInEvent(QFocusEvent* event) {
  QListWidget::focusInEvent(event);
  // Once a pair has left the list it has no cursor. Coming in from the keyboard puts the cursor
  // on the first entry, without picking it, so that Space picks the entry just heard.
  if (!currentIndex().isValid() && count() > 0 && event->reason() != Qt::MouseFocusReason) {
    selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
  }
  // Qt tells assistive technology that the list has the focus after this handler, and a screen
  // reader then reads the list but not the entry under the cursor. Naming the entry afterwards
  // makes it the last word.
  QTimer::singleShot(0, this, &PickList::announce_current_entry);
}

void PickList::announce_current_entry() {
  if (!hasFocus() || !currentIndex().isValid()) return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(currentIndex().row());
  QAccessible::updateAccessibility(&focus);
}

}  // namespace window
