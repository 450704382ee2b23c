#include "support/program_folder_system.h"

#include <functional>

#include "platform/utf8_path.h"

namespace qu::testing {

ProgramFolderSystem::ProgramFolderSystem(const TemporaryProgramFolder& folder)
    : ProgramFolderSystem(folder.programPath(), folder.lockFolder()) {}

#ifdef _WIN32
ProgramFolderSystem::ProgramFolderSystem(std::string programPath,
                                         const std::filesystem::path& lockFolder)
    : programPath_(std::move(programPath)), lockFolder_(lockFolder) {}

// Named events are shared by the whole session: each lock folder's guards have names of their
// own, so only programs given the same folder contend.
InstanceClaim ProgramFolderSystem::acquireInstance(const std::string& name) {
  return real_.acquireInstance(name + "." +
                               std::to_string(std::hash<std::string>{}(utf8FromPath(lockFolder_))));
}
#else
// The lock files live in the test's own temporary folder.
ProgramFolderSystem::ProgramFolderSystem(std::string programPath,
                                         const std::filesystem::path& lockFolder)
    : programPath_(std::move(programPath)), lockFolder_(lockFolder), real_(lockFolder) {}

InstanceClaim ProgramFolderSystem::acquireInstance(const std::string& name) {
  return real_.acquireInstance(name);
}
#endif

}  // namespace qu::testing
