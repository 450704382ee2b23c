// Entry of the unattended runner on Linux.

#include "runner/quintaris_updater_run.h"
#include "platform/posix/posix_system.h"
#include "platform/process_environment.h"
#include "platform/version_stamp.h"

QU_STAMP_FILE_VERSION(QU_FILE_VERSION);

int main(int argc, char** argv) {
  qu::PosixSystem system;
  return qu::QuintarisUpdaterRun(system, qu::programArguments(argc, argv));
}
