#pragma once

// A folder only its owner can reach, for what one user's processes share among themselves: the
// instance guard's lock now, other locks of the same user later.

#include <filesystem>
#include <string>

namespace qu {

struct FolderLookup {
  std::filesystem::path path;  // empty when there is none
  std::string failure;         // then why, for the user
};

// <home>/.local/state/quintaris-updater, with the home folder from the password database and
// never from the environment: a desktop session, cron and systemd all find the same folder, and
// other accounts cannot create it first.
FolderLookup userStateFolder();

// Why something could not be opened without following a link.
std::string openFailure(const std::filesystem::path& path, int error);

class PrivateFolder {
 public:
  // Creates the folder and its missing parents (mode 0700), then opens it without following a
  // link. It must be a folder of this process's user that no one else can reach.
  explicit PrivateFolder(const std::filesystem::path& path);
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;

  bool usable() const { return descriptor_ >= 0; }
  // Why it is not usable, for the user.
  const std::string& failure() const { return failure_; }
  // For the *at() calls, so the checked folder is the one used.
  int descriptor() const { return descriptor_; }

 private:
  std::string check();

  int descriptor_ = -1;
  std::string failure_;
};

}  // namespace qu
