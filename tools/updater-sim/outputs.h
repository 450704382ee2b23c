#pragma once

// The files the stand-in leaves besides the updates: the run log, the report, the crash dump,
// and for tests the record of how it was called.

#include <filesystem>
#include <string>
#include <vector>

#include "update.h"

namespace qu::sim {

inline constexpr const char* kRunLogName = "vororadi.txt";
inline constexpr const char* kCrashDumpName = "updater_crash.dmp";

// Rewrites the run log: the code on the first line, the detail, the message on the last, each
// ended by CR LF. False when it cannot be written.
bool writeRunLog(const std::filesystem::path& file, const Outcome& outcome);

// A summary of the run, replacing the file or appended to it.
void writeReport(const std::string& file, bool append, const std::string& source,
                 const SimSettings& settings, const Outcome& outcome);

// Every element of argv, the program first, one per line.
void recordArguments(const std::string& file, const std::vector<std::string>& argv);

void writeCrashDump();

}  // namespace qu::sim
