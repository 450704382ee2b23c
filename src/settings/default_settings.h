#pragma once

#include <filesystem>

namespace qu {

struct WindowOptions;

// Creates the settings file at `file` anew, empty and readable by its owner only (replacing
// any file of that name unless it is read-only), then writes the utility's default keys one by
// one in their fixed order and the section GUI from `gui` through `settings`.
// Throws IniWriteError when a write is refused; what was written before stays.
void WriteDefaultSettings(const std::filesystem::path& file, const WindowOptions& gui);

}  // namespace qu
