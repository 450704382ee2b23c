// Reading the run log and composing the result line from it, for a 100 MB log of ordinary lines
// and a 20 MB line without a break. Reported: the time of one read and its peak memory above
// what the process held before it, which must not grow with the log.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <locale>
#include <optional>
#include <random>
#include <string>

#include "peak_memory.h"
#include "run/run_log.h"
#include "run/run_log_reader.h"

namespace {

namespace fs = std::filesystem;

class LogFile {
 public:
  // `lineLength` 0: one line without a break.
  LogFile(std::size_t megabytes, std::size_t lineLength) {
    std::random_device random;
    folder_ = fs::temp_directory_path() / ("qu-run-log-bench-" + std::to_string(random()));
    fs::create_directories(folder_);
    std::ofstream out(path(), std::ios::binary);
    const std::string line =
        lineLength == 0 ? std::string(1 << 20, '7') : std::string(lineLength - 2, 'x') + "\r\n";
    for (std::size_t written = 0; written < (megabytes << 20); written += line.size()) out << line;
  }
  ~LogFile() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  std::string path() const { return (folder_ / "vororadi.txt").string(); }

 private:
  fs::path folder_;
};

void BM_ReadRunLog(benchmark::State& state) {
  const LogFile log(static_cast<std::size_t>(state.range(0)),
                    static_cast<std::size_t>(state.range(1)));
  const qu::MonthNames months = qu::shortMonthNames(std::locale::classic());
  long long peak = 0;
  for (auto _ : state) {
    const long long before = bench::residentKilobytes();
    bench::resetPeak();
    const std::string shown = qu::resultLineText(
        std::nullopt, months, "Completed with return code:", qu::readRunLog(log.path()));
    benchmark::DoNotOptimize(shown);
    peak = std::max(peak, bench::peakKilobytes() - before);
  }
  state.counters["peak_KB_above_before"] = static_cast<double>(peak);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (state.range(0) << 20));
}
BENCHMARK(BM_ReadRunLog)
    ->Args({100, 100})
    ->Args({20, 0})
    ->Args({1, 100})
    ->Unit(benchmark::kMillisecond);

}  // namespace
