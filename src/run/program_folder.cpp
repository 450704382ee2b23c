#include "run/program_folder.h"

#include "platform/utf8_path.h"

namespace qu {

std::string programFolderOf(const std::string& programPath) {
  return utf8FromPath(pathFromUtf8(programPath).parent_path() / "");
}

}  // namespace qu
