#include "scenario/run_scenario.h"

#include <fstream>
#include <thread>

#include "platform/process_environment.h"
#include "platform/utf8_path.h"
#include "support/native_system.h"

namespace qu::testing {

namespace fs = std::filesystem;

ScopedVariable::ScopedVariable(std::string name, const std::string& value)
    : name_(std::move(name)) {
  setEnvironmentVariable(name_, value);
}

ScopedVariable::~ScopedVariable() {
  setEnvironmentVariable(name_, "");
}

bool eventually(const std::function<bool()>& condition) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

bool processRunsFrom(const fs::path& path) {
#ifdef _WIN32
  // The process list has names only; the tests that start the utility take turns.
  return NativeSystem().IsProcessRunning(utf8FromPath(path.filename()));
#else
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/proc", error)) {
    std::error_code unreadable;
    if (fs::read_symlink(entry.path() / "exe", unreadable) == path) return true;
  }
  return false;
#endif
}

WaitingUtility::WaitingUtility(System& system, const fs::path& path) {
  fs::create_directories(path.parent_path());
  fs::copy_file(TemporaryProgramFolder::updaterStandIn(), path);
  const ScopedVariable hang("QU_SIM_HANG", "1");
  process_ = system.startProcess({utf8FromPath(path), {}, "", {}}).process;
}

WaitingUtility::~WaitingUtility() {
  if (!process_) return;
  process_->terminate();
  process_->wait();
}

void makeUnstartable(const fs::path& program) {
#ifdef _WIN32
  std::ofstream(program, std::ios::binary | std::ios::trunc) << "not a program";
#else
  fs::permissions(program, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::remove);
#endif
}

RunDriver::RunDriver(std::string_view folderName) : folder(folderName) {
  folder.installDefaultSettings();
  fs::create_directories(folder.file("sample-source/CORE"));
  folder.write("sample-source/CORE/core.dat", "sample\n");
}

RunDriver::~RunDriver() {
  window.reset();
}

TFMain& RunDriver::open() {
  window = std::make_unique<TFMain>(toolkit, system);
  toolkit.showMain(*window);
  toolkit.advance(1);
  return *window;
}

void RunDriver::tickAndApply() {
  if (!w().find<CheckBox>("ChBox_QAV_4").checked()) tick("ChBox_QAV_4");
  w().Btn_Apply.userClick();
}

void RunDriver::startWaitingRun() {
  const ScopedVariable wait("QU_SIM_HANG", "1");
  start();
  ASSERT_TRUE(eventually([this] { return utilityRuns(); })) << "the utility never started";
}

void RunDriver::finishRun() {
  ASSERT_TRUE(eventually([this] {
    toolkit.pumpPosted();
    return !w().Running;
  })) << "the run never ended";
}

void RunDriver::awaitHandOver() {
  ASSERT_TRUE(eventually([this] { return toolkit.waitForPosted(std::chrono::milliseconds(5)); }))
      << "the worker never handed over";
}

void RunDriver::acknowledgeMessage() {
  toolkit.answerModal("Msg", [this](Form&) {
    lastMessage = w().Msg().M_Msg.lines();
    w().Msg().Btn_OK.click();
  });
}

void RunDriver::writeOldRunLog(std::string_view content) {
  folder.write(kRunLogFileName, content);
  fs::last_write_time(folder.file(kRunLogFileName),
                      fs::file_time_type::clock::now() - std::chrono::hours(24));
}

}  // namespace qu::testing
