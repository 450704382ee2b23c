#include "runner/runner_result.h"

#include "i18n/language_keys.h"
#include "platform/standard_streams.h"
#include "platform/utf8_path.h"
#include "run/program_folder.h"
#include "runner/runner_options.h"

namespace qu {

int refuse(int exitCode, const std::string& line) {
  writeText(StandardStream::Error, std::string(kRunnerName) + ": " + line + "\n");
  return exitCode;
}

ResultLanguage folderLanguage(const std::string& appDir, const StoredRunOptions& stored) {
  return storedResultLanguage(pathFromUtf8(fileIn(appDir, kLanguageFileName)),
                              stored.languageIndex);
}

std::filesystem::path settingsFileIn(const std::string& appDir) {
  return pathFromUtf8(fileIn(appDir, kSettingsFileName));
}

std::optional<RunLogEntry> printResultLine(System& system, const RunLogLook& look,
                                           const ResultLanguage& language) {
  std::optional<RunLogEntry> entry = readRunResult(system, look, language);
  // No later look follows here, so a canceled record just written shows with its own time, as the
  // window's next look shows it.
  RunLogLook shown = look;
  shown.seen = runLogStamp(system, look.path);
  if (entry) writeText(StandardStream::Output, resultLineOf(shown, language, *entry) + "\n");
  return entry;
}

}  // namespace qu
