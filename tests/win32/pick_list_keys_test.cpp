// The lists' keyboard, pressed for real: the keys that pick, the keys that only move the
// cursor with Ctrl, and the keys that do neither.
#include "win32/pick_list_keys.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "window_driver.h"

namespace {

using test::Key;

// Where the list stands before the keys: the cursor on `caret` with nothing picked, optionally
// with more entries at the end.
struct KeyCase {
  const char* label;
  std::vector<Key> keys;
  int selected;  // -1: nothing picked
  int caret;
  // Page Up and Page Down move by the whole entries in view, less one.
  int pages = 0;
  std::vector<const wchar_t*> added_entries = {};
  int caret_before = 10;
};

// Named by its label in test output.
void PrintTo(const KeyCase& key_case, std::ostream* out) { *out << key_case.label; }

class PickListKeys : public ::testing::TestWithParam<KeyCase> {
 protected:
  test::OpenWindow ui;
};

// The name list holds the 31 names in the key's order; entry 10 is «Духлата», 13 «Каците»,
// 18 «Магура», 30 «Ягодинска пещера».
TEST_P(PickListKeys, PickOrMoveTheCursorAsTheKeyMeans) {
  const KeyCase& key_case = GetParam();
  ASSERT_TRUE(ui.in_foreground());
  HWND list = ui.names();
  for (const wchar_t* entry : key_case.added_entries) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  }
  // The list had a pick, and lost it: the stock list box would pick the entry under its cursor
  // on the next key, whatever the key.
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(key_case.caret_before), 0);
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendMessageW(list, LB_SETCARETINDEX, static_cast<WPARAM>(key_case.caret_before), FALSE);
  SetFocus(list);
  ASSERT_EQ(test::caret_of(list), key_case.caret_before);

  RECT client{};
  GetClientRect(list, &client);
  const int rows = client.bottom / static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const int shift = key_case.pages * (rows - 1);

  ASSERT_TRUE(test::press(ui.handle(), key_case.keys));
  EXPECT_EQ(test::selection_of(list), key_case.selected < 0 ? -1 : key_case.selected + shift);
  EXPECT_EQ(test::caret_of(list), key_case.caret + shift);
  EXPECT_EQ(GetFocus(), list);
  // A pick in one list alone judges nothing.
  EXPECT_EQ(test::count_of(ui.settlements()), 31);
}

const Key down{VK_DOWN};
const Key ctrl_down{VK_DOWN, true};

INSTANTIATE_TEST_SUITE_P(
    NameList, PickListKeys,
    ::testing::Values(
        KeyCase{"Down", {down}, 11, 11}, KeyCase{"Up", {{VK_UP}}, 9, 9},
        KeyCase{"Home", {{VK_HOME}}, 0, 0}, KeyCase{"End", {{VK_END}}, 30, 30},
        KeyCase{"PageDown", {{VK_NEXT}}, 10, 10, 1}, KeyCase{"PageUp", {{VK_PRIOR}}, 10, 10, -1},
        KeyCase{"DownTwice", {down, down}, 12, 12},
        KeyCase{"DownAtTheEnd", {down}, 30, 30, 0, {}, 30},
        KeyCase{"CtrlDown", {ctrl_down}, -1, 11}, KeyCase{"CtrlUp", {{VK_UP, true}}, -1, 9},
        KeyCase{"CtrlHome", {{VK_HOME, true}}, -1, 0}, KeyCase{"CtrlEnd", {{VK_END, true}}, -1, 30},
        KeyCase{"CtrlPageDown", {{VK_NEXT, true}}, -1, 10, 1},
        KeyCase{"CtrlPageUp", {{VK_PRIOR, true}}, -1, 10, -1},
        KeyCase{"Space", {{VK_SPACE}}, 10, 10},
        KeyCase{"CtrlDownTwiceThenSpace", {ctrl_down, ctrl_down, {VK_SPACE}}, 12, 12},
        KeyCase{"Left", {{VK_LEFT}}, -1, 10}, KeyCase{"Right", {{VK_RIGHT}}, -1, 10},
        KeyCase{"CtrlLeft", {{VK_LEFT, true}}, -1, 10},
        KeyCase{"CtrlRight", {{VK_RIGHT, true}}, -1, 10},
        KeyCase{"Letter", {{.character = L'к'}}, 13, 13},
        KeyCase{"CapitalLetter", {{.character = L'М'}}, 18, 18},
        KeyCase{"CtrlLetter", {{.ctrl = true, .character = L'я'}}, -1, 30},
        // Леденика, Ледницата and Лепеница: the same letter goes on to the next of them.
        KeyCase{"CtrlLetterTwice",
                {{.ctrl = true, .character = L'л'}, {.ctrl = true, .character = L'л'}},
                -1,
                16},
        // The search goes on past the end: the first entry with Б, before the cursor.
        KeyCase{"LetterOfAnEntryBeforeTheCursor", {{.character = L'б'}}, 0, 0},
        KeyCase{"LetterThatStartsNoEntry", {{.character = L'ф'}}, -1, 10},
        KeyCase{"Digit", {{.character = L'7'}}, -1, 10},
        // A letter key of the keyboard layout, which with Ctrl types a control character.
        KeyCase{"LetterKey", {{'Z'}}, 31, 31, 0, {L"zebra"}},
        KeyCase{"CtrlLetterKey", {{'Z', true}}, -1, 31, 0, {L"zebra"}}),
    [](const ::testing::TestParamInfo<KeyCase>& case_info) { return case_info.param.label; });

// After a pair has left the list, the cursor waits on the first entry: the keys start from
// there and pick nothing but what they point at.
class PickListKeysAfterAPair : public ::testing::TestWithParam<KeyCase> {
 protected:
  test::OpenWindow ui;
};

TEST_P(PickListKeysAfterAPair, StartFromTheFirstEntry) {
  const KeyCase& key_case = GetParam();
  ASSERT_TRUE(ui.in_foreground());
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Бачо Киро"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), "гр.Дряново"));
  ASSERT_EQ(GetFocus(), ui.result());
  ASSERT_TRUE(test::press(ui.handle(), {{VK_TAB}}));
  ASSERT_EQ(GetFocus(), ui.names());
  EXPECT_EQ(test::caret_of(ui.names()), 0);
  EXPECT_EQ(test::selection_of(ui.names()), -1);

  ASSERT_TRUE(test::press(ui.handle(), key_case.keys));
  EXPECT_EQ(test::selection_of(ui.names()), key_case.selected);
  EXPECT_EQ(test::caret_of(ui.names()), key_case.caret);
  EXPECT_EQ(test::count_of(ui.settlements()), 30);
}

INSTANTIATE_TEST_SUITE_P(
    NameList, PickListKeysAfterAPair,
    ::testing::Values(KeyCase{"End", {{VK_END}}, 29, 29},
                      KeyCase{"CtrlEnd", {{VK_END, true}}, -1, 29}, KeyCase{"Down", {down}, 1, 1},
                      KeyCase{"CtrlDown", {ctrl_down}, -1, 1}, KeyCase{"Space", {{VK_SPACE}}, 0, 0},
                      KeyCase{"Right", {{VK_RIGHT}}, -1, 0}),
    [](const ::testing::TestParamInfo<KeyCase>& case_info) { return case_info.param.label; });

// In the settlement list, Ctrl and the arrows browse, and Space then judges the pair.
TEST(PickListKeysPlay, BrowsingThenSpaceJudgesThePair) {
  test::OpenWindow ui;
  ASSERT_TRUE(ui.in_foreground());
  ASSERT_TRUE(
      test::press(ui.handle(), {{VK_TAB}, {VK_END}, {VK_TAB}, ctrl_down, ctrl_down, {VK_SPACE}}));
  EXPECT_EQ(test::text_of(ui.result()),
            "Грешка: Ягодинска пещера - гр.Враца\r\nпещерата Ягодинска пещера се намира в общ. "
            "Борино - област  Смолян\r\n");
  EXPECT_EQ(test::text_of(ui.wrong()), "Невярно: 1");
  EXPECT_EQ(GetFocus(), ui.result());
}

struct TargetCase {
  win32::Move move;
  int caret;
  int count;
  int page;
  std::optional<int> target;
};

TEST(PickListMoves, GoWhereTheKeySays) {
  using enum win32::Move;
  const TargetCase cases[] = {
      {down, 3, 10, 4, 4},      {down, 9, 10, 4, 9},      {up, 0, 10, 4, 0},
      {up, 3, 10, 4, 2},        {home, 7, 10, 4, 0},      {end, 2, 10, 4, 9},
      {page_down, 2, 10, 4, 5}, {page_down, 8, 10, 4, 9}, {page_up, 7, 10, 4, 4},
      {page_up, 2, 10, 4, 0},   {page_down, 2, 10, 1, 3}, {down, -1, 10, 4, 0},
      {end, -1, 10, 4, 9},      {down, 12, 10, 4, 0},     {home, 0, 0, 4, std::nullopt},
  };
  for (const TargetCase& c : cases) {
    EXPECT_EQ(win32::move_target(c.move, c.caret, c.count, c.page), c.target)
        << static_cast<int>(c.move) << " from " << c.caret << " of " << c.count;
  }
}

}  // namespace
