// The main window's own logic: its layout as stored positions see it, the buttons in each state,
// closing during a run, the expert key, and the message dialog's protocol.

#include <map>

#include "scenario/main_window_fixture.h"

namespace qu::testing {
namespace {

class MainWindow : public MainWindowTest {
 protected:
  void SetUp() override {
    withDefaultSettings();
    open();
    firstTick();
  }
  TFMain& w() { return *window; }
  std::vector<std::string> childNames(const std::string& group) {
    std::vector<std::string> names;
    for (Control* child : w().find(group).children()) names.push_back(child->name());
    return names;
  }
};

TEST_F(MainWindow, EveryStoredGroupHasItsFixedPositions) {
  const std::map<std::string, std::vector<std::string>> expected = {
      {"GB_Home",
       {"L_QAV", "L_QIS", "ChBox_QAV_4", "ChBox_QIS_4", "ChBox_QAV_5", "ChBox_QIS_5", "ChBox_QAV_3",
        "ChBox_QAV_1", "ChBox_QIS_2", "ChBox_QAV_2", "ChBox_QIS_3", "ChBox_QIS_1", "ChBox_QAV_6",
        "ChBox_QIS_6"}},
      {"GB_WKS",
       {"L_WKS", "L_SOS", "L_LWS", "ChBox_WKS_1", "ChBox_WKS_2", "ChBox_WKS_3", "ChBox_WKS_4",
        "ChBox_SOS_1", "ChBox_SOS_2", "ChBox_LWS_1", "ChBox_WKS_5", "ChBox_SOS_3"}},
      {"GB_FS",
       {"L_WFS", "L_WSEE", "L_LFS", "L_UFS", "L_SFS", "L_NNW", "ChBox_WS_2", "ChBox_WS_3",
        "ChBox_WSE_1", "ChBox_WSE_2", "ChBox_WSE_3", "ChBox_WS_1", "ChBox_Nov_1", "ChBox_SamS_1",
        "ChBox_UniS_1", "ChBox_LinS_1", "ChBox_WS_4", "ChBox_WSE_4"}},
      {"GB_Mail",
       {"L_QSEx3",     "L_QSEx7",     "L_QAVE",          "L_Lotus",         "L_LMail",
        "L_UMail",     "L_Milter",    "L_QMGW",          "L_QAS",           "ChBox_QAVE_1",
        "ChBox_QSE_1", "ChBox_QSE_2", "ChBox_Lotus_1",   "ChBox_UniMail_1", "ChBox_Milter_1",
        "ChBox_QSE_3", "ChBox_QSE_4", "ChBox_LinMail_1", "ChBox_MGW_1",     "ChBox_QAS_1",
        "ChBox_QAS_2"}},
      {"GB_Perim",
       {"L_ISA", "L_ChPoint", "L_Proxy", "ChBox_ISA_2", "ChBox_Point_1", "ChBox_ISA_1",
        "ChBox_Proxy_1"}},
      {"GB_AK", {"ChBox_AK_1", "ChBox_AK_2"}},
      {"GB_Supp", {"L_KBase", "L_Forum", "ChBox_Trace", "ChBox_Dump"}},
      {"GB_Rpt", {"ChBox_RptAppend", "ChBox_RptDisplay", "ChBox_RptFile"}},
  };
  for (const auto& [group, names] : expected) EXPECT_EQ(childNames(group), names) << group;
  std::vector<std::string> sourceGroup;
  for (Control* child : w().Settings().find("GB_SourceUpd").children()) {
    sourceGroup.push_back(child->name());
  }
  EXPECT_EQ(sourceGroup,
            (std::vector<std::string>{"RB_SourceUser", "RB_SourceQL", "E_Source", "Btn_Source"}));
}

TEST_F(MainWindow, TheFiveBetaBoxesAreHiddenAndDisabled) {
  for (const char* name :
       {"ChBox_WKS_5", "ChBox_SOS_3", "ChBox_WS_4", "ChBox_WSE_4", "ChBox_AK_2"}) {
    EXPECT_FALSE(w().find(name).visible()) << name;
    EXPECT_EQ(w().find(name).caption(), "8.0 Beta") << name;
  }
}

TEST_F(MainWindow, TheCloseButtonShowsTheExitText) {
  EXPECT_EQ(w().Btn_Close.caption(), "Exit");
  EXPECT_EQ(w().find("L_SOS").caption(), "Quintaris Anti-Virus SOS");
  EXPECT_EQ(w().find("L_WKS").caption(), "Quintaris Anti-Virus for Windows Workstations");
  EXPECT_EQ(w().Settings().caption(), "Quintaris Updater: Settings");
}

TEST_F(MainWindow, CloseWhileIdleEndsTheProgramWithoutAQuestion) {
  w().Btn_Close.userClick();
  EXPECT_TRUE(toolkit.quitRequested());
  EXPECT_TRUE(toolkit.modalHistory().empty());
}

TEST_F(MainWindow, CloseDuringARunAsksAndCancelKeepsItGoing) {
  w().Running = true;
  bool timerPaused = false;
  toolkit.answerModal("Msg", [&](Form& msg) {
    timerPaused = !w().CheckTimer.enabled();
    EXPECT_TRUE(w().Msg().Btn_Cancel.visible());
    msg.find("Btn_Cancel").userClick();
  });
  w().Btn_Close.userClick();
  EXPECT_TRUE(timerPaused);
  EXPECT_EQ(w().Msg().caption(), "Attention!");
  EXPECT_EQ(messageLines(),
            std::vector<std::string>{"Are you sure to exit from the program and stop the download "
                                     "process?"});
  EXPECT_FALSE(w().Msg().Btn_Cancel.visible());
  EXPECT_TRUE(w().CheckTimer.enabled());
  EXPECT_FALSE(toolkit.quitRequested());
  EXPECT_EQ(toolkit.beeps(), 0) << "attention messages do not beep";
}

TEST_F(MainWindow, ExitQuestionOkAfterTheRunEndedOnlyClosesTheQuestion) {
  w().Running = true;
  toolkit.answerModal("Msg", [&](Form& msg) {
    w().Running = false;  // the run ended while the question was open
    msg.find("Btn_OK").userClick();
  });
  w().Btn_Close.userClick();
  EXPECT_FALSE(toolkit.quitRequested());
  EXPECT_TRUE(w().visible());
}

TEST_F(MainWindow, ExitQuestionOkDuringARunClosesTheWindow) {
  w().Running = true;
  answerMessage("Btn_OK");
  w().Btn_Close.userClick();
  EXPECT_TRUE(toolkit.quitRequested());
  EXPECT_FALSE(w().visible());
}

TEST_F(MainWindow, MessagesPickTheirIconAndOnlyErrorsBeep) {
  TMsg& msg = w().Msg();
  msg.PrepareMsg(90, 188, 248, "Error", 0);
  EXPECT_TRUE(msg.Img_Warn.isInFrontOf(msg.Img_Att));
  EXPECT_EQ(toolkit.beeps(), 1);
  msg.PrepareMsg(100, 208, 268, "Attention!", 1);
  EXPECT_TRUE(msg.Img_Att.isInFrontOf(msg.Img_Warn));
  EXPECT_EQ(toolkit.beeps(), 1);
  EXPECT_EQ(msg.Btn_OK.bounds().left, 100);
  EXPECT_EQ(msg.M_Msg.bounds().width, 208);
  msg.PrepareMsg(42, 188, 248, "Error", 7);
  EXPECT_TRUE(msg.Img_Warn.isInFrontOf(msg.Img_Att)) << "only exactly 1 means attention";
  EXPECT_EQ(toolkit.beeps(), 2);
}

TEST_F(MainWindow, AltSOpensTheExpertDialogOnlyWhileIdle) {
  w().Running = true;
  w().keyDown({'S', true});
  EXPECT_TRUE(toolkit.modalHistory().empty());
  w().Running = false;
  toolkit.clickOnModal("FAM", "Btn_Close");
  w().keyDown({'S', true});
  EXPECT_EQ(toolkit.modalHistory(), std::vector<std::string>{"FAM"});
  w().keyDown({'S'});
  EXPECT_EQ(toolkit.modalHistory().size(), 1u) << "S without Alt";
}

TEST_F(MainWindow, SettingsButtonShowsTheSettingsDialog) {
  toolkit.clickOnModal("Settings", "Btn_Cancel");
  w().Btn_Set.userClick();
  EXPECT_EQ(toolkit.modalHistory(), std::vector<std::string>{"Settings"});
}

}  // namespace
}  // namespace qu::testing
