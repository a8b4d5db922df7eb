#include "window/pick_list.h"

#include <QKeyEvent>

namespace window {

PickList::PickList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
}

std::optional<QAbstractItemView::CursorAction> PickList::cursor_action(int key) {
  switch (key) {
    case Qt::Key_Up:
      return QAbstractItemView::MoveUp;
    case Qt::Key_Down:
      return QAbstractItemView::MoveDown;
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

void PickList::keyPressEvent(QKeyEvent* event) {
  const auto action = cursor_action(event->key());
  if (action && event->modifiers().testFlag(Qt::ControlModifier)) {
    const QModelIndex target = moveCursor(*action, event->modifiers());
    if (target.isValid()) {
      selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
      scrollTo(target);
    }
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

}  // namespace window
