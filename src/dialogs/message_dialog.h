#pragma once

// TMsg, the program's one window for errors, warnings and questions. Callers prepare it
// (PrepareMsg), add lines, show it modally and hide again what they had shown. What OK and Cancel
// do depends on the owner's state, not on the message.

#include <string>

#include "platform/form_spec.h"
#include "platform/toolkit.h"

namespace qu {

class MessageOwner {
 public:
  virtual ~MessageOwner() = default;
  // The missing-settings-file question is open and not yet accepted.
  virtual bool settingsFileMissing() const = 0;
  virtual bool runInProgress() const = 0;
  // OK to the missing-settings-file question: create the default file, load it everywhere,
  // run the start-up sequence again.
  virtual void acceptDefaultSettings() = 0;
  virtual void closeMainWindow() = 0;
  virtual void quitApplication() = 0;
  // The environment check pauses while a message is open.
  virtual void setCheckTimerEnabled(bool enabled) = 0;
  virtual void openDetailsPage() = 0;
};

// Where OK sits, how wide the text and the dialog are, for the three kinds of message.
struct MsgLayout {
  int okLeft;
  int textWidth;
  int dialogWidth;
};
inline constexpr MsgLayout kMsgNotice = {100, 208, 268};   // after Apply, with room for a link
inline constexpr MsgLayout kMsgPlain = {90, 188, 248};     // OK alone, centred
inline constexpr MsgLayout kMsgQuestion = {42, 188, 248};  // OK left of Cancel
inline constexpr int kMsgAttention = 1;
inline constexpr int kMsgError = 0;

class TMsg : public DesignedForm {
 public:
  TMsg(Form& mainWindow, MessageOwner& owner, Toolkit& toolkit);

  // Empties the text, places OK, sizes the text and the dialog, picks the icon (an error also
  // beeps) and sets the caption. `attention` exactly 1 means attention, anything else error.
  void PrepareMsg(int okLeft, int textWidth, int dialogWidth, const std::string& caption,
                  int attention);
  void PrepareMsg(const MsgLayout& layout, const std::string& caption, int attention) {
    PrepareMsg(layout.okLeft, layout.textWidth, layout.dialogWidth, caption, attention);
  }
  void addLine(const std::string& line);
  void ShowModal();

  Memo& M_Msg;
  Button& Btn_OK;
  Button& Btn_Cancel;
  StaticText& ST_Detail;
  Image& Img_Warn;
  Image& Img_Att;

 private:
  void FormShow();
  void FormClose();
  void Btn_OKClick();
  void Btn_CancelClick();

  MessageOwner& owner_;
  Toolkit& toolkit_;
};

}  // namespace qu
