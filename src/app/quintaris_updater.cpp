#include "app/quintaris_updater.h"

#include "app/main_window.h"

namespace qu {

int QuintarisUpdater(Toolkit& toolkit, System& system) {
  TFMain FMain(toolkit, system);
  if (!toolkit.quitRequested()) toolkit.showMain(FMain);
  toolkit.run();
  return 0;
}

}  // namespace qu
