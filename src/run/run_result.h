#pragma once

// One look at the run log, as the window's result line and the runner's last line both show it:
// the canceled record for a run that ended without rewriting the log, the code and message, the
// message in the chosen language, and the line itself.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/system.h"
#include "run/run_log.h"

namespace qu {

struct ResultLanguage {
  std::filesystem::path file;  // the language file
  int index = 0;               // the chosen entry; English (0) keeps the utility's own message
  std::string section;         // the entry's name
  std::string completed;       // the "Completed" text in that language
};

// The language a stored selector index chooses, with its "Completed" text from `languageFile`.
ResultLanguage storedResultLanguage(const std::filesystem::path& languageFile, int index);

struct RunLogLook {
  std::string path;
  RunLogStamp seen;        // the log as just found
  RunLogStamp remembered;  // as found at the look before
  bool runEnded = false;   // a run has just ended: a log it left unchanged gets the canceled record
};

// The log's stamp now; the zero time and size when there is none.
RunLogStamp runLogStamp(System& system, const std::string& path);

// The code and the message, which under any language but English is the language file's
// "RC" + code where it has one; none without a log. Throws std::runtime_error: "Unable to write
// to <path>" when the canceled record cannot be written, or "Unable to read <path>: <reason>".
std::optional<RunLogEntry> readRunResult(System& system, const RunLogLook& look,
                                         const ResultLanguage& language);

// The result line, with the time the log had when it was looked at: a canceled record just
// written shows with the time of the log it replaced until the next look.
std::string resultLineOf(const RunLogLook& look, const ResultLanguage& language,
                         const RunLogEntry& entry);

}  // namespace qu
