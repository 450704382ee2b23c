// The unattended runner on a program folder, with the real stand-in utility: the arguments it
// takes from the stored options, the code and result line it ends with, stopping it, its
// refusals, --status, and running beside the window.

#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "platform/utf8_path.h"
#include "run/run_log.h"
#include "runner/exit_codes.h"
#include "scenario/run_scenario.h"
#include "scenario/runner_scenario.h"
#include "settings/ini_file.h"

namespace qu::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPreviousLog = "0\r\nold\r\nPrevious result\r\n";

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

void storeList(IniFile& settings, const char* key, const std::string& list) {
  if (list.empty()) {
    settings.DeleteKey("GUI", key);
  } else {
    settings.WriteString("GUI", key, list);
  }
}

// The positions of the bits set in `mask`, from `first` on, as a stored list.
std::string listOf(int mask, int first) {
  std::string list;
  for (int bit = 0; bit < 3; ++bit) {
    if (mask & (1 << bit)) list += std::to_string(first + bit) + ";";
  }
  return list;
}

// The runner refuses with `code`, saying `reason` first, and leaves the folder as it was.
void expectRefusal(const TemporaryProgramFolder& folder, int code, const std::string& reason,
                   const std::vector<std::string>& arguments = {}) {
  SCOPED_TRACE(reason);
  const FolderState before = folderState(folder.path());
  const RunnerResult result = runRunner(folder, arguments);
  EXPECT_EQ(result.exitCode, code);
  ASSERT_FALSE(result.lines.empty());
  EXPECT_NE(result.lines[0].find(reason), std::string::npos) << result.lines[0];
  if (code != kExitUsage) {
    EXPECT_EQ(result.lines.size(), 1u) << joined(result.lines);
  }
  EXPECT_EQ(folderState(folder.path()), before);
}

// Applied and started in a window of its own that loads the folder's settings as it opens.
void startInAFreshWindow(const TemporaryProgramFolder& folder) {
  HeadlessToolkit toolkit;
  ProgramFolderSystem system(folder);
  TFMain w(toolkit, system);
  toolkit.showMain(w);
  toolkit.advance(1);
  w.Btn_Apply.userClick();
  ASSERT_TRUE(w.Btn_Start.enabled());
  w.Btn_Start.userClick();
  ASSERT_TRUE(eventually([&] {
    toolkit.pumpPosted();
    return !w.Running;
  }));
}

TEST_F(RunScenario, TheRunnerPassesWhatTheWindowsStartWouldForEveryStoredBoxes) {
  const fs::path argvFile = run->folder.file("argv.txt");
  const ScopedVariable record("QU_SIM_ARGV_FILE", utf8FromPath(argvFile));
  IniFile settings(run->folder.file("ss_storage.ini"));
  settings.WriteString("GUI", "s3", "2;");         // ChBox_QAV_4: a selection that Apply takes
  std::vector<std::array<std::string, 2>> stored;  // s12 (GB_Supp), s15 (GB_Rpt)
  for (int service = 0; service < 4; ++service) {
    for (int report = 0; report < 8; ++report) {
      stored.push_back({listOf(service, 2), listOf(report, 0)});
    }
  }
  // Lists the window never writes, which both must read alike.
  stored.push_back({"3;2", "2;x;0;"});
  stored.push_back({"+2;03;", " 1;2;9;"});

  std::set<std::vector<std::string>> distinct;
  for (const auto& [service, report] : stored) {
    SCOPED_TRACE("s12=" + service + " s15=" + report);
    storeList(settings, "s12", service);
    storeList(settings, "s15", report);
    fs::remove(argvFile);
    const RunnerResult runner = runRunner(run->folder);
    EXPECT_EQ(runner.exitCode, 0) << joined(runner.lines);
    const std::vector<std::string> fromRunner = recordedCommandLine(argvFile);
    fs::remove(argvFile);
    startInAFreshWindow(run->folder);
    EXPECT_EQ(recordedCommandLine(argvFile), fromRunner);
    distinct.insert(fromRunner);
  }
  EXPECT_EQ(distinct.size(), 12u) << "trace, dumps and three report forms";
}

TEST_F(RunScenario, TheRunnerEndsWithTheLogsCodeAndTheWindowsResultLine) {
  run->folder.installLanguageFile();
  IniFile(run->folder.file("ss_storage.ini")).WriteString("GUI", "lng", "1");
  const ScopedVariable fail("QU_SIM_FAIL_CODE", "3");
  const RunnerResult runner = runRunner(run->folder);
  EXPECT_EQ(runner.exitCode, 3);
  ASSERT_GE(runner.lines.size(), 2u);
  EXPECT_EQ(runner.lines[runner.lines.size() - 2], "Return code 3: Simulated failure")
      << "the utility's output comes first, as it was written";

  run->open();
  EXPECT_EQ(runner.lines.back(), run->resultLine());
  EXPECT_NE(run->resultLine().find("(3) "), std::string::npos);
  EXPECT_EQ(run->resultLine().find("Simulated failure"), std::string::npos)
      << "the stored language translates the message";
}

TEST_F(RunScenario, StatusPrintsTheLastResultWithItsCodeAndWritesNothing) {
  struct StatusCase {
    const char* log;
    int code;
    const char* ending;
  };
  const StatusCase cases[] = {
      {"0\r\n1 files delivered\r\nAll fine\r\n", 0, "(0) All fine"},
      {"19\r\nProcess canceled by user\r\n", 19, "(19) Process canceled by user"},
      {"300\r\nOut of range\r\n", kExitProtocol, "(300) Out of range"},
      {"abc\r\n", kExitProtocol, "(abc) "},
  };
  for (const StatusCase& c : cases) {
    SCOPED_TRACE(c.log);
    run->writeOldRunLog(c.log);
    const FolderState before = folderState(run->folder.path());
    const RunnerResult status = runRunner(run->folder, {"--status"});
    EXPECT_EQ(status.exitCode, c.code);
    ASSERT_EQ(status.lines.size(), 1u) << joined(status.lines);
    EXPECT_TRUE(status.lines[0].ends_with(c.ending)) << status.lines[0];
    EXPECT_EQ(folderState(run->folder.path()), before);
  }
  run->folder.remove(kRunLogFileName);
  run->folder.remove("ss_storage.ini");
  expectRefusal(run->folder, kExitNoInput, "No run log", {"--status"});
}

TEST_F(RunScenario, TheShippedRunnerAnswersHelpAndStatusInItsOwnFolder) {
  const fs::path shipped = QU_RUNNER_PATH;
  const fs::path copy = run->folder.path() / shipped.filename();
  fs::copy_file(shipped, copy);
  const std::string runner = utf8FromPath(copy);
  run->writeOldRunLog("2\r\nNo components are selected for download\r\n");

  const RunnerResult help = runProgram(runner, {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.lines.at(0), "Usage: quintaris-updater-run [--folder DIR]");
  const RunnerResult status = runProgram(runner, {"--status"});
  EXPECT_EQ(status.exitCode, 2);
  ASSERT_EQ(status.lines.size(), 1u) << joined(status.lines);
  EXPECT_TRUE(status.lines[0].ends_with("(2) No components are selected for download"));
}

TEST_F(RunScenario, TheRunnerRefusesWithItsCodeAndWritesNothing) {
  run->writeOldRunLog(kPreviousLog);
  const std::string updater = run->folder.appDir() + "Updater.exe";
  expectRefusal(run->folder, kExitUsage, "unknown argument \"--now\"", {"--now"});
  {
    const WaitingUtility other(run->system, run->folder.folderBeside("other") / "Updater.exe");
    ASSERT_TRUE(other.running());
    expectRefusal(run->folder, kExitTemporary, "Updater.exe is running already");
  }
#ifndef _WIN32
  {
    const ScopedVariable hang("QU_SIM_HANG", "1");
    RunnerProcess first = startRunner(run->folder);
    ASSERT_TRUE(eventually([&] { return run->utilityRuns(); }));
    expectRefusal(run->folder, kExitTemporary, "Another quintaris-updater-run");
    sendSignal(first.id(), "TERM");
    EXPECT_EQ(first.finish(), kExitStopped);
  }
  run->writeOldRunLog(kPreviousLog);
  fs::remove_all(run->folder.lockFolder());
  std::ofstream(run->folder.lockFolder()) << "a file where the lock's folder belongs";
  expectRefusal(run->folder, kExitUnavailable,
                "Unable to lock " + run->folder.lockFolder().string());
  fs::remove(run->folder.lockFolder());

  makeUnstartable(pathFromUtf8(updater));
  expectRefusal(run->folder, kExitUnavailable, "Unable to start " + updater + ": ");
#endif
  run->folder.write("Updater.exe", "not a program");
  expectRefusal(run->folder, kExitUnavailable, updater + " has no version");
  run->folder.remove("Updater.exe");
  expectRefusal(run->folder, kExitUnavailable, "No utility " + updater);
  run->folder.remove("ss_storage.ini");
  expectRefusal(run->folder, kExitNoInput, "No settings file " + run->folder.appDir());
}

#ifndef _WIN32
TEST_F(RunScenario, ASignalStopsTheUtilityAsStopDoesAndTheRunnerEndsWith19) {
  for (const char* signal : {"TERM", "INT", "HUP"}) {
    SCOPED_TRACE(signal);
    run->writeOldRunLog(kPreviousLog);
    const ScopedVariable hang("QU_SIM_HANG", "1");
    RunnerProcess runner = startRunner(run->folder);
    ASSERT_TRUE(eventually([&] { return run->utilityRuns(); }));
    sendSignal(runner.id(), signal);
    EXPECT_EQ(runner.finish(), kExitStopped);
    EXPECT_FALSE(run->utilityRuns());
    EXPECT_EQ(run->runLog(), canceledRecord());
    ASSERT_FALSE(runner.lines().empty());
    EXPECT_TRUE(runner.lines().back().ends_with("(19) Process canceled by user"));
    EXPECT_EQ(runner.lines().back(), runRunner(run->folder, {"--status"}).lines.at(0))
        << "the record shows with its own time, not the replaced log's";
  }
}

TEST_F(RunScenario, WindowAndRunnerEachRefuseWhileTheOthersUtilityRuns) {
  TFMain& w = run->open();
  run->tickAndApply();
  run->startWaitingRun();
  expectRefusal(run->folder, kExitTemporary, "Updater.exe is running already");
  w.Btn_Stop.userClick();
  run->awaitHandOver();
  run->toolkit.pumpPosted();

  run->tickAndApply();
  const ScopedVariable hang("QU_SIM_HANG", "1");
  RunnerProcess runner = startRunner(run->folder);
  ASSERT_TRUE(eventually([&] { return run->utilityRuns(); }));
  run->start();
  EXPECT_FALSE(w.Running) << "the window's Start did nothing";
  sendSignal(runner.id(), "TERM");
  EXPECT_EQ(runner.finish(), kExitStopped);
}
#endif

}  // namespace
}  // namespace qu::testing
