#include "platform/posix/instance_guard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace qu {
namespace {

std::filesystem::path defaultFolder() {
  std::error_code error;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
    const std::filesystem::path folder(runtime);
    if (folder.is_absolute() && std::filesystem::is_directory(folder, error)) return folder;
  }
  auto temp = std::filesystem::temp_directory_path(error);
  return error ? std::filesystem::path("/tmp") : temp;
}

}  // namespace

InstanceGuards::InstanceGuards(std::filesystem::path folder)
    : folder_(folder.empty() ? defaultFolder() : std::move(folder)) {}

InstanceGuards::~InstanceGuards() {
  for (const int fd : held_) close(fd);
}

std::filesystem::path InstanceGuards::lockFile(const std::string& name) const {
  std::string safe = name;
  std::replace(safe.begin(), safe.end(), '/', '_');
  return folder_ / (safe + "." + std::to_string(getuid()) + ".lock");
}

bool InstanceGuards::acquire(const std::string& name) {
  // Never through a link: someone else could aim it at a file of ours.
  const int fd = open(lockFile(name).c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  int result;
  do {
    result = flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    close(fd);
    return false;
  }
  held_.push_back(fd);
  return true;
}

}  // namespace qu
