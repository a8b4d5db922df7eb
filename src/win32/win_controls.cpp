#include "win32/win_controls.h"

#include <stdexcept>

#include "quiz/list_index.h"
#include "quiz/utf16.h"

namespace win32 {

namespace {

constexpr std::string_view result_box_name = "Текстово поле";
constexpr std::string_view label_name = "Надпис";

[[noreturn]] void fail(std::string_view what, std::string_view doing) {
  throw std::runtime_error(std::string(what) + ": " + std::string(doing) + " (Windows: грешка " +
                           std::to_string(GetLastError()) + ")");
}

}  // namespace

std::string window_text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length));
  return quiz::to_utf8(text);
}

void set_window_text(HWND window, std::string_view text, std::string_view what) {
  if (!SetWindowTextW(window, quiz::to_utf16(text).c_str())) fail(what, "текстът не се промени");
}

std::size_t WinList::count() const {
  const LRESULT items = SendMessageW(list_, LB_GETCOUNT, 0, 0);
  if (items == LB_ERR) fail(quiz::list_name, "броят на елементите не се прочете");
  return static_cast<std::size_t>(items);
}

void WinList::clear() { SendMessageW(list_, LB_RESETCONTENT, 0, 0); }

// The list box keeps its entries where they are put: the quiz's own order decides the place,
// as on every other platform.
void WinList::add_item(std::string_view text) {
  const quiz::ListIndex count_before =
      static_cast<quiz::ListIndex>(quiz::to_list_index(count() + 1, quiz::list_name) - 1);
  const quiz::ListIndex position = collation_.insert_position(
      text, count_before, [this](quiz::ListIndex i) { return item_text(i); });
  const std::wstring wide = quiz::to_utf16(text);
  const LRESULT inserted = SendMessageW(list_, LB_INSERTSTRING, static_cast<WPARAM>(position),
                                        reinterpret_cast<LPARAM>(wide.c_str()));
  if (inserted == LB_ERR || inserted == LB_ERRSPACE)
    fail(quiz::list_name, "елементът не се добави");
}

std::string WinList::item_text(quiz::ListIndex index) const {
  quiz::check_index(index, count(), quiz::list_name);
  const auto entry = static_cast<WPARAM>(index);
  const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, entry, 0);
  if (length == LB_ERR) fail(quiz::list_name, "елементът не се прочете");
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(list_, LB_GETTEXT, entry, reinterpret_cast<LPARAM>(text.data()));
  if (copied == LB_ERR) fail(quiz::list_name, "елементът не се прочете");
  text.resize(static_cast<std::size_t>(copied));
  return quiz::to_utf8(text);
}

quiz::ListIndex WinList::selected_index() const {
  const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? quiz::no_selection : static_cast<quiz::ListIndex>(selected);
}

void WinList::remove_item(quiz::ListIndex index) {
  quiz::check_index(index, count(), quiz::list_name);
  // The list box drops the pick with its entry, but it would leave its cursor on a neighbour,
  // and a screen reader would name an entry the pupil never chose. The cursor goes back to the
  // first entry instead, where the keyboard finds it, and the list stays scrolled where it was.
  const bool under_cursor =
      SendMessageW(list_, LB_GETCARETINDEX, 0, 0) == index || selected_index() == index;
  if (SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(index), 0) == LB_ERR) {
    fail(quiz::list_name, "елементът не се премахна");
  }
  if (under_cursor && count() > 0) {
    const LRESULT top = SendMessageW(list_, LB_GETTOPINDEX, 0, 0);
    SendMessageW(list_, LB_SETCARETINDEX, 0, FALSE);
    SendMessageW(list_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  }
}

std::string WinTextBox::text() const { return window_text(edit_); }

void WinTextBox::set_text(std::string_view text) { set_window_text(edit_, text, result_box_name); }

void WinLabel::set_caption(std::string_view caption) {
  set_window_text(label_, caption, label_name);
}

}  // namespace win32
