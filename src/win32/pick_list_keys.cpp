#include "win32/pick_list_keys.h"

#include <algorithm>
#include <string>

#include "win32/control_proc.h"

namespace win32 {

namespace {

bool key_down(int virtual_key) { return GetKeyState(virtual_key) < 0; }

// Ctrl alone: Ctrl with Alt is AltGr on many keyboards, and types letters.
bool ctrl_held() { return key_down(VK_CONTROL) && !key_down(VK_MENU); }

int entry_count(HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

int caret_of(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0)); }

// Whole entries in view.
int page_of(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  return height > 0 ? std::max(1, static_cast<int>(client.bottom - client.top) / height) : 1;
}

void pick(HWND list, int entry) {
  if (SendMessageW(list, LB_GETCURSEL, 0, 0) == entry) return;
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  SendMessageW(GetParent(list), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(list)), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

void move_cursor(HWND list, int entry) {
  SendMessageW(list, LB_SETCARETINDEX, static_cast<WPARAM>(entry), FALSE);
}

void go_to(HWND list, int entry, bool ctrl) {
  if (ctrl) {
    move_cursor(list, entry);
  } else {
    pick(list, entry);
  }
}

wchar_t upper(wchar_t letter) {
  CharUpperBuffW(&letter, 1);
  return letter;
}

// The next entry after the cursor that starts with the letter, round past the end, as Qt's
// lists search: the same letter again goes on to the next such entry.
std::optional<int> next_entry_starting_with(HWND list, wchar_t letter) {
  const wchar_t wanted = upper(letter);
  const int count = entry_count(list);
  const int caret = caret_of(list);
  const int start = caret >= 0 && caret < count ? caret + 1 : 0;
  for (int step = 0; step < count; ++step) {
    const int entry = (start + step) % count;
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(entry), 0);
    if (length == LB_ERR || length == 0) continue;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(entry),
                 reinterpret_cast<LPARAM>(text.data()));
    if (upper(text.front()) == wanted) return entry;
  }
  return std::nullopt;
}

void go_to_letter(HWND list, wchar_t letter, bool ctrl) {
  if (!IsCharAlphaW(letter)) return;
  if (const std::optional<int> entry = next_entry_starting_with(list, letter)) {
    go_to(list, *entry, ctrl);
  }
}

// The letter on a key as typed without Ctrl, in the keyboard layout in use: with Ctrl, Windows
// turns the letters of many layouts into control characters.
wchar_t letter_on_key(UINT virtual_key) {
  const UINT mapped = MapVirtualKeyExW(virtual_key, MAPVK_VK_TO_CHAR, GetKeyboardLayout(0));
  constexpr UINT dead_key = 0x80000000;
  return (mapped & dead_key) ? L'\0' : static_cast<wchar_t>(mapped & 0xFFFF);
}

// Every key the list gets ends here: the stock list box would pick the entry under its cursor
// on the first key after its selection was cleared, and would pick with Left and Right.
void key_pressed(HWND list, UINT virtual_key) {
  const bool ctrl = ctrl_held();
  if (const std::optional<Move> move = move_for_key(virtual_key)) {
    const std::optional<int> target =
        move_target(*move, caret_of(list), entry_count(list), page_of(list));
    if (target) go_to(list, *target, ctrl);
  } else if (virtual_key == VK_SPACE) {
    const int caret = caret_of(list);
    if (caret >= 0 && caret < entry_count(list)) pick(list, caret);
  } else if (ctrl) {
    go_to_letter(list, letter_on_key(virtual_key), true);
  }
}

LRESULT CALLBACK pick_list_proc(HWND list, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  switch (message) {
    case WM_KEYDOWN:
      key_pressed(list, static_cast<UINT>(wparam));
      return 0;
    case WM_CHAR:
      // Letters typed with Ctrl arrive here when they come as Unicode input.
      go_to_letter(list, static_cast<wchar_t>(wparam), ctrl_held());
      return 0;
    default:
      return call_control_proc(list, message, wparam, lparam);
  }
}

}  // namespace

std::optional<Move> move_for_key(UINT virtual_key) {
  switch (virtual_key) {
    case VK_UP:
      return Move::up;
    case VK_DOWN:
      return Move::down;
    case VK_HOME:
      return Move::home;
    case VK_END:
      return Move::end;
    case VK_PRIOR:
      return Move::page_up;
    case VK_NEXT:
      return Move::page_down;
    default:
      return std::nullopt;
  }
}

// Page Up and Page Down move as the stock list box does: to the far edge of the view, one
// entry short of a whole page.
std::optional<int> move_target(Move move, int caret, int count, int page) {
  if (count <= 0) return std::nullopt;
  const int last = count - 1;
  if (caret < 0 || caret > last) return move == Move::end ? last : 0;
  const int page_step = std::max(page - 1, 1);
  switch (move) {
    case Move::up:
      return std::max(caret - 1, 0);
    case Move::down:
      return std::min(caret + 1, last);
    case Move::home:
      return 0;
    case Move::end:
      return last;
    case Move::page_up:
      return std::max(caret - page_step, 0);
    case Move::page_down:
      return std::min(caret + page_step, last);
  }
  return std::nullopt;
}

void make_pick_list(HWND list) {
  take_over_control(list, pick_list_proc, "Списък: клавиатурата му");
}

}  // namespace win32
