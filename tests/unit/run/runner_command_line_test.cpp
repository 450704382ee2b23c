// The runner's arguments and how a run log's code becomes its exit code.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runner/exit_codes.h"
#include "runner/runner_options.h"

namespace qu {
namespace {

using Mode = RunnerOptions::Mode;

struct OptionsCase {
  std::vector<std::string> arguments;
  Mode mode;
  std::string folder;
  std::string error;  // "" when the arguments are understood
};

TEST(RunnerOptions, ReadsModesAndFolderAndNamesWhatIsWrong) {
  const OptionsCase cases[] = {
      {{}, Mode::Run, "", ""},
      {{"--folder", "/srv/mirror"}, Mode::Run, "/srv/mirror", ""},
      {{"--folder", "with blanks/Überlänge"}, Mode::Run, "with blanks/Überlänge", ""},
      {{"--folder", "--status"}, Mode::Run, "--status", ""},
      {{"--status"}, Mode::Status, "", ""},
      {{"--folder", "dir", "--status"}, Mode::Status, "dir", ""},
      {{"--bogus", "--help"}, Mode::Help, "", ""},
      {{"--folder"}, Mode::Run, "", "--folder needs a folder"},
      {{"--folder", ""}, Mode::Run, "", "--folder needs a folder"},
      {{"--folder", "a", "--folder", "b"}, Mode::Run, "a", "--folder is given twice"},
      {{"-h"}, Mode::Run, "", "unknown argument \"-h\""},
      {{"--status", "extra"}, Mode::Status, "", "unknown argument \"extra\""},
  };
  for (const OptionsCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    const ParsedRunnerOptions parsed = parseRunnerOptions(c.arguments);
    EXPECT_EQ(parsed.error, c.error);
    if (!c.error.empty()) continue;
    EXPECT_EQ(parsed.options.mode, c.mode);
    EXPECT_EQ(parsed.options.folder, c.folder);
  }
}

TEST(RunnerOptions, UsageListsEveryExitCode) {
  const std::string usage = runnerUsage();
  for (const int code : {kExitUsage, kExitNoInput, kExitUnavailable, kExitSoftware, kExitIoError,
                         kExitTemporary, kExitProtocol}) {
    EXPECT_NE(usage.find("\n  " + std::to_string(code) + "  "), std::string::npos) << code;
  }
}

TEST(RunLogExitCode, PassesZeroTo255AndNothingThatAnExitCodeWouldChange) {
  EXPECT_EQ(exitCodeOfRunLog("0"), 0);
  EXPECT_EQ(exitCodeOfRunLog("19"), 19);
  EXPECT_EQ(exitCodeOfRunLog("255"), 255);
  EXPECT_EQ(exitCodeOfRunLog("007"), 7);
  for (const char* code :
       {"", "256", "1000000000000", "-1", "+3", " 3", "3 ", "0x1", "abc", "３"}) {
    EXPECT_EQ(exitCodeOfRunLog(code), kExitProtocol) << code;
  }
}

}  // namespace
}  // namespace qu
