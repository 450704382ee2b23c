#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

#include "app/main_window.h"
#include "app/update_run.h"
#include "run/program_folder.h"
#include "run/run_ticket.h"
#include "run/updater_arguments.h"

namespace qu {
namespace {

// The utility's output, shown as it arrives in a console that opens only once the utility has
// started, so a utility that cannot start leaves no empty console beside the error. What it
// writes before the console is open waits here. The sink owns this, so output that comes after
// the window has gone still has somewhere to go.
class DeferredConsole {
 public:
  void write(std::string_view piece) {
    const std::lock_guard lock(mutex_);
    if (console_) {
      console_->write(piece);
    } else {
      early_.append(piece);
    }
  }
  void open(std::shared_ptr<ConsoleWindow> console) {
    const std::lock_guard lock(mutex_);
    console_ = std::move(console);
    if (!early_.empty()) console_->write(early_);
    early_.clear();
  }

 private:
  std::mutex mutex_;
  std::shared_ptr<ConsoleWindow> console_;
  std::string early_;
};

OutputSink consoleOutput(std::shared_ptr<DeferredConsole> console) {
  return [console = std::move(console)](std::string_view piece) {
    if (!piece.empty()) console->write(piece);
  };
}

}  // namespace

void terminateRun(TFMain& window) {
  if (window.currentRun_) window.currentRun_->terminate();
}

void awaitRunEnd(TFMain& window) {
  terminateRun(window);
  if (window.currentRun_) window.currentRun_->awaitWorker();
}

void TFMain::Btn_StartClick() {
  // Reached from the keyboard during a run: the worker carries out the end of it.
  if (Running) {
    terminateRun(*this);
    return;
  }
  if (system_.IsProcessRunning(std::string(kUpdaterFileName))) return;
  if (Msg().visible()) Msg().close();
  ShowConsole = ChBox_RptDisplay.checked() ? 1 : 0;
  ReportArg = reportArgument(ChBox_RptFile.checked(), ChBox_RptAppend.checked());
  ST_RetCode.sendToBack();
  ProgressBar1.setMarquee(true, 60);
  ProgressBar1.setVisible(true);
  BtnStartCap();
  RadioBtnsClick();

  auto ticket = std::make_shared<RunTicket>();
  currentRun_ = ticket;
  try {
    std::thread([this, ticket] { runWorker(ticket); }).detach();
  } catch (const std::system_error& failure) {
    ticket->setLaunchError(std::string("Unable to start the update: ") + failure.what());
    ticket->workerDone();
    endOfRun(*ticket);
  }
}

// The worker reads the window only under RunLock, and hands the end of the run over before
// letting go of it: a window that waits for the current worker (awaitRunEnd) is then never
// touched after it has gone, not even by an earlier worker still finishing.
void TFMain::runWorker(std::shared_ptr<RunTicket> ticket) {
  struct Done {
    RunTicket& ticket;
    ~Done() { ticket.workerDone(); }
  } done{*ticket};
  const std::lock_guard runLock(runLock_);
  try {
    const std::string program = AppDir + std::string(kUpdaterFileName);
    ProcessLaunch launch{program, updaterArguments(TraceArg, DumpArg, ReportArg), AppDir, {}};
    std::function<void()> started;
    if (ShowConsole == 1) {
      auto console = std::make_shared<DeferredConsole>();
      launch.output = consoleOutput(console);
      started = [this, console, program] { console->open(toolkit_.openConsole(program)); };
    }
    ExecAndWait(*ticket, system_, std::move(launch), started);
  } catch (const std::exception& failure) {
    ticket->setLaunchError(std::string("Unable to start the update: ") + failure.what());
  }
  toolkit_.post([ticket, alive = std::weak_ptr<TFMain*>(alive_)] {
    const auto window = alive.lock();
    if (window && *window) (*window)->endOfRun(*ticket);
  });
}

void TFMain::endOfRun(const RunTicket& ticket) {
  // A later run owns the window now.
  if (&ticket != currentRun_.get()) return;
  const std::string failure = ticket.launchError();
  // Nothing ran, so the run log keeps what it had: no canceled record.
  if (!failure.empty()) Running = false;
  Btn_StopClick();
  if (!failure.empty()) showError(failure);
}

void TFMain::Btn_StopClick() {
  if (currentRun_) currentRun_->terminate();
  ProgressBar1.setVisible(false);
  IupdRead();
  ST_RetCode.bringToFront();
  Running = false;
  Apply();
  BtnStartCap();
}

}  // namespace qu
