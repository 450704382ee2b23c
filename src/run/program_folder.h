#pragma once

// The files of the program folder that a run needs, found as AppDir followed by their names.

#include <string>
#include <string_view>

namespace qu {

inline constexpr std::string_view kUpdaterFileName = "Updater.exe";
inline constexpr std::string_view kSettingsFileName = "ss_storage.ini";

// AppDir followed directly by the file's name.
std::string fileIn(const std::string& appDir, std::string_view name);

// The folder of a program file with the platform's separator at its end: AppDir.
std::string programFolderOf(const std::string& programPath);

}  // namespace qu
