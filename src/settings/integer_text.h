#pragma once

#include <optional>
#include <string_view>

namespace qu {

// A whole decimal number with an optional "+" or "-" and nothing else, within the range of int.
std::optional<int> parseDecimal(std::string_view text);

// The integer forms an INI value may take: a decimal as above, or hexadecimal digits after "$",
// or after "0x"/"0X" when the text has at least three characters. Hexadecimal takes no sign and
// must also fit an int. Anything else, the empty text included, is no number.
std::optional<int> parseProfileInteger(std::string_view text);

}  // namespace qu
