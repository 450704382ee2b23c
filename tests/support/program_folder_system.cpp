#include "support/program_folder_system.h"

#include <functional>

namespace qu::testing {

#ifdef _WIN32
ProgramFolderSystem::ProgramFolderSystem(const TemporaryProgramFolder& folder) : folder_(folder) {}

// Named events are shared by the whole session: each program folder's guard has a name of its
// own, so only programs started on the same folder contend.
InstanceClaim ProgramFolderSystem::acquireInstance(const std::string& name) {
  return real_.acquireInstance(name + "." +
                               std::to_string(std::hash<std::string>{}(folder_.appDir())));
}
#else
// The lock file lives in the test's own temporary folder.
ProgramFolderSystem::ProgramFolderSystem(const TemporaryProgramFolder& folder)
    : folder_(folder), real_(folder.lockFolder()) {}

InstanceClaim ProgramFolderSystem::acquireInstance(const std::string& name) {
  return real_.acquireInstance(name);
}
#endif

}  // namespace qu::testing
