// The Win32 window, opened in the test's process and played with real mouse clicks and keys.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <ranges>
#include <stdexcept>
#include <string>
#include <vector>

#include "form/publisher.h"
#include "quiz/cave_rows.h"
#include "win32/start_up.h"
#include "window_driver.h"

namespace {

using form::Role;

constexpr std::string_view intro_text =
    "Спелеологията е наука, екстремен спорт изискващ здрави нерви и специална екипировка, "
    "понякога просто приятна почивка. Част от пещерите са благоустроени, електрифицирани и "
    "достъпни, но някои крият доста опасности за любителя на природата.\r\n"
    "Да се реализира проект представящ междупредметна връзка География и Информатика.\r\n"
    "Тема на проекта: География - пещери в България\r\n"
    "Да се използват набор от списъчни менюта съдържащи информация за пещера и близко селище.\r\n"
    "Прочетете допълнителен материал за пещерите в България и техните забележителности.\r\n";

class QuizWindowTest : public ::testing::Test {
 protected:
  std::vector<std::string> failures;
  test::OpenWindow ui{{.report_failure = [this](HWND, std::string_view message) {
    failures.emplace_back(message);
  }}};

  void SetUp() override { ASSERT_TRUE(ui.in_foreground()); }

  // Pairs checked since the last restart.
  int checks() const { return 31 - test::count_of(ui.names()); }
  bool no_selection_left() const {
    return test::selection_of(ui.names()) == LB_ERR &&
           test::selection_of(ui.settlements()) == LB_ERR;
  }
};

TEST_F(QuizWindowTest, OpensReadyToPlay) {
  EXPECT_EQ(test::text_of(ui.handle()),
            std::string(form::publisher) + "   География - известни български пещери");
  EXPECT_EQ(test::count_of(ui.names()), 31);
  const quiz::AnswerKey key = quiz::cave_key();
  for (quiz::ListIndex row = 0; row < key.row_count(); ++row) {
    EXPECT_EQ(test::entry_of(ui.names(), row), key.name(row));
  }
  EXPECT_EQ(test::entry_of(ui.names(), 0), "Балабанова дупка");
  EXPECT_EQ(test::count_of(ui.settlements()), 31);
  EXPECT_EQ(test::entry_of(ui.settlements(), 0), "гара Лакатник");
  EXPECT_EQ(test::entry_of(ui.settlements(), 10), "с. Брестница");
  EXPECT_EQ(test::entry_of(ui.settlements(), 30), "с.Ягодина");
  EXPECT_TRUE(no_selection_left());
  EXPECT_EQ(test::text_of(ui.result()), intro_text);
  EXPECT_EQ(GetWindowTextLengthW(ui.result()), 543);
  EXPECT_EQ(GetFocus(), ui.result());
}

TEST_F(QuizWindowTest, ShowsItsCaptions) {
  const std::pair<Role, std::string_view> captions[] = {
      {Role::title, "География - пещери в България"},
      {Role::name_heading, "Име на пещера"},
      {Role::settlement_heading, "Местонахождение- село,град"},
      {Role::correct_label, "Вярно: "},
      {Role::wrong_label, "Невярно: "},
      {Role::clear_button, "Чисти"},
  };
  for (const auto& [role, caption] : captions) {
    EXPECT_EQ(test::text_of(ui.control(role)), caption);
  }
}

// Fixed size, with a caption and the close box only, and the program's icon in both sizes.
TEST_F(QuizWindowTest, IsAFixedWindowWithItsIcon) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(ui.handle(), GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  for (const auto& [which, pixels] : {std::pair{ICON_BIG, 32}, std::pair{ICON_SMALL, 16}}) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(ui.handle(), WM_GETICON, which, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, pixels);
    EXPECT_EQ(bitmap.bmHeight, pixels);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

TEST_F(QuizWindowTest, LaysOutTheControlsAt96Dpi) {
  RECT client{};
  GetClientRect(ui.handle(), &client);
  EXPECT_EQ(client.right, 477);
  EXPECT_EQ(client.bottom, 350);
  const std::pair<Role, RECT> layout[] = {
      {Role::title, {88, 0, 393, 25}},
      {Role::name_heading, {8, 32, 233, 57}},
      {Role::settlement_heading, {240, 32, 465, 57}},
      {Role::name_list, {8, 56, 233, 174}},
      {Role::settlement_list, {240, 56, 465, 174}},
      {Role::correct_label, {8, 184, 121, 209}},
      {Role::clear_button, {176, 184, 305, 209}},
      {Role::wrong_label, {352, 184, 465, 209}},
      {Role::result_box, {8, 216, 465, 345}},
  };
  for (const auto& [role, expected] : layout) {
    const RECT actual = test::rect_in_parent(ui.control(role));
    EXPECT_TRUE(EqualRect(&actual, &expected))
        << test::text_of(ui.control(role)) << " at " << actual.left << "," << actual.top << " "
        << actual.right << "," << actual.bottom;
  }
}

TEST_F(QuizWindowTest, OpensCentredOnTheWorkArea) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(ui.handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT outer{};
  GetWindowRect(ui.handle(), &outer);
  EXPECT_LE(std::abs((outer.left - monitor.rcWork.left) - (monitor.rcWork.right - outer.right)), 1);
  EXPECT_LE(std::abs((outer.top - monitor.rcWork.top) - (monitor.rcWork.bottom - outer.bottom)), 1);
}

// What the window hands Windows to paint each static control with: labels on their own
// colours, the read-only result box on white instead of a disabled grey.
TEST_F(QuizWindowTest, GivesEachStaticControlItsBackground) {
  const std::pair<Role, COLORREF> backgrounds[] = {
      {Role::title, RGB(255, 192, 128)},
      {Role::name_heading, RGB(255, 192, 128)},
      {Role::settlement_heading, RGB(255, 192, 128)},
      {Role::correct_label, RGB(0, 255, 0)},
      {Role::wrong_label, RGB(255, 0, 0)},
      {Role::result_box, RGB(255, 255, 255)},
  };
  const HDC dc = CreateCompatibleDC(nullptr);
  for (const auto& [role, colour] : backgrounds) {
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(ui.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(ui.control(role))));
    LOGBRUSH painted{};
    ASSERT_TRUE(GetObjectW(brush, sizeof(painted), &painted)) << test::text_of(ui.control(role));
    EXPECT_EQ(painted.lbColor, colour) << test::text_of(ui.control(role));
    EXPECT_EQ(GetBkColor(dc), colour) << test::text_of(ui.control(role));
  }
  DeleteDC(dc);
}

// Pixels of the window as it is on the screen, away from any text.
TEST_F(QuizWindowTest, PaintsItsColours) {
  RedrawWindow(ui.handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const std::pair<POINT, COLORREF> pixels[] = {
      {{3, 100}, RGB(192, 192, 255)},    // the window
      {{92, 3}, RGB(255, 192, 128)},     // the title
      {{12, 36}, RGB(255, 192, 128)},    // the name heading
      {{244, 36}, RGB(255, 192, 128)},   // the settlement heading
      {{12, 188}, RGB(0, 255, 0)},       // the correct score
      {{356, 188}, RGB(255, 0, 0)},      // the wrong score
      {{182, 190}, RGB(255, 128, 128)},  // the clear button
      {{200, 60}, RGB(255, 255, 255)},   // the name list
      {{440, 60}, RGB(255, 255, 255)},   // the settlement list
      {{11, 300}, RGB(255, 255, 255)},   // the result box
  };
  const HDC dc = GetDC(ui.handle());
  for (const auto& [point, colour] : pixels) {
    EXPECT_EQ(GetPixel(dc, point.x, point.y), colour) << point.x << "," << point.y;
  }
  ReleaseDC(ui.handle(), dc);
}

TEST_F(QuizWindowTest, WritesEverythingInTimesNewRoman12PtCyrillic) {
  for (const form::FormControl& entry : form::form_controls) {
    const auto font =
        reinterpret_cast<HFONT>(SendMessageW(ui.control(entry.role), WM_GETFONT, 0, 0));
    LOGFONTW requested{};
    ASSERT_TRUE(GetObjectW(font, sizeof(requested), &requested)) << entry.object_name;
    EXPECT_STREQ(requested.lfFaceName, L"Times New Roman") << entry.object_name;
    EXPECT_EQ(requested.lfHeight, -16) << entry.object_name;  // 12 pt at 96 dpi
    EXPECT_EQ(requested.lfWeight, 400) << entry.object_name;
    EXPECT_EQ(requested.lfCharSet, 204) << entry.object_name;
    EXPECT_FALSE(requested.lfItalic) << entry.object_name;
  }
}

// Moving to a monitor of 144 dots per inch scales the client area, every control and the font
// by one and a half.
TEST_F(QuizWindowTest, FollowsTheMonitorsDotsPerInch) {
  RECT suggested{};
  GetWindowRect(ui.handle(), &suggested);
  SendMessageW(ui.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  RECT client{};
  GetClientRect(ui.handle(), &client);
  EXPECT_EQ(client.right, 716);
  EXPECT_EQ(client.bottom, 525);
  const std::pair<Role, RECT> layout[] = {
      {Role::name_list, {12, 84, 350, 261}},
      {Role::clear_button, {264, 276, 458, 314}},
      {Role::result_box, {12, 324, 698, 518}},
  };
  for (const auto& [role, expected] : layout) {
    const RECT actual = test::rect_in_parent(ui.control(role));
    EXPECT_TRUE(EqualRect(&actual, &expected))
        << actual.left << "," << actual.top << " " << actual.right << "," << actual.bottom;
  }
  LOGFONTW requested{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(ui.names(), WM_GETFONT, 0, 0)), sizeof(requested),
             &requested);
  EXPECT_EQ(requested.lfHeight, -24);
}

struct PairCase {
  const char* label;
  const char* name;
  const char* settlement;
  bool settlement_first;
  bool right;
};

void PrintTo(const PairCase& pair, std::ostream* out) { *out << pair.label; }

class PairTest : public QuizWindowTest, public ::testing::WithParamInterface<PairCase> {};

// Remembers, for every text the result box was given, whether it had the focus by then.
LRESULT CALLBACK record_focus_at_text(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR, DWORD_PTR data) {
  if (message == WM_SETTEXT)
    reinterpret_cast<std::vector<bool>*>(data)->push_back(GetFocus() == box);
  return DefSubclassProc(box, message, wparam, lparam);
}

TEST_P(PairTest, JudgesAPairPickedWithTheMouse) {
  const PairCase& pair = GetParam();
  HWND first = pair.settlement_first ? ui.settlements() : ui.names();
  HWND second = pair.settlement_first ? ui.names() : ui.settlements();
  std::vector<bool> focused_at_text;
  SetWindowSubclass(ui.result(), record_focus_at_text, 1,
                    reinterpret_cast<DWORD_PTR>(&focused_at_text));

  ASSERT_TRUE(
      test::click_entry(ui.handle(), first, pair.settlement_first ? pair.settlement : pair.name));
  EXPECT_EQ(test::text_of(ui.result()), intro_text);
  EXPECT_EQ(checks(), 0);
  ASSERT_TRUE(
      test::click_entry(ui.handle(), second, pair.settlement_first ? pair.name : pair.settlement));
  RemoveWindowSubclass(ui.result(), record_focus_at_text, 1);

  const std::string expected =
      pair.right ? "Вярно: Пещерата Бачо Киро е близо до гр.Дряново\r\n " +
                       std::string(quiz::cave_key().description(2))
                 : "Грешка: Каците - с.Церово\r\nпещерата Каците се намира в общ. Своге - област  "
                   "София\r\n";
  EXPECT_EQ(test::text_of(ui.result()), expected);
  EXPECT_EQ(test::text_of(ui.correct()), pair.right ? "Вярно: 1" : "Вярно: ");
  EXPECT_EQ(test::text_of(ui.wrong()), pair.right ? "Невярно: " : "Невярно: 1");
  EXPECT_EQ(test::count_of(ui.names()), 30);
  EXPECT_EQ(test::count_of(ui.settlements()), 30);
  EXPECT_EQ(test::index_of(ui.names(), pair.name), -1);
  EXPECT_EQ(test::index_of(ui.settlements(), pair.settlement), -1);
  EXPECT_TRUE(no_selection_left());
  EXPECT_EQ(GetFocus(), ui.result());
  // The verdict is written once the box has the focus, for a screen reader to read it.
  EXPECT_EQ(focused_at_text, (std::vector<bool>{true, true}));
  EXPECT_TRUE(failures.empty());
}

INSTANTIATE_TEST_SUITE_P(
    RightAndWrongInEitherOrder, PairTest,
    ::testing::Values(PairCase{"RightNameFirst", "Бачо Киро", "гр.Дряново", false, true},
                      PairCase{"RightSettlementFirst", "Бачо Киро", "гр.Дряново", true, true},
                      PairCase{"WrongNameFirst", "Каците", "с.Церово", false, false},
                      PairCase{"WrongSettlementFirst", "Каците", "с.Церово", true, false}),
    [](const ::testing::TestParamInfo<PairCase>& case_info) { return case_info.param.label; });

// Every pair of a game, every other one wrong on purpose: the bottom settlement instead of the
// right one. A wrong pair names the picked cave's own region, wherever the cave now stands.
TEST_F(QuizWindowTest, PlaysAWholeGameWithTheMouse) {
  const quiz::AnswerKey key = quiz::cave_key();
  int right = 0;
  int wrong = 0;
  const auto play = [&](const std::string& name, const std::string& settlement,
                        const std::string& region) {
    const bool is_right = std::ranges::any_of(
        std::views::iota(quiz::ListIndex{0}, key.row_count()), [&](quiz::ListIndex row) {
          return key.name(row) == name && key.settlement(row) == settlement;
        });
    ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), name));
    ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), settlement));
    if (is_right) {
      EXPECT_EQ(test::text_of(ui.correct()), "Вярно: " + std::to_string(++right));
    } else {
      EXPECT_EQ(test::text_of(ui.result()), "Грешка: " + name + " - " + settlement +
                                                "\r\nпещерата " + name + " се намира в " + region +
                                                "\r\n");
      EXPECT_EQ(test::text_of(ui.wrong()), "Невярно: " + std::to_string(++wrong));
    }
    ASSERT_EQ(test::count_of(ui.names()), test::count_of(ui.settlements()));
    ASSERT_TRUE(no_selection_left());
  };
  const auto region_of = [&](const std::string& name) {
    for (quiz::ListIndex row = 0; row < key.row_count(); ++row) {
      if (key.name(row) == name) return std::string(key.region(row));
    }
    return std::string();
  };
  for (quiz::ListIndex row = 0; row < key.row_count(); ++row) {
    const std::string settlement =
        row % 2 ? test::entry_of(ui.settlements(), test::count_of(ui.settlements()) - 1)
                : std::string(key.settlement(row));
    if (test::index_of(ui.settlements(), settlement) < 0) continue;
    ASSERT_NO_FATAL_FAILURE(
        play(std::string(key.name(row)), settlement, region_of(std::string(key.name(row)))));
  }
  // Pairs left over when a wrong pick took their settlement away.
  while (test::count_of(ui.names()) > 0) {
    const std::string name = test::entry_of(ui.names(), 0);
    ASSERT_NO_FATAL_FAILURE(play(name, test::entry_of(ui.settlements(), 0), region_of(name)));
  }
  EXPECT_EQ(right + wrong, 31);
  EXPECT_EQ(test::count_of(ui.settlements()), 0);
  EXPECT_TRUE(failures.empty());
}

TEST_F(QuizWindowTest, RestartsMidGame) {
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Бачо Киро"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), "гр.Дряново"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Каците"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), "с.Церово"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Магура"));
  ASSERT_TRUE(test::click_control(ui.handle(), ui.clear_button()));

  EXPECT_EQ(test::count_of(ui.names()), 31);
  EXPECT_EQ(test::count_of(ui.settlements()), 31);
  EXPECT_TRUE(no_selection_left());
  // The new game starts in the name list, the cursor on its first entry.
  EXPECT_EQ(GetFocus(), ui.names());
  EXPECT_EQ(test::caret_of(ui.names()), 0);
  EXPECT_EQ(test::text_of(ui.result()), "");
  EXPECT_EQ(test::text_of(ui.correct()), "Вярно:");
  EXPECT_EQ(test::text_of(ui.wrong()), "Невярно:");

  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Каците"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), "с.Церово"));
  EXPECT_EQ(test::text_of(ui.wrong()), "Невярно: 1");
  EXPECT_EQ(test::text_of(ui.correct()), "Вярно:");
}

// Space on the focused button starts a new game as a click does.
TEST_F(QuizWindowTest, SpaceOnTheButtonStartsANewGame) {
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Каците"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), "с.Церово"));
  SetFocus(ui.clear_button());
  ASSERT_TRUE(test::press(ui.handle(), {{VK_SPACE}}));
  EXPECT_EQ(test::count_of(ui.names()), 31);
  EXPECT_EQ(test::text_of(ui.wrong()), "Невярно:");
  EXPECT_EQ(GetFocus(), ui.names());
}

TEST_F(QuizWindowTest, TabMovesThroughTheControlsInOrder) {
  const HWND forward[] = {ui.names(), ui.settlements(), ui.clear_button(), ui.result()};
  for (HWND next : forward) {
    ASSERT_TRUE(test::press(ui.handle(), {{VK_TAB}}));
    EXPECT_EQ(GetFocus(), next) << test::text_of(next);
  }
  const HWND backward[] = {ui.clear_button(), ui.settlements(), ui.names(), ui.result()};
  for (HWND next : backward) {
    ASSERT_TRUE(test::press(ui.handle(), {{.virtual_key = VK_TAB, .shift = true}}));
    EXPECT_EQ(GetFocus(), next) << test::text_of(next);
  }
}

// Read-only to the keyboard, to the clipboard and to edit messages alike.
TEST_F(QuizWindowTest, TheResultBoxCannotBeEdited) {
  HWND box = ui.result();
  SetFocus(box);
  ASSERT_TRUE(test::press(
      ui.handle(),
      {{'A'}, {.character = L'я'}, {VK_BACK}, {VK_DELETE}, {VK_RETURN}, {'X', true}, {'V', true}}));
  SendMessageW(box, EM_SETSEL, 0, -1);
  SendMessageW(box, WM_CHAR, 'a', 0);
  SendMessageW(box, WM_KEYDOWN, VK_DELETE, 0);
  SendMessageW(box, WM_CLEAR, 0, 0);
  SendMessageW(box, WM_CUT, 0, 0);
  if (OpenClipboard(ui.handle())) {
    EmptyClipboard();
    const wchar_t pasted[] = L"поставен текст";
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(pasted))) {
      CopyMemory(GlobalLock(memory), pasted, sizeof(pasted));
      GlobalUnlock(memory);
      SetClipboardData(CF_UNICODETEXT, memory);
    }
    CloseClipboard();
  }
  SendMessageW(box, WM_PASTE, 0, 0);
  test::pump(ui.handle());
  EXPECT_EQ(test::text_of(box), intro_text);
  EXPECT_TRUE(IsWindow(ui.handle()));
}

// Escape, Enter and a letter that starts no entry, in every control the focus can reach.
TEST_F(QuizWindowTest, KeysWithoutAMeaningLeaveTheWindowAsItIs) {
  const WORD keys[] = {VK_ESCAPE, VK_RETURN, 'X'};
  const Role focusable[] = {Role::result_box, Role::name_list, Role::settlement_list,
                            Role::clear_button};
  for (const Role role : focusable) {
    for (const WORD key : keys) {
      SetFocus(ui.control(role));
      ASSERT_TRUE(test::press(ui.handle(), {{key}}));
      ASSERT_TRUE(IsWindow(ui.handle()))
          << "key " << key << " closed the window in " << test::text_of(ui.control(role));
      EXPECT_TRUE(IsWindowVisible(ui.handle()));
      EXPECT_EQ(test::text_of(ui.result()), intro_text);
      EXPECT_EQ(test::count_of(ui.names()), 31);
      EXPECT_TRUE(no_selection_left());
      EXPECT_EQ(test::text_of(ui.correct()), "Вярно: ");
      EXPECT_EQ(GetFocus(), ui.control(role));
    }
  }
  EXPECT_TRUE(failures.empty());
}

TEST_F(QuizWindowTest, AFailureIsReportedAndTheWindowPlaysOn) {
  // An entry that is not in the answer key cannot be judged.
  SendMessageW(ui.names(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Непозната пещера"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Непозната пещера"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), "с.Емен"));

  ASSERT_EQ(failures.size(), 1u);
  EXPECT_TRUE(failures[0].starts_with("Проверката на избраната двойка не успя.\n")) << failures[0];
  EXPECT_NE(failures[0].find("Непозната пещера"), std::string::npos) << failures[0];
  EXPECT_TRUE(failures[0].ends_with("\n\nБутонът „Чисти“ започва нова игра.")) << failures[0];
  EXPECT_EQ(test::text_of(ui.result()), intro_text);

  ASSERT_TRUE(test::click_control(ui.handle(), ui.clear_button()));
  EXPECT_EQ(test::count_of(ui.names()), 31);
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Бачо Киро"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), "гр.Дряново"));
  EXPECT_EQ(test::text_of(ui.correct()), "Вярно: 1");
  EXPECT_EQ(failures.size(), 1u);
}

TEST(QuizWindowStart, AWindowThatCannotBeBuiltIsReportedAndTheProgramFails) {
  std::vector<std::string> reported;
  const int status = win32::run_window(
      []() -> std::unique_ptr<win32::QuizWindow> {
        throw std::runtime_error("Windows няма данни за българската азбучна подредба");
      },
      SW_SHOW, [&](std::string_view message) { reported.emplace_back(message); });
  EXPECT_NE(status, EXIT_SUCCESS);
  EXPECT_EQ(reported, (std::vector<std::string>{
                          "Програмата не може да започне.\nWindows няма данни за българската "
                          "азбучна подредба"}));
}

}  // namespace
