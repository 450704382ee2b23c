// Program entry on Linux: the Qt toolkit and the Linux services under the portable program. The
// program reads no arguments, and Qt is given none of them.

#include "app/quintaris_updater.h"
#include "platform/posix/posix_system.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/version_stamp.h"

QU_STAMP_FILE_VERSION(QU_FILE_VERSION);

int main(int argc, char** argv) {
  qu::QtApplication application(argc, argv);
  qu::QtToolkit toolkit;
  qu::PosixSystem system;
  return qu::QuintarisUpdater(toolkit, system);
}
