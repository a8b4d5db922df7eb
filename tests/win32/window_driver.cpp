#include "window_driver.h"

#include <utility>

#include "quiz/utf16.h"
#include "win32/message_loop.h"

namespace test {

namespace {

// The last input of every batch: once its key-up comes out of the queue, everything sent before
// it has been handled, since input arrives in the order it was sent.
constexpr WORD sentinel_key = VK_F24;
// Rounds of waiting for the queue, 100 ms each: only a window that has stopped answering uses
// them up.
constexpr int patience = 100;

bool is_sentinel(const MSG& message) {
  return message.message == WM_KEYUP && message.wParam == sentinel_key;
}

INPUT key_input(WORD virtual_key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT character_input(wchar_t character, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

INPUT mouse_input(DWORD flags, POINT point = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags;
  return input;
}

// Sends the input and runs messages until it has all been handled.
bool send(HWND window, std::vector<INPUT> inputs) {
  inputs.push_back(key_input(sentinel_key, true));
  const auto sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) return false;
  for (int round = 0; round < patience; ++round) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (is_sentinel(message)) {
        pump(window);
        return true;
      }
      win32::dispatch(window, message);
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  return false;
}

}  // namespace

OpenWindow::OpenWindow(win32::WindowOptions options)
    : window_(std::make_unique<win32::QuizWindow>(GetModuleHandleW(nullptr), std::move(options))) {
  ShowWindow(handle(), SW_SHOW);
  UpdateWindow(handle());
  SetForegroundWindow(handle());
  for (int round = 0; round < patience && !in_foreground(); ++round) {
    pump(handle());
    MsgWaitForMultipleObjectsEx(0, nullptr, 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  pump(handle());
}

bool OpenWindow::in_foreground() const { return GetForegroundWindow() == handle(); }

void pump(HWND window) {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) win32::dispatch(window, message);
}

bool press(HWND window, const std::vector<Key>& keys) {
  std::vector<INPUT> inputs;
  for (const Key& key : keys) {
    if (key.ctrl) inputs.push_back(key_input(VK_CONTROL, false));
    if (key.shift) inputs.push_back(key_input(VK_SHIFT, false));
    if (key.character) {
      inputs.push_back(character_input(key.character, false));
      inputs.push_back(character_input(key.character, true));
    } else {
      inputs.push_back(key_input(key.virtual_key, false));
      inputs.push_back(key_input(key.virtual_key, true));
    }
    if (key.shift) inputs.push_back(key_input(VK_SHIFT, true));
    if (key.ctrl) inputs.push_back(key_input(VK_CONTROL, true));
  }
  return send(window, std::move(inputs));
}

bool click_at(HWND window, POINT point) {
  constexpr DWORD move = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return send(window, {mouse_input(move, point), mouse_input(move | MOUSEEVENTF_LEFTDOWN, point),
                       mouse_input(move | MOUSEEVENTF_LEFTUP, point)});
}

bool click_entry(HWND window, HWND list, std::string_view text) {
  const int index = index_of(list, text);
  if (index < 0) return false;
  RECT client{};
  GetClientRect(list, &client);
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  if (item.top < client.top || item.bottom > client.bottom) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
  POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list, &centre);
  return click_at(window, centre);
}

bool click_control(HWND window, HWND control) {
  RECT area{};
  GetWindowRect(control, &area);
  return click_at(window, {(area.left + area.right) / 2, (area.top + area.bottom) / 2});
}

std::string text_of(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return quiz::to_utf8(text);
}

int count_of(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

int selection_of(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }

int caret_of(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0)); }

std::string entry_of(HWND list, int index) {
  const auto entry = static_cast<WPARAM>(index);
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, entry, 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(list, LB_GETTEXT, entry, reinterpret_cast<LPARAM>(text.data()))));
  return quiz::to_utf8(text);
}

std::vector<std::string> entries_of(HWND list) {
  std::vector<std::string> entries;
  for (int index = 0; index < count_of(list); ++index) entries.push_back(entry_of(list, index));
  return entries;
}

int index_of(HWND list, std::string_view text) {
  for (int index = 0; index < count_of(list); ++index) {
    if (entry_of(list, index) == text) return index;
  }
  return -1;
}

RECT rect_in_parent(HWND control) {
  RECT area{};
  GetWindowRect(control, &area);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

}  // namespace test
