// Cost of the settings file's whole-file access: every write reads, edits and atomically
// replaces the file, so a write's cost grows with the file and an Apply pays it per key.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "settings/ini_file.h"

namespace {

namespace fs = std::filesystem;

// A settings file of about `lines` lines spread over a few sections.
std::string settingsText(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) {
    if (i % 40 == 0) text += "[Section" + std::to_string(i / 40) + "]\n";
    text += "key" + std::to_string(i) + "=value of key " + std::to_string(i) + "\n";
  }
  return text;
}

class SettingsFile {
 public:
  explicit SettingsFile(int lines) {
    std::random_device random;
    folder_ = fs::temp_directory_path() / ("qu-ini-bench-" + std::to_string(random()));
    fs::create_directories(folder_);
    std::ofstream(path(), std::ios::binary) << settingsText(lines);
  }
  ~SettingsFile() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  fs::path path() const { return folder_ / "ss_storage.ini"; }

 private:
  fs::path folder_;
};

void BM_WriteOneKey(benchmark::State& state) {
  SettingsFile file(200);
  qu::IniFile ini(file.path());
  int value = 0;
  for (auto _ : state) ini.WriteInteger("Section2", "key100", ++value);
}
BENCHMARK(BM_WriteOneKey)->Unit(benchmark::kMicrosecond);

std::vector<std::string> numbered(const char* prefix, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(std::string(prefix).append(std::to_string(i)));
  return names;
}

// An Apply's changes: the connection settings, the window options and the lists, 50 writes and
// deletes.
template <typename Writer>
void applyChanges(Writer& writer) {
  static const auto settings = numbered("setting", 40);
  static const auto lists = numbered("s", 5);
  for (const auto& key : settings) writer.WriteString("Updater", key, "1");
  for (const auto& key : lists) writer.WriteString("GUI", key, "2;3;");
  for (const auto& key : lists) writer.DeleteKey("GUI", key);
}

void BM_ApplyKeyByKey(benchmark::State& state) {
  SettingsFile file(200);
  qu::IniFile ini(file.path());
  for (auto _ : state) applyChanges(ini);
}
BENCHMARK(BM_ApplyKeyByKey)->Unit(benchmark::kMillisecond);

void BM_ApplyInOneBatch(benchmark::State& state) {
  SettingsFile file(200);
  for (auto _ : state) {
    qu::IniBatch batch(file.path());
    applyChanges(batch);
    batch.commit();
  }
}
BENCHMARK(BM_ApplyInOneBatch)->Unit(benchmark::kMillisecond);

void BM_ReadOneKey(benchmark::State& state) {
  SettingsFile file(200);
  qu::IniFile ini(file.path());
  for (auto _ : state) benchmark::DoNotOptimize(ini.ReadString("Section4", "key199", ""));
}
BENCHMARK(BM_ReadOneKey)->Unit(benchmark::kMicrosecond);

}  // namespace
