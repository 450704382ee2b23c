#pragma once

#include "platform/system.h"
#include "platform/toolkit.h"

namespace qu {

// The program: creates the main window, runs the loop until a quit, gives the exit code. A
// second instance shows nothing and ends at once.
int QuintarisUpdater(Toolkit& toolkit, System& system);

}  // namespace qu
