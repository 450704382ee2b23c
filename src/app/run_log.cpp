#include "app/run_log.h"

#include <ctime>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace qu {
namespace {

std::string twoDigits(int value) {
  return std::string{static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

RunLogEntry parseRunLog(std::string_view text) {
  RunLogEntry entry;
  bool first = true;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (end < text.size() && line.ends_with('\r')) line.remove_suffix(1);
    (first ? entry.code : entry.message) = std::string(line);
    first = false;
    start = next;
  }
  return entry;
}

std::string_view canceledRecord() {
  return "19\r\nProcess canceled by user\r\n";
}

MonthNames shortMonthNames(const std::locale& locale) {
  MonthNames names;
  const auto& put = std::use_facet<std::time_put<char>>(locale);
  for (int month = 0; month < 12; ++month) {
    std::tm date{};
    date.tm_mon = month;
    date.tm_mday = 1;
    std::ostringstream out;
    out.imbue(locale);
    put.put(std::ostreambuf_iterator<char>(out), out, ' ', &date, 'b');
    names[static_cast<std::size_t>(month)] = out.str();
  }
  return names;
}

MonthNames systemShortMonthNames() {
  try {
    return shortMonthNames(std::locale(""));
  } catch (const std::runtime_error&) {
    return shortMonthNames(std::locale::classic());
  }
}

std::string resultLineText(const std::optional<DosDateTime>& written, const MonthNames& months,
                           std::string_view completed, const RunLogEntry& entry) {
  const DosDateTime time = written.value_or(DosDateTime{1899, 12, 30, 0, 0, 0});
  return twoDigits(time.day) + "-" + months[static_cast<std::size_t>(time.month - 1)] + "-" +
         twoDigits(time.year % 100) + " " + twoDigits(time.hour) + ":" + twoDigits(time.minute) +
         ":" + twoDigits(time.second) + " " + std::string(completed) + " (" + entry.code + ") " +
         entry.message;
}

}  // namespace qu
