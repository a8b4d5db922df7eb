#pragma once

// The quiz's controls on top of Windows' own LISTBOX, EDIT and STATIC windows. Messages sent
// to a control raise no notification, so only the pupil's own picks reach the quiz.
#include <windows.h>

#include <string>
#include <string_view>

#include "quiz/collation.h"
#include "quiz/controls.h"

namespace win32 {

class WinList final : public quiz::VisibleList {
 public:
  WinList(HWND list, const quiz::BulgarianCollation& collation)
      : list_(list), collation_(collation) {}

  void clear() override;
  void add_item(std::string_view text) override;
  std::string item_text(quiz::ListIndex index) const override;
  quiz::ListIndex selected_index() const override;
  void remove_item(quiz::ListIndex index) override;

 private:
  std::size_t count() const;

  HWND list_;
  const quiz::BulgarianCollation& collation_;
};

// Shows the text as the quiz writes it, CR LF line ends and all, and reads back the same.
class WinTextBox final : public quiz::TextBox {
 public:
  explicit WinTextBox(HWND edit) : edit_(edit) {}

  std::string text() const override;
  void set_text(std::string_view text) override;

 private:
  HWND edit_;
};

class WinLabel final : public quiz::Label {
 public:
  explicit WinLabel(HWND label) : label_(label) {}

  void set_caption(std::string_view caption) override;

 private:
  HWND label_;
};

// The whole text of a window, as UTF-8.
std::string window_text(HWND window);
// Throws std::runtime_error, naming `what`, when the text cannot be set.
void set_window_text(HWND window, std::string_view text, std::string_view what);

}  // namespace win32
