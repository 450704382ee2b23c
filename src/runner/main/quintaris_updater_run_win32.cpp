// Entry of the unattended runner on Windows: a console program. Its arguments are read as UTF-16
// (programArguments), so folder names outside the ANSI code page reach it whole; the version and
// the manifest are resources of the executable.

#include "platform/process_environment.h"
#include "platform/win32/win32_system.h"
#include "runner/quintaris_updater_run.h"

int main(int argc, char** argv) {
  qu::Win32System system;
  return qu::QuintarisUpdaterRun(system, qu::programArguments(argc, argv));
}
