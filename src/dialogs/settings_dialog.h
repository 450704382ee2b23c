#pragma once

// TSettings, the settings dialog: connection, download, source and folder settings. Its controls
// are where these settings live inside the program; the owner loads them from the settings file
// and writes them back.

#include <string>

#include "platform/form_spec.h"
#include "platform/toolkit.h"

namespace qu {

class SettingsOwner {
 public:
  virtual ~SettingsOwner() = default;
  // A setting changed: unless a run is in progress, Apply becomes usable and Start not.
  virtual void MainClick() = 0;
  // Modified := 1 and the Apply and Start buttons refreshed, whatever the run state.
  virtual void markModified() = 0;
  virtual void clearInputError() = 0;
  virtual bool inputError() const = 0;
  // Checks the dialog's values and writes them to the settings file (or sets InputError).
  virtual void SetApp() = 0;
  // Composes the settings-check message in the message dialog and shows it modally.
  virtual void reportSettingsCheck() = 0;
  // Loads the dialog's controls back from the settings file.
  virtual void f2set() = 0;
  // Shows an error message, such as a refused write of the settings file.
  virtual void showError(const std::string& text) = 0;
};

class TSettings : public DesignedForm {
 public:
  TSettings(Form& mainWindow, SettingsOwner& owner, Toolkit& toolkit);

  // Handlers the owner also runs.
  void ChBox_UseProxyClick();
  void Btn_CancelClick();

  SpinEdit& SE_TimeOut;
  SpinEdit& SE_Port;
  CheckBox& ChBox_FtpPass;
  CheckBox& ChBox_UseProxy;
  CheckBox& ChBox_Authent;
  CheckBox& ChBox_ByPass;
  RadioButton& RB_ProxyAuto;
  RadioButton& RB_ProxyUser;
  LabeledEdit& LE_Addr;
  LabeledEdit& LE_User;
  LabeledEdit& LE_Psw;
  RadioButton& RB_UpdAll;
  RadioButton& RB_UpdBase;
  GroupBox& GB_SourceUpd;
  RadioButton& RB_SourceUser;
  RadioButton& RB_SourceQL;
  Edit& E_Source;
  GroupBox& GB_MoveUpd;
  RadioButton& RB_FldCur;
  RadioButton& RB_FldUser;
  Edit& E_UpdFld;
  Edit& E_TmpFld;
  Label& L_Port;
  Label& L_Port_1;
  Button& Btn_Source;
  Button& Btn_FldUpd;
  Button& Btn_FldTemp;
  Button& Btn_Ok;
  Button& Btn_Cancel;

 private:
  void FormShow();
  void Sclick();
  void RB_ProxyAutoClick();
  void RB_ProxyUserClick();
  void ChBox_AuthentClick();
  void RB_SourceQLClick();
  void RB_SourceUserClick();
  void RB_FldCurClick();
  void RB_FldUserClick();
  void Btn_SourceClick();
  void Btn_FldUpdClick();
  void Btn_FldTempClick();
  void Btn_OkClick();
  void CheckCor();
  void wireHandlers();

  SettingsOwner& owner_;
  Toolkit& toolkit_;
};

}  // namespace qu
