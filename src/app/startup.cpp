// Start-up and the environment check that watches for the utility and its settings file.

#include <filesystem>

#include "app/main_window.h"
#include "platform/utf8_path.h"
#include "run/program_folder.h"
#include "settings/ini_file.h"

namespace qu {
namespace {

constexpr const char* kInstanceName = "MYPROGRAM_CHECKEXIST";

}  // namespace

void TFMain::FormCreate() {
  const InstanceClaim instance = system_.acquireInstance(kInstanceName);
  // The quit takes effect only when the loop starts: a second instance still runs the start-up
  // sequence, which writes nothing.
  if (instance.outcome == InstanceClaim::Outcome::HeldByAnother) toolkit_.requestQuit();
  Start();
  if (instance.outcome == InstanceClaim::Outcome::Failed) {
    // Ending silently would end every later start as silently.
    showError(instance.error);
    toolkit_.requestQuit();
  }
}

void TFMain::Start() {
  createDialogs();
  startupSteps();
}

void TFMain::createDialogs() {
  if (msg_) return;
  msg_ = std::make_unique<TMsg>(*this, static_cast<MessageOwner&>(*this), toolkit_);
  settings_ = std::make_unique<TSettings>(*this, static_cast<SettingsOwner&>(*this), toolkit_);
  fam_ = std::make_unique<TFAM>(*this, static_cast<ExpertOwner&>(*this));
  toolkit_.realize(*fam_);
}

// The order is binding: the language is applied before and after loading, since the settings
// carry the language choice.
void TFMain::startupSteps() {
  Running = false;
  Modified = true;
  BtnStartCap();
  const std::string ownPath = system_.ownExecutablePath();
  AppDir = programFolderOf(ownPath);
  OwnVersion = system_.FileVersionText(ownPath);
  Loc();
  readset();
  Loc();
  Apply();
  LogTime = system_.FileModifiedTime(AppDir + "vororadi.txt");
  IupdRead();
  CheckTimer.setEnabled(true);
}

void TFMain::TimerTimer() {
  Verife();
  CheckTimer.setInterval(500);
}

void TFMain::Verife() {
  UpdaterVersion = system_.FileVersionText(AppDir + "Updater.exe");
  if (UpdaterVersion.empty()) {
    // A missing utility always wins: the settings file is never offered then.
    CheckTimer.setEnabled(false);
    showError(MsgNoUpdater);
    toolkit_.requestQuit();
    return;
  }
  setCaption("Quintaris Updater v." + UpdaterVersion + " (front end " + OwnVersion + ")");
  if (system_.fileExists(utf8FromPath(settingsPath()))) return;

  NoSettingsFile = true;
  CheckTimer.setEnabled(false);
  Msg().PrepareMsg(kMsgQuestion, MsgErrorTitle, kMsgError);
  Msg().Btn_Cancel.setVisible(true);
  Msg().addLine(MsgNoSettingsFile);
  Msg().ShowModal(MsgAnswers::SettingsQuestion);
  Msg().Btn_Cancel.setVisible(false);
  // OK could not write the file (and has said why): there is no way on without it.
  if (!system_.fileExists(utf8FromPath(settingsPath()))) toolkit_.requestQuit();
}

void TFMain::acceptDefaultSettings() {
  // Cleared first: whatever the steps below raise is a message of its own, never an answer to
  // this question.
  NoSettingsFile = false;
  try {
    WriteDefaultSettings();
  } catch (const IniWriteError& error) {
    showError(error.what());
    return;
  }
  Settings().Btn_CancelClick();
  // A run goes on: the window keeps its running state, and the end of the run brings it back to
  // idle as usual. Nothing was lost, since the file was gone.
  if (!Running) startupSteps();
}

}  // namespace qu
