// Stand-in for the external download utility, installed as Updater.exe in a program folder. It
// takes the utility's command line, reads ss_storage.ini from its own folder, "downloads" the
// selected components from a local source folder, and leaves the run log, so the front end can
// be run, shown and tested without the real utility. README.md beside this file describes it.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "command_line.h"
#include "journal.h"
#include "knobs.h"
#include "outputs.h"
#include "platform/process_environment.h"
#include "platform/utf8_path.h"
#include "platform/version_stamp.h"
#include "return_codes.h"
#include "sim_settings.h"
#include "update.h"

QU_STAMP_FILE_VERSION(QU_FILE_VERSION);

namespace {

namespace fs = std::filesystem;
using namespace qu::sim;

// Where the settings and the run log live, whatever the current folder is.
fs::path ownFolder(const std::string& argv0) {
  const std::string self = qu::runningExecutablePath();
  std::error_code error;
  return (self.empty() ? fs::absolute(qu::pathFromUtf8(argv0), error) : qu::pathFromUtf8(self))
      .parent_path();
}

Outcome simulatedFailure(int code) {
  return {code, "Failure asked for by the environment", "Simulated failure"};
}

[[noreturn]] void crash(const CommandLine& line, Journal& journal) {
  journal.say("Simulated crash");
  if (!line.dumpsDisabled) writeCrashDump();
  std::abort();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> argvText = qu::programArguments(argc, argv);
  const Knobs knobs = readKnobs();
  if (!knobs.argvFile.empty()) recordArguments(knobs.argvFile, argvText);

  const CommandLine line = parseCommandLine({argvText.begin() + 1, argvText.end()});
  Journal journal(line.traceFile);
  journal.say(std::string("Updater stand-in ") + QU_FILE_VERSION);
  for (const std::string& argument : line.unknown) journal.say("Ignored argument: " + argument);
  journal.detail(line.dumpsDisabled ? "Crash dumps: off" : "Crash dumps: on");
  if (knobs.crash) crash(line, journal);

  const fs::path folder = ownFolder(argvText.front());
  const SimSettings settings = readSimSettings(folder / "ss_storage.ini");
  const Outcome outcome = knobs.failCode ? simulatedFailure(*knobs.failCode)
                                         : runUpdate(settings, folder, knobs, journal);
  journal.say(outcome.detail);
  if (!line.reportFile.empty()) {
    writeReport(line.reportFile, line.appendReport,
                qu::utf8FromPath(resolveSource(settings.source, folder, knobs)), settings, outcome);
  }
  if (!writeRunLog(folder / kRunLogName, outcome)) {
    journal.say("Cannot write the run log in " + qu::utf8FromPath(folder));
    return static_cast<int>(ReturnCode::WriteError);
  }
  journal.say("Return code " + std::to_string(outcome.code) + ": " + outcome.message);
  return outcome.code;
}
