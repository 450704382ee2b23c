#include "knobs.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace qu::sim {
namespace {

std::string variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::optional<int> number(const char* name) {
  const std::string text = variable(name);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

Knobs readKnobs() {
  Knobs knobs;
  knobs.argvFile = variable("QU_SIM_ARGV_FILE");
  knobs.fileDelay = std::chrono::milliseconds(number("QU_SIM_FILE_DELAY_MS").value_or(0));
  knobs.failCode = number("QU_SIM_FAIL_CODE");
  knobs.crash = !variable("QU_SIM_CRASH").empty();
  knobs.hang = !variable("QU_SIM_HANG").empty();
  knobs.qlSource = variable("QU_SIM_QL_SOURCE");
  return knobs;
}

}  // namespace qu::sim
