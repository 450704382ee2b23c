#include "runner/unattended_run.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <stdexcept>

#include "platform/standard_streams.h"
#include "platform/stop_requests.h"
#include "run/program_folder.h"
#include "run/run_log.h"
#include "run/run_ticket.h"
#include "run/stored_run_options.h"
#include "runner/exit_codes.h"
#include "runner/output_relay.h"
#include "runner/runner_result.h"

namespace qu {
namespace {

// How long output may still come once the utility has ended, from a program it left running.
constexpr std::chrono::seconds kOutputGrace{2};

// Empty when the run may start; else the exit code, the reason already printed.
std::optional<int> refusal(System& system, const std::string& appDir) {
  const std::string settings = fileIn(appDir, kSettingsFileName);
  if (!system.fileExists(settings)) {
    return refuse(kExitNoInput, "No settings file " + settings +
                                    ": choose the products in QuintarisUpdater and Apply first");
  }
  const std::string updater = fileIn(appDir, kUpdaterFileName);
  if (system.FileVersionText(updater).empty()) {
    return refuse(kExitUnavailable, system.fileExists(updater)
                                        ? updater + " has no version: it is not the utility"
                                        : "No utility " + updater);
  }
  const InstanceClaim claim = system.acquireInstance(kRunnerLockName);
  if (claim.outcome == InstanceClaim::Outcome::Failed) {
    return refuse(kExitUnavailable, claim.error);
  }
  if (claim.outcome == InstanceClaim::Outcome::HeldByAnother) {
    return refuse(kExitTemporary, "Another quintaris-updater-run of this user is running");
  }
  if (system.IsProcessRunning(std::string(kUpdaterFileName))) {
    return refuse(kExitTemporary, "Updater.exe is running already; nothing was started");
  }
  return std::nullopt;
}

}  // namespace

int runUnattended(System& system, const std::string& appDir) {
  if (const std::optional<int> refused = refusal(system, appDir)) return *refused;
  const StoredRunOptions stored = readStoredRunOptions(settingsFileIn(appDir));
  const ResultLanguage language = folderLanguage(appDir, stored);
  const std::string log = fileIn(appDir, kRunLogFileName);
  const RunLogStamp before = runLogStamp(system, log);

  RunTicket ticket;
  std::atomic<bool> stopRequested = false;
  const OutputRelay relay;
  const StopRequests stops([&] {
    stopRequested = true;
    ticket.terminate();
  });
  const bool ran = ExecAndWait(
      ticket, system,
      {fileIn(appDir, kUpdaterFileName), storedRunArguments(stored), appDir, relay.sink(), true});
  // Nothing ran, so the run log keeps what it had: no canceled record.
  if (const std::string failure = ticket.launchError(); !failure.empty()) {
    return refuse(kExitUnavailable, failure);
  }
  if (ran) relay.awaitEnd(kOutputGrace);
  if (relay.lineOpen()) writeBytes(StandardStream::Output, "\n");
  try {
    const std::optional<RunLogEntry> entry =
        printResultLine(system, {log, runLogStamp(system, log), before, true}, language);
    if (!entry) return refuse(kExitProtocol, "No run log " + log + " after the run");
    return stopRequested ? kExitStopped : exitCodeOfRunLog(entry->code);
  } catch (const std::runtime_error& failure) {
    return refuse(kExitIoError, failure.what());
  }
}

int printRunStatus(System& system, const std::string& appDir) {
  const ResultLanguage language =
      folderLanguage(appDir, readStoredRunOptions(settingsFileIn(appDir)));
  const std::string log = fileIn(appDir, kRunLogFileName);
  const RunLogStamp now = runLogStamp(system, log);
  try {
    const std::optional<RunLogEntry> entry =
        printResultLine(system, {log, now, now, false}, language);
    if (!entry) return refuse(kExitNoInput, "No run log " + log + ": nothing has run yet");
    return exitCodeOfRunLog(entry->code);
  } catch (const std::runtime_error& failure) {
    return refuse(kExitIoError, failure.what());
  }
}

}  // namespace qu
