#include "runner/runner_options.h"

#include <algorithm>

namespace qu {

ParsedRunnerOptions parseRunnerOptions(const std::vector<std::string>& arguments) {
  ParsedRunnerOptions parsed;
  RunnerOptions& options = parsed.options;
  if (std::find(arguments.begin(), arguments.end(), "--help") != arguments.end()) {
    options.mode = RunnerOptions::Mode::Help;
    return parsed;
  }
  bool folderGiven = false;
  for (auto it = arguments.begin(); it != arguments.end(); ++it) {
    if (*it == "--status") {
      options.mode = RunnerOptions::Mode::Status;
    } else if (*it == "--folder") {
      if (folderGiven) return {options, "--folder is given twice"};
      if (++it == arguments.end() || it->empty()) return {options, "--folder needs a folder"};
      options.folder = *it;
      folderGiven = true;
    } else {
      return {options, "unknown argument \"" + *it + "\""};
    }
  }
  return parsed;
}

std::string runnerUsage() {
  return R"(Usage: quintaris-updater-run [--folder DIR]
       quintaris-updater-run --status [--folder DIR]
       quintaris-updater-run --help

Runs Updater.exe once, with the products and options last applied in QuintarisUpdater, exactly
as the window's Start would, and ends with the return code the run leaves in the run log. It
never writes ss_storage.ini.

  --folder DIR  the program folder; without it, the folder of this program
  --status      print the result line of the last run and end with its return code;
                nothing is run and nothing is written
  --help        print this text

The utility's output is passed on to standard output as it comes, whether or not "Display on
screen" is ticked (that box chooses a window, and there is none here). The last line is the
result line as the window shows it, in the stored language. SIGTERM, SIGINT and SIGHUP (on
Windows Ctrl+C, Ctrl+Break and closing the console) stop the utility as Stop does; a run log it
did not rewrite then records "19 Process canceled by user". Each refusal is one line on standard
error, and nothing is written then.

Exit codes:
  0-255  the return code in the run log (19 also when stopped, whatever the log holds)
  64     bad arguments
  66     no ss_storage.ini in the program folder (--status: no run log)
  69     no Updater.exe, one without a version, one that cannot be started, or a lock of the
         runner's own that cannot be taken
  70     an unexpected failure of the runner
  74     the run log cannot be read, or the canceled record cannot be written
  75     Updater.exe is running already, or another quintaris-updater-run is
  76     no run log after the run, or its first line is not a number from 0 to 255
The codes of the runner itself can also be return codes of the utility.
)";
}

}  // namespace qu
