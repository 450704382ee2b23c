// The run log's pure pieces: reading it, the canceled record, the rewritten test, the result
// line.

#include <gtest/gtest.h>

#include <chrono>
#include <locale>
#include <string>

#include "app/run_log.h"

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

}  // namespace
}  // namespace qu
