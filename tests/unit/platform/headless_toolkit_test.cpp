#include "platform/headless/headless_toolkit.h"

#include <gtest/gtest.h>

#include <thread>

namespace qu {
namespace {

struct Dialog : Form {
  Dialog() : Form("Msg") {
    add<Button>("Btn_OK", nullptr).onClick = [this] { close(); };
    add<Button>("Btn_Nothing", nullptr);
  }
};

class Headless : public ::testing::Test {
 protected:
  Headless() {
    toolkit.realize(main);
    toolkit.realize(dialog);
  }
  HeadlessToolkit toolkit;
  Form main{"FMain"};
  Dialog dialog;
};

TEST_F(Headless, ScriptedAnswerRunsWhileTheFormIsOpenAndIsUsedOnce) {
  bool sawOpen = false;
  toolkit.answerModal("Msg", [&](Form& form) {
    sawOpen = form.visible();
    form.find("Btn_OK").userClick();
  });
  toolkit.showModal(dialog);
  EXPECT_TRUE(sawOpen);
  EXPECT_FALSE(dialog.visible());
  EXPECT_EQ(toolkit.pendingAnswers(), 0u);
  EXPECT_EQ(toolkit.modalHistory(), std::vector<std::string>{"Msg"});
  EXPECT_THROW(toolkit.showModal(dialog), UnansweredModal) << "the answer was used up";
}

TEST_F(Headless, AnAnswerThatLeavesTheFormOpenFailsClearly) {
  toolkit.clickOnModal("Msg", "Btn_Nothing");
  EXPECT_THROW(toolkit.showModal(dialog), UnansweredModal);
}

TEST_F(Headless, AnswersAreMatchedByFormName) {
  Form other("Other");
  toolkit.realize(other);
  toolkit.answerModal("Other", [](Form& form) { form.close(); });
  toolkit.clickOnModal("Msg", "Btn_OK");
  toolkit.showModal(dialog);
  EXPECT_EQ(toolkit.pendingAnswers(), 1u);
  toolkit.showModal(other);
  EXPECT_EQ(toolkit.pendingAnswers(), 0u);
}

TEST_F(Headless, QuitIsLatchedAndClosesLaterModalFormsAtOnce) {
  int closes = 0;
  dialog.onClose = [&] { ++closes; };
  toolkit.requestQuit();
  toolkit.showModal(dialog);
  EXPECT_EQ(closes, 1);
  toolkit.run();
  EXPECT_TRUE(toolkit.quitRequested());
}

TEST_F(Headless, QuitAskedWhileAFormIsModalClosesIt) {
  toolkit.showMain(main);
  int closes = 0;
  dialog.onClose = [&] { ++closes; };
  toolkit.answerModal("Msg", [&](Form&) { main.close(); });
  toolkit.showModal(dialog);
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(toolkit.quitRequested());
}

TEST_F(Headless, ClosingTheMainFormRequestsQuit) {
  toolkit.showMain(main);
  EXPECT_FALSE(toolkit.quitRequested());
  main.close();
  EXPECT_TRUE(toolkit.quitRequested());
}

TEST_F(Headless, TimersFireOnTheVirtualClockInTimeOrder) {
  std::vector<std::pair<std::string, long long>> fired;
  Timer& fast = main.addTimer("fast");
  Timer& slow = main.addTimer("slow");
  fast.onTimer = [&] {
    fired.emplace_back("fast", toolkit.now());
    fast.setInterval(500);  // as the environment check does after its first tick
  };
  slow.onTimer = [&] { fired.emplace_back("slow", toolkit.now()); };
  fast.setInterval(1);
  slow.setInterval(700);
  fast.setEnabled(true);
  slow.setEnabled(true);
  toolkit.advance(1200);
  using F = std::pair<std::string, long long>;
  EXPECT_EQ(fired, (std::vector<F>{{"fast", 1}, {"fast", 501}, {"slow", 700}, {"fast", 1001}}));
  fast.setEnabled(false);
  fired.clear();
  toolkit.advance(1000);
  EXPECT_EQ(fired, (std::vector<F>{{"slow", 1400}, {"slow", 2100}}));
}

TEST_F(Headless, WorkPostedFromAnotherThreadRunsWhenPumped) {
  int ran = 0;
  std::thread worker([&] { toolkit.post([&] { ++ran; }); });
  ASSERT_TRUE(toolkit.waitForPosted(std::chrono::seconds(30)));
  worker.join();
  EXPECT_EQ(ran, 0) << "nothing runs before the pump";
  EXPECT_EQ(toolkit.pumpPosted(), 1u);
  EXPECT_EQ(ran, 1);
}

TEST_F(Headless, FolderAnswersBeepsUrlsAndConsolesAreRecorded) {
  toolkit.answerFolder("/srv/updates");
  EXPECT_EQ(toolkit.pickFolder("Pick"), "/srv/updates");
  EXPECT_THROW(toolkit.pickFolder("Pick"), UnansweredModal);
  toolkit.beep();
  EXPECT_EQ(toolkit.beeps(), 1);
  toolkit.openUrl("https://support.quintaris.example/");
  EXPECT_EQ(toolkit.openedUrls().size(), 1u);
  auto console = toolkit.openConsole("/opt/q/Updater.exe");
  std::thread writer([&] { console->write("line 1\n"); });
  writer.join();
  console->write("line 2\n");
  EXPECT_EQ(toolkit.consoleText("/opt/q/Updater.exe"), "line 1\nline 2\n");
}

}  // namespace
}  // namespace qu
