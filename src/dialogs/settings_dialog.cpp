#include "dialogs/settings_dialog.h"

#include "dialogs/settings_dialog_layout.h"
#include "settings/ini_file.h"

namespace qu {
namespace {

constexpr int kTimeOutMin = 1;
constexpr int kTimeOutMax = 360;
constexpr int kTimeOutDefault = 60;
constexpr int kPortMin = 1;
constexpr int kPortMax = 65535;
constexpr int kPortDefault = 8080;

void setUpNumberBox(SpinEdit& box, int minValue, int maxValue, int maxLength, int value) {
  box.setRange(minValue, maxValue);
  box.setMaxLength(maxLength);
  box.setValue(value);
  box.setHint(std::to_string(minValue) + " .. " + std::to_string(maxValue));
}

void setAllEnabled(std::initializer_list<Control*> controls, bool enabled) {
  for (Control* control : controls) control->setEnabled(enabled);
}

// Long paths and addresses can be read in full as hints. The password never shows.
void showTextAsHint(std::initializer_list<Edit*> edits) {
  for (Edit* edit : edits) edit->setHint(edit->text());
}

}  // namespace

TSettings::TSettings(Form& mainWindow, SettingsOwner& owner, Toolkit& toolkit)
    : DesignedForm("Settings", {settingsDialogControls()}),
      SE_TimeOut(find<SpinEdit>("SE_TimeOut")),
      SE_Port(find<SpinEdit>("SE_Port")),
      ChBox_FtpPass(find<CheckBox>("ChBox_FtpPass")),
      ChBox_UseProxy(find<CheckBox>("ChBox_UseProxy")),
      ChBox_Authent(find<CheckBox>("ChBox_Authent")),
      ChBox_ByPass(find<CheckBox>("ChBox_ByPass")),
      RB_ProxyAuto(find<RadioButton>("RB_ProxyAuto")),
      RB_ProxyUser(find<RadioButton>("RB_ProxyUser")),
      LE_Addr(find<LabeledEdit>("LE_Addr")),
      LE_User(find<LabeledEdit>("LE_User")),
      LE_Psw(find<LabeledEdit>("LE_Psw")),
      RB_UpdAll(find<RadioButton>("RB_UpdAll")),
      RB_UpdBase(find<RadioButton>("RB_UpdBase")),
      GB_SourceUpd(find<GroupBox>("GB_SourceUpd")),
      RB_SourceUser(find<RadioButton>("RB_SourceUser")),
      RB_SourceQL(find<RadioButton>("RB_SourceQL")),
      E_Source(find<Edit>("E_Source")),
      GB_MoveUpd(find<GroupBox>("GB_MoveUpd")),
      RB_FldCur(find<RadioButton>("RB_FldCur")),
      RB_FldUser(find<RadioButton>("RB_FldUser")),
      E_UpdFld(find<Edit>("E_UpdFld")),
      E_TmpFld(find<Edit>("E_TmpFld")),
      L_Port(find<Label>("L_Port")),
      L_Port_1(find<Label>("L_Port_1")),
      Btn_Source(find<Button>("Btn_Source")),
      Btn_FldUpd(find<Button>("Btn_FldUpd")),
      Btn_FldTemp(find<Button>("Btn_FldTemp")),
      Btn_Ok(find<Button>("Btn_Ok")),
      Btn_Cancel(find<Button>("Btn_Cancel")),
      owner_(owner),
      toolkit_(toolkit) {
  setOwner(&mainWindow);
  setCaption("Quintaris Updater: Settings");
  setBounds({0, 0, kSettingsClientWidth, kSettingsClientHeight});
  // No close box and no Esc: only OK and Cancel leave the dialog.
  setTitleButtons(TitleButtons::None);
  setUpNumberBox(SE_TimeOut, kTimeOutMin, kTimeOutMax, 3, kTimeOutDefault);
  setUpNumberBox(SE_Port, kPortMin, kPortMax, 5, kPortDefault);
  wireHandlers();
  toolkit_.realize(*this);
}

void TSettings::wireHandlers() {
  onShow = [this] { FormShow(); };
  auto sclick = [this] { Sclick(); };
  for (Edit* edit : {static_cast<Edit*>(&SE_TimeOut), static_cast<Edit*>(&SE_Port),
                     static_cast<Edit*>(&LE_Addr), static_cast<Edit*>(&LE_User),
                     static_cast<Edit*>(&LE_Psw), &E_Source, &E_UpdFld, &E_TmpFld}) {
    edit->onChange = sclick;
  }
  for (Control* box : {static_cast<Control*>(&ChBox_FtpPass), static_cast<Control*>(&ChBox_ByPass),
                       static_cast<Control*>(&RB_UpdAll), static_cast<Control*>(&RB_UpdBase)}) {
    box->onClick = sclick;
  }
  ChBox_UseProxy.onClick = [this] { ChBox_UseProxyClick(); };
  RB_ProxyAuto.onClick = [this] { RB_ProxyAutoClick(); };
  RB_ProxyUser.onClick = [this] { RB_ProxyUserClick(); };
  ChBox_Authent.onClick = [this] { ChBox_AuthentClick(); };
  RB_SourceQL.onClick = [this] { RB_SourceQLClick(); };
  RB_SourceUser.onClick = [this] { RB_SourceUserClick(); };
  RB_FldCur.onClick = [this] { RB_FldCurClick(); };
  RB_FldUser.onClick = [this] { RB_FldUserClick(); };
  Btn_Source.onClick = [this] { Btn_SourceClick(); };
  Btn_FldUpd.onClick = [this] { Btn_FldUpdClick(); };
  Btn_FldTemp.onClick = [this] { Btn_FldTempClick(); };
  Btn_Ok.onClick = [this] { Btn_OkClick(); };
  Btn_Cancel.onClick = [this] { Btn_CancelClick(); };
}

void TSettings::FormShow() {
  showTextAsHint({&E_UpdFld, &E_TmpFld, &LE_Addr, &LE_User, &E_Source});
}

void TSettings::Sclick() {
  showTextAsHint({&E_UpdFld, &E_TmpFld, &LE_Addr, &LE_User, &E_Source});
  owner_.MainClick();
}

// The proxy rules form a chain: whether a proxy is used decides whether its address is given
// by hand, and both decide whether its credentials apply.
void TSettings::ChBox_UseProxyClick() {
  Sclick();
  setAllEnabled({&RB_ProxyAuto, &RB_ProxyUser, &ChBox_Authent, &ChBox_ByPass},
                ChBox_UseProxy.checked());
  RB_ProxyUserClick();
}

void TSettings::RB_ProxyAutoClick() {
  Sclick();
  RB_ProxyUserClick();
}

void TSettings::RB_ProxyUserClick() {
  Sclick();
  setAllEnabled({&LE_Addr, &L_Port, &L_Port_1, &SE_Port},
                RB_ProxyUser.checked() && RB_ProxyUser.enabled());
  ChBox_AuthentClick();
}

void TSettings::ChBox_AuthentClick() {
  Sclick();
  setAllEnabled({&LE_User, &LE_Psw}, ChBox_Authent.enabled() && ChBox_Authent.checked());
}

void TSettings::RB_SourceQLClick() {
  Sclick();
  setAllEnabled({&E_Source, &Btn_Source}, false);
}

void TSettings::RB_SourceUserClick() {
  Sclick();
  setAllEnabled({&E_Source, &Btn_Source}, true);
}

void TSettings::RB_FldCurClick() {
  Sclick();
  setAllEnabled({&E_UpdFld, &Btn_FldUpd, &E_TmpFld, &Btn_FldTemp}, false);
}

void TSettings::RB_FldUserClick() {
  Sclick();
  setAllEnabled({&E_UpdFld, &Btn_FldUpd, &E_TmpFld, &Btn_FldTemp}, true);
}

// A cancelled picker gives "", which empties the box all the same.
void TSettings::Btn_SourceClick() {
  owner_.markModified();
  E_Source.setText(toolkit_.pickFolder("Quintaris Updater"));
}

void TSettings::Btn_FldUpdClick() {
  Sclick();
  E_UpdFld.setText(toolkit_.pickFolder("QuintarisUpdater"));
}

void TSettings::Btn_FldTempClick() {
  Sclick();
  E_TmpFld.setText(toolkit_.pickFolder("QuintarisUpdater"));
}

void TSettings::Btn_OkClick() {
  owner_.markModified();
  owner_.clearInputError();
  try {
    owner_.SetApp();
  } catch (const IniWriteError& error) {
    // Nothing confirmed was stored completely: stay open, so the user can retry or cancel.
    owner_.showError(error.what());
    return;
  }
  CheckCor();
  if (!owner_.inputError()) close();
}

void TSettings::CheckCor() {
  if (owner_.inputError()) owner_.reportSettingsCheck();
}

void TSettings::Btn_CancelClick() {
  owner_.f2set();
  close();
}

}  // namespace qu
