#include "settings/integer_text.h"

#include <charconv>
#include <limits>

namespace qu {
namespace {

// std::from_chars over the whole text; a partial parse is no number.
template <typename Integer>
std::optional<Integer> parseWhole(std::string_view digits, int base) {
  Integer value = 0;
  const char* end = digits.data() + digits.size();
  auto [stop, error] = std::from_chars(digits.data(), end, value, base);
  if (digits.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

bool startsWithDigit(std::string_view text, int base) {
  if (text.empty()) return false;
  char c = text.front();
  bool decimal = c >= '0' && c <= '9';
  bool hexLetter = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  return decimal || (base == 16 && hexLetter);
}

std::optional<int> parseHex(std::string_view digits) {
  if (!startsWithDigit(digits, 16)) return std::nullopt;
  return parseWhole<int>(digits, 16);
}

}  // namespace

std::optional<int> parseDecimal(std::string_view text) {
  bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  // from_chars would take a second sign; the digits must follow the one sign directly.
  if (!startsWithDigit(text, 10)) return std::nullopt;
  auto magnitude = parseWhole<long long>(text, 10);
  if (!magnitude) return std::nullopt;
  long long value = negative ? -*magnitude : *magnitude;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

std::optional<int> parseProfileInteger(std::string_view text) {
  if (text.starts_with('$')) return parseHex(text.substr(1));
  if (text.size() >= 3 && (text.starts_with("0x") || text.starts_with("0X"))) {
    return parseHex(text.substr(2));
  }
  return parseDecimal(text);
}

}  // namespace qu
