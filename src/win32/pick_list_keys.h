#pragma once

// The keyboard of the two lists. As in any list box, the arrow keys, Home, End, Page Up and
// Page Down pick the entry they move to, and a letter picks the first entry that starts with
// it. With Ctrl held they only move the cursor, so that a pupil at the keyboard can look
// through the list first; Space then picks the entry under the cursor.
#include <windows.h>

#include <optional>

namespace win32 {

enum class Move { up, down, home, end, page_up, page_down };

std::optional<Move> move_for_key(UINT virtual_key);

// The entry a move goes to from the cursor `caret` among `count` entries, `page` of which are
// in view; nullopt in an empty list. A cursor outside the list starts from the top.
std::optional<int> move_target(Move move, int caret, int count, int page);

// Gives `list` (a LISTBOX) this keyboard. A pick is told to the parent as LBN_SELCHANGE, as a
// click is. Throws std::runtime_error when the list cannot be given it.
void make_pick_list(HWND list);

}  // namespace win32
