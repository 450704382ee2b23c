#pragma once

// Removes a test's temporary tree whatever its tests did to it: a folder or file left read-only
// (on Windows the read-only attribute) would otherwise stop the removal there.

#include <filesystem>
#include <system_error>

namespace qu::test {

inline void removeTree(const std::filesystem::path& root) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
  // Never the throwing increment: this runs in destructors.
  std::error_code walking;
  for (fs::recursive_directory_iterator entry(root, walking), end; !walking && entry != end;
       entry.increment(walking)) {
    fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(root, ignored);
}

}  // namespace qu::test
