// Start-up of the quiz window against a plain window with the same controls, in one process on
// the offscreen platform: from construction until the first paint. Afterwards, the peak memory
// of each, measured in a fresh process of its own.
//   startup_bench                      run the benchmarks, then print both ratios
//   startup_bench --peak-memory quiz   (or plain) print that window's peak memory in KiB
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "plain_window.h"
#include "window/quiz_form.h"

namespace {

// Watches the whole application: the window may be painted by its children alone.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(const QWidget& window) : window_(window) {}
  bool seen = false;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const auto* widget = qobject_cast<const QWidget*>(object);
      if (widget && widget->window() == &window_) seen = true;
    }
    return false;
  }

 private:
  const QWidget& window_;
};

// Builds and shows a window, and returns once it has painted.
template <typename Window>
std::unique_ptr<Window> open_window() {
  auto window = std::make_unique<Window>();
  FirstPaint first_paint(*window);
  qApp->installEventFilter(&first_paint);
  window->show();
  QElapsedTimer patience;
  patience.start();
  while (!first_paint.seen && patience.elapsed() < 10'000) QApplication::processEvents();
  qApp->removeEventFilter(&first_paint);
  if (!first_paint.seen) return nullptr;
  return window;
}

template <typename Window>
void BM_OpenUntilFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    auto window = open_window<Window>();
    const auto end = std::chrono::steady_clock::now();
    if (!window) {
      state.SkipWithError("the window never painted");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    window.reset();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_OpenUntilFirstPaint<window::QuizForm>)
    ->Name("QuizForm")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK(BM_OpenUntilFirstPaint<PlainWindow>)
    ->Name("PlainWindow")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

// Remembers each benchmark's real time for the ratio printed at the end.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  RecordingReporter() : ConsoleReporter(OO_Tabular) {}

  std::map<std::string, double> real_time;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) real_time[run.run_name.function_name] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
};

long peak_memory_kib() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  static const QRegularExpression high_water(QStringLiteral("VmHWM:\\s*(\\d+) kB"));
  const auto match = high_water.match(QString::fromLatin1(status.readAll()));
  return match.hasMatch() ? match.captured(1).toLong() : -1;
}

long peak_memory_of(const char* program, const char* which) {
  QProcess probe;
  probe.start(QString::fromLocal8Bit(program),
              {QStringLiteral("--peak-memory"), QString::fromLatin1(which)});
  if (!probe.waitForFinished(30'000) || probe.exitCode() != 0) return -1;
  return probe.readAllStandardOutput().trimmed().toLong();
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  if (argc == 3 && std::string(argv[1]) == "--peak-memory") {
    const bool quiz = std::string(argv[2]) == "quiz";
    const auto quiz_window = quiz ? open_window<window::QuizForm>() : nullptr;
    const auto plain_window = quiz ? nullptr : open_window<PlainWindow>();
    if (!quiz_window && !plain_window) return 1;
    std::printf("%ld\n", peak_memory_kib());
    return 0;
  }

  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  if (reporter.real_time.count("QuizForm") && reporter.real_time.count("PlainWindow")) {
    std::printf("start-up: QuizForm / PlainWindow = %.2f (target: at most 1.15)\n",
                reporter.real_time["QuizForm"] / reporter.real_time["PlainWindow"]);
  }
  const long quiz_kib = peak_memory_of(argv[0], "quiz");
  const long plain_kib = peak_memory_of(argv[0], "plain");
  if (quiz_kib > 0 && plain_kib > 0) {
    std::printf(
        "peak memory: QuizForm %.1f MiB, PlainWindow %.1f MiB, difference %.2f MiB "
        "(target: at most 4 MiB)\n",
        static_cast<double>(quiz_kib) / 1024, static_cast<double>(plain_kib) / 1024,
        static_cast<double>(quiz_kib - plain_kib) / 1024);
  } else {
    std::printf("peak memory: could not be measured\n");
  }
  return 0;
}
