#pragma once

// The window's side of a run: its worker and the Stop button go through the run's RunTicket.

namespace qu {

class TFMain;

// For FormClose: ends a running utility at once, without waiting.
void terminateRun(TFMain& window);
// For the window's destructor: ends a running utility and waits until the run's worker no
// longer touches the window.
void awaitRunEnd(TFMain& window);

}  // namespace qu
