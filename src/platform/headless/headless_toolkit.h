#pragma once

// A toolkit that draws nothing, for tests. Modal forms are answered by steps the test queues
// beforehand; timers run on a virtual clock the test advances; posted work runs when the test
// pumps it. A modal form shown with no answer queued fails the test at once instead of hanging.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/scrollback.h"
#include "platform/toolkit.h"

namespace qu {

class UnansweredModal : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class HeadlessToolkit : public Toolkit, private ModelObserver {
 public:
  using ModalAnswer = std::function<void(Form&)>;

  HeadlessToolkit();
  ~HeadlessToolkit() override;

  void realize(Form& form) override;
  void showMain(Form& form) override;
  void showModal(Form& form) override;
  void run() override;
  void requestQuit() override;
  bool quitRequested() const override { return quitRequested_; }
  void post(std::function<void()> work) override;
  void beep() override { ++beeps_; }
  std::string pickFolder(const std::string& title) override;
  std::shared_ptr<ConsoleWindow> openConsole(const std::string& title) override;
  void openUrl(const std::string& url) override { openedUrls_.push_back(url); }

  // The next time the named form is shown modally, `answer` runs while it is open; it must
  // close the form.
  void answerModal(std::string formName, ModalAnswer answer);
  // Shorthand: click the named control of the form.
  void clickOnModal(std::string formName, std::string controlName);
  size_t pendingAnswers() const { return answers_.size(); }
  // Names of the forms shown modally, in order.
  const std::vector<std::string>& modalHistory() const { return modalHistory_; }

  // Fires every timer that falls due within the next `ms` of virtual time, in time order.
  void advance(int ms);
  long long now() const { return now_; }

  // Runs the work posted so far (and any it posts in turn); returns how many ran.
  size_t pumpPosted();
  // Blocks until work has been posted or the limit passes; true when work is waiting.
  bool waitForPosted(std::chrono::milliseconds limit);

  void answerFolder(std::string path) { folderAnswers_.push_back(std::move(path)); }
  int beeps() const { return beeps_; }
  const std::vector<std::string>& openedUrls() const { return openedUrls_; }
  // What the console windows opened with this title show: the last lines of their output, as
  // the scrollback keeps them.
  std::string consoleText(const std::string& title) const;
  const std::vector<std::string>& consoleTitles() const { return consoleTitles_; }

 private:
  struct PendingAnswer {
    std::string formName;
    ModalAnswer answer;
  };
  struct Schedule {
    long long dueAt = 0;
  };
  class Console;

  void propertyChanged(Control& control, Property property) override;
  void timerChanged(Timer& timer) override;
  void formDestroyed(Form& form) override;
  Timer* nextDueTimer(long long limit);

  std::vector<Form*> forms_;
  Form* mainForm_ = nullptr;
  std::deque<PendingAnswer> answers_;
  std::vector<Form*> openModals_;
  std::vector<std::string> modalHistory_;
  std::map<Timer*, Schedule> schedules_;
  long long now_ = 0;
  bool quitRequested_ = false;
  int beeps_ = 0;
  std::deque<std::string> folderAnswers_;
  std::vector<std::string> openedUrls_;
  std::vector<std::string> consoleTitles_;

  mutable std::mutex mutex_;
  std::condition_variable postedCv_;
  std::deque<std::function<void()>> posted_;

  // Shared with the console windows: a utility's output may still come once the toolkit has gone.
  struct ConsoleOutput {
    std::mutex mutex;
    std::map<std::string, Scrollback> lines;
  };
  std::shared_ptr<ConsoleOutput> consoleOutput_ = std::make_shared<ConsoleOutput>();
};

}  // namespace qu
