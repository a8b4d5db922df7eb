#include "window/qt_controls.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "window/qt_helpers.h"

namespace window {

void QtList::clear() {
  const QSignalBlocker quiet(widget_);
  widget_.clear();
}

void QtList::add_item(std::string_view text) {
  const quiz::ListIndex count =
      quiz::to_list_index(static_cast<std::size_t>(widget_.count()) + 1, quiz::list_name);
  const quiz::ListIndex position =
      collation_.insert_position(text, static_cast<quiz::ListIndex>(count - 1),
                                 [this](quiz::ListIndex i) { return item_text(i); });
  const QSignalBlocker quiet(widget_);
  widget_.insertItem(position, to_qstring(text));
}

std::string QtList::item_text(quiz::ListIndex index) const {
  quiz::check_index(index, static_cast<std::size_t>(widget_.count()), quiz::list_name);
  return widget_.item(index)->text().toStdString();
}

quiz::ListIndex QtList::selected_index() const {
  const QList<QListWidgetItem*> selected = widget_.selectedItems();
  return selected.isEmpty()
             ? quiz::no_selection
             : quiz::to_list_index(static_cast<std::size_t>(widget_.row(selected.front())),
                                   quiz::list_name);
}

void QtList::remove_item(quiz::ListIndex index) {
  quiz::check_index(index, static_cast<std::size_t>(widget_.count()), quiz::list_name);
  const QSignalBlocker quiet(widget_);
  // Removing the current entry would make a neighbour current, and a screen reader would name
  // an entry the pupil never chose. The entry gives up the selection and the cursor first, so
  // the list is left with neither and the next pick is the pupil's own.
  QItemSelectionModel& selection = *widget_.selectionModel();
  if (index == selected_index()) {
    selection.clear();
  } else if (index == widget_.currentRow()) {
    selection.setCurrentIndex({}, QItemSelectionModel::NoUpdate);
  }
  widget_.model()->removeRow(index);
}

void QtTextBox::set_text(std::string_view text) {
  text_ = text;
  widget_.setPlainText(to_qstring(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void QtLabel::set_caption(std::string_view caption) { widget_.setText(to_qstring(caption)); }

}  // namespace window
