#include "win32/win_window.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "form/form_texts.h"
#include "form/run_guarded.h"
#include "quiz/cave_rows.h"
#include "quiz/matching_quiz.h"
#include "quiz/utf16.h"
#include "win32/dpi.h"
#include "win32/pick_list_keys.h"
#include "win32/resource_ids.h"
#include "win32/result_box.h"
#include "win32/win_controls.h"

namespace win32 {

namespace {

constexpr wchar_t window_class[] = L"CavesQuizWindow";
// Fixed size, a caption and the close box only.
constexpr DWORD window_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD window_ex_style = 0;
// Control ids stay clear of IDOK and IDCANCEL, which the dialog keys send to the window.
constexpr int first_control_id = 100;

static_assert(form::font_charset == RUSSIAN_CHARSET);
static_assert(form::font_weight == FW_NORMAL);

int control_id(form::Role role) { return first_control_id + static_cast<int>(role); }

const form::FormControl* entry_of_id(int id) {
  for (const form::FormControl& entry : form::form_controls) {
    if (control_id(entry.role) == id) return &entry;
  }
  return nullptr;
}

COLORREF colour_of(form::Rgb rgb) {
  return RGB(static_cast<BYTE>(rgb.red), static_cast<BYTE>(rgb.green), static_cast<BYTE>(rgb.blue));
}

UniqueBrush solid_brush(form::Rgb rgb) {
  UniqueBrush brush(CreateSolidBrush(colour_of(rgb)));
  if (!brush) throw std::runtime_error("Windows не създаде четка за цветовете на прозореца");
  return brush;
}

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

ControlClass class_of(form::ControlKind kind) {
  constexpr DWORD child = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case form::ControlKind::list:
      // Unsorted: entries go where the quiz's own order puts them.
      return {L"LISTBOX",
              child | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
              WS_EX_CLIENTEDGE};
    case form::ControlKind::text_box:
      return {L"EDIT",
              child | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
              WS_EX_CLIENTEDGE};
    case form::ControlKind::label:
      return {L"STATIC", child | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0};
    case form::ControlKind::button:
      return {L"BUTTON", child | WS_TABSTOP | BS_OWNERDRAW, 0};
  }
  return {};
}

// The heading whose caption names `list`, if there is one.
const form::FormControl* heading_of(const form::FormControl& list) {
  for (const form::FormControl& entry : form::form_controls) {
    if (entry.kind == form::ControlKind::label && !list.accessible_name.empty() &&
        entry.caption == list.accessible_name) {
      return &entry;
    }
  }
  return nullptr;
}

bool is_heading(const form::FormControl& label) {
  return std::ranges::any_of(form::form_controls, [&label](const form::FormControl& entry) {
    return entry.kind == form::ControlKind::list && heading_of(entry) == &label;
  });
}

// Windows moves the focus through the controls in their z-order, which is the order they are
// created in, so they are created by tab index. A list comes right after its heading: Windows
// names a list by the label just before it.
std::vector<const form::FormControl*> creation_order() {
  std::vector<const form::FormControl*> by_tab_index;
  for (const form::FormControl& entry : form::form_controls) by_tab_index.push_back(&entry);
  std::ranges::stable_sort(by_tab_index, {}, &form::FormControl::tab_index);
  std::vector<const form::FormControl*> order;
  for (const form::FormControl* entry : by_tab_index) {
    if (is_heading(*entry)) continue;
    if (const form::FormControl* heading = heading_of(*entry)) order.push_back(heading);
    order.push_back(entry);
  }
  return order;
}

RECT scaled_rect(int left, int top, int width, int height, UINT dpi) {
  const auto pixels = [dpi](int twips) {
    return MulDiv(twips, static_cast<int>(dpi), form::twips_per_pixel * form::pixels_per_inch);
  };
  return {pixels(left), pixels(top), pixels(left + width), pixels(top + height)};
}

UniqueFont font_for(UINT dpi) {
  const std::wstring face = quiz::to_utf16(form::font_family);
  return UniqueFont(CreateFontW(-MulDiv(form::font_point_size, static_cast<int>(dpi), 72), 0, 0, 0,
                                form::font_weight, FALSE, FALSE, FALSE, form::font_charset,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_ROMAN, face.c_str()));
}

UniqueIcon icon_for(HINSTANCE instance, int pixels) {
  return UniqueIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(CAVES_QUIZ_ICON),
                                                  IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR)));
}

void register_window_class(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW window_class_info{};
  if (GetClassInfoExW(instance, window_class, &window_class_info)) return;
  window_class_info = {};
  window_class_info.cbSize = sizeof(WNDCLASSEXW);
  window_class_info.lpfnWndProc = procedure;
  window_class_info.hInstance = instance;
  window_class_info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class_info.lpszClassName = window_class;
  if (!RegisterClassExW(&window_class_info)) {
    throw std::runtime_error("Windows не регистрира класа на прозореца (грешка " +
                             std::to_string(GetLastError()) + ")");
  }
}

}  // namespace

void show_failure(HWND owner, std::string_view message) {
  MessageBoxW(owner, quiz::to_utf16(message).c_str(), quiz::to_utf16(form::failure_title).c_str(),
              MB_OK | MB_ICONERROR);
}

// The quiz played on this window's own controls.
struct QuizWindow::Game {
  Game(const QuizWindow& window, const quiz::BulgarianCollation& collation)
      : names(window.control(form::Role::name_list), collation),
        settlements(window.control(form::Role::settlement_list), collation),
        result(window.control(form::Role::result_box)),
        correct(window.control(form::Role::correct_label)),
        wrong(window.control(form::Role::wrong_label)),
        quiz(quiz::cave_key(), {names, settlements, result, correct, wrong}) {}

  WinList names;
  WinList settlements;
  WinTextBox result;
  WinLabel correct;
  WinLabel wrong;
  quiz::MatchingQuiz quiz;
};

QuizWindow::QuizWindow(HINSTANCE instance, WindowOptions options)
    : options_(std::move(options)), instance_(instance) {
  const INITCOMMONCONTROLSEX common_controls{.dwSize = sizeof(INITCOMMONCONTROLSEX),
                                             .dwICC = ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common_controls);
  register_window_class(instance, window_proc);
  create_brushes();
  const std::wstring caption = quiz::to_utf16(form::window_caption());
  // Hidden and without a size until the dots per inch of its monitor are known.
  CreateWindowExW(window_ex_style, window_class, caption.c_str(), window_style, 0, 0, 0, 0, nullptr,
                  nullptr, instance, this);
  if (!window_) {
    throw std::runtime_error("Windows не създаде прозореца (грешка " +
                             std::to_string(GetLastError()) + ")");
  }
  dpi_ = window_dpi(window_.get());
  create_controls(instance);
  apply_dpi(nullptr);
  annotate();

  game_ = std::make_unique<Game>(*this, collation_);
  game_->result.set_text(form::intro_text);
  describe_result_box();
  last_focus_ = control(form::Role::result_box);
  run_event(form::loading_lists, [this] { game_->quiz.refill_lists(); });
}

QuizWindow::~QuizWindow() { window_.reset(); }

void QuizWindow::create_brushes() {
  form_background_ = solid_brush(form::form_background);
  for (const form::FormControl& entry : form::form_controls) {
    if (entry.background) {
      backgrounds_[static_cast<std::size_t>(entry.role)] = solid_brush(*entry.background);
    }
  }
}

void QuizWindow::create_controls(HINSTANCE instance) {
  for (const form::FormControl* entry : creation_order()) {
    const ControlClass kind = class_of(entry->kind);
    const std::wstring caption = quiz::to_utf16(entry->caption);
    HWND created = CreateWindowExW(
        kind.ex_style, kind.name, caption.c_str(), kind.style, 0, 0, 0, 0, window_.get(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id(entry->role))), instance, nullptr);
    if (!created) {
      throw std::runtime_error("Windows не създаде " + std::string(entry->object_name) +
                               " (грешка " + std::to_string(GetLastError()) + ")");
    }
    controls_[static_cast<std::size_t>(entry->role)] = created;
    if (entry->kind == form::ControlKind::list) make_pick_list(created);
    if (entry->kind == form::ControlKind::text_box) make_result_box(created);
  }
}

// Labels and the button are named by their text, and lists also by the heading before them;
// the names here are what the form design gives, for every screen reader alike.
void QuizWindow::annotate() {
  annotations_.set_window_name(window_.get(), form::form_title);
  for (const form::FormControl& entry : form::form_controls) {
    HWND target = control(entry.role);
    if (!entry.accessible_name.empty()) annotations_.set_name(target, entry.accessible_name);
    if (entry.kind == form::ControlKind::list) {
      annotations_.set_description(target, form::keyboard_hint);
    }
    if (entry.kind == form::ControlKind::button) {
      // Drawn by the window itself, but a push button all the same.
      annotations_.set_role(target, ROLE_SYSTEM_PUSHBUTTON);
    }
  }
}

void QuizWindow::apply_dpi(const POINT* origin) {
  // The controls change to the new font before the old one goes.
  UniqueFont font = font_for(dpi_);
  if (font) std::swap(font, font_);
  for (const form::FormControl& entry : form::form_controls) {
    const RECT rect = scaled_rect(entry.left, entry.top, entry.width, entry.height, dpi_);
    HWND target = control(entry.role);
    SetWindowPos(target, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(target, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  }
  big_icon_ = icon_for(instance_, scale(32, dpi_));
  small_icon_ = icon_for(instance_, scale(16, dpi_));
  SendMessageW(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
  SendMessageW(window_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
  place_window(origin);
}

void QuizWindow::place_window(const POINT* origin) {
  const RECT client = scaled_rect(0, 0, form::client_width, form::client_height, dpi_);
  const RECT outer = window_rect_for_client(client, window_style, window_ex_style, dpi_);
  int width = outer.right - outer.left;
  int height = outer.bottom - outer.top;
  POINT top_left{};
  if (origin) {
    top_left = *origin;
  } else {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(MONITORINFO);
    GetMonitorInfoW(MonitorFromWindow(window_.get(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    top_left = {work.left + (work.right - work.left - width) / 2,
                work.top + (work.bottom - work.top - height) / 2};
  }
  SetWindowPos(window_.get(), nullptr, top_left.x, top_left.y, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // Where the frame is not what Windows computed for these dots per inch, the client area
  // still gets its size.
  RECT actual{};
  GetClientRect(window_.get(), &actual);
  const int wrong_width = client.right - actual.right;
  const int wrong_height = client.bottom - actual.bottom;
  if (wrong_width != 0 || wrong_height != 0) {
    width += wrong_width;
    height += wrong_height;
    SetWindowPos(window_.get(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT CALLBACK QuizWindow::window_proc(HWND window, UINT message, WPARAM wparam,
                                         LPARAM lparam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<QuizWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_.reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<QuizWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    static_cast<void>(self->window_.release());
    if (self->options_.closed) self->options_.closed();
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->handle_message(message, wparam, lparam);
}

LRESULT QuizWindow::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND window = window_.get();
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_CTLCOLORSTATIC:
      if (const HBRUSH brush =
              static_colours(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      return DefWindowProcW(window, message, wparam, lparam);
    case WM_DRAWITEM:
      draw_button(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, form_background_.get());
      return TRUE;
    }
    case WM_NEXTDLGCTL:
      move_focus(wparam, lparam);
      return 0;
    // The window keeps its focused control while another window is active, as a dialog does.
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus && IsChild(window, focus)) last_focus_ = focus;
      } else if (!HIWORD(wparam) && last_focus_) {
        SetFocus(last_focus_);
      }
      return 0;
    case WM_SETFOCUS:
      if (last_focus_) SetFocus(last_focus_);
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wparam);
      const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
      const POINT origin{suggested.left, suggested.top};
      apply_dpi(&origin);
      return 0;
    }
    case WM_DESTROY:
      annotations_.clear();
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

void QuizWindow::command(WORD id, WORD code) {
  const form::FormControl* entry = entry_of_id(id);
  if (!entry) return;
  if (entry->kind == form::ControlKind::list && code == LBN_SELCHANGE) {
    run_event(form::checking_pair, [this] { selection_changed(); });
  } else if (entry->kind == form::ControlKind::button && code == BN_CLICKED) {
    run_event(form::new_game, [this] { restart(); });
  }
}

// A screen reader reads what gets the focus, so the verdict is heard at once: when a pair is
// judged, the result box takes the focus before the verdict is written. A screen reader that
// saw the box change while it had the focus would take the box as already read.
void QuizWindow::selection_changed() {
  quiz::MatchingQuiz& quiz = game_->quiz;
  const bool judging = quiz.pair_picked();
  if (judging) SetFocus(control(form::Role::result_box));
  quiz.selection_changed();
  if (judging) describe_result_box();
}

// A new game starts in the name list.
void QuizWindow::restart() {
  game_->quiz.restart();
  describe_result_box();
  SetFocus(control(form::Role::name_list));
}

// Until the first pair of a game the result box tells how to pick from the keyboard; from then
// on it gives the score.
void QuizWindow::describe_result_box() {
  const quiz::MatchingQuiz& quiz = game_->quiz;
  const int correct = quiz.correct_count();
  const int wrong = quiz.wrong_count();
  annotations_.set_description(control(form::Role::result_box),
                               correct + wrong == 0 ? std::string(form::keyboard_hint)
                                                    : form::score_description(correct, wrong));
}

template <typename Handler>
void QuizWindow::run_event(std::string_view action, Handler&& handler) {
  form::run_guarded(std::forward<Handler>(handler), [this, action](std::string_view reason) {
    options_.report_failure(window_.get(), form::failure_message(action, reason));
  });
}

// Labels on their own colours; the read-only result box, which Windows would grey, as
// white as a box to read from.
HBRUSH QuizWindow::static_colours(HDC dc, HWND target) const {
  const form::FormControl* entry = entry_of_id(GetDlgCtrlID(target));
  if (!entry) return nullptr;
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  if (entry->background) {
    SetBkColor(dc, colour_of(*entry->background));
    return backgrounds_[static_cast<std::size_t>(entry->role)].get();
  }
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

// The button on its own colour: a raised edge, sunken while pressed, the focus rectangle while
// it has the focus.
void QuizWindow::draw_button(const DRAWITEMSTRUCT& item) const {
  const form::FormControl* entry = entry_of_id(static_cast<int>(item.CtlID));
  if (!entry || entry->kind != form::ControlKind::button) return;
  const HDC dc = item.hDC;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  RECT area = item.rcItem;
  FillRect(dc, &area, backgrounds_[static_cast<std::size_t>(entry->role)].get());
  DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(item.hwndItem, text.data(), static_cast<int>(text.size()))));
  RECT text_area = area;
  if (pressed) OffsetRect(&text_area, 1, 1);
  const HGDIOBJ old_font = SelectObject(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old_font);

  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = area;
    const int inset = scale(4, dpi_);
    InflateRect(&focus, -inset, -inset);
    DrawFocusRect(dc, &focus);
  }
}

// Tab and Shift+Tab, which IsDialogMessage and the result box pass to the window as a dialog's
// WM_NEXTDLGCTL.
void QuizWindow::move_focus(WPARAM wparam, LPARAM lparam) {
  HWND next = LOWORD(lparam) ? reinterpret_cast<HWND>(wparam)
                             : GetNextDlgTabItem(window_.get(), GetFocus(), wparam != 0);
  if (next) SetFocus(next);
}

}  // namespace win32
