#pragma once

// The program's own standard output and error, written at once, unbuffered, so that a journal or
// a redirect has every piece as it comes. Writing never ends the program: what a reader that has
// gone (a closed pipe) cannot take is dropped.

#include <string_view>

namespace qu {

enum class StandardStream { Output, Error };

// Bytes passed on unchanged, such as another program's output.
void writeBytes(StandardStream stream, std::string_view bytes);

// The program's own UTF-8 text. A Windows console shows it as UTF-16; anything else, a file or a
// pipe, receives the UTF-8 bytes.
void writeText(StandardStream stream, std::string_view text);

}  // namespace qu
