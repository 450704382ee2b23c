// Runs of the real stand-in utility from the window: the command line it receives, the window's
// states around a run, Stop, crashes, launch failures, the start gate, closing during a run and
// late hand-overs from earlier runs.

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/utf8_path.h"
#include "run/run_log_reader.h"
#include "scenario/run_scenario.h"

namespace qu::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCanceledSuffix = "(19) Process canceled by user";
constexpr const char* kSuccessSuffix = "(0) Updates downloaded successfully";

void expectRunning(TFMain& w) {
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
  EXPECT_FALSE(w.RB_UpdAll.reachable());
  EXPECT_FALSE(w.ChBox_RptFile.reachable());
}

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

// The length of a path in the system's own units (UTF-16 on Windows).
std::size_t systemLength(const std::string& path) {
  return pathFromUtf8(path).native().size();
}

// Long, with blanks and letters beyond ASCII, so neither a cut nor a narrowing goes unseen.
class LongFolderRun : public RunScenario {
 protected:
  std::string_view folderName() const override {
#ifdef _WIN32
    // Windows starts no program, and enters no current folder, whose path reaches MAX_PATH (260):
    // the utility's path ends just past 255 characters.
    static const std::string name = [] {
      std::string text = "Quintaris Programme Überlänge/Программы обновления/日本語のフォルダー名/";
      const std::size_t used = TemporaryProgramFolder::prefixLength() + systemLength(text);
      constexpr std::size_t kFolderLength = 258 - std::string_view("\\Updater.exe").size();
      text.append(kFolderLength - used, 'x');
      return text;
    }();
    return name;
#else
    return "Quintaris Programme mit Leerzeichen und Überlänge/Программы обновления баз данных/"
           "Ärger über Größe – ein Ordnername, der lang genug ist/日本語のフォルダー名/"
           "and a last part that carries the whole path well past two hundred and fifty-five";
#endif
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
  const ScopedVariable record("QU_SIM_ARGV_FILE", utf8FromPath(argvFile));
#ifdef _WIN32
  // The C runtime lists no folder whose path passes MAX_PATH: the stand-in's source lies outside.
  const fs::path source = run->folder.folderBeside("source");
  fs::create_directories(source / "CORE");
  std::ofstream(source / "CORE" / "core.dat") << "sample\n";
  const ScopedVariable shortSource("QU_SIM_QL_SOURCE", utf8FromPath(source));
#endif
  TFMain& w = run->open();
  const std::string program = run->folder.appDir() + "Updater.exe";
  ASSERT_GT(systemLength(program), 255u);

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

  expectRunning(w);

  run->finishRun();
  expectIdleAfterARun(w);
  EXPECT_EQ(parseRunLog(run->runLog()).code, "0");
  const FileTime written =
      run->system.FileModifiedTime(utf8FromPath(run->folder.file(kRunLogFileName)));
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
  EXPECT_EQ(run->toolkit.consoleTitles(), std::vector<std::string>{title});
#ifdef _WIN32
  // The utility writes into the console window the system gave it; none of it passes here.
  EXPECT_EQ(run->toolkit.consoleText(title), "");
#else
  EXPECT_TRUE(eventually(
      [&] { return run->toolkit.consoleText(title).find("Return code 0:") != std::string::npos; }));
  EXPECT_NE(run->toolkit.consoleText(title).find("[1/1] CORE/core.dat"), std::string::npos);
#endif

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
  run->startWaitingRun();

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
  const FileTime before = run->system.FileModifiedTime(utf8FromPath(log));
  run->tickAndApply();
  run->start();
  run->awaitHandOver();

  ASSERT_EQ(run->runLog(), content);
  fs::last_write_time(log, file_clock::from_sys(even + seconds(1)));
  ASSERT_EQ(run->system.FileModifiedTime(utf8FromPath(log)).dos(), before.dos());
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
  w.ChBox_RptDisplay.setChecked(true);
  run->tickAndApply();
  const auto previousTime = fs::last_write_time(run->folder.file(kRunLogFileName));
  makeUnstartable(run->folder.file("Updater.exe"));
  run->acknowledgeMessage();
  run->start();
  run->finishRun();

  ASSERT_EQ(run->lastMessage.size(), 1u);
  const std::string failure = "Unable to start " + run->folder.appDir() + "Updater.exe: ";
  const std::size_t at = run->lastMessage[0].find(failure);
  ASSERT_NE(at, std::string::npos) << run->lastMessage[0];
  EXPECT_GT(run->lastMessage[0].size(), at + failure.size()) << "the reason is given";
  EXPECT_EQ(run->runLog(), previous);
  EXPECT_EQ(fs::last_write_time(run->folder.file(kRunLogFileName)), previousTime);
  EXPECT_TRUE(run->resultLine().ends_with("(0) Previous result"));
  EXPECT_TRUE(run->toolkit.consoleTitles().empty()) << "no empty console beside the error";
  expectIdleAfterARun(w);
}

TEST_F(RunScenario, AnotherUpdaterExeBlocksTheStartButAnUpdaterInOtherCaseDoesNot) {
  TFMain& w = run->open();
  run->tickAndApply();
  {
    const WaitingUtility other(run->system, run->folder.file("elsewhere/Updater.exe"));
    ASSERT_TRUE(other.running());
    run->start();
    EXPECT_FALSE(w.Running);
    EXPECT_FALSE(w.ProgressBar1.visible());
    EXPECT_TRUE(w.Btn_Start.enabled()) << "still applied, nothing happened";
  }
  // In a folder of its own: Windows file names ignore case, process names do not.
  const WaitingUtility lowerCase(run->system, run->folder.file("lower/updater.exe"));
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
  const WaitingUtility other(run->system, run->folder.file("elsewhere/Updater.exe"));
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
  run->startWaitingRun();

  w.close();
  EXPECT_TRUE(eventually([&] { return !run->utilityRuns(); }));
  run->window.reset();
  run->toolkit.pumpPosted();
  EXPECT_EQ(run->runLog(), previous) << "no end-of-run steps after the window has gone";
}

// What tells a write of the settings file: atomic writes put a new file in place each time.
struct FileStamp {
  std::string content;
  fs::file_time_type written;
  bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const TemporaryProgramFolder& folder, std::string_view name) {
  return {folder.read(name), fs::last_write_time(folder.file(name))};
}

// OK writes the default file at once (nothing is lost, the file was gone), but the run keeps
// the window: nothing else writes the file until the run ends, and Stop still stops it.
TEST_F(RunScenario, TheSettingsFileDeletedDuringARunIsRecreatedAndTheRunGoesOn) {
  run->writeOldRunLog("0\r\nold\r\nPrevious result\r\n");
  TFMain& w = run->open();
  run->tickAndApply();
  run->startWaitingRun();

  run->folder.remove("ss_storage.ini");
  bool cancelShown = false;
  run->toolkit.answerModal("Msg", [&](Form& msg) {
    cancelShown = w.Msg().Btn_Cancel.visible();
    msg.find("Btn_OK").userClick();
  });
  run->toolkit.advance(500);
  EXPECT_TRUE(cancelShown) << "the question was asked";
  ASSERT_TRUE(run->folder.exists("ss_storage.ini"));
  const FileStamp recreated = stampOf(run->folder, "ss_storage.ini");

  expectRunning(w);
  // Nothing the user can reach writes the file; a dialog opening would fail the test.
  w.Btn_Apply.userClick();
  w.Btn_Set.userClick();
  w.keyDown({'S', true});
  run->toolkit.advance(1500);
  EXPECT_TRUE(run->utilityRuns());

  w.Btn_Stop.userClick();
  EXPECT_EQ(run->runLog(), canceledRecord());
  expectIdleAfterARun(w);
  run->awaitHandOver();
  run->toolkit.pumpPosted();
  EXPECT_FALSE(run->utilityRuns());
  EXPECT_EQ(stampOf(run->folder, "ss_storage.ini"), recreated) << "written once";
}

TEST_F(RunScenario, RefusingToRecreateTheSettingsFileDuringARunStopsTheUtilityAndEnds) {
  const std::string previous = "0\r\nold\r\nPrevious result\r\n";
  run->writeOldRunLog(previous);
  run->open();
  run->tickAndApply();
  run->startWaitingRun();

  run->folder.remove("ss_storage.ini");
  run->toolkit.clickOnModal("Msg", "Btn_Cancel");
  run->toolkit.advance(500);
  EXPECT_TRUE(run->toolkit.quitRequested());
  EXPECT_TRUE(eventually([&] { return !run->utilityRuns(); }));
  run->window.reset();
  run->toolkit.pumpPosted();
  EXPECT_FALSE(run->folder.exists("ss_storage.ini"));
  EXPECT_EQ(run->runLog(), previous) << "as Exit's OK: no end-of-run steps after the window";
}

TEST_F(RunScenario, ALateHandOverFromAnEarlierRunLeavesTheCurrentRunAlone) {
  TFMain& w = run->open();
  run->tickAndApply();
  run->startWaitingRun();
  w.Btn_Stop.userClick();
  ASSERT_TRUE(eventually([&] { return !run->utilityRuns(); }));

  run->tickAndApply();
  run->startWaitingRun();
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
