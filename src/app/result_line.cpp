#include <exception>
#include <optional>

#include "app/main_window.h"
#include "run/run_result.h"

namespace qu {
namespace {

constexpr int kResultWidth = 654;
constexpr int kResultHeight = 17;

}  // namespace

void TFMain::IupdRead() {
  ST_RetCode.setCaption("");
  ST_RetCode.setWidth(kResultWidth);
  ST_RetCode.setHeight(kResultHeight);
  ST_RetCode.setEnabled(false);
  const std::string path = AppDir + std::string(kRunLogFileName);
  const RunLogLook look{path, runLogStamp(system_, path), {LogTime, logSize_}, Running};
  LogTime = look.seen.time;
  logSize_ = look.seen.size;
  try {
    const ResultLanguage language{languagePath(), CB_Lng.itemIndex(), CB_Lng.text(), MsgCompleted};
    const std::optional<RunLogEntry> entry = readRunResult(system_, look, language);
    if (!entry) return;
    ST_RetCode.setBorder(true);
    ST_RetCode.setCaption(resultLineOf(look, language, *entry));
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
