// Reading the run log from its file: logs far larger than anything shown, and logs that cannot
// be read.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/utf8_path.h"
#include "run/run_log_reader.h"
#include "support/program_folder.h"

namespace qu::testing {
namespace {

namespace fs = std::filesystem;

class RunLogFile : public ::testing::Test {
 protected:
  std::string path() const { return utf8FromPath(folder.file(kRunLogFileName)); }
  std::string readError() {
    try {
      readRunLog(path());
    } catch (const std::runtime_error& failure) {
      return failure.what();
    }
    return "no error";
  }

  TemporaryProgramFolder folder{"log"};
};

TEST_F(RunLogFile, AHugeLogGivesItsFirstAndLastLines) {
  {
    std::ofstream out(folder.file(kRunLogFileName), std::ios::binary);
    out << "0\r\n";
    const std::string line = std::string(98, 'x') + "\r\n";
    for (int i = 0; i < 500'000; ++i) out << line;
    out << "Last words\r\n";
  }
  const RunLogEntry entry = readRunLog(path());
  EXPECT_EQ(entry.code, "0");
  EXPECT_EQ(entry.message, "Last words");
}

TEST_F(RunLogFile, HugeLinesAreCutToWhatTheResultLineShows) {
  std::string shown;
  for (std::size_t i = 0; i < kResultLineLength; ++i) shown += "\xC3\xA9";
  {
    // Marked as UTF-8, which a log without a mark is only on Linux.
    std::ofstream out(folder.file(kRunLogFileName), std::ios::binary);
    out << "\xEF\xBB\xBF";
    std::string chunk;
    for (int i = 0; i < 4096; ++i) chunk += "\xC3\xA9";
    for (int i = 0; i < 2560; ++i) out << chunk;  // 20 MB without a line break
  }
  EXPECT_EQ(readRunLog(path()).code, shown);

  std::ofstream(folder.file(kRunLogFileName), std::ios::app | std::ios::binary)
      << "\r\n3\r\n"
      << shown << shown << "\r\n";
  const RunLogEntry entry = readRunLog(path());
  EXPECT_EQ(entry.code, shown);
  EXPECT_EQ(entry.message, shown);
}

TEST_F(RunLogFile, ALogThatCannotBeReadNamesItsPathAndTheReason) {
  EXPECT_EQ(readError(), "Unable to read " + path() + ": " +
                             std::make_error_code(std::errc::no_such_file_or_directory).message());
  fs::create_directory(folder.file(kRunLogFileName));
  const std::string error = readError();
  EXPECT_TRUE(error.starts_with("Unable to read " + path() + ": ")) << error;
  EXPECT_GT(error.size(), ("Unable to read " + path() + ": ").size()) << "with a reason";
  EXPECT_EQ(error.find("basic_filebuf"), std::string::npos) << error;
}

}  // namespace
}  // namespace qu::testing
