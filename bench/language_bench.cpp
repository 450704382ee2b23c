// Cost of one Loc: every text of a language section read from the delivered language file.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "i18n/language_reader.h"

namespace {

void BM_ReadLocTexts(benchmark::State& state) {
  const std::filesystem::path file = std::filesystem::path(QU_DATA_DIR) / "quintarisupdater.loc";
  for (auto _ : state) benchmark::DoNotOptimize(qu::readLocTexts(file, "Russian"));
}
BENCHMARK(BM_ReadLocTexts)->Unit(benchmark::kMicrosecond);

}  // namespace
