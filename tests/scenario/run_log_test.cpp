// The run log's pure pieces: reading it, the canceled record, the rewritten test, the result
// line.

#include <gtest/gtest.h>

#include <chrono>
#include <locale>
#include <string>

#include "run/run_log_reader.h"

namespace qu {
namespace {

struct LogCase {
  const char* text;
  const char* code;
  const char* message;
};

TEST(RunLog, CodeIsTheFirstLineAndMessageTheLast) {
  const LogCase cases[] = {
      {"0\r\nUpdates downloaded\r\n", "0", "Updates downloaded"},
      {"0\r\n", "0", ""},
      {"0", "0", ""},
      {"", "", ""},
      {"3\r\nignored middle\r\nlast words\r\n", "3", "last words"},
      {"3\nmiddle\nlast without a break", "3", "last without a break"},
      // An empty line before the final break is a line of its own.
      {"0\r\nmessage\r\n\r\n", "0", ""},
      // Only a CR right before LF ends a line.
      {"0\r\nhalf\rway\r\n", "0", "half\rway"},
      {"19\rnot a break", "19\rnot a break", ""},
  };
  for (const LogCase& c : cases) {
    const RunLogEntry entry = parseRunLog(c.text);
    EXPECT_EQ(entry.code, c.code) << c.text;
    EXPECT_EQ(entry.message, c.message) << c.text;
  }
}

std::string utf16Le(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

TEST(RunLog, EncodingsAreToldByTheMarkWhateverPiecesTheLogArrivesIn) {
  struct EncodingCase {
    std::string bytes;
    std::string code;
    std::string message;
  };
  const EncodingCase cases[] = {
      {"\xEF\xBB\xBF"
       "0\r\nFertig \xC3\xBC"
       "ber\r\n",
       "0",
       "Fertig \xC3\xBC"
       "ber"},
      // U+0D0A and U+0A00 each hold an LF byte, and neither is a line break.
      {utf16Le(u"3\r\nmiddle\r\n\u0D0A\u0A00 end\r\n"), "3", "\xE0\xB4\x8A\xE0\xA8\x80 end"},
      {utf16Le(u"5\r"), "5\r", ""},
      {"7\r\nstray \xE9 byte", "7", "stray \xC3\xA9 byte"},
      {"\xFF\xFE", "", ""},
      {"\xEF\xBB", "\xC3\xAF\xC2\xBB", ""},
  };
  for (const EncodingCase& c : cases) {
    for (std::size_t piece : {1, 2, 3, 64}) {
      RunLogScanner scanner;
      for (std::size_t at = 0; at < c.bytes.size(); at += piece) {
        scanner.feed(std::string_view(c.bytes).substr(at, piece));
      }
      const RunLogEntry entry = scanner.finish();
      EXPECT_EQ(entry.code, c.code) << c.bytes << " in pieces of " << piece;
      EXPECT_EQ(entry.message, c.message) << c.bytes << " in pieces of " << piece;
    }
  }
}

TEST(RunLog, CanceledRecordIsTwoCrLfLines) {
  EXPECT_EQ(canceledRecord(), "19\r\nProcess canceled by user\r\n");
  const RunLogEntry entry = parseRunLog(canceledRecord());
  EXPECT_EQ(entry.code, "19");
  EXPECT_EQ(entry.message, "Process canceled by user");
}

TEST(RunLog, RewrittenWhenFullPrecisionTimeOrSizeChanges) {
  using namespace std::chrono;
  const FileTime::TimePoint even{sys_days{2024y / 3 / 5} + 10h + 20min + 30s};
  const FileTime before(even, 0s);
  const FileTime sameStep(even + 1500ms, 0s);
  ASSERT_EQ(before.dos(), sameStep.dos()) << "both lie in one two-second step";

  EXPECT_EQ((RunLogStamp{before, 40}), (RunLogStamp{FileTime(even, 3600s), 40}))
      << "the offset is only for display";
  EXPECT_NE((RunLogStamp{before, 40}), (RunLogStamp{sameStep, 40}));
  EXPECT_NE((RunLogStamp{before, 40}), (RunLogStamp{before, 31}));
  EXPECT_EQ((RunLogStamp{FileTime(), 0}), (RunLogStamp{FileTime(), 0})) << "still no log";
  EXPECT_NE((RunLogStamp{FileTime(), 0}), (RunLogStamp{before, 0})) << "a log appeared";
}

TEST(ResultLine, ComposesTimeCompletedTextCodeAndMessage) {
  const MonthNames months = shortMonthNames(std::locale::classic());
  EXPECT_EQ(months.front(), "Jan");
  EXPECT_EQ(months[2], "Mar");
  EXPECT_EQ(months.back(), "Dec");
  EXPECT_EQ(resultLineText(DosDateTime{2024, 3, 5, 7, 8, 6}, months,
                           "Completed with return code:", {"0", "Updates downloaded"}),
            "05-Mar-24 07:08:06 Completed with return code: (0) Updates downloaded");
  EXPECT_EQ(resultLineText(DosDateTime{2000, 12, 31, 23, 59, 58}, months, "Done:", {"19", ""}),
            "31-Dec-00 23:59:58 Done: (19) ");
  EXPECT_EQ(resultLineText(std::nullopt, months, "Done:", {"1", "x"}),
            "30-Dec-99 00:00:00 Done: (1) x");
  MonthNames local = months;
  local[1] = "фев";
  EXPECT_EQ(resultLineText(DosDateTime{2031, 2, 1, 0, 0, 0}, local, "Готово:", {"0", "ok"}),
            "01-фев-31 00:00:00 Готово: (0) ok");
}

TEST(ResultLine, StaysOnOneLineCutToWhatItShows) {
  const MonthNames months = shortMonthNames(std::locale::classic());
  std::string message =
      "one\rtwo\nthree\tfour\xE2\x80\xA8"
      "five";
  for (int i = 0; i < 2000; ++i) message += "\xC3\xBC";
  const std::string shown =
      resultLineText(DosDateTime{2024, 3, 5, 7, 8, 6}, months, "Done:", {"0", message});
  EXPECT_TRUE(shown.starts_with("05-Mar-24 07:08:06 Done: (0) one two three four five\xC3\xBC"))
      << shown.substr(0, 80);
  EXPECT_TRUE(shown.ends_with("\xC3\xBC")) << "no character is cut in two";
  const std::size_t head = shown.find("five") + 4;
  EXPECT_EQ(head + (kResultLineLength - head) * 2, shown.size()) << "1,024 characters";
}

}  // namespace
}  // namespace qu
