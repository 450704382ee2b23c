#include "platform/qt/qt_application.h"

namespace qu {
namespace {

char kProgramName[] = "QuintarisUpdater";

}  // namespace

QtApplication::QtApplication(int argc, char** argv)
    : argv_{argc > 0 && argv[0] ? argv[0] : kProgramName, nullptr},
      application_(argc_, argv_.data()) {
  QApplication::setApplicationName("Quintaris Updater");
}

}  // namespace qu
