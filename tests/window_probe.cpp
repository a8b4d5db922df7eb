// Finds the window of a running program by the program's file, for the installer test: under
// Wine's virtual desktop X sees only the desktop, not the windows in it.
//   window_probe shown PROGRAM   waits until PROGRAM (a Windows path, e.g.
//                                C:\Program Files\caves-quiz\caves-quiz.exe) shows a top-level
//                                window, and prints the window's caption in UTF-8
//   window_probe close PROGRAM   asks each of PROGRAM's windows to close, as the close button
//                                does, and waits until the program has ended
// Each waits at most 30 s; the exit status is 0 only if the window came, or the program ended.
#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr int patience_ms = 30'000;
constexpr int step_ms = 100;

struct Window {
  HWND handle;
  DWORD process;
};

void write(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

bool runs_program(DWORD process_id, const std::wstring& program) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (!process) return false;
  wchar_t image[MAX_PATH * 2];
  DWORD size = MAX_PATH * 2;
  const bool named = QueryFullProcessImageNameW(process, 0, image, &size) != 0;
  CloseHandle(process);
  return named && CompareStringOrdinal(image, static_cast<int>(size), program.c_str(),
                                       static_cast<int>(program.size()), TRUE) == CSTR_EQUAL;
}

// The visible top-level windows of the processes running `program`.
std::vector<Window> windows_of(const std::wstring& program) {
  struct Search {
    const std::wstring* program;
    std::vector<Window> found;
  } search{&program, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(context);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr &&
            runs_program(process, *s.program)) {
          s.found.push_back({window, process});
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int shown(const std::wstring& program) {
  for (int waited = 0; waited < patience_ms; waited += step_ms) {
    const std::vector<Window> found = windows_of(program);
    if (!found.empty()) {
      std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(found[0].handle)) + 1,
                           L'\0');
      caption.resize(static_cast<std::size_t>(
          GetWindowTextW(found[0].handle, caption.data(), static_cast<int>(caption.size()))));
      write(caption + L"\n");
      return 0;
    }
    Sleep(step_ms);
  }
  write(L"window_probe: no window of the program appeared\n");
  return 1;
}

int close(const std::wstring& program) {
  const std::vector<Window> found = windows_of(program);
  if (found.empty()) {
    write(L"window_probe: the program shows no window\n");
    return 1;
  }
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, found[0].process);
  if (!process) {
    write(L"window_probe: the program's process cannot be watched\n");
    return 1;
  }
  for (const Window& window : found) PostMessageW(window.handle, WM_CLOSE, 0, 0);
  const bool ended = WaitForSingleObject(process, patience_ms) == WAIT_OBJECT_0;
  CloseHandle(process);
  if (!ended) write(L"window_probe: the program did not end when its window was closed\n");
  return ended ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc == 3 && std::wstring(argv[1]) == L"shown") return shown(argv[2]);
  if (argc == 3 && std::wstring(argv[1]) == L"close") return close(argv[2]);
  write(L"usage: window_probe shown|close PROGRAM\n");
  return 2;
}
