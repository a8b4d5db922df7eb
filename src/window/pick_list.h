#pragma once

#include <QListWidget>
#include <optional>

namespace window {

// A single-selection list box for picking one entry. As in any list box, the arrow keys, Home,
// End, Page Up and Page Down pick the entry they move to. With Ctrl held they only move the
// cursor, so that a pupil at the keyboard can look through the list first; Space then picks
// the entry under the cursor.
class PickList final : public QListWidget {
  Q_OBJECT

 public:
  explicit PickList(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  static std::optional<CursorAction> cursor_action(int key);
  void announce_current_entry();
};

}  // namespace window
