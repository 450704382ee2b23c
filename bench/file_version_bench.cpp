// The version reader runs twice a second for the life of the program, on files the user may
// replace by anything: its cost must follow the structures it walks, not the file's size.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "../tests/unit/system/pe_image_builder.h"
#include "platform/file_version.h"
#include "platform/posix/posix_system.h"
#include "platform/version_stamp.h"

QU_STAMP_FILE_VERSION("0.0.0.1");

namespace {

constexpr std::size_t kLarge = 50u << 20;

class Fixtures {
 public:
  Fixtures() {
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() / ("qu-bench-" + std::to_string(random()));
    std::filesystem::create_directories(folder_);
    const auto resource = qu::test::versionInfoBytes(
        {{{0x0409, 0x04B0}}, {{u"040904b0", {{u"FileVersion", u"3.1.0.12"}}}}});
    write("small.exe", qu::test::buildPe({.resource = resource}).bytes);
    write("large.exe", qu::test::buildPe({.resource = resource, .padding = kLarge}).bytes);
    const std::string self = qu::PosixSystem().ownExecutablePath();
    std::filesystem::copy_file(self, folder_ / "small.elf");
    std::filesystem::copy_file(self, folder_ / "large.elf");
    // Data after the section headers, as an installer's payload would be.
    std::ofstream(folder_ / "large.elf", std::ios::binary | std::ios::app)
        << std::string(kLarge, '\0');
  }
  ~Fixtures() { std::filesystem::remove_all(folder_); }
  std::filesystem::path path(const char* name) const { return folder_ / name; }

 private:
  void write(const char* name, const qu::test::Bytes& bytes) {
    std::ofstream(folder_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  std::filesystem::path folder_;
};

const Fixtures& fixtures() {
  static const Fixtures instance;
  return instance;
}

void fileVersion(benchmark::State& state, const char* name, const char* expected) {
  const auto path = fixtures().path(name);
  state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / (1 << 20);
  for (auto _ : state) {
    const std::string version = qu::fileVersionOfFile(path);
    if (version != expected) state.SkipWithError("wrong version");
    benchmark::DoNotOptimize(version);
  }
}

BENCHMARK_CAPTURE(fileVersion, pe_small, "small.exe", "3.1.0.12");
BENCHMARK_CAPTURE(fileVersion, pe_50mb, "large.exe", "3.1.0.12");
BENCHMARK_CAPTURE(fileVersion, elf_self, "small.elf", "0.0.0.1");
BENCHMARK_CAPTURE(fileVersion, elf_self_plus_50mb, "large.elf", "0.0.0.1");

}  // namespace
