#include "platform/posix/instance_guard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/posix/error_text.h"
#include "platform/posix/private_folder.h"

namespace qu {
namespace {

using Outcome = InstanceClaim::Outcome;

InstanceClaim failed(const std::string& what, const std::string& reason) {
  return {Outcome::Failed, "Unable to lock " + what + ": " + reason};
}

// The guard's name, kept inside the folder.
std::string lockFileName(const std::string& name) {
  std::string safe = name;
  std::replace(safe.begin(), safe.end(), '/', '_');
  return safe + ".lock";
}

int lockExclusively(int fd) {
  int result;
  do {
    result = flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  return result == 0 ? 0 : errno;
}

}  // namespace

InstanceGuards::InstanceGuards(std::filesystem::path folder) : folder_(std::move(folder)) {}

InstanceGuards::~InstanceGuards() {
  for (const int fd : held_) close(fd);
}

InstanceClaim InstanceGuards::acquire(const std::string& name) {
  if (!folder_.empty()) return acquireIn(folder_, name);
  const FolderLookup state = userStateFolder();
  if (state.path.empty()) return failed(name, state.failure);
  return acquireIn(state.path, name);
}

InstanceClaim InstanceGuards::acquireIn(const std::filesystem::path& folder,
                                        const std::string& name) {
  const PrivateFolder place(folder);
  if (!place.usable()) return failed(folder.string(), place.failure());
  const std::string fileName = lockFileName(name);
  const std::filesystem::path path = folder / fileName;
  // Never through a link, and never waiting on something that is not a plain file.
  const int fd = openat(place.descriptor(), fileName.c_str(),
                        O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) return failed(path.string(), openFailure(path, errno));
  struct stat info {};
  std::string failure;
  if (fstat(fd, &info) != 0) {
    failure = errorText(errno);
  } else if (!S_ISREG(info.st_mode)) {
    failure = "it is not a plain file";
  } else if (const int error = lockExclusively(fd); error == EWOULDBLOCK) {
    close(fd);
    return {Outcome::HeldByAnother, ""};
  } else if (error != 0) {
    failure = errorText(error);
  }
  if (!failure.empty()) {
    close(fd);
    return failed(path.string(), failure);
  }
  held_.push_back(fd);
  return {Outcome::Acquired, ""};
}

}  // namespace qu
