#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "app/main_window.h"
#include "app/run_log.h"
#include "app/run_log_reader.h"
#include "i18n/language_keys.h"
#include "i18n/language_reader.h"
#include "platform/atomic_file.h"
#include "platform/utf8_path.h"

namespace qu {
namespace {

constexpr int kResultWidth = 654;
constexpr int kResultHeight = 17;

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

void TFMain::IupdRead() {
  ST_RetCode.setCaption("");
  ST_RetCode.setWidth(kResultWidth);
  ST_RetCode.setHeight(kResultHeight);
  ST_RetCode.setEnabled(false);
  const std::string path = AppDir + std::string(kRunLogFileName);
  const RunLogStamp seen{system_.FileModifiedTime(path), fileSize(path)};
  const RunLogStamp remembered{LogTime, logSize_};
  LogTime = seen.time;
  logSize_ = seen.size;
  try {
    if (Running && seen == remembered) writeCanceledRecord(path);
    if (!system_.fileExists(path)) return;
    RunLogEntry entry = readRunLog(path);
    if (CB_Lng.itemIndex() > 0) {
      const std::string key = returnCodeKey(entry.code);
      entry.message = readLanguageText(languagePath(), CB_Lng.text(), {key, entry.message});
    }
    ST_RetCode.setBorder(true);
    // The time read before a canceled record was written: that record shows with the time of
    // the log it replaced until the next look.
    ST_RetCode.setCaption(
        resultLineText(seen.time.dos(), systemShortMonthNames(), MsgCompleted, entry));
    ST_RetCode.setWidth(kResultWidth);
    ST_RetCode.setEnabled(true);
  } catch (const std::exception& failure) {
    // The message's OK would close the window while a run is in progress.
    Running = false;
    showError(failure.what());
  }
}

void TFMain::Label9Click() {
  OpenURL(UrlCode);
}

}  // namespace qu
