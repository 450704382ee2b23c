#include "knobs.h"

#include <charconv>
#include <string_view>

#include "platform/process_environment.h"

namespace qu::sim {
namespace {

std::optional<int> number(const char* name) {
  const std::string text = environmentVariable(name);
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
  knobs.argvFile = environmentVariable("QU_SIM_ARGV_FILE");
  knobs.fileDelay = std::chrono::milliseconds(number("QU_SIM_FILE_DELAY_MS").value_or(0));
  knobs.failCode = number("QU_SIM_FAIL_CODE");
  knobs.crash = !environmentVariable("QU_SIM_CRASH").empty();
  knobs.hang = !environmentVariable("QU_SIM_HANG").empty();
  knobs.qlSource = environmentVariable("QU_SIM_QL_SOURCE");
  return knobs;
}

}  // namespace qu::sim
