#include "platform/headless/headless_toolkit.h"

#include <algorithm>
#include <limits>

namespace qu {

class HeadlessToolkit::Console : public ConsoleWindow {
 public:
  Console(std::shared_ptr<ConsoleOutput> output, std::string title)
      : output_(std::move(output)), title_(std::move(title)) {}
  void write(std::string_view text) override {
    std::lock_guard lock(output_->mutex);
    output_->lines[title_].append(text);
  }

 private:
  std::shared_ptr<ConsoleOutput> output_;
  std::string title_;
};

HeadlessToolkit::HeadlessToolkit() = default;

HeadlessToolkit::~HeadlessToolkit() {
  for (Form* form : forms_) form->setObserver(nullptr);
}

void HeadlessToolkit::realize(Form& form) {
  forms_.push_back(&form);
  form.setObserver(this);
  for (auto& timer : form.timers()) timerChanged(*timer);
}

void HeadlessToolkit::showMain(Form& form) {
  mainForm_ = &form;
  form.shown();
}

void HeadlessToolkit::showModal(Form& form) {
  form.shown();
  modalHistory_.push_back(form.name());
  if (quitRequested_) {
    form.close();
    return;
  }
  auto it = std::find_if(answers_.begin(), answers_.end(),
                         [&](const PendingAnswer& a) { return a.formName == form.name(); });
  if (it == answers_.end()) {
    throw UnansweredModal("form " + form.name() + " was shown modally with no answer queued");
  }
  ModalAnswer answer = std::move(it->answer);
  answers_.erase(it);
  openModals_.push_back(&form);
  answer(form);
  std::erase(openModals_, &form);
  if (form.visible()) {
    throw UnansweredModal("the answer queued for form " + form.name() + " left it open");
  }
}

void HeadlessToolkit::run() {
  while (!quitRequested_) {
    pumpPosted();
    if (quitRequested_) break;
    Timer* timer = nextDueTimer(std::numeric_limits<long long>::max());
    if (!timer) break;
    advance(static_cast<int>(schedules_[timer].dueAt - now_));
  }
}

void HeadlessToolkit::requestQuit() {
  if (quitRequested_) return;
  quitRequested_ = true;
  // Open modal forms close as cancelled, innermost first.
  auto open = openModals_;
  for (auto it = open.rbegin(); it != open.rend(); ++it) (*it)->close();
}

void HeadlessToolkit::post(std::function<void()> work) {
  {
    std::lock_guard lock(mutex_);
    posted_.push_back(std::move(work));
  }
  postedCv_.notify_all();
}

std::string HeadlessToolkit::pickFolder(const std::string& title) {
  if (folderAnswers_.empty()) {
    throw UnansweredModal("folder picker \"" + title + "\" opened with no answer queued");
  }
  std::string answer = std::move(folderAnswers_.front());
  folderAnswers_.pop_front();
  return answer;
}

std::shared_ptr<ConsoleWindow> HeadlessToolkit::openConsole(const std::string& title) {
  {
    std::lock_guard lock(mutex_);
    consoleTitles_.push_back(title);
  }
  std::lock_guard lock(consoleOutput_->mutex);
  consoleOutput_->lines[title];
  return std::make_shared<Console>(consoleOutput_, title);
}

void HeadlessToolkit::answerModal(std::string formName, ModalAnswer answer) {
  answers_.push_back({std::move(formName), std::move(answer)});
}

void HeadlessToolkit::clickOnModal(std::string formName, std::string controlName) {
  answerModal(std::move(formName),
              [controlName](Form& form) { form.find(controlName).userClick(); });
}

Timer* HeadlessToolkit::nextDueTimer(long long limit) {
  Timer* next = nullptr;
  for (auto& [timer, schedule] : schedules_) {
    if (!timer->enabled() || schedule.dueAt > limit) continue;
    if (!next || schedule.dueAt < schedules_[next].dueAt) next = timer;
  }
  return next;
}

void HeadlessToolkit::advance(int ms) {
  const long long target = now_ + ms;
  while (Timer* timer = nextDueTimer(target)) {
    Schedule& schedule = schedules_[timer];
    now_ = schedule.dueAt;
    schedule.dueAt = now_ + std::max(timer->interval(), 1);
    timer->fire();
  }
  now_ = target;
}

size_t HeadlessToolkit::pumpPosted() {
  size_t ran = 0;
  for (;;) {
    std::function<void()> work;
    {
      std::lock_guard lock(mutex_);
      if (posted_.empty()) return ran;
      work = std::move(posted_.front());
      posted_.pop_front();
    }
    work();
    ++ran;
  }
}

bool HeadlessToolkit::waitForPosted(std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  return postedCv_.wait_for(lock, limit, [this] { return !posted_.empty(); });
}

std::string HeadlessToolkit::consoleText(const std::string& title) const {
  std::lock_guard lock(consoleOutput_->mutex);
  auto it = consoleOutput_->lines.find(title);
  return it == consoleOutput_->lines.end() ? std::string() : it->second.text();
}

void HeadlessToolkit::propertyChanged(Control& control, Property property) {
  if (&control == mainForm_ && property == Property::Visible && !control.visible()) {
    requestQuit();
  }
}

void HeadlessToolkit::formDestroyed(Form& form) {
  std::erase(forms_, &form);
  std::erase(openModals_, &form);
  std::erase_if(schedules_, [&](const auto& entry) { return &entry.first->form() == &form; });
  if (mainForm_ == &form) mainForm_ = nullptr;
}

void HeadlessToolkit::timerChanged(Timer& timer) {
  schedules_[&timer].dueAt = now_ + std::max(timer.interval(), 1);
}

}  // namespace qu
