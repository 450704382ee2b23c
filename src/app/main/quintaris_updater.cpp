// Program entry on Linux: the Qt toolkit and the Linux services under the portable program.

#include <QApplication>

#include "app/quintaris_updater.h"
#include "platform/posix/posix_system.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/version_stamp.h"

QU_STAMP_FILE_VERSION(QU_FILE_VERSION);

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quintaris Updater");
  qu::QtToolkit toolkit;
  qu::PosixSystem system;
  return qu::QuintarisUpdater(toolkit, system);
}
