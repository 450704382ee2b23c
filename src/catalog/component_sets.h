#pragma once

// The component sets the updater utility knows, numbered from 1 as the catalog steps name them.

#include <string_view>

namespace qu {

inline constexpr int kComponentSetCount = 27;

// The set of the given number (1 to kComponentSetCount), each item followed by ";".
// Throws std::out_of_range for any other number.
std::string_view componentSet(int number);

}  // namespace qu
