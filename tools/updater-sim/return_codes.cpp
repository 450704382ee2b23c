#include "return_codes.h"

namespace qu::sim {

std::string returnMessage(ReturnCode code) {
  switch (code) {
    case ReturnCode::Success:
      return "Updates downloaded successfully";
    case ReturnCode::SourceMissing:
      return "The update source was not found";
    case ReturnCode::NothingSelected:
      return "No components are selected for download";
    case ReturnCode::WriteError:
      return "Cannot write to the updates folder";
  }
  return "Unknown return code";
}

}  // namespace qu::sim
