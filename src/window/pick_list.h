#pragma once

#include <QListWidget>
#include <optional>

namespace window {

// A single-selection list box for picking one entry. As in any list box, the arrow keys, Home,
// End, Page Up and Page Down pick the entry they move to, and a letter picks the next entry that
// starts with it. With Ctrl held they only move the cursor, so that a pupil at the keyboard can
// look through the list first; Space then picks the entry under the cursor.
class PickList final : public QListWidget {
  Q_OBJECT

 public:
  explicit PickList(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  static std::optional<CursorAction> cursor_action(int key);
  static QString letter_typed_with_ctrl(const QKeyEvent& event);
  void announce_current_entry();

  bool only_moving_ = false;  // the cursor moves, and the selection stays as it is
};

}  // namespace window
