// The adapters from Windows' controls to the quiz's, on controls of their own.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "quiz/collation.h"
#include "win32/handles.h"
#include "win32/win_controls.h"
#include "window_driver.h"

namespace {

// Counts the selection changes a list tells its parent.
LRESULT CALLBACK count_selection_changes(HWND parent, UINT message, WPARAM wparam, LPARAM lparam,
                                         UINT_PTR, DWORD_PTR data) {
  if (message == WM_COMMAND && HIWORD(wparam) == LBN_SELCHANGE) ++*reinterpret_cast<int*>(data);
  return DefSubclassProc(parent, message, wparam, lparam);
}

class WinControls : public ::testing::Test {
 protected:
  win32::UniqueWindow parent{CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr,
                                             nullptr, nullptr, nullptr)};
  HWND child(const wchar_t* window_class, DWORD style) const {
    return CreateWindowExW(0, window_class, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 200,
                           parent.get(), nullptr, nullptr, nullptr);
  }
};

TEST_F(WinControls, ListKeepsTheQuizOrderAndTellsNothingOfItsOwnChanges) {
  const quiz::BulgarianCollation collation;
  HWND widget = child(L"LISTBOX", LBS_NOTIFY | LBS_HASSTRINGS);
  int changes = 0;
  SetWindowSubclass(parent.get(), count_selection_changes, 1,
                    reinterpret_cast<DWORD_PTR>(&changes));
  win32::WinList list(widget, collation);
  for (const char* text : {"с.Боснек", "гр.Шумен", "с. Брестница", "ГАРА Орешец"}) {
    list.add_item(text);
  }
  EXPECT_EQ(test::entries_of(widget),
            (std::vector<std::string>{"ГАРА Орешец", "гр.Шумен", "с. Брестница", "с.Боснек"}));
  // A cursor without a selection is no pick.
  SendMessageW(widget, LB_SETCARETINDEX, 1, FALSE);
  EXPECT_EQ(list.selected_index(), quiz::no_selection);
  SendMessageW(widget, LB_SETCURSEL, 2, 0);
  EXPECT_EQ(list.selected_index(), 2);
  EXPECT_EQ(list.item_text(2), "с. Брестница");

  // The picked entry leaves no pick behind, and the cursor goes back to the first entry.
  list.remove_item(2);
  EXPECT_EQ(list.selected_index(), quiz::no_selection);
  EXPECT_EQ(test::caret_of(widget), 0);
  EXPECT_EQ(test::entries_of(widget),
            (std::vector<std::string>{"ГАРА Орешец", "гр.Шумен", "с.Боснек"}));
  // Removing the entry under a cursor moved without picking keeps the pick where it was.
  SendMessageW(widget, LB_SETCURSEL, 0, 0);
  SendMessageW(widget, LB_SETCARETINDEX, 2, FALSE);
  list.remove_item(2);
  EXPECT_EQ(list.selected_index(), 0);
  EXPECT_EQ(test::caret_of(widget), 0);

  list.clear();
  EXPECT_EQ(test::count_of(widget), 0);
  list.add_item("с.Гела");
  for (const quiz::ListIndex bad : {quiz::ListIndex{-1}, quiz::ListIndex{1}}) {
    try {
      list.remove_item(bad);
      ADD_FAILURE() << "removing a missing entry must fail";
    } catch (const std::out_of_range& failure) {
      EXPECT_EQ(std::string(failure.what()),
                "Списък: няма елемент с индекс " + std::to_string(bad) + " (елементите са 1)");
    }
    EXPECT_THROW(static_cast<void>(list.item_text(bad)), std::out_of_range);
  }
  EXPECT_EQ(test::count_of(widget), 1);
  EXPECT_EQ(changes, 0);
  RemoveWindowSubclass(parent.get(), count_selection_changes, 1);
}

TEST_F(WinControls, TextBoxGivesBackExactlyWhatItWasGiven) {
  win32::WinTextBox box(child(L"EDIT", ES_MULTILINE | ES_READONLY));
  for (const char* text : {"ред\r\n ред две\r\n", "", "  два интервала  "}) {
    box.set_text(text);
    EXPECT_EQ(box.text(), text);
  }
}

TEST_F(WinControls, LabelShowsItsCaption) {
  HWND widget = child(L"STATIC", SS_CENTER);
  win32::WinLabel label(widget);
  label.set_caption("Невярно: 12");
  EXPECT_EQ(test::text_of(widget), "Невярно: 12");
}

}  // namespace
