#include "run/run_log.h"

#include <ctime>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "settings/text_encoding.h"

namespace qu {
namespace {

std::string twoDigits(int value) {
  return std::string{static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

bool breaksTheLine(char32_t c) {
  return c < 0x20 || c == 0x85 || c == 0x2028 || c == 0x2029;
}

std::string onOneLine(std::string_view text) {
  std::string shown;
  std::size_t pos = 0;
  for (std::size_t count = 0; pos < text.size() && count < kResultLineLength; ++count) {
    const std::size_t start = pos;
    const std::optional<char32_t> c = nextUtf8(text, pos);
    if (c && breaksTheLine(*c)) {
      shown += ' ';
    } else {
      if (!c) ++pos;
      shown.append(text.substr(start, pos - start));
    }
  }
  return shown;
}

}  // namespace

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
  return onOneLine(twoDigits(time.day) + "-" + months[static_cast<std::size_t>(time.month - 1)] +
                   "-" + twoDigits(time.year % 100) + " " + twoDigits(time.hour) + ":" +
                   twoDigits(time.minute) + ":" + twoDigits(time.second) + " " +
                   std::string(completed) + " (" + entry.code + ") " + entry.message);
}

}  // namespace qu
