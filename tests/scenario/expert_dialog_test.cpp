// The expert dialog: opened with Alt+S, its Update applies the hand-written filters and starts a
// run; however it closes, the window returns to the mode it was opened from.

#include <chrono>
#include <filesystem>

#include "scenario/settings_scenario.h"

namespace qu::testing {
namespace {

class ExpertDialog : public SettingsScenario {
 protected:
  // Opens the dialog with Alt+S; `steps` run while it is open and must close it.
  void inExpertDialog(std::function<void(TFAM&)> steps) {
    toolkit.answerModal("FAM", [this, steps](Form&) { steps(window->FAM()); });
    window->keyDown({'S', true});
  }
  // Start refuses while any Updater.exe runs on the machine, so a run may not have started.
  void finishRun() {
    while (window->Running) {
      ASSERT_TRUE(toolkit.waitForPosted(std::chrono::minutes(1))) << "the run never ended";
      toolkit.pumpPosted();
    }
  }
};

TEST_F(ExpertDialog, ShowsTheFileAndCloseLeavesItUntouched) {
  TFMain& w = openWith("[GUI]\ns0=0\n");
  acknowledgeMessages();
  apply();
  ASSERT_TRUE(w.Btn_Start.enabled());
  const std::string before = folder.read("ss_storage.ini");
  inExpertDialog([&](TFAM& d) {
    EXPECT_EQ(d.LE_UrlPath.text(), "index/");
    EXPECT_EQ(d.LE_UrlPath.hint(), "index/");
    EXPECT_EQ(w.SelectionMode, kExpertSelectionMode);
    EXPECT_TRUE(d.GB_AM.enabled());
    EXPECT_TRUE(d.RB_AM.checked());
    EXPECT_TRUE(w.Btn_Apply.enabled());
    EXPECT_FALSE(w.Btn_Start.enabled());
    d.LE_Cmp.setText("lost unless applied");
    d.keyDown({kKeyEscape});
  });
  EXPECT_FALSE(w.FAM().visible());
  EXPECT_FALSE(w.FAM().RB_AM.checked());
  EXPECT_EQ(w.SelectionMode, 0);
  EXPECT_EQ(folder.read("ss_storage.ini"), before);
  EXPECT_TRUE(w.Btn_Apply.enabled());
  EXPECT_FALSE(w.Btn_Start.enabled());
}

// In update-all mode, with no message answer queued: an update-all warning would fail the test.
TEST_F(ExpertDialog, UpdateWritesTheNormalisedFilters) {
  TFMain& w = openWith("[Retranslation]\napplication=QAV 8.0.0.454;\n[GUI]\ns0=0\n");
  inExpertDialog([&](TFAM& d) {
    d.LE_IndexFN.setText("");
    d.LE_Cmp.setText("B;A;A");
    d.LE_App.setText("");
    d.Btn_Start.userClick();
  });
  EXPECT_FALSE(w.FAM().visible());
  EXPECT_EQ(stored("Retranslation", "component"), "A;B");
  EXPECT_EQ(stored("Retranslation", "application"), kAbsent);
  EXPECT_EQ(stored("Updater", "primaryIndexFileName"), "u0607g.xml");
  EXPECT_EQ(stored("GUI", "s0"), "0");
  EXPECT_EQ(w.FAM().LE_Cmp.text(), "A;B");
  finishRun();
  EXPECT_EQ(w.SelectionMode, 0);
  EXPECT_TRUE(w.Btn_Apply.enabled());
}

TEST_F(ExpertDialog, HiddenFiltersOutliveOnlyAnExpertUpdate) {
  TFMain& w = openWith("[Retranslation]\nos=win\nlanguage=en\n");
  inExpertDialog([](TFAM& d) { d.Btn_Start.userClick(); });
  finishRun();
  EXPECT_EQ(stored("Retranslation", "os"), "win");
  EXPECT_EQ(stored("Retranslation", "language"), "en");
  tick("ChBox_QAV_4");
  apply();
  EXPECT_EQ(stored("Retranslation", "os"), "win");
  EXPECT_EQ(stored("Retranslation", "language"), "en");
  EXPECT_EQ(w.OsList, "win");
}

TEST_F(ExpertDialog, AnOrdinaryApplyWithoutAnExpertUpdateDropsTheHiddenFilters) {
  openWith("[Retranslation]\nos=win\nlanguage=en\n");
  tick("ChBox_QAV_4");
  apply();
  EXPECT_EQ(stored("Retranslation", "os"), kAbsent);
  EXPECT_EQ(stored("Retranslation", "language"), kAbsent);
}

// An Administration Kit box ticked, no components given and a custom source left empty: the
// settings check fails, but the catalog refused nothing, so no message (none is answered here)
// may claim it did. The expert path checks nothing; its run goes ahead on the stored source.
TEST_F(ExpertDialog, UpdateWithAFailedSettingsCheckShowsNoAdministrationKitMessage) {
  TFMain& w = openDefault();
  tick("ChBox_AK_1");
  w.Settings().RB_SourceUser.setChecked(true);
  w.Settings().E_Source.setText("");
  inExpertDialog([](TFAM& d) {
    d.LE_Cmp.setText("");
    d.Btn_Start.userClick();
  });
  EXPECT_EQ(toolkit.modalHistory(), std::vector<std::string>{"FAM"});
  EXPECT_EQ(stored("Retranslation", "component"), kAbsent);
  EXPECT_EQ(stored("Updater", "update_srv_url0"), "$QL") << "the check kept the stored source";
  finishRun();
  EXPECT_TRUE(w.Btn_Apply.enabled());
}

TEST_F(ExpertDialog, UpdateWhoseApplyCannotWriteStartsNoRun) {
  TFMain& w = openDefault();
  acknowledgeMessages();
  inExpertDialog([&](TFAM& d) {
    folder.remove("ss_storage.ini");
    std::filesystem::create_directory(folder.file("ss_storage.ini"));
    d.Btn_Start.userClick();
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Error");
  EXPECT_FALSE(w.Running);
  EXPECT_FALSE(w.FAM().visible());
  EXPECT_TRUE(w.Btn_Apply.enabled());
  EXPECT_FALSE(w.Btn_Start.enabled());
}

}  // namespace
}  // namespace qu::testing
