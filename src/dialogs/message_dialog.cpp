#include "dialogs/message_dialog.h"

#include "dialogs/message_dialog_layout.h"

namespace qu {

TMsg::TMsg(Form& mainWindow, MessageOwner& owner, Toolkit& toolkit)
    : DesignedForm("Msg", {messageDialogControls()}),
      M_Msg(find<Memo>("M_Msg")),
      Btn_OK(find<Button>("Btn_OK")),
      Btn_Cancel(find<Button>("Btn_Cancel")),
      ST_Detail(find<StaticText>("ST_Detail")),
      Img_Warn(find<Image>("Img_Warn")),
      Img_Att(find<Image>("Img_Att")),
      owner_(owner),
      toolkit_(toolkit) {
  setOwner(&mainWindow);
  setColor(FormColor::White);
  setTitleButtons(TitleButtons::SystemMenu);
  setBounds({0, 0, 248 - kDialogFrameWidth, kMsgClientHeight});
  Img_Warn.setPicture("info-red");
  Img_Att.setPicture("info-yellow");
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  Btn_OK.onClick = [this] { Btn_OKClick(); };
  Btn_Cancel.onClick = [this] { Btn_CancelClick(); };
  ST_Detail.onClick = [this] { owner_.openDetailsPage(); };
  toolkit_.realize(*this);
}

void TMsg::PrepareMsg(int okLeft, int textWidth, int dialogWidth, const std::string& caption,
                      int attention) {
  M_Msg.clear();
  Btn_OK.setLeft(okLeft);
  M_Msg.setWidth(textWidth);
  setWidth(dialogWidth - kDialogFrameWidth);
  if (attention == 1) {
    Img_Warn.sendToBack();
    Img_Att.bringToFront();
  } else {
    toolkit_.beep();
    Img_Att.sendToBack();
    Img_Warn.bringToFront();
  }
  setCaption(caption);
}

void TMsg::addLine(const std::string& line) {
  M_Msg.addLine(line);
}

void TMsg::ShowModal() {
  toolkit_.showModal(*this);
}

// The environment check must not open a second message over this one.
void TMsg::FormShow() {
  owner_.setCheckTimerEnabled(false);
}

void TMsg::FormClose() {
  if (owner_.settingsFileMissing()) owner_.quitApplication();
  owner_.setCheckTimerEnabled(true);
}

void TMsg::Btn_OKClick() {
  if (owner_.settingsFileMissing()) {
    owner_.acceptDefaultSettings();
  } else if (owner_.runInProgress()) {
    owner_.closeMainWindow();
  }
  close();
}

void TMsg::Btn_CancelClick() {
  if (owner_.settingsFileMissing()) {
    owner_.closeMainWindow();
  } else {
    close();
  }
}

}  // namespace qu
