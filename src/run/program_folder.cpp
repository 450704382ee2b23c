#include "run/program_folder.h"

#include "platform/utf8_path.h"

namespace qu {

std::string fileIn(const std::string& appDir, std::string_view name) {
  std::string path = appDir;
  path += name;
  return path;
}

std::string programFolderOf(const std::string& programPath) {
  return utf8FromPath(pathFromUtf8(programPath).parent_path() / "");
}

}  // namespace qu
