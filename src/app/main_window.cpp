#include "app/main_window.h"

#include "app/main_window_layout.h"
#include "app/update_run.h"
#include "catalog/product_catalog.h"
#include "catalog/product_layout.h"
#include "i18n/language_keys.h"
#include "platform/utf8_path.h"
#include "run/program_folder.h"

namespace qu {

TFMain::TFMain(Toolkit& toolkit, System& system)
    : DesignedForm("FMain", {mainUpperControls(), productControlSpecs(), mainLowerControls()}),
      CB_Lng(find<ComboBox>("CB_Lng")),
      RB_UpdAll(find<RadioButton>("RB_UpdAll")),
      RB_UpdSel(find<RadioButton>("RB_UpdSel")),
      ChBox_Trace(find<CheckBox>("ChBox_Trace")),
      ChBox_Dump(find<CheckBox>("ChBox_Dump")),
      ChBox_RptAppend(find<CheckBox>("ChBox_RptAppend")),
      ChBox_RptDisplay(find<CheckBox>("ChBox_RptDisplay")),
      ChBox_RptFile(find<CheckBox>("ChBox_RptFile")),
      ProgressBar1(find<ProgressBar>("ProgressBar1")),
      ST_RetCode(find<StaticText>("ST_RetCode")),
      Btn_Set(find<Button>("Btn_Set")),
      Btn_Apply(find<Button>("Btn_Apply")),
      Btn_Start(find<Button>("Btn_Start")),
      Btn_Stop(find<Button>("Btn_Stop")),
      Btn_Close(find<Button>("Btn_Close")),
      CheckTimer(addTimer("Timer")),
      toolkit_(toolkit),
      system_(system),
      alive_(std::make_shared<TFMain*>(this)) {
  setCaption("Quintaris Updater");
  setBounds({0, 0, kMainClientWidth, kMainClientHeight});
  setTitleButtons(TitleButtons::SystemMenu | TitleButtons::Minimize | TitleButtons::Help);
  setKeyPreview(true);
  CB_Lng.setItems({kLanguageSections.begin(), kLanguageSections.end()});
  CB_Lng.setItemIndex(0);
  CheckTimer.setInterval(1);
  CheckTimer.setEnabled(true);
  wireHandlers();
  toolkit_.realize(*this);
  FormCreate();
}

// A worker still inside its run holds RunLock and is waited for; posted work that arrives
// after this point finds the window gone and does nothing.
TFMain::~TFMain() {
  awaitRunEnd(*this);
  *alive_ = nullptr;
}

TMsg& TFMain::Msg() {
  return *msg_;
}
TSettings& TFMain::Settings() {
  return *settings_;
}
TFAM& TFMain::FAM() {
  return *fam_;
}

std::filesystem::path TFMain::settingsPath() const {
  return pathFromUtf8(fileIn(AppDir, kSettingsFileName));
}
std::filesystem::path TFMain::languagePath() const {
  return pathFromUtf8(AppDir + "quintarisupdater.loc");
}

void TFMain::wireHandlers() {
  auto mainClick = [this] { MainClick(); };
  for (const ProductRow& row : productRows()) find(row.box).onClick = mainClick;
  for (Control* box : {&ChBox_Trace, &ChBox_Dump, &ChBox_RptAppend, &ChBox_RptDisplay}) {
    box->onClick = mainClick;
  }
  ChBox_RptFile.onClick = [this] { ChBox_RptFileClick(); };
  CB_Lng.onChange = [this] { CB_LngChange(); };
  RB_UpdAll.onClick = [this] { RB_UpdAllClick(); };
  RB_UpdSel.onClick = [this] { RB_UpdSelClick(); };
  find("L_Forum").onClick = [this] { L_ForumClick(); };
  find("L_KBase").onClick = [this] { L_KBaseClick(); };
  ST_RetCode.onClick = [this] { Label9Click(); };
  Btn_Set.onClick = [this] { Btn_SetClick(); };
  Btn_Apply.onClick = [this] { Btn_ApplyClick(); };
  Btn_Start.onClick = [this] { Btn_StartClick(); };
  Btn_Stop.onClick = [this] { Btn_StopClick(); };
  Btn_Close.onClick = [this] { Btn_CloseClick(); };
  CheckTimer.onTimer = [this] { TimerTimer(); };
  onClose = [this] { FormClose(); };
  onKeyDown = [this](const KeyEvent& key) { FormKeyDown(key); };
}

void TFMain::BtnStartCap() {
  // Start and Stop share one place; the one in front is seen.
  Btn_Stop.setLeft(368);
  Btn_Start.setLeft(368);
  Running = !Modified;
  if (Running) {
    Btn_Stop.bringToFront();
  } else {
    Btn_Start.bringToFront();
  }
  Btn_Set.setEnabled(!Running);
}

void TFMain::ButtEn() {
  Btn_Apply.setEnabled(Modified);
  Btn_Start.setEnabled(!Modified);
}

void TFMain::Btn_SetClick() {
  toolkit_.showModal(Settings());
}

void TFMain::Btn_CloseClick() {
  if (!Running) {
    close();
    return;
  }
  CheckTimer.setEnabled(false);
  Msg().PrepareMsg(kMsgQuestion, MsgAttentionTitle, kMsgAttention);
  Msg().Btn_Cancel.setVisible(true);
  Msg().addLine(MsgConfirmExit);
  Msg().ShowModal(MsgAnswers::ExitQuestion);
  Msg().Btn_Cancel.setVisible(false);
}

// However the window closes, a running utility ends with it; no question on this path.
void TFMain::FormClose() {
  terminateRun(*this);
}

void TFMain::FormKeyDown(const KeyEvent& key) {
  if (Running || !key.alt || key.key != 'S') return;
  SavedSelectionMode = SelectionMode;
  ExpertCmp();
  FAM().RB_AMClick();
  toolkit_.showModal(FAM());
}

void TFMain::closeMainWindow() {
  close();
}

void TFMain::quitApplication() {
  toolkit_.requestQuit();
}

void TFMain::setCheckTimerEnabled(bool enabled) {
  CheckTimer.setEnabled(enabled);
}

void TFMain::showError(const std::string& text) {
  Msg().PrepareMsg(kMsgPlain, MsgErrorTitle, kMsgError);
  Msg().addLine(text);
  Msg().ShowModal();
}

}  // namespace qu
