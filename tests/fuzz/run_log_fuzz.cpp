// libFuzzer entry for the run log as IupdRead reads and shows it. Any bytes, fed in pieces of any
// size, give the same code and message as when read whole, each at most what the result line
// shows; the result line composed from them stays within its length and on one line.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <locale>
#include <optional>
#include <string>

#include "run/run_log.h"
#include "run/run_log_reader.h"
#include "settings/text_encoding.h"

namespace {

// Characters of valid UTF-8; nothing when the text is not.
std::optional<std::size_t> characters(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) {
    if (!qu::nextUtf8(text, pos)) return std::nullopt;
  }
  return count;
}

bool fitsTheResultLine(std::string_view text) {
  const std::optional<std::size_t> count = characters(text);
  return count && *count <= qu::kResultLineLength;
}

bool onOneLine(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = *qu::nextUtf8(text, pos);
    if (c < 0x20 || c == 0x85 || c == 0x2028 || c == 0x2029) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const qu::MonthNames months = qu::shortMonthNames(std::locale::classic());
  FuzzedDataProvider input(data, size);
  const std::size_t piece = input.ConsumeIntegralInRange<std::size_t>(1, 64);
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  const qu::RunLogEntry whole = qu::parseRunLog(bytes);
  qu::RunLogScanner scanner;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    scanner.feed(std::string_view(bytes).substr(at, piece));
  }
  const qu::RunLogEntry pieces = scanner.finish();
  if (pieces.code != whole.code || pieces.message != whole.message) __builtin_trap();
  if (!fitsTheResultLine(whole.code) || !fitsTheResultLine(whole.message)) __builtin_trap();

  const std::string shown = qu::resultLineText(qu::DosDateTime{2024, 3, 5, 7, 8, 6}, months,
                                               "Completed with return code:", whole);
  if (!fitsTheResultLine(shown) || !onOneLine(shown)) __builtin_trap();
  return 0;
}
