#include "scenario/main_window_fixture.h"

#include "platform/version_stamp.h"

// The test binary stands in for the program file in every program folder.
QU_STAMP_FILE_VERSION(QU_FILE_VERSION);

namespace qu::testing {

void MainWindowTest::withDefaultSettings() {
  folder.installDefaultSettings();
}

TFMain& MainWindowTest::open() {
  window = std::make_unique<TFMain>(toolkit, system);
  if (!toolkit.quitRequested()) toolkit.showMain(*window);
  return *window;
}

}  // namespace qu::testing
