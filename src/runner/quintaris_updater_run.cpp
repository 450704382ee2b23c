#include "runner/quintaris_updater_run.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "platform/standard_streams.h"
#include "platform/utf8_path.h"
#include "run/program_folder.h"
#include "runner/exit_codes.h"
#include "runner/runner_options.h"
#include "runner/runner_result.h"
#include "runner/unattended_run.h"

namespace qu {
namespace {

// Absolute, so that the utility's path does not depend on its working folder.
std::string programFolder(System& system, const std::string& given) {
  if (given.empty()) return programFolderOf(system.ownExecutablePath());
  std::error_code error;
  std::filesystem::path folder = std::filesystem::absolute(pathFromUtf8(given), error);
  if (error) folder = pathFromUtf8(given);
  return utf8FromPath(folder / "");
}

}  // namespace

int QuintarisUpdaterRun(System& system, const std::vector<std::string>& arguments) {
  try {
    const ParsedRunnerOptions parsed = parseRunnerOptions(
        arguments.empty() ? arguments : std::vector(arguments.begin() + 1, arguments.end()));
    if (!parsed.error.empty()) {
      refuse(kExitUsage, parsed.error);
      writeText(StandardStream::Error, "\n");
      writeText(StandardStream::Error, runnerUsage());
      return kExitUsage;
    }
    const RunnerOptions& options = parsed.options;
    if (options.mode == RunnerOptions::Mode::Help) {
      writeText(StandardStream::Output, runnerUsage());
      return 0;
    }
    const std::string appDir = programFolder(system, options.folder);
    return options.mode == RunnerOptions::Mode::Status ? printRunStatus(system, appDir)
                                                       : runUnattended(system, appDir);
  } catch (const std::exception& failure) {
    return refuse(kExitSoftware, failure.what());
  }
}

}  // namespace qu
