// The Win32 quiz window as it opens, written plainly in wWinMain: the same window class, styles,
// controls, texts, colours, font, icon and focus, but without the control table's adapters, the
// Bulgarian collation or the quiz: each list sorts itself (LBS_SORT). win32_startup_bench starts
// it and caves-quiz.exe alike, and compares them.
#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "form/form_design.h"
#include "form/form_texts.h"
#include "quiz/cave_rows.h"

namespace {

std::wstring wide(std::string_view text) {
  std::wstring out(text.size(), L'\0');
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         out.data(), static_cast<int>(out.size()));
  out.resize(static_cast<std::size_t>(length));
  return out;
}

COLORREF colour(form::Rgb rgb) {
  return RGB(static_cast<BYTE>(rgb.red), static_cast<BYTE>(rgb.green), static_cast<BYTE>(rgb.blue));
}

std::array<HBRUSH, form::role_count> brushes{};
HBRUSH white = nullptr;

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CTLCOLORSTATIC: {
      const int role = GetDlgCtrlID(reinterpret_cast<HWND>(l));
      const auto& entry = form::form_controls[static_cast<std::size_t>(role)];
      auto* dc = reinterpret_cast<HDC>(w);
      if (entry.kind == form::ControlKind::text_box) {
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(white);
      }
      SetBkColor(dc, colour(*entry.background));
      return reinterpret_cast<LRESULT>(brushes[static_cast<std::size_t>(role)]);
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      RECT area = item.rcItem;
      FillRect(item.hDC, &area, brushes[item.CtlID]);
      DrawEdge(item.hDC, &area, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
               BF_RECT);
      wchar_t text[64];
      const int length = GetWindowTextW(item.hwndItem, text, 64);
      SetBkMode(item.hDC, TRANSPARENT);
      DrawTextW(item.hDC, text, length, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      if (item.itemState & ODS_FOCUS) {
        InflateRect(&area, -4, -4);
        DrawFocusRect(item.hDC, &area);
      }
      return TRUE;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, w, l);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  white = CreateSolidBrush(RGB(255, 255, 255));
  for (std::size_t role = 0; role < form::role_count; ++role) {
    const auto& background = form::form_controls[role].background;
    if (background) brushes[role] = CreateSolidBrush(colour(*background));
  }

  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = procedure;
  type.hInstance = instance;
  type.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  type.hIconSm = type.hIcon;
  type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  type.hbrBackground = CreateSolidBrush(colour(form::form_background));
  type.lpszClassName = L"CavesQuizPlainWindow";
  RegisterClassExW(&type);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  const UINT dpi = GetDpiForSystem();
  const auto scaled = [dpi](int twips) {
    return MulDiv(form::to_pixels(twips), static_cast<int>(dpi), form::pixels_per_inch);
  };
  RECT outer{0, 0, scaled(form::client_width), scaled(form::client_height)};
  AdjustWindowRectExForDpi(&outer, style, FALSE, 0, dpi);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const std::wstring caption = wide(form::window_caption());
  HWND window = CreateWindowExW(0, type.lpszClassName, caption.c_str(), style,
                                work.left + (work.right - work.left - width) / 2,
                                work.top + (work.bottom - work.top - height) / 2, width, height,
                                nullptr, nullptr, instance, nullptr);

  HFONT font = CreateFontW(-MulDiv(form::font_point_size, static_cast<int>(dpi), 72), 0, 0, 0,
                           form::font_weight, FALSE, FALSE, FALSE, form::font_charset,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_ROMAN, wide(form::font_family).c_str());
  const quiz::AnswerKey key = quiz::cave_key();
  std::wstring intro = wide(form::intro_text);
  HWND result = nullptr;
  for (std::size_t role = 0; role < form::role_count; ++role) {
    const form::FormControl& entry = form::form_controls[role];
    const wchar_t* kind = L"STATIC";
    DWORD control_style = WS_CHILD | WS_VISIBLE;
    std::wstring text = wide(entry.caption);
    switch (entry.kind) {
      case form::ControlKind::list:
        kind = L"LISTBOX";
        control_style |= WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS |
                         LBS_NOINTEGRALHEIGHT | LBS_SORT;
        break;
      case form::ControlKind::text_box:
        kind = L"EDIT";
        control_style |=
            WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
        text = intro;
        break;
      case form::ControlKind::label:
        control_style |= SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
        break;
      case form::ControlKind::button:
        kind = L"BUTTON";
        control_style |= WS_TABSTOP | BS_OWNERDRAW;
        break;
    }
    HWND control = CreateWindowExW(0, kind, text.c_str(), control_style, scaled(entry.left),
                                   scaled(entry.top), scaled(entry.width), scaled(entry.height),
                                   window, reinterpret_cast<HMENU>(role), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (entry.kind == form::ControlKind::list) {
      for (quiz::ListIndex row = 0; row < key.row_count(); ++row) {
        const std::wstring item =
            wide(entry.role == form::Role::name_list ? key.name(row) : key.settlement(row));
        SendMessageW(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      }
    }
    if (entry.kind == form::ControlKind::text_box) result = control;
  }
  ShowWindow(window, show);
  SetFocus(result);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
