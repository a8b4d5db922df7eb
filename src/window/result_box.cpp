#include "window/result_box.h"

#include <QInputMethodEvent>
#include <utility>

namespace window {

ResultBox::ResultBox(QWidget* parent) : QPlainTextEdit(parent) {
  // A caret to read by, line by line with a screen reader, and text to select and copy.
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setFocusPolicy(Qt::StrongFocus);
  // Tab leaves the box, as it does every other control, instead of being typed into it.
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QVariant ResultBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  return inputMethodQuery(query, QVariant());
}

QVariant ResultBox::inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const {
  return query == Qt::ImEnabled ? QVariant(false)
                                : QPlainTextEdit::inputMethodQuery(query, std::move(argument));
}

void ResultBox::inputMethodEvent(QInputMethodEvent* event) { event->ignore(); }

}  // namespace window
