#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

namespace qu {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;
constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;
constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

std::error_code lastError() {
  return {errno, std::generic_category()};
}
std::error_code errorOf(std::errc code) {
  return std::make_error_code(code);
}

// The file a chain of symbolic links ends at; replacing it there keeps every link working.
std::error_code followLinks(fs::path& target) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0)
      return errno == ENOENT ? std::error_code{} : lastError();
    if (!S_ISLNK(info.st_mode)) return {};
    std::error_code error;
    fs::path next = fs::read_symlink(target, error);
    if (error) return error;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return errorOf(std::errc::too_many_symbolic_link_levels);
}

// The existing file's status, nothing when there is none, or the reason to refuse it: a
// read-only file is refused even where the process could write it anyway (as root).
std::error_code inspectTarget(const fs::path& target, std::optional<struct stat>& existing) {
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) return errno == ENOENT ? std::error_code{} : lastError();
  if (!S_ISREG(info.st_mode)) return errorOf(std::errc::not_supported);
  if ((info.st_mode & kAnyWrite) == 0) return errorOf(std::errc::permission_denied);
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return lastError();
  existing = info;
  return {};
}

std::error_code writeAll(int fd, std::string_view content) {
  while (!content.empty()) {
    ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return lastError();
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

// Owner and group as they were where allowed. A user who may not give the file away keeps at
// least its group when it is one of theirs; failing that too the file stays theirs, as a new
// file would be.
void keepOwner(int fd, const struct stat& existing) {
  if (::fchown(fd, existing.st_uid, existing.st_gid) == 0) return;
  static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), existing.st_gid) == 0);
}

std::error_code fillTemporary(int fd, std::string_view content,
                              const std::optional<struct stat>& existing, FileReplace how) {
  if (auto error = writeAll(fd, content)) return error;
  bool keep = existing && how == FileReplace::KeepAttributes;
  if (keep) keepOwner(fd, *existing);
  // After the owner change, which may clear set-id bits.
  mode_t mode = keep ? existing->st_mode & 07777 : kOwnerOnly;
  if (::fchmod(fd, mode) != 0) return lastError();
  if (::fsync(fd) != 0) return lastError();
  return {};
}

// The rename is only durable once the folder's entry is on disk too; a folder that cannot be
// synced is no reason to report the write as failed.
void syncFolder(const fs::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

fs::path folderOf(const fs::path& file) {
  fs::path folder = file.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

// A hidden name beside the file for mkostemp to complete, NUL-terminated.
std::vector<char> temporaryPattern(const fs::path& folder, const fs::path& target) {
  std::string hidden(".");
  hidden.append(target.filename().string()).append(".XXXXXX");
  std::string pattern = (folder / hidden).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  return name;
}

}  // namespace

std::error_code replaceFile(const fs::path& path, std::string_view content, FileReplace how) {
  fs::path target = path;
  if (auto error = followLinks(target)) return error;
  std::optional<struct stat> existing;
  if (auto error = inspectTarget(target, existing)) return error;

  fs::path folder = folderOf(target);
  std::vector<char> name = temporaryPattern(folder, target);
  int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return lastError();

  std::error_code error = fillTemporary(fd, content, existing, how);
  if (::close(fd) != 0 && !error) error = lastError();
  if (!error && ::rename(name.data(), target.c_str()) != 0) error = lastError();
  if (error) {
    ::unlink(name.data());
    return error;
  }
  syncFolder(folder);
  return {};
}

}  // namespace qu
