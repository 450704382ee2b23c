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

void TMsg::PrepareMsg(const MsgLayout& layout, const std::string& caption, int attention) {
  if (open_) {
    preparing_ = Waiting{layout, caption, attention, {}};
  } else {
    prepare(layout, caption, attention);
  }
}

void TMsg::prepare(const MsgLayout& layout, const std::string& caption, int attention) {
  M_Msg.clear();
  Btn_OK.setLeft(layout.okLeft);
  M_Msg.setWidth(layout.textWidth);
  setWidth(layout.dialogWidth - kDialogFrameWidth);
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
  if (preparing_) {
    preparing_->lines.push_back(line);
  } else {
    M_Msg.addLine(line);
  }
}

void TMsg::ShowModal(MsgAnswers answers) {
  if (open_) {
    if (preparing_) waiting_.push_back(std::move(*preparing_));
    preparing_.reset();
    return;
  }
  showNow(answers);
  while (!waiting_.empty()) {
    const Waiting next = std::move(waiting_.front());
    waiting_.pop_front();
    // Nothing of the message that closed: neither its Cancel, nor its link, nor its meaning.
    Btn_Cancel.setVisible(false);
    ST_Detail.setVisible(false);
    prepare(next.layout, next.caption, next.attention);
    for (const std::string& line : next.lines) M_Msg.addLine(line);
    showNow(MsgAnswers::Notice);
  }
}

void TMsg::showNow(MsgAnswers answers) {
  answers_ = answers;
  open_ = true;
  struct Closed {
    TMsg& msg;
    ~Closed() {
      msg.open_ = false;
      msg.preparing_.reset();
    }
  } closed{*this};
  toolkit_.showModal(*this);
}

bool TMsg::askingForSettings() const {
  return answers_ == MsgAnswers::SettingsQuestion && owner_.settingsFileMissing();
}

// The environment check must not open a second message over this one.
void TMsg::FormShow() {
  owner_.setCheckTimerEnabled(false);
}

void TMsg::FormClose() {
  if (askingForSettings()) owner_.quitApplication();
  owner_.setCheckTimerEnabled(true);
}

void TMsg::Btn_OKClick() {
  if (askingForSettings()) {
    owner_.acceptDefaultSettings();
  } else if (answers_ == MsgAnswers::ExitQuestion && owner_.runInProgress()) {
    owner_.closeMainWindow();
  }
  close();
}

void TMsg::Btn_CancelClick() {
  if (askingForSettings()) {
    owner_.closeMainWindow();
  } else {
    close();
  }
}

}  // namespace qu
