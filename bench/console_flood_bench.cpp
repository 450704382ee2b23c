// The console window under a flood of output: a real child writes as fast as it can into the Qt
// console (offscreen). Reported per case: the program's peak memory above idle, the child's run
// time through the console against the same output sent to /dev/null, and the longest stall of
// the event loop while the output flowed, measured by a timer that records its own lateness.
// Goals: under 60 MB above idle and no stall over 100 ms.
// Arguments: megabytes of output, line length (0: one line without a break).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "peak_memory.h"
#include "platform/posix/process_launch.h"
#include "platform/qt/qt_toolkit.h"

namespace {

constexpr int kStallProbeMs = 5;
constexpr int kSettleMs = 300;  // the last draws after the child has ended

QApplication& application() {
  static int argc = 1;
  static char name[] = "console_flood_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

void runEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void closeConsoles() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->close();
  runEventsFor(50);
}

// The longest time the event loop let a short timer wait beyond its interval.
class StallProbe {
 public:
  StallProbe() {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kStallProbeMs);
    QObject::connect(&timer_, &QTimer::timeout,
                     [this] { longest_ = std::max(longest_, clock_.restart() - kStallProbeMs); });
    clock_.start();
    timer_.start();
  }
  double longestMs() const { return static_cast<double>(longest_); }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 longest_ = 0;
};

qu::ProcessLaunch floodLaunch(const benchmark::State& state, qu::OutputSink output) {
  return {QU_OUTPUT_FLOOD_PATH,
          {std::to_string(state.range(0)), std::to_string(state.range(1))},
          "",
          std::move(output)};
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The child's time from launch to exit; an empty sink sends its output to /dev/null.
double childSeconds(qu::ProcessLaunch launch) {
  const auto start = std::chrono::steady_clock::now();
  qu::LaunchResult launched = qu::launchProcess(std::move(launch));
  if (!launched.process) return -1;
  launched.process->wait();
  return secondsSince(start);
}

void BM_ConsoleFlood(benchmark::State& state) {
  application();
  qu::QtToolkit toolkit;
  {
    auto warmUp = toolkit.openConsole("warm-up");
    warmUp->write("warm-up\n");
    runEventsFor(200);
  }
  closeConsoles();
  for (auto _ : state) {
    const double quiet = childSeconds(floodLaunch(state, {}));
    const long long idle = bench::residentKilobytes();
    if (!bench::resetPeak()) state.SkipWithError("the peak memory cannot be reset");
    StallProbe probe;
    double loud = 0;
    {
      auto console = toolkit.openConsole("flood");
      QEventLoop loop;
      std::thread waiter([&] {
        loud = childSeconds(floodLaunch(state, [console](std::string_view piece) {
          if (!piece.empty()) console->write(piece);
        }));
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
      });
      loop.exec();
      waiter.join();
    }
    runEventsFor(kSettleMs);
    state.counters["peak_MB_above_idle"] =
        static_cast<double>(bench::peakKilobytes() - idle) / 1024.0;
    state.counters["longest_stall_ms"] = probe.longestMs();
    state.counters["child_s_console"] = loud;
    state.counters["child_s_devnull"] = quiet;
    closeConsoles();
  }
}
BENCHMARK(BM_ConsoleFlood)
    ->Args({200, 80})
    ->Args({200, 0})
    ->Args({50, 80})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
