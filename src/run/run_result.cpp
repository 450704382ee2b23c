#include "run/run_result.h"

#include <stdexcept>
#include <system_error>

#include "i18n/language_keys.h"
#include "i18n/language_reader.h"
#include "platform/atomic_file.h"
#include "platform/utf8_path.h"
#include "run/run_log_reader.h"

namespace qu {
namespace {

std::uintmax_t fileSize(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(pathFromUtf8(path), error);
  return error ? 0 : size;
}

void writeCanceledRecord(const std::string& path) {
  if (replaceFile(pathFromUtf8(path), canceledRecord())) {
    throw std::runtime_error("Unable to write to " + path);
  }
}

}  // namespace

ResultLanguage storedResultLanguage(const std::filesystem::path& languageFile, int index) {
  const std::string section(kLanguageSections.at(static_cast<std::size_t>(index)));
  return {languageFile, index, section, readLocTexts(languageFile, section).field("MsgCompleted")};
}

RunLogStamp runLogStamp(System& system, const std::string& path) {
  return {system.FileModifiedTime(path), fileSize(path)};
}

std::optional<RunLogEntry> readRunResult(System& system, const RunLogLook& look,
                                         const ResultLanguage& language) {
  if (look.runEnded && look.seen == look.remembered) writeCanceledRecord(look.path);
  if (!system.fileExists(look.path)) return std::nullopt;
  RunLogEntry entry = readRunLog(look.path);
  if (language.index > 0) {
    const std::string key = returnCodeKey(entry.code);
    entry.message = readLanguageText(language.file, language.section, {key, entry.message});
  }
  return entry;
}

std::string resultLineOf(const RunLogLook& look, const ResultLanguage& language,
                         const RunLogEntry& entry) {
  return resultLineText(look.seen.time.dos(), systemShortMonthNames(), language.completed, entry);
}

}  // namespace qu
