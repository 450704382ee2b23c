#pragma once

// TMsg, the program's one window for errors, warnings and questions. Callers prepare it
// (PrepareMsg), add lines, show it modally and hide again what they had shown. A question acts on
// its answer only while the owner's state still asks it; every other message just closes.

#include <deque>
#include <optional>
#include <string>
#include <vector>

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

// What the buttons of a shown message do.
enum class MsgAnswers {
  Notice,            // OK and the close box close it
  SettingsQuestion,  // OK creates the missing settings file, Cancel and the close box end
  ExitQuestion,      // OK closes the main window while a run is in progress
};

class TMsg : public DesignedForm {
 public:
  TMsg(Form& mainWindow, MessageOwner& owner, Toolkit& toolkit);

  // Empties the text, places OK, sizes the text and the dialog, picks the icon (an error also
  // beeps) and sets the caption. `attention` exactly 1 means attention, anything else error.
  // While a message is open, this starts a message of its own instead, which waits (see
  // ShowModal) and leaves the open one as it is.
  void PrepareMsg(int okLeft, int textWidth, int dialogWidth, const std::string& caption,
                  int attention) {
    PrepareMsg(MsgLayout{okLeft, textWidth, dialogWidth}, caption, attention);
  }
  void PrepareMsg(const MsgLayout& layout, const std::string& caption, int attention);
  void addLine(const std::string& line);
  // Shows the prepared message modally. A message raised while another is open (an error from
  // the work its OK started) is shown once that one has closed, as a notice with OK alone.
  void ShowModal(MsgAnswers answers = MsgAnswers::Notice);

  Memo& M_Msg;
  Button& Btn_OK;
  Button& Btn_Cancel;
  StaticText& ST_Detail;
  Image& Img_Warn;
  Image& Img_Att;

 private:
  struct Waiting {
    MsgLayout layout;
    std::string caption;
    int attention;
    std::vector<std::string> lines;
  };

  void prepare(const MsgLayout& layout, const std::string& caption, int attention);
  void showNow(MsgAnswers answers);
  // The open message is the missing-settings question, and the file is still missing.
  bool askingForSettings() const;
  void FormShow();
  void FormClose();
  void Btn_OKClick();
  void Btn_CancelClick();

  MessageOwner& owner_;
  Toolkit& toolkit_;
  MsgAnswers answers_ = MsgAnswers::Notice;
  bool open_ = false;
  std::optional<Waiting> preparing_;
  std::deque<Waiting> waiting_;
};

}  // namespace qu
