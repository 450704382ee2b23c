#pragma once

// What the run and --status share: refusing with one line, the stored language, and the result
// line on standard output.

#include <optional>
#include <string>

#include "platform/system.h"
#include "run/run_result.h"
#include "run/stored_run_options.h"

namespace qu {

// One line on standard error; gives `exitCode` back.
int refuse(int exitCode, const std::string& line);

// The stored language, with the program folder's language file.
ResultLanguage folderLanguage(const std::string& appDir, const StoredRunOptions& stored);

// The program folder's settings file.
std::filesystem::path settingsFileIn(const std::string& appDir);

// Looks at the run log and prints its result line; none when there is no log. Throws
// std::runtime_error when the log cannot be read, or the canceled record not written.
std::optional<RunLogEntry> printResultLine(System& system, const RunLogLook& look,
                                           const ResultLanguage& language);

}  // namespace qu
