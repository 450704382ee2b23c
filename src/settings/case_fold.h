#pragma once

#include <string>
#include <string_view>

namespace qu {

// UTF-8 text with its capitals replaced by small letters, for comparisons that ignore letter
// case. Folded: ASCII, Latin-1, Latin Extended-A, Greek and the basic Cyrillic alphabet, one
// letter for one letter. Everything else, bytes that are not UTF-8 included, is kept as it is.
std::string foldCase(std::string_view utf8);

}  // namespace qu
