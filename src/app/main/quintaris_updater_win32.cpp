// Program entry on Windows: the Win32 toolkit and services under the portable program. Built
// with -municode for the GUI subsystem, so the command line (which the program ignores) and
// everything else stay wide; the version and the manifest are resources of the executable.

#include "app/quintaris_updater.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_toolkit.h"

int wmain() {
  qu::Win32Toolkit toolkit;
  qu::Win32System system;
  return qu::QuintarisUpdater(toolkit, system);
}
