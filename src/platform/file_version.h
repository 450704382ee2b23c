#pragma once

// The one version reader of every platform: the FileVersion string of a PE file's version
// resource, or the version text stamped into a native ELF program. Files are untrusted input:
// truncated or hostile ones give "" and never a crash, a hang or an unbounded allocation.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace qu {

// "" for anything that is neither a PE file with a FileVersion nor an ELF file with a stamp.
std::string fileVersionOfBytes(std::span<const std::uint8_t> bytes);
// Reads only the structures it walks, so the cost does not grow with the file's size. A missing
// path, a folder or an empty path gives "".
std::string fileVersionOfFile(const std::filesystem::path& path);

}  // namespace qu
