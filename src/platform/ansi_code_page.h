#pragma once

// Text in the system's ANSI code page: the 8-bit encoding in which Windows programs read files
// that have no byte-order mark. Only the Windows build has one; its services (win32/) implement
// these, and nothing else calls them.

#include <optional>
#include <string>
#include <string_view>

namespace qu {

// Every byte sequence decodes, as the system decodes it.
std::string ansiToUtf8(std::string_view ansi);
// Nothing when a character has no place in the code page: a look-alike is never stored instead.
std::optional<std::string> utf8ToAnsi(std::string_view utf8);

}  // namespace qu
