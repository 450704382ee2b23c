#include "platform/posix/private_folder.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/posix/error_text.h"

namespace qu {
namespace {

constexpr const char* kStateFolder = ".local/state/quintaris-updater";

// As "mkdir -p -m 700": parts that exist are left as they are, whatever they are.
std::string createMissing(const std::filesystem::path& folder) {
  std::filesystem::path part;
  for (const auto& piece : folder) {
    part /= piece;
    if (mkdir(part.c_str(), 0700) == 0 || errno == EEXIST) continue;
    const std::string reason = errorText(errno);
    return part == folder ? reason : "unable to create " + part.string() + ": " + reason;
  }
  return "";
}

std::string octal(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
  return text;
}

}  // namespace

FolderLookup userStateFolder() {
  const uid_t user = geteuid();
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  int error;
  while ((error = getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found)) == ERANGE) {
    buffer.resize(buffer.size() * 2);
  }
  if (error != 0 || !found || !found->pw_dir || found->pw_dir[0] != '/') {
    return {{}, "user id " + std::to_string(user) + " has no home folder in the password database"};
  }
  return {std::filesystem::path(found->pw_dir) / kStateFolder, ""};
}

std::string openFailure(const std::filesystem::path& path, int error) {
  struct stat info {};
  if ((error == ELOOP || error == ENOTDIR) && lstat(path.c_str(), &info) == 0 &&
      S_ISLNK(info.st_mode)) {
    return "it is a symbolic link";
  }
  return error == ENOTDIR ? "it is not a folder" : errorText(error);
}

PrivateFolder::PrivateFolder(const std::filesystem::path& path) {
  failure_ = createMissing(path);
  if (!failure_.empty()) return;
  descriptor_ = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  failure_ = descriptor_ < 0 ? openFailure(path, errno) : check();
  if (!failure_.empty() && descriptor_ >= 0) {
    close(descriptor_);
    descriptor_ = -1;
  }
}

PrivateFolder::~PrivateFolder() {
  if (descriptor_ >= 0) close(descriptor_);
}

// On the open folder itself, so a swap after the checks changes nothing.
std::string PrivateFolder::check() {
  struct stat info {};
  if (fstat(descriptor_, &info) != 0) return errorText(errno);
  if (info.st_uid != geteuid()) {
    return "it belongs to another user (user id " + std::to_string(info.st_uid) + ")";
  }
  if ((info.st_mode & 077) != 0) {
    return "other users can reach it (mode " + octal(info.st_mode) + "; it must be 0700)";
  }
  return "";
}

}  // namespace qu
