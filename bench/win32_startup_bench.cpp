// Start-up of the Win32 quiz window against the plain window (win32_plain_window.exe), each in
// a process of its own, started alternately:
//   win32_startup_bench RUNS QUIZ_PROGRAM PLAIN_PROGRAM
// A start is timed from CreateProcess until the program's window is visible and it and every
// control in it have been painted: none has a region left to paint (GetUpdateRect), looked at
// every millisecond. (Wine's WaitForInputIdle returns before the window exists.) The peak
// working set (PeakWorkingSetSize) is read at that moment. Then the window is closed as its close
// button would, and the next start begins. Prints every run, then the medians, their ratio and the
// memory difference.
#include <windows.h>
// After windows.h, which they build on.
#include <psapi.h>
#include <timeapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Start {
  double milliseconds;
  double peak_mib;
};

std::vector<HWND> windows_of(DWORD process_id) {
  struct Search {
    DWORD process_id;
    std::vector<HWND> found;
  } search{process_id, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s.process_id && IsWindowVisible(window)) s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Whether `window` and every visible control in it have painted all they were asked to.
bool painted(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  bool all = true;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM context) -> BOOL {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
          *reinterpret_cast<bool*>(context) = false;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  return all;
}

// Waits at most 30 s until the process shows a window and it has painted.
std::vector<HWND> wait_until_painted(DWORD process_id) {
  for (int waited = 0; waited < 30'000; ++waited) {
    std::vector<HWND> shown = windows_of(process_id);
    if (!shown.empty() && std::all_of(shown.begin(), shown.end(), painted)) return shown;
    Sleep(1);
  }
  return {};
}

bool start_once(const wchar_t* program, Start& start) {
  std::wstring command = L"\"" + std::wstring(program) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, begin, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", program, GetLastError());
    return false;
  }
  const std::vector<HWND> shown = wait_until_painted(process.dwProcessId);
  QueryPerformanceCounter(&end);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
  for (HWND window : shown) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 30'000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 10'000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (shown.empty()) {
    std::fwprintf(stderr, L"%ls showed no window, or never finished painting it\n", program);
    return false;
  }
  start.milliseconds = 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) /
                       static_cast<double>(frequency.QuadPart);
  start.peak_mib = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
  return true;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  timeBeginPeriod(1);  // Sleep(1) sleeps about 1 ms, not a 16-ms tick
  if (argc != 4 || std::wcstol(argv[1], nullptr, 10) < 1) {
    std::fwprintf(stderr, L"usage: win32_startup_bench RUNS QUIZ_PROGRAM PLAIN_PROGRAM\n");
    return 2;
  }
  const long runs = std::wcstol(argv[1], nullptr, 10);
  const wchar_t* programs[2] = {argv[2], argv[3]};
  std::vector<double> times[2], peaks[2];
  // One start of each first, not counted: the first start after a while reads the files.
  for (const wchar_t* program : programs) {
    Start ignored{};
    if (!start_once(program, ignored)) return 1;
  }
  for (long run = 0; run < runs; ++run) {
    // Alternately first, so that neither always follows the other.
    for (int turn = 0; turn < 2; ++turn) {
      const int which = (run % 2) ? 1 - turn : turn;
      Start start{};
      if (!start_once(programs[which], start)) return 1;
      times[which].push_back(start.milliseconds);
      peaks[which].push_back(start.peak_mib);
      std::printf("run %ld %-5s %7.1f ms  peak %5.1f MiB\n", run + 1, which ? "plain" : "quiz",
                  start.milliseconds, start.peak_mib);
    }
  }
  const double quiz_ms = median(times[0]), plain_ms = median(times[1]);
  const double quiz_mib = median(peaks[0]), plain_mib = median(peaks[1]);
  std::printf("start-up until painted, medians: quiz %.1f ms, plain %.1f ms, ratio %.2f\n", quiz_ms,
              plain_ms, quiz_ms / plain_ms);
  std::printf("peak working set, medians: quiz %.1f MiB, plain %.1f MiB, difference %.2f MiB\n",
              quiz_mib, plain_mib, quiz_mib - plain_mib);
  return 0;
}
