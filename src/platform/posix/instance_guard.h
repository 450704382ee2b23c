#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/system.h"

namespace qu {

// Named guards shared by one user's processes: an exclusive flock on a lock file in a private
// folder of the user's, which the kernel drops however the holder ends. The descriptors are
// close-on-exec, so a child started by the holder does not keep a guard alive after it.
class InstanceGuards {
 public:
  // `folder` empty: the user's state folder (userStateFolder). Tests give a folder of their own.
  explicit InstanceGuards(std::filesystem::path folder = {});
  InstanceGuards(const InstanceGuards&) = delete;
  InstanceGuards& operator=(const InstanceGuards&) = delete;
  ~InstanceGuards();

  // The folder is created when missing and checked at every call; only a lock that another
  // process holds counts as "another instance", anything else that fails is a failure.
  InstanceClaim acquire(const std::string& name);

 private:
  InstanceClaim acquireIn(const std::filesystem::path& folder, const std::string& name);

  std::filesystem::path folder_;
  std::vector<int> held_;
};

}  // namespace qu
