#include "support/program_folder_system.h"

#include <functional>

namespace qu::testing {

ProgramFolderSystem::ProgramFolderSystem(const TemporaryProgramFolder& folder) : folder_(folder) {}

// Tests run side by side; each program folder gets a guard of its own name, so only programs
// started on the same folder contend.
bool ProgramFolderSystem::acquireInstance(const std::string& name) {
  return real_.acquireInstance(name + "." +
                               std::to_string(std::hash<std::string>{}(folder_.appDir())));
}

}  // namespace qu::testing
