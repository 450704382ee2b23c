#include "runner/exit_codes.h"

namespace qu {

int exitCodeOfRunLog(std::string_view code) {
  constexpr int kHighest = 255;
  if (code.empty()) return kExitProtocol;
  int value = 0;
  for (const char c : code) {
    if (c < '0' || c > '9') return kExitProtocol;
    value = value * 10 + (c - '0');
    if (value > kHighest) return kExitProtocol;
  }
  return value;
}

}  // namespace qu
