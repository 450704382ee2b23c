// Loading the settings file into the main window and the two dialogs at start-up.

#include "catalog/product_catalog.h"
#include "scenario/settings_scenario.h"

namespace qu::testing {
namespace {

class Loading : public SettingsScenario {
 protected:
  std::vector<std::string> tickedIn(std::string_view group) {
    std::vector<std::string> names;
    for (Control* item : window->find(group).children()) {
      if (auto* box = dynamic_cast<CheckBox*>(item); box && box->checked()) {
        names.push_back(box->name());
      }
    }
    return names;
  }
};

TEST_F(Loading, WithoutAFileEverythingHasItsDefault) {
  TFMain& w = openShown();
  EXPECT_EQ(w.CB_Lng.text(), "English");
  EXPECT_TRUE(w.RB_UpdSel.checked());
  for (const ProductGroup& group : productGroups()) EXPECT_TRUE(tickedIn(group.box).empty());
  const TSettings& d = w.Settings();
  EXPECT_EQ(d.SE_TimeOut.text(), "60");
  EXPECT_EQ(d.SE_Port.text(), "8080");
  EXPECT_TRUE(d.ChBox_FtpPass.checked());
  EXPECT_TRUE(d.ChBox_UseProxy.checked());
  EXPECT_TRUE(d.RB_ProxyAuto.checked());
  EXPECT_TRUE(d.ChBox_ByPass.checked());
  EXPECT_FALSE(d.ChBox_Authent.checked());
  EXPECT_TRUE(d.RB_SourceQL.checked());
  EXPECT_TRUE(d.RB_FldCur.checked());
  EXPECT_TRUE(d.RB_UpdAll.checked());
  EXPECT_EQ(d.LE_Addr.text() + d.LE_User.text() + d.LE_Psw.text(), "");
  EXPECT_EQ(w.FAM().LE_IndexFN.text(), "u0607g.xml");
  EXPECT_EQ(w.FAM().LE_UrlPath.text(), "index/");
}

class StoredLanguage : public SettingsScenario,
                       public ::testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(StoredLanguage, OutOfRangeMeansEnglish) {
  openWith(std::string("[GUI]\nlng=") + GetParam().first + "\n");
  EXPECT_EQ(window->CB_Lng.itemIndex(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Loading, StoredLanguage,
                         ::testing::Values(std::pair{"2", 2}, std::pair{"1", 1}, std::pair{"3", 0},
                                           std::pair{"7", 0}, std::pair{"-1", 0},
                                           std::pair{"x", 0}));

TEST_F(Loading, StoredUpdateAllBringsTheTicksBackGreyed) {
  TFMain& w = openWith("[GUI]\ns0=0\ns3=0;2;13;\ns14=0;\n");
  EXPECT_TRUE(w.RB_UpdAll.checked());
  EXPECT_EQ(w.SelectionMode, 0);
  EXPECT_EQ(tickedIn("GB_Home"), (std::vector<std::string>{"ChBox_QAV_4", "ChBox_QIS_6"}));
  EXPECT_EQ(tickedIn("GB_AK"), std::vector<std::string>{"ChBox_AK_1"});
  EXPECT_FALSE(w.find("ChBox_QAV_4").enabled());
  EXPECT_TRUE(w.Modified);
}

TEST_F(Loading, StoredExpertModeComesBackAsSelectedProducts) {
  TFMain& w = openWith("[GUI]\ns0=4836\ns13=10;\n");
  EXPECT_TRUE(w.RB_UpdSel.checked());
  EXPECT_EQ(w.SelectionMode, 1);
  EXPECT_EQ(w.SavedSelectionMode, 1);
  // A hidden box comes back ticked though nobody can see it.
  EXPECT_EQ(tickedIn("GB_WKS"), std::vector<std::string>{"ChBox_WKS_5"});
}

TEST_F(Loading, ReportOptionsComeBackWithTheirDependency) {
  TFMain& w = openWith("[GUI]\ns15=0;1;\ns12=2;3;\n");
  EXPECT_TRUE(w.ChBox_RptAppend.checked());
  EXPECT_FALSE(w.ChBox_RptAppend.enabled());
  EXPECT_TRUE(w.ChBox_RptDisplay.checked());
  EXPECT_TRUE(w.ChBox_Trace.checked());
  EXPECT_TRUE(w.ChBox_Dump.checked());
}

TEST_F(Loading, ChoicesComeFromTheListsNeverFromTheValues) {
  TFMain& w = openWith(
      "[Updater]\nupdate_srv_url0=$QL\ntemporary_dir=T\nretranslation_dir=U\n"
      "[GUI]\ns8=0;\n");
  const TSettings& d = w.Settings();
  EXPECT_TRUE(d.RB_SourceUser.checked());
  EXPECT_EQ(d.E_Source.text(), "$QL");
  EXPECT_TRUE(d.E_Source.enabled());
  EXPECT_TRUE(d.RB_FldCur.checked());
  EXPECT_EQ(d.E_TmpFld.text() + d.E_UpdFld.text(), "");
}

TEST_F(Loading, CustomFoldersAreReadUnderTheirChoiceOnly) {
  TFMain& w = openWith(
      "[Updater]\nupdate_srv_url0=//srv/upd\ntemporary_dir=T\nretranslation_dir=U\n"
      "[GUI]\ns2=3;\ns8=1;\n");
  const TSettings& d = w.Settings();
  EXPECT_TRUE(d.RB_FldUser.checked());
  EXPECT_EQ(d.E_TmpFld.text(), "T");
  EXPECT_EQ(d.E_UpdFld.text(), "U");
  EXPECT_TRUE(d.E_TmpFld.enabled());
  EXPECT_TRUE(d.RB_SourceQL.checked());
  EXPECT_EQ(d.E_Source.text(), "");
}

TEST_F(Loading, FlagsAreOnOnlyWhenExactlyOneAndNumbersStayInRange) {
  TFMain& w = openWith(
      "[Updater]\nproxy=2\nuse_ie_proxy=0\nproxy_authorisation=1\npassive_ftp=5\n"
      "bypassProxyServerForLocalAddresses=0\nconnect_tmo=999\nproxy_port=70000\n"
      "proxy_pwd=\"se cret\"\n[Retranslation]\ndownload_patches=0\n");
  const TSettings& d = w.Settings();
  EXPECT_FALSE(d.ChBox_UseProxy.checked());
  EXPECT_TRUE(d.RB_ProxyUser.checked());
  EXPECT_TRUE(d.ChBox_Authent.checked());
  EXPECT_FALSE(d.ChBox_FtpPass.checked());
  EXPECT_FALSE(d.ChBox_ByPass.checked());
  EXPECT_EQ(d.SE_TimeOut.text(), "360");
  EXPECT_EQ(d.SE_Port.text(), "65535");
  EXPECT_EQ(d.LE_Psw.text(), "se cret");
  EXPECT_TRUE(d.RB_UpdBase.checked());
  // The enabling rules hold for the loaded values: no proxy, so nothing of it is usable.
  EXPECT_FALSE(d.RB_ProxyUser.enabled());
  EXPECT_FALSE(d.LE_Addr.enabled());
  EXPECT_FALSE(d.LE_User.enabled());
}

TEST_F(Loading, NumbersBelowRangeOrUnreadableTakeTheBoundOrTheDefault) {
  TFMain& w =
      openWith("[Updater]\nconnect_tmo=0\nproxy_port=abc\n[Retranslation]\ndownload_patches=7\n");
  EXPECT_EQ(w.Settings().SE_TimeOut.text(), "1");
  EXPECT_EQ(w.Settings().SE_Port.text(), "8080");
  EXPECT_TRUE(w.Settings().RB_UpdAll.checked());
}

}  // namespace
}  // namespace qu::testing
