// The real program, caves-quiz.exe, started and played from this separate process as a pupil
// plays it: clicks and keys go in through SendInput, and the state is read back with the
// controls' own messages, which Windows carries between processes. The program has no test
// hook of any kind.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "form/publisher.h"
#include "quiz/utf16.h"
#include "window_driver.h"

namespace {

// Rounds of 50 ms to wait for the program: only a program that has stopped answering uses
// them up.
constexpr int patience = 200;

bool wait_for(const std::function<bool()>& done) {
  for (int round = 0; round < patience; ++round) {
    if (done()) return true;
    Sleep(50);
  }
  return done();
}

std::wstring program_path() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"caves-quiz.exe";
}

std::string remote_text(HWND control) {
  const auto length = static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return quiz::to_utf8(text);
}

std::wstring class_of(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// The program's controls, told apart by their kind and place, as anyone looking at the window
// tells them apart.
struct Controls {
  HWND names = nullptr;
  HWND settlements = nullptr;
  HWND result = nullptr;
  HWND correct = nullptr;
  HWND wrong = nullptr;
  HWND button = nullptr;
};

Controls find_controls(HWND window) {
  Controls found;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring kind = class_of(child);
    const RECT place = test::rect_in_parent(child);
    const bool left = place.left < 100;
    if (_wcsicmp(kind.c_str(), L"ListBox") == 0) {
      (left ? found.names : found.settlements) = child;
    } else if (_wcsicmp(kind.c_str(), L"Edit") == 0) {
      found.result = child;
    } else if (_wcsicmp(kind.c_str(), L"Button") == 0) {
      found.button = child;
    } else if (place.top > 150) {
      (left ? found.correct : found.wrong) = child;
    }
  }
  return found;
}

class Program : public ::testing::Test {
 protected:
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  Controls ui;

  void SetUp() override {
    std::wstring command = L"\"" + program_path() + L"\"";
    STARTUPINFOW start{};
    start.cb = sizeof(start);
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &start, &process))
        << "cannot start caves-quiz.exe, error " << GetLastError();
    ASSERT_TRUE(wait_for([this] {
      window = FindWindowW(L"CavesQuizWindow", nullptr);
      DWORD owner = 0;
      if (window) GetWindowThreadProcessId(window, &owner);
      return window && owner == process.dwProcessId && IsWindowVisible(window);
    }));
    ui = find_controls(window);
    ASSERT_TRUE(ui.names && ui.settlements && ui.result && ui.correct && ui.wrong && ui.button);
    // Input sent before the window is in the foreground would go elsewhere.
    ASSERT_TRUE(wait_for([this] { return GetForegroundWindow() == window; }));
  }

  void TearDown() override {
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
      PostMessageW(window, WM_CLOSE, 0, 0);
      WaitForSingleObject(process.hProcess, 10000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }

  HWND focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
  }

  // Keys and clicks go to the program's queue; the program has handled them once the state
  // they lead to shows.
  bool press(const std::vector<test::Key>& keys, const std::function<bool()>& then) {
    return send_keys(keys) && wait_for(then);
  }

  bool click_entry(HWND list, std::string_view text) {
    const int index = test::index_of(list, text);
    if (index < 0) return false;
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    POINT point{20, (index - top) * height + height / 2};
    ClientToScreen(list, &point);
    INPUT inputs[3] = {};
    constexpr DWORD move = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    const DWORD flags[3] = {move, move | MOUSEEVENTF_LEFTDOWN, move | MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 3; ++i) {
      inputs[i].type = INPUT_MOUSE;
      inputs[i].mi.dx = MulDiv(point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
      inputs[i].mi.dy = MulDiv(point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
      inputs[i].mi.dwFlags = flags[i];
    }
    return SendInput(3, inputs, sizeof(INPUT)) == 3;
  }

 private:
  static bool send_keys(const std::vector<test::Key>& keys) {
    std::vector<INPUT> inputs;
    const auto key = [&inputs](WORD virtual_key, bool up) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = virtual_key;
      input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      inputs.push_back(input);
    };
    for (const test::Key& pressed : keys) {
      if (pressed.ctrl) key(VK_CONTROL, false);
      key(pressed.virtual_key, false);
      key(pressed.virtual_key, true);
      if (pressed.ctrl) key(VK_CONTROL, true);
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
  }
};

// One game with the mouse, one with the keyboard, then Alt+F4.
TEST_F(Program, PlaysWithTheMouseAndTheKeyboardAndCloses) {
  EXPECT_EQ(remote_text(window),
            std::string(form::publisher) + "   География - известни български пещери");
  EXPECT_EQ(test::count_of(ui.names), 31);
  EXPECT_EQ(test::count_of(ui.settlements), 31);
  EXPECT_EQ(focus(), ui.result);

  ASSERT_TRUE(click_entry(ui.names, "Бачо Киро"));
  ASSERT_TRUE(wait_for([&] { return test::selection_of(ui.names) == 2; }));
  EXPECT_EQ(remote_text(ui.correct), "Вярно: ");
  ASSERT_TRUE(click_entry(ui.settlements, "гр.Дряново"));
  ASSERT_TRUE(wait_for([&] { return test::count_of(ui.names) == 30; }));
  EXPECT_EQ(test::count_of(ui.settlements), 30);
  EXPECT_EQ(remote_text(ui.correct), "Вярно: 1");
  EXPECT_TRUE(
      remote_text(ui.result).starts_with("Вярно: Пещерата Бачо Киро е близо до гр.Дряново\r\n "));
  EXPECT_EQ(focus(), ui.result);

  // The keyboard: Tab to the names, End picks the last; Tab to the settlements, Ctrl and Down
  // twice browse to «гр.Враца», and Space picks it.
  ASSERT_TRUE(press({{VK_TAB}, {VK_END}}, [&] { return test::selection_of(ui.names) == 29; }));
  ASSERT_TRUE(press({{VK_TAB}, {VK_DOWN, true}, {VK_DOWN, true}},
                    [&] { return test::caret_of(ui.settlements) == 2; }));
  EXPECT_EQ(test::selection_of(ui.settlements), -1);
  ASSERT_TRUE(press({{VK_SPACE}}, [&] { return test::count_of(ui.names) == 29; }));
  EXPECT_EQ(remote_text(ui.result),
            "Грешка: Ягодинска пещера - гр.Враца\r\nпещерата Ягодинска пещера се намира в общ. "
            "Борино - област  Смолян\r\n");
  EXPECT_EQ(remote_text(ui.wrong), "Невярно: 1");
  EXPECT_EQ(focus(), ui.result);

  // Enter, Escape and a letter change nothing; the Tab after them shows they were handled.
  ASSERT_TRUE(
      press({{VK_RETURN}, {VK_ESCAPE}, {'X'}, {VK_TAB}}, [&] { return focus() == ui.names; }));
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(remote_text(ui.wrong), "Невярно: 1");
  EXPECT_EQ(test::count_of(ui.names), 29);
  EXPECT_TRUE(remote_text(ui.result).starts_with("Грешка: Ягодинска пещера - гр.Враца"));

  ASSERT_TRUE(press({{VK_TAB}, {VK_TAB}}, [&] { return focus() == ui.button; }));
  ASSERT_TRUE(press({{VK_SPACE}}, [&] { return test::count_of(ui.names) == 31; }));
  EXPECT_EQ(test::count_of(ui.settlements), 31);
  EXPECT_EQ(remote_text(ui.correct), "Вярно:");
  EXPECT_EQ(remote_text(ui.wrong), "Невярно:");
  EXPECT_EQ(remote_text(ui.result), "");
  EXPECT_EQ(focus(), ui.names);

  INPUT alt_f4[4] = {};
  const WORD keys[4] = {VK_MENU, VK_F4, VK_F4, VK_MENU};
  for (int i = 0; i < 4; ++i) {
    alt_f4[i].type = INPUT_KEYBOARD;
    alt_f4[i].ki.wVk = keys[i];
    alt_f4[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  ASSERT_EQ(SendInput(4, alt_f4, sizeof(INPUT)), 4u);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD status = 1;
  GetExitCodeProcess(process.hProcess, &status);
  EXPECT_EQ(status, 0u);
}

std::string resource_text(HMODULE file, const wchar_t* type, int id) {
  const HRSRC found = FindResourceW(file, MAKEINTRESOURCEW(id), type);
  if (!found) return {};
  const auto* data = static_cast<const char*>(LockResource(LoadResource(file, found)));
  return std::string(data, SizeofResource(file, found));
}

std::string version_string(const std::vector<char>& info, const wchar_t* name) {
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040204B0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0) return {};
  return quiz::to_utf8(static_cast<const wchar_t*>(value));
}

// The icon in its two sizes, the manifest and Bulgarian version information, in the file.
TEST(ProgramFile, CarriesItsIconManifestAndVersion) {
  const std::wstring path = program_path();
  const HMODULE file = LoadLibraryExW(path.c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(file, nullptr);

  // An icon directory: three 16-bit fields, then 14 bytes for each image, its width first.
  const std::string icons = resource_text(file, RT_GROUP_ICON, 1);
  ASSERT_GE(icons.size(), 6u);
  std::uint16_t count = 0;
  std::memcpy(&count, icons.data() + 4, sizeof(count));
  ASSERT_EQ(icons.size(), 6u + 14u * count);
  std::set<int> widths;
  for (std::size_t image = 0; image < count; ++image) {
    widths.insert(static_cast<unsigned char>(icons[6 + 14 * image]));
  }
  EXPECT_EQ(widths, (std::set<int>{16, 32}));

  const std::string manifest = resource_text(file, RT_MANIFEST, 1);
  for (const char* part :
       {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "PerMonitorV2", "true/pm",
        "35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
        "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }
  FreeLibrary(file);

  std::vector<char> info(GetFileVersionInfoSizeW(path.c_str(), nullptr));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  EXPECT_EQ(version_string(info, L"FileVersion"), "1.0.0");
  EXPECT_EQ(version_string(info, L"ProductVersion"), "1.0.0");
  EXPECT_EQ(version_string(info, L"CompanyName"), form::publisher);
  EXPECT_EQ(version_string(info, L"OriginalFilename"), "caves-quiz.exe");
  EXPECT_EQ(version_string(info, L"FileDescription"),
            "Игра по география: известни български пещери и селищата край тях");
}

}  // namespace
