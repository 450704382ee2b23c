#pragma once

// Whole-file replacement for files that other programs read while we write them.

#include <filesystem>
#include <string_view>
#include <system_error>

namespace qu {

enum class FileReplace {
  // The file keeps its permissions and, where the system allows, its owner and group.
  KeepAttributes,
  // The file is written as a new one of ours, readable and writable by its owner only.
  OwnerOnly,
};

// Writes `content` to `path` through a temporary file in the same folder that is flushed to disk
// and renamed over the old file, so a reader sees the old or the new file whole and a failure
// leaves the old file as it was. A symbolic link is followed and the file it names is replaced
// beside itself. A file that did not exist is created readable and writable by its owner only.
// Refused, with nothing changed: a read-only file (no write permission for anyone, or none for
// this process), something that is not a regular file, a folder that cannot take the
// temporary file. Returns the reason on failure.
std::error_code replaceFile(const std::filesystem::path& path, std::string_view content,
                            FileReplace how = FileReplace::KeepAttributes);

}  // namespace qu
