#pragma once

// The run log the utility leaves in the program folder: reading it, the record written when a
// run ended without rewriting it, the test that tells the two apart, and the result line.

#include <array>
#include <cstddef>
#include <cstdint>
#include <locale>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_time.h"

namespace qu {

inline constexpr std::string_view kRunLogFileName = "vororadi.txt";
// The result line shows at most this many characters.
inline constexpr std::size_t kResultLineLength = 1'024;

struct RunLogEntry {
  std::string code;     // the first line
  std::string message;  // the last line, "" when there is only one
};

// "19" and "Process canceled by user", each ended by CR LF.
std::string_view canceledRecord();

// What is remembered of the run log between two looks at it.
struct RunLogStamp {
  FileTime time;  // the zero time when there was no log
  std::uintmax_t size = 0;

  // Rewritten: the time at full precision or the size changed. Two writes within one
  // two-second step of the displayed time still differ here.
  bool operator==(const RunLogStamp&) const = default;
};

using MonthNames = std::array<std::string, 12>;

// Short month names of the locale, "Jan" to "Dec" for the classic one.
MonthNames shortMonthNames(const std::locale& locale);
// Those of the user's locale, or the classic ones when it cannot be had.
MonthNames systemShortMonthNames();

// "dd-mmm-yy hh:mm:ss " + completed + " (" + code + ") " + message. No time (the zero time, or
// one the two-second form cannot hold) shows as the zero date-time, 30-Dec-1899 00:00:00.
// Cut to kResultLineLength characters, with every control character and line or paragraph
// separator a blank, so that it stays on one line.
std::string resultLineText(const std::optional<DosDateTime>& written, const MonthNames& months,
                           std::string_view completed, const RunLogEntry& entry);

}  // namespace qu
