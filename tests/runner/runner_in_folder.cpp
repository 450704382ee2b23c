// The runner as shipped, run for a test's program folder: "runner_in_folder <program path> <lock
// folder> <runner arguments...>". It takes <program path> for its own file, so its program
// folder is that file's folder unless --folder says otherwise, and keeps its lock in <lock
// folder> rather than in the user's own place.

#include "platform/process_environment.h"
#include "platform/utf8_path.h"
#include "runner/quintaris_updater_run.h"
#include "support/program_folder_system.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments = qu::programArguments(argc, argv);
  constexpr std::size_t kOwn = 3;
  if (arguments.size() < kOwn) return 2;
  qu::testing::ProgramFolderSystem system(arguments[1], qu::pathFromUtf8(arguments[2]));
  std::vector<std::string> runner{arguments[1]};
  runner.insert(runner.end(), arguments.begin() + kOwn, arguments.end());
  return qu::QuintarisUpdaterRun(system, runner);
}
