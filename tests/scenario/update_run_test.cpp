// Runs of the real stand-in utility from the window: the command line it receives, the window's
// states around a run, Stop, crashes, launch failures, the start gate, closing during a run and
// late hand-overs from earlier runs.

#include <filesystem>
#include <fstream>
#include <string>

#include "app/run_log.h"
#include "scenario/run_scenario.h"

namespace qu::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCanceledSuffix = "(19) Process canceled by user";
constexpr const char* kSuccessSuffix = "(0) Updates downloaded successfully";

// A copy of sleep under the given name, running until the object goes.
class NamedSleeper {
 public:
  NamedSleeper(System& system, const fs::path& path) {
    fs::create_directories(path.parent_path());
    fs::copy_file("/bin/sleep", path);
    process_ = system.startProcess({path.string(), {"300"}, "", {}}).process;
  }
  ~NamedSleeper() {
    if (!process_) return;
    process_->terminate();
    process_->wait();
  }
  bool running() const { return process_ != nullptr; }

 private:
  std::unique_ptr<Process> process_;
};

void expectIdleAfterARun(TFMain& w) {
  EXPECT_FALSE(w.Running);
  EXPECT_TRUE(w.Modified);
  EXPECT_TRUE(w.Btn_Apply.enabled());
  EXPECT_FALSE(w.Btn_Start.enabled());
  EXPECT_TRUE(w.Btn_Start.isInFrontOf(w.Btn_Stop));
  EXPECT_TRUE(w.Btn_Set.enabled());
  EXPECT_FALSE(w.ProgressBar1.visible());
  EXPECT_TRUE(w.ST_RetCode.isInFrontOf(w.ProgressBar1));
}

// Long, with blanks and letters beyond ASCII, so neither a cut nor a narrowing goes unseen.
class LongFolderRun : public RunScenario {
 protected:
  std::string_view folderName() const override {
    return "Quintaris Programme mit Leerzeichen und Überlänge/Программы обновления баз данных/"
           "Ärger über Größe – ein Ordnername, der lang genug ist/日本語のフォルダー名/"
           "and a last part that carries the whole path well past two hundred and fifty-five";
  }
};

struct SwitchCase {
  bool trace;
  bool dumps;
  bool reportFile;
  bool append;
  const char* arguments;  // after the program, each ended by "|"
};

TEST_F(LongFolderRun, TheUtilityReceivesExactlyTheChosenSwitches) {
  const SwitchCase cases[] = {
      {false, true, false, false, "-c|-u|"},
      {false, false, false, false, "-c|-u|-disableDumpWrite|"},
      {true, true, false, false, "-c|-u|-tf|updater_trace.log|"},
      {true, false, false, false, "-c|-u|-tf|updater_trace.log|-disableDumpWrite|"},
      {false, true, true, false, "-c|-u|-rpt|report.txt|"},
      {false, true, true, true, "-c|-u|-rpt+|report.txt|"},
      {false, true, false, true, "-c|-u|"},
      {true, false, true, false, "-c|-u|-tf|updater_trace.log|-disableDumpWrite|-rpt|report.txt|"},
      {true, false, true, true, "-c|-u|-tf|updater_trace.log|-disableDumpWrite|-rpt+|report.txt|"},
  };
  const fs::path argvFile = run->folder.file("argv.txt");
  const ScopedVariable record("QU_SIM_ARGV_FILE", argvFile.string());
  TFMain& w = run->open();
  const std::string program = run->folder.appDir() + "Updater.exe";
  ASSERT_GT(program.size(), 255u);

  for (const SwitchCase& c : cases) {
    SCOPED_TRACE(c.arguments);
    w.ChBox_Trace.setChecked(c.trace);
    w.ChBox_Dump.setChecked(c.dumps);
    w.ChBox_RptFile.setChecked(c.reportFile);
    w.ChBox_RptAppend.setChecked(c.append);
    fs::remove(run->folder.file("updater_trace.log"));
    fs::remove(run->folder.file("report.txt"));
    run->tickAndApply();
    run->start();
    run->finishRun();

    std::ifstream recorded(argvFile);
    std::string line;
    std::getline(recorded, line);
    EXPECT_EQ(line, program);
    std::string arguments;
    while (std::getline(recorded, line)) arguments += line + "|";
    EXPECT_EQ(arguments, c.arguments);
    // Files named on the command line land in the program folder: the utility's current folder.
    EXPECT_EQ(run->folder.exists("updater_trace.log"), c.trace);
    EXPECT_EQ(run->folder.exists("report.txt"), c.reportFile);
    EXPECT_TRUE(run->resultLine().ends_with(kSuccessSuffix)) << run->resultLine();
  }
}

TEST_F(RunScenario, TheWindowRunsThenShowsTheUtilitysOwnResult) {
  TFMain& w = run->open();
  run->tickAndApply();
  run->start();

  EXPECT_TRUE(w.Running);
  EXPECT_FALSE(w.Modified);
  EXPECT_TRUE(w.Btn_Stop.isInFrontOf(w.Btn_Start));
  EXPECT_FALSE(w.Btn_Set.enabled());
  EXPECT_FALSE(w.Btn_Apply.enabled());
  EXPECT_TRUE(w.ProgressBar1.visible());
  EXPECT_TRUE(w.ProgressBar1.marquee());
  EXPECT_EQ(w.ProgressBar1.marqueeInterval(), 60);
  EXPECT_TRUE(w.ProgressBar1.isInFrontOf(w.ST_RetCode));
  EXPECT_FALSE(w.find("ChBox_QAV_4").reachable());
  EXPECT_FALSE(w.ChBox_RptFile.reachable());

  run->finishRun();
  expectIdleAfterARun(w);
  EXPECT_EQ(parseRunLog(run->runLog()).code, "0");
  const FileTime written = run->system.FileModifiedTime(run->folder.file(kRunLogFileName).string());
  EXPECT_EQ(run->resultLine(),
            resultLineText(written.dos(), systemShortMonthNames(), "Completed with return code:",
                           {"0", "Updates downloaded successfully"}));
  EXPECT_TRUE(w.ST_RetCode.enabled());
  EXPECT_TRUE(run->folder.exists("Updates/CORE/core.dat"));
}

TEST_F(RunScenario, ShownOutputGoesLiveToAConsoleTitledWithTheUtilitysPath) {
  TFMain& w = run->open();
  const std::string title = run->folder.appDir() + "Updater.exe";
  w.ChBox_RptDisplay.setChecked(true);
  run->tickAndApply();
  run->start();
  run->finishRun();
  EXPECT_TRUE(eventually(
      [&] { return run->toolkit.consoleText(title).find("Return code 0:") != std::string::npos; }));
  EXPECT_NE(run->toolkit.consoleText(title).find("[1/1] CORE/core.dat"), std::string::npos);

  w.ChBox_RptDisplay.setChecked(false);
  run->tickAndApply();
  run->start();
  run->finishRun();
  EXPECT_EQ(run->toolkit.consoleTitles().size(), 1u) << "hidden output opens no console";
}

TEST_F(RunScenario, StopBeforeTheLogIsWrittenRecordsACanceledRun) {
  run->writeOldRunLog("0\r\nold\r\nPrevious result\r\n");
  TFMain& w = run->open();
  const std::string previousTime = run->resultTime();
  run->tickAndApply();
  const ScopedVariable hang("QU_SIM_HANG", "1");
  run->start();
  ASSERT_TRUE(eventually([&] { return run->utilityRuns(); }));

  w.Btn_Stop.userClick();
  EXPECT_EQ(run->runLog(), canceledRecord());
  EXPECT_TRUE(run->resultLine().ends_with(kCanceledSuffix)) << run->resultLine();
  EXPECT_EQ(run->resultTime(), previousTime) << "the time read before the record was written";
  expectIdleAfterARun(w);

  // The worker's own pass, once the utility has ended, only shows the log again.
  run->awaitHandOver();
  run->toolkit.pumpPosted();
  EXPECT_FALSE(run->utilityRuns());
  EXPECT_EQ(run->runLog(), canceledRecord());
  EXPECT_TRUE(run->resultLine().ends_with(kCanceledSuffix));
  EXPECT_NE(run->resultTime(), previousTime) << "now the record's own time";
  expectIdleAfterARun(w);
}

TEST_F(RunScenario, ALogRewrittenWithinTheSameTwoSecondsKeepsItsResult) {
  using namespace std::chrono;
  // Exactly what the utility writes for this selection, so the size tells nothing.
  const std::string content =
      "0\r\n1 files delivered to Updates\r\nUpdates downloaded successfully\r\n";
  auto even = floor<seconds>(system_clock::now() - hours(1));
  if (even.time_since_epoch().count() % 2 != 0) even -= seconds(1);
  const fs::path log = run->folder.file(kRunLogFileName);
  run->folder.write(kRunLogFileName, content);
  fs::last_write_time(log, file_clock::from_sys(even));
  TFMain& w = run->open();
  const FileTime before = run->system.FileModifiedTime(log.string());
  run->tickAndApply();
  run->start();
  run->awaitHandOver();

  ASSERT_EQ(run->runLog(), content);
  fs::last_write_time(log, file_clock::from_sys(even + seconds(1)));
  ASSERT_EQ(run->system.FileModifiedTime(log.string()).dos(), before.dos());
  run->finishRun();
  EXPECT_EQ(run->runLog(), content);
  EXPECT_TRUE(run->resultLine().ends_with(kSuccessSuffix)) << run->resultLine();
  expectIdleAfterARun(w);
}

TEST_F(RunScenario, AUtilityThatCrashesWithoutALogIsRecordedAsCanceled) {
  run->writeOldRunLog("0\r\nold\r\nPrevious result\r\n");
  TFMain& w = run->open();
  w.ChBox_Dump.setChecked(true);
  run->tickAndApply();
  const ScopedVariable crash("QU_SIM_CRASH", "1");
  run->start();
  run->finishRun();
  EXPECT_EQ(run->runLog(), canceledRecord());
  EXPECT_TRUE(run->resultLine().ends_with(kCanceledSuffix));
  EXPECT_TRUE(run->folder.exists("updater_crash.dmp")) << "crash dumps were asked for";
  expectIdleAfterARun(w);
}

TEST_F(RunScenario, AUtilityThatCannotStartIsReportedAndTheLogStaysAsItWas) {
  const std::string previous = "0\r\nold\r\nPrevious result\r\n";
  run->writeOldRunLog(previous);
  TFMain& w = run->open();
  run->tickAndApply();
  const auto previousTime = fs::last_write_time(run->folder.file(kRunLogFileName));
  // Even root needs an execute bit to start a program.
  fs::permissions(run->folder.file("Updater.exe"),
                  fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::remove);
  run->acknowledgeMessage();
  run->start();
  run->finishRun();

  ASSERT_EQ(run->lastMessage.size(), 1u);
  EXPECT_NE(run->lastMessage[0].find(run->folder.appDir() + "Updater.exe"), std::string::npos);
  EXPECT_NE(run->lastMessage[0].find("Permission denied"), std::string::npos)
      << run->lastMessage[0];
  EXPECT_EQ(run->runLog(), previous);
  EXPECT_EQ(fs::last_write_time(run->folder.file(kRunLogFileName)), previousTime);
  EXPECT_TRUE(run->resultLine().ends_with("(0) Previous result"));
  expectIdleAfterARun(w);
}

TEST_F(RunScenario, AnotherUpdaterExeBlocksTheStartButAnUpdaterInOtherCaseDoesNot) {
  TFMain& w = run->open();
  run->tickAndApply();
  {
    const NamedSleeper other(run->system, run->folder.file("elsewhere/Updater.exe"));
    ASSERT_TRUE(other.running());
    run->start();
    EXPECT_FALSE(w.Running);
    EXPECT_FALSE(w.ProgressBar1.visible());
    EXPECT_TRUE(w.Btn_Start.enabled()) << "still applied, nothing happened";
  }
  const NamedSleeper lowerCase(run->system, run->folder.file("elsewhere/updater.exe"));
  ASSERT_TRUE(lowerCase.running());
  run->start();
  EXPECT_TRUE(w.Running);
  run->finishRun();
  EXPECT_TRUE(run->resultLine().ends_with(kSuccessSuffix));
}

// The expert Update applies, then its start is refused: the window must not be left running
// without a run, nor with Start usable on an Apply the user did not see.
TEST_F(RunScenario, ExpertUpdateRefusedByAnotherUpdaterLeavesTheWindowIdle) {
  TFMain& w = run->open();
  const NamedSleeper other(run->system, run->folder.file("elsewhere/Updater.exe"));
  ASSERT_TRUE(other.running());
  run->toolkit.clickOnModal("FAM", "Btn_Start");
  w.keyDown({'S', true});
  EXPECT_FALSE(w.Running);
  EXPECT_FALSE(w.ProgressBar1.visible());
  EXPECT_TRUE(w.Btn_Apply.enabled());
  EXPECT_FALSE(w.Btn_Start.enabled());
  EXPECT_TRUE(w.Btn_Start.isInFrontOf(w.Btn_Stop));
  EXPECT_EQ(w.SelectionMode, 1);
}

TEST_F(RunScenario, ClosingTheWindowDuringARunEndsTheUtilityAndLeavesTheWindowAlone) {
  const std::string previous = "0\r\nold\r\nPrevious result\r\n";
  run->writeOldRunLog(previous);
  TFMain& w = run->open();
  run->tickAndApply();
  const ScopedVariable hang("QU_SIM_HANG", "1");
  run->start();
  ASSERT_TRUE(eventually([&] { return run->utilityRuns(); }));

  w.close();
  EXPECT_TRUE(eventually([&] { return !run->utilityRuns(); }));
  run->window.reset();
  run->toolkit.pumpPosted();
  EXPECT_EQ(run->runLog(), previous) << "no end-of-run steps after the window has gone";
}

TEST_F(RunScenario, ALateHandOverFromAnEarlierRunLeavesTheCurrentRunAlone) {
  TFMain& w = run->open();
  run->tickAndApply();
  const ScopedVariable hang("QU_SIM_HANG", "1");
  run->start();
  ASSERT_TRUE(eventually([&] { return run->utilityRuns(); }));
  w.Btn_Stop.userClick();
  ASSERT_TRUE(eventually([&] { return !run->utilityRuns(); }));

  run->tickAndApply();
  run->start();
  ASSERT_TRUE(eventually([&] { return run->utilityRuns(); }));
  run->awaitHandOver();  // the first worker's, as the second one's utility hangs
  run->toolkit.pumpPosted();
  EXPECT_TRUE(w.Running);
  EXPECT_TRUE(w.Btn_Stop.isInFrontOf(w.Btn_Start));
  EXPECT_TRUE(w.ProgressBar1.visible());
  EXPECT_TRUE(run->utilityRuns());

  w.Btn_Stop.userClick();
  expectIdleAfterARun(w);
  run->awaitHandOver();
  run->toolkit.pumpPosted();
  EXPECT_FALSE(run->utilityRuns());
}

}  // namespace
}  // namespace qu::testing
