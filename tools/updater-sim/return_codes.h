#pragma once

// The stand-in's return codes: its exit code, and the first line of the run log it leaves.

#include <string>

namespace qu::sim {

enum class ReturnCode {
  Success = 0,
  SourceMissing = 1,
  NothingSelected = 2,
  WriteError = 3,
};

// The last line of the run log; the delivered language file translates these as RC0 to RC3.
std::string returnMessage(ReturnCode code);

}  // namespace qu::sim
