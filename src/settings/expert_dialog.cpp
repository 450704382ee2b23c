#include "settings/expert_dialog.h"

#include "settings/expert_dialog_layout.h"

namespace qu {

TFAM::TFAM(Form& mainWindow, ExpertOwner& owner)
    : DesignedForm("FAM", {expertDialogControls()}),
      GB_AM(find<GroupBox>("GB_AM")),
      LE_IndexFN(find<LabeledEdit>("LE_IndexFN")),
      LE_UrlPath(find<LabeledEdit>("LE_UrlPath")),
      LE_Bld(find<LabeledEdit>("LE_Bld")),
      LE_App(find<LabeledEdit>("LE_App")),
      LE_Cmp(find<LabeledEdit>("LE_Cmp")),
      LE_OS(find<LabeledEdit>("LE_OS")),
      LE_Lng(find<LabeledEdit>("LE_Lng")),
      RB_AM(find<RadioButton>("RB_AM")),
      Btn_Start(find<Button>("Btn_Start")),
      Btn_Close(find<Button>("Btn_Close")),
      owner_(owner) {
  setOwner(&mainWindow);
  setCaption("Quintaris Updater: Advanced mode");
  setBounds({0, 0, kExpertClientWidth, kExpertClientHeight});
  // No title-bar buttons; Esc reaches Btn_Close, the cancel button.
  setTitleButtons(TitleButtons::None);
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  Btn_Start.onClick = [this] { Btn_StartClick(); };
  Btn_Close.onClick = [this] { Btn_CloseClick(); };
}

void TFAM::RB_AMClick() {
  RB_AM.setChecked(true);
  owner_.enterExpertMode();
}

// Long lists can be read in full as hints.
void TFAM::FormShow() {
  for (Control* item : GB_AM.children()) {
    if (auto* edit = dynamic_cast<Edit*>(item)) edit->setHint(edit->text());
  }
}

void TFAM::Btn_StartClick() {
  // The mode stored by this Apply is the one the dialog was opened from, never the expert mark.
  owner_.restoreSelectionMode();
  if (!owner_.runInProgress()) {
    owner_.Btn_ApplyClick();
    // An Apply that could not write leaves the file unlike the dialog: no run on it.
    if (!owner_.modified()) owner_.Btn_StartClick();
  }
  close();
}

void TFAM::Btn_CloseClick() {
  close();
}

void TFAM::FormClose() {
  RB_AM.setChecked(false);
  owner_.leaveExpertMode();
}

}  // namespace qu
