#pragma once

// The Windows API speaks UTF-16; the program speaks UTF-8.

#include <string>
#include <string_view>

namespace qu {

// Malformed UTF-8 becomes U+FFFD.
std::wstring widen(std::string_view utf8);
// A lone surrogate becomes U+FFFD.
std::string narrow(std::wstring_view wide);
// The system's message for a GetLastError code, for showing to the user.
std::string errorText(unsigned long code);

}  // namespace qu
