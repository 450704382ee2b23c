#pragma once

// One update run of the stand-in, from its settings to the delivered files.

#include <filesystem>
#include <string>

#include "journal.h"
#include "knobs.h"
#include "sim_settings.h"

namespace qu::sim {

struct Outcome {
  int code = 0;
  std::string detail;   // the run log's middle line
  std::string message;  // the run log's last line
};

// "$QL" is the sample source beside the program (or the QU_SIM_QL_SOURCE folder); any other
// value is a folder, a relative one taken from the current folder.
std::filesystem::path resolveSource(const std::string& source,
                                    const std::filesystem::path& ownFolder, const Knobs& knobs);

// Hangs before delivering anything when the knob asks for it.
Outcome runUpdate(const SimSettings& settings, const std::filesystem::path& ownFolder,
                  const Knobs& knobs, Journal& journal);

}  // namespace qu::sim
