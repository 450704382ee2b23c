// The selection modes, which controls are usable when, change marking, and the checks that
// follow Apply.

#include "catalog/product_catalog.h"
#include "scenario/settings_scenario.h"

namespace qu::testing {
namespace {

class Selection : public SettingsScenario {
 protected:
  std::vector<Control*> productItems() {
    std::vector<Control*> items;
    for (const ProductGroup& group : productGroups()) {
      for (Control* item : window->find(group.box).children()) items.push_back(item);
    }
    return items;
  }
};

TEST_F(Selection, UpdateAllGreysTheProductBoxesInsideUsableFrames) {
  TFMain& w = openDefault();
  w.RB_UpdAll.userClick();
  EXPECT_EQ(w.SelectionMode, 0);
  for (Control* item : productItems()) EXPECT_FALSE(item->enabled()) << item->name();
  for (const ProductGroup& group : productGroups()) EXPECT_TRUE(w.find(group.box).enabled());
  for (const char* name : {"L_Lng", "CB_Lng", "RB_UpdAll", "RB_UpdSel", "L_Forum", "ChBox_Trace",
                           "ChBox_Dump", "ChBox_RptDisplay", "ChBox_RptFile"}) {
    EXPECT_TRUE(w.find(name).enabled()) << name;
  }

  w.RB_UpdSel.userClick();
  EXPECT_EQ(w.SelectionMode, 1);
  for (Control* item : productItems()) EXPECT_TRUE(item->enabled()) << item->name();
  EXPECT_FALSE(w.find("ChBox_WKS_5").visible());
}

TEST_F(Selection, DuringARunEverythingIsGreyedAndClicksMarkNothing) {
  TFMain& w = openDefault();
  tick("ChBox_QAV_4");
  apply();
  w.Running = true;
  w.RadioBtnsClick();
  for (Control* item : productItems()) EXPECT_FALSE(item->enabled()) << item->name();
  for (const char* area : {"GroupBox10", "GB_Supp", "GB_Rpt"}) {
    for (Control* item : w.find(area).children()) EXPECT_FALSE(item->enabled()) << item->name();
  }
  w.find<CheckBox>("ChBox_QIS_4").setChecked(true);
  EXPECT_FALSE(w.Modified);
  EXPECT_TRUE(w.Btn_Start.enabled());
}

TEST_F(Selection, ExpertModeFromUpdateAllLeavesTheFramesAsTheyAre) {
  TFMain& w = openDefault();
  Control& home = w.find("GB_Home");
  home.setEnabled(false);
  w.SelectionMode = kExpertSelectionMode;
  w.SavedSelectionMode = 0;
  w.RadioBtnsClick();
  EXPECT_TRUE(w.FAM().GB_AM.enabled());
  EXPECT_FALSE(w.find("ChBox_QAV_4").enabled());

  home.setEnabled(false);
  w.SavedSelectionMode = 1;
  w.RadioBtnsClick();
  EXPECT_TRUE(w.find("ChBox_QAV_4").enabled());
}

TEST_F(Selection, AppendFollowsTheReportFileBoxAndKeepsItsTick) {
  TFMain& w = openDefault();
  EXPECT_FALSE(w.ChBox_RptAppend.enabled());
  tick("ChBox_QAV_4");
  tick("ChBox_RptFile");
  tick("ChBox_RptAppend");
  EXPECT_TRUE(w.ChBox_RptAppend.enabled());
  apply();
  tick("ChBox_RptFile");
  EXPECT_FALSE(w.ChBox_RptAppend.enabled());
  EXPECT_TRUE(w.ChBox_RptAppend.checked());
  EXPECT_TRUE(w.Modified);
  EXPECT_TRUE(w.Btn_Apply.enabled());
  EXPECT_FALSE(w.Btn_Start.enabled());
}

struct RefusedCase {
  std::vector<std::string> ticks;
  std::string line;
};

class RefusedSelection : public SettingsScenario,
                         public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedSelection, ExplainsItselfAndLeavesTheFileAlone) {
  TFMain& w = openDefault();
  const std::string before = folder.read("ss_storage.ini");
  for (const std::string& box : GetParam().ticks) tick(box);
  acknowledgeMessages();
  apply();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Error");
  EXPECT_EQ(shown[0].lines, std::vector<std::string>{GetParam().line});
  EXPECT_FALSE(shown[0].detailsShown);
  EXPECT_EQ(folder.read("ss_storage.ini"), before);
  EXPECT_FALSE(w.Modified);
  EXPECT_TRUE(w.Btn_Apply.enabled());
  EXPECT_FALSE(w.Btn_Start.enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Selection, RefusedSelection,
    ::testing::Values(
        RefusedCase{{}, "Nothing is selected. Select the necessary product and try once again."},
        RefusedCase{{"ChBox_AK_1", "ChBox_Trace"},
                    "Products which will update through Quintaris Administration Kit are not "
                    "selected.  Select the necessary product and try once again."}));

TEST_F(Selection, AdministrationKitWithAProductPassesSilently) {
  TFMain& w = openDefault();
  tick("ChBox_AK_1");
  tick("ChBox_QSE_1");
  apply();  // no message answer is queued: any message would fail the test
  EXPECT_TRUE(w.Btn_Start.enabled());
  EXPECT_EQ(stored("Retranslation", "component"),
            "AH;AK6;AVS;BLST;INDEX50;INDEX60;QAS20EXCH;RT;UPDATER");
}

struct LinkCase {
  int language;
  bool languageFile;
  int left;
  int top;
};

class DetailsLink : public SettingsScenario, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(DetailsLink, SitsWhereTheLanguageLeavesRoom) {
  const LinkCase& c = GetParam();
  if (c.languageFile) folder.installLanguageFile();
  TFMain& w = openDefault();
  w.CB_Lng.userSelect(c.language);
  w.RB_UpdAll.userClick();
  acknowledgeMessages();
  apply();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].detailsShown);
  EXPECT_EQ(shown[0].detailsPlace.left, c.left);
  EXPECT_EQ(shown[0].detailsPlace.top, c.top);
  EXPECT_FALSE(w.Msg().ST_Detail.visible());
  EXPECT_TRUE(w.Btn_Start.enabled());
}

INSTANTIATE_TEST_SUITE_P(Selection, DetailsLink,
                         ::testing::Values(LinkCase{1, true, 123, 52}, LinkCase{2, true, 123, 39},
                                           LinkCase{1, false, 99, 39}, LinkCase{0, true, 99, 39}));

}  // namespace
}  // namespace qu::testing
