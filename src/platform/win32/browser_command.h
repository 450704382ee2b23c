#pragma once

#include <string>
#include <string_view>

namespace qu {

// The program of a registered browser command: the text between its first two double quotes.
// Without such a pair there is none (""), and the command's switches are never used.
std::wstring browserProgram(std::wstring_view command);

// The command registered for opening HTML files, "" when there is none or it cannot be read.
std::wstring registeredBrowserCommand();

}  // namespace qu
