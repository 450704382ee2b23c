// The result line: what it shows at start-up and in each language, the run log that cannot be
// written, and the support links.

#include <filesystem>
#include <string>

#include "scenario/run_scenario.h"

namespace qu::testing {
namespace {

namespace fs = std::filesystem;

struct LanguageCase {
  int language;
  const char* log;
  const char* shownTail;
};

TEST_F(RunScenario, TheCodeIsTranslatedOnlyUnderANonEnglishLanguageThatHasItsKey) {
  run->folder.installLanguageFile();
  TFMain& w = run->open();
  const LanguageCase cases[] = {
      {0, "0\r\nDone by the utility\r\n", "(0) Done by the utility"},
      {1, "0\r\nDone by the utility\r\n", "(0) Обновления успешно загружены"},
      {2, "3\r\ndetail\r\nNo room\r\n", "(3) In den Update-Ordner kann nicht geschrieben werden"},
      {1, "7\r\nNo key for this one\r\n", "(7) No key for this one"},
      {2, "0\r\n", "(0) Updates wurden erfolgreich heruntergeladen"},
  };
  for (const LanguageCase& c : cases) {
    run->folder.write(kRunLogFileName, c.log);
    w.CB_Lng.setItemIndex(c.language);
    w.IupdRead();
    EXPECT_TRUE(run->resultLine().ends_with(c.shownTail))
        << c.language << ": " << run->resultLine();
  }
}

TEST_F(RunScenario, ChangingTheLanguageRendersTheResultAgainWithoutTouchingTheLog) {
  run->folder.installLanguageFile();
  run->writeOldRunLog("0\r\nDone by the utility\r\n");
  TFMain& w = run->open();
  const auto written = fs::last_write_time(run->folder.file(kRunLogFileName));
  EXPECT_TRUE(run->resultLine().ends_with("Completed with return code: (0) Done by the utility"));

  w.CB_Lng.userSelect(2);
  EXPECT_NE(run->resultLine().find("(0) Updates wurden erfolgreich heruntergeladen"),
            std::string::npos)
      << run->resultLine();
  EXPECT_EQ(run->runLog(), "0\r\nDone by the utility\r\n");
  EXPECT_EQ(fs::last_write_time(run->folder.file(kRunLogFileName)), written);
}

TEST_F(RunScenario, WithoutARunLogTheResultLineIsEmptyAndCannotBeClicked) {
  TFMain& w = run->open();
  EXPECT_EQ(run->resultLine(), "");
  EXPECT_FALSE(w.ST_RetCode.enabled());
  EXPECT_EQ(w.ST_RetCode.bounds().width, 654);
  EXPECT_EQ(w.ST_RetCode.bounds().height, 17);
  EXPECT_TRUE(w.LogTime.isZero());
  w.ST_RetCode.userClick();
  EXPECT_TRUE(run->toolkit.openedUrls().empty());
  EXPECT_FALSE(run->folder.exists(kRunLogFileName)) << "no run, so nothing is recorded";
}

TEST_F(RunScenario, ARunLogThatCannotBeWrittenGivesAnErrorAndTheWindowEndsIdle) {
  TFMain& w = run->open();
  run->tickAndApply();
  fs::create_directory(run->folder.file(kRunLogFileName));
  run->acknowledgeMessage();
  run->start();
  run->finishRun();

  ASSERT_EQ(run->lastMessage.size(), 1u);
  EXPECT_EQ(run->lastMessage[0], "Unable to write to " + run->folder.appDir() + "vororadi.txt");
  EXPECT_FALSE(w.Running);
  EXPECT_TRUE(w.Btn_Apply.enabled());
  EXPECT_FALSE(w.Btn_Start.enabled());
  EXPECT_TRUE(w.Btn_Start.isInFrontOf(w.Btn_Stop));
  EXPECT_TRUE(w.Btn_Set.enabled());
  EXPECT_FALSE(run->toolkit.quitRequested()) << "the message's OK must not close the window";
}

#ifndef _WIN32
TEST_F(RunScenario, ALogWhoseReadsFailIsReportedWithItsPathAndTheReason) {
  run->folder.installLanguageFile();
  TFMain& w = run->open();
  // Reading a process's own memory at address 0 fails with an I/O error.
  fs::create_symlink("/proc/self/mem", run->folder.file(kRunLogFileName));
  run->acknowledgeMessage();
  w.CB_Lng.userSelect(1);

  ASSERT_EQ(run->lastMessage.size(), 1u);
  EXPECT_EQ(run->lastMessage[0],
            "Unable to read " + run->folder.appDir() + "vororadi.txt: Input/output error");
  EXPECT_EQ(run->resultLine(), "");
  EXPECT_FALSE(w.ST_RetCode.enabled());
  EXPECT_FALSE(w.Running);
}
#endif

TEST_F(RunScenario, LinksOpenTheirAddressesFromTheLanguageSection) {
  run->folder.write("quintarisupdater.loc",
                    "[English]\nURL_FORUM=https://forum.example.org/q\n"
                    "URL_CODE=https://codes.example.org/\n");
  run->writeOldRunLog("0\r\nDone\r\n");
  TFMain& w = run->open();
  w.find("L_Forum").userClick();
  w.find("L_KBase").userClick();
  w.ST_RetCode.userClick();
  w.Msg().ST_Detail.click();
  EXPECT_EQ(run->toolkit.openedUrls(),
            (std::vector<std::string>{
                "https://forum.example.org/q", "https://support.quintaris.example/kb/updater/",
                "https://codes.example.org/",
                "https://support.quintaris.example/updater/faq/download-size"}));
}

}  // namespace
}  // namespace qu::testing
