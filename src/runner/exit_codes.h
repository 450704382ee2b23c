#pragma once

// The runner's exit codes besides the utility's return code (the sysexits conventions).

#include <string_view>

namespace qu {

inline constexpr int kExitStopped = 19;  // the code of the canceled record
inline constexpr int kExitUsage = 64;
inline constexpr int kExitNoInput = 66;
inline constexpr int kExitUnavailable = 69;
inline constexpr int kExitSoftware = 70;
inline constexpr int kExitIoError = 74;
inline constexpr int kExitTemporary = 75;
inline constexpr int kExitProtocol = 76;

// The run log's code as an exit code: decimal digits only, 0 to 255. Anything else, which no exit
// code can carry unchanged (a sign, blanks, a value above 255, text), is kExitProtocol; wrapping
// it would report 256 as success.
int exitCodeOfRunLog(std::string_view code);

}  // namespace qu
