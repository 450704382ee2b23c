// A child that writes a given amount of output as fast as it can, for the console benchmark:
// lines like a utility's per-file progress, or a single line without any break.
// Usage: output_flood <megabytes> <line length in bytes, 0 for no line break>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string block(std::size_t lineLength) {
  constexpr std::size_t kBlockBytes = 1 << 16;
  if (lineLength == 0) return std::string(kBlockBytes, 'x');
  std::string text;
  for (int file = 0; text.size() < kBlockBytes; ++file) {
    // Appended piece by piece: GCC 12 flags "literal" + std::string at -O3 (-Wrestrict).
    std::string line(1, '[');
    line.append(std::to_string(file)).append("] CORE/bases/av-");
    line.append(std::to_string(file)).append(".dat downloaded ");
    line.resize(lineLength - 1, '.');
    text += line + '\n';
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::size_t total = std::strtoull(argv[1], nullptr, 10) << 20;
  const std::string output = block(std::strtoull(argv[2], nullptr, 10));
  for (std::size_t written = 0; written < total; written += output.size()) {
    if (std::fwrite(output.data(), 1, output.size(), stdout) != output.size()) return 1;
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
