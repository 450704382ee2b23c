// The settings dialog: its enabling rules, the check on OK, Cancel, browsing and number boxes.

#include <filesystem>

#include "scenario/settings_scenario.h"

namespace qu::testing {
namespace {

class SettingsDialog : public SettingsScenario {};

struct ProxyCase {
  bool useProxy;
  bool givenByHand;
  bool authentication;
};

// What the three proxy rules make of a choice, checked control by control.
void expectProxyEnabling(TSettings& d, const ProxyCase& c) {
  const bool handAddress = c.useProxy && c.givenByHand;
  const bool credentials = c.useProxy && c.authentication;
  for (Control* control : std::initializer_list<Control*>{&d.RB_ProxyAuto, &d.RB_ProxyUser,
                                                          &d.ChBox_Authent, &d.ChBox_ByPass}) {
    EXPECT_EQ(control->enabled(), c.useProxy) << control->name();
  }
  for (Control* control :
       std::initializer_list<Control*>{&d.LE_Addr, &d.L_Port, &d.L_Port_1, &d.SE_Port}) {
    EXPECT_EQ(control->enabled(), handAddress) << control->name();
  }
  EXPECT_EQ(d.LE_User.enabled(), credentials);
  EXPECT_EQ(d.LE_Psw.enabled(), credentials);
}

TEST_F(SettingsDialog, ProxyRulesHoldWhateverTheOrderOfChanges) {
  TFMain& w = openDefault();
  TSettings& d = w.Settings();
  const ProxyCase cases[] = {{true, false, false}, {true, false, true}, {true, true, false},
                             {true, true, true},   {false, true, true}, {false, false, true},
                             {false, true, false}, {true, true, true},  {false, false, false}};
  for (const ProxyCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.useProxy << c.givenByHand << c.authentication);
    // The proxy box last, so the chain has to carry its change through the other two rules.
    d.ChBox_Authent.setChecked(c.authentication);
    (c.givenByHand ? d.RB_ProxyUser : d.RB_ProxyAuto).setChecked(true);
    d.ChBox_UseProxy.setChecked(c.useProxy);
    expectProxyEnabling(d, c);
    // And the proxy box first.
    d.ChBox_UseProxy.setChecked(!c.useProxy);
    d.ChBox_UseProxy.setChecked(c.useProxy);
    d.ChBox_Authent.setChecked(!c.authentication);
    d.ChBox_Authent.setChecked(c.authentication);
    expectProxyEnabling(d, c);
  }
}

TEST_F(SettingsDialog, SourceAndFolderBoxesFollowTheirChoice) {
  TFMain& w = openDefault();
  TSettings& d = w.Settings();
  const std::initializer_list<Control*> folders = {&d.E_UpdFld, &d.Btn_FldUpd, &d.E_TmpFld,
                                                   &d.Btn_FldTemp};
  for (bool custom : {true, false}) {
    (custom ? d.RB_SourceUser : d.RB_SourceQL).setChecked(true);
    (custom ? d.RB_FldUser : d.RB_FldCur).setChecked(true);
    EXPECT_EQ(d.E_Source.enabled(), custom);
    EXPECT_EQ(d.Btn_Source.enabled(), custom);
    for (Control* control : folders) EXPECT_EQ(control->enabled(), custom) << control->name();
  }
}

TEST_F(SettingsDialog, OkListsWhatIsMissingAndStaysOpenUntilItIsGiven) {
  TFMain& w = openDefault();
  const std::string before = folder.read("ss_storage.ini");
  acknowledgeMessages();
  inSettingsDialog([&](TSettings& d) {
    d.RB_SourceUser.userClick();
    d.RB_FldUser.userClick();
    d.Btn_Ok.userClick();
    EXPECT_TRUE(d.visible());
    EXPECT_EQ(folder.read("ss_storage.ini"), before);
    // Blanks are a value.
    d.E_Source.setText(" ");
    d.E_UpdFld.setText("upd");
    d.E_TmpFld.setText("tmp");
    d.Btn_Ok.userClick();
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Error");
  EXPECT_EQ(shown[0].lines, (std::vector<std::string>{
                                "Error of parameters selection.   Check:", "- Source of updates",
                                "- Updates folder", "- Temp folder"}));
  EXPECT_FALSE(shown[0].detailsShown);
  EXPECT_EQ(w.Msg().Btn_OK.bounds().left, 90);
  EXPECT_EQ(stored("GUI", "s8"), "0;");
  EXPECT_EQ(stored("GUI", "s2"), "3;");
  EXPECT_EQ(stored("Updater", "retranslation_dir"), "upd");
  EXPECT_EQ(stored("Updater", "temporary_dir"), "tmp");
}

TEST_F(SettingsDialog, OkWritesTheConnectionAtOnceAndNothingOfTheSelection) {
  TFMain& w = openDefault();
  tick("ChBox_QAV_4");
  w.CB_Lng.userSelect(1);
  inSettingsDialog([&](TSettings& d) {
    d.SE_TimeOut.setText("999");  // OK pressed before the box lost the focus
    d.SE_Port.setText("");
    d.Btn_Ok.userClick();
  });
  EXPECT_EQ(stored("Updater", "connect_tmo"), "360");
  EXPECT_EQ(stored("Updater", "proxy_port"), "1");
  EXPECT_EQ(stored("GUI", "Version"), w.OwnVersion);
  EXPECT_EQ(stored("GUI", "s3"), kAbsent);
  EXPECT_EQ(stored("GUI", "lng"), "0");
  EXPECT_EQ(stored("Retranslation", "component"), "");
  EXPECT_TRUE(w.Btn_Apply.enabled());
  EXPECT_FALSE(w.Btn_Start.enabled());
}

TEST_F(SettingsDialog, CancelRestoresTheStoredValuesButTheWindowStaysModified) {
  TFMain& w = openDefault();
  tick("ChBox_QAV_4");
  apply();
  ASSERT_TRUE(w.Btn_Start.enabled());
  inSettingsDialog([&](TSettings& d) {
    d.SE_TimeOut.setText("30");
    d.ChBox_UseProxy.userClick();
    d.RB_SourceUser.userClick();
    d.E_Source.setText("//elsewhere");
    d.Btn_Cancel.userClick();
  });
  const TSettings& d = w.Settings();
  EXPECT_EQ(d.SE_TimeOut.text(), "60");
  EXPECT_TRUE(d.ChBox_UseProxy.checked());
  EXPECT_TRUE(d.RB_ProxyAuto.enabled());
  EXPECT_TRUE(d.RB_SourceQL.checked());
  EXPECT_FALSE(d.E_Source.enabled());
  EXPECT_TRUE(w.Modified);
  EXPECT_TRUE(w.Btn_Apply.enabled());
  EXPECT_FALSE(w.Btn_Start.enabled());
}

TEST_F(SettingsDialog, BrowsingFillsTheBoxAndCancellingEmptiesIt) {
  TFMain& w = openDefault();
  TSettings& d = w.Settings();
  d.RB_FldUser.setChecked(true);
  d.RB_SourceUser.setChecked(true);
  toolkit.answerFolder("/srv/updates");
  toolkit.answerFolder("");
  toolkit.answerFolder("/srv/source");
  d.Btn_FldUpd.click();
  d.E_TmpFld.setText("kept until browsed");
  d.Btn_FldTemp.click();
  d.Btn_Source.click();
  EXPECT_EQ(d.E_UpdFld.text(), "/srv/updates");
  EXPECT_EQ(d.E_TmpFld.text(), "");
  EXPECT_EQ(d.E_Source.text(), "/srv/source");
  EXPECT_TRUE(w.Btn_Apply.enabled());
}

TEST_F(SettingsDialog, OnlyOkAndCancelCloseItAndThePasswordNeverShows) {
  TFMain& w = openDefault();
  TSettings& d = w.Settings();
  d.LE_Psw.setText("secret");
  d.LE_User.setText("me");
  EXPECT_EQ(d.titleButtons(), TitleButtons::None);
  EXPECT_EQ(d.LE_Psw.passwordChar(), '*');
  EXPECT_EQ(d.SE_TimeOut.hint(), "1 .. 360");
  EXPECT_EQ(d.SE_Port.hint(), "1 .. 65535");
  EXPECT_EQ(d.SE_TimeOut.maxLength(), 3);
  EXPECT_EQ(d.SE_Port.maxLength(), 5);
  inSettingsDialog([&](TSettings& dialog) {
    dialog.userClose();
    dialog.keyDown({kKeyEscape});
    EXPECT_TRUE(dialog.visible());
    EXPECT_EQ(dialog.LE_User.hint(), "me");
    EXPECT_EQ(dialog.LE_Psw.hint(), "");
    dialog.SE_TimeOut.setText("0");
    dialog.SE_TimeOut.focusLost();
    EXPECT_EQ(dialog.SE_TimeOut.text(), "1");
    dialog.Btn_Cancel.userClick();
  });
  EXPECT_FALSE(d.visible());
}

TEST_F(SettingsDialog, RefusedWriteIsShownAndTheDialogStaysOpen) {
  openDefault();
  folder.remove("ss_storage.ini");
  std::filesystem::create_directory(folder.file("ss_storage.ini"));
  acknowledgeMessages();
  inSettingsDialog([&](TSettings& d) {
    d.Btn_Ok.userClick();
    EXPECT_TRUE(d.visible());
    d.Btn_Cancel.userClick();
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].lines,
            std::vector<std::string>{"Unable to write to " + folder.appDir() + "ss_storage.ini"});
}

}  // namespace
}  // namespace qu::testing
