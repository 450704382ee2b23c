// The rules of the selection area: the two selection modes, which controls are usable in which
// state, change marking, the report-file dependency, and the checks reported after Apply.

#include "app/main_window.h"
#include "catalog/product_catalog.h"
#include "i18n/language_reader.h"
#include "platform/utf8_path.h"

namespace qu {
namespace {

void setItemsEnabled(Control& group, bool enabled) {
  for (Control* item : group.children()) item->setEnabled(enabled);
}

// The link sits where the translated warning leaves room for it.
Bounds detailsLinkPlace(const Control& link, int languageIndex, bool languageFileExists) {
  Bounds place = link.bounds();
  place.left = 99;
  place.top = 39;
  if (languageFileExists && languageIndex == 1) {
    place.left = 123;
    place.top = 52;
  } else if (languageFileExists && languageIndex == 2) {
    place.left = 123;
  }
  return place;
}

void showNotice(TMsg& msg, const std::string& caption, int style, const std::string& line) {
  msg.PrepareMsg(kMsgNotice, caption, style);
  msg.addLine(line);
  msg.ShowModal();
}

void prepareSettingsCheck(TFMain& window) {
  TSettings& dialog = window.Settings();
  TMsg& msg = window.Msg();
  msg.PrepareMsg(kMsgPlain, window.MsgErrorTitle, kMsgError);
  msg.addLine(window.MsgCheckParams);
  if (dialog.RB_SourceUser.checked() && dialog.E_Source.text().empty()) {
    msg.addLine("- " + window.MsgSourceOfUpdates);
  }
  if (dialog.RB_FldUser.checked() && dialog.E_UpdFld.text().empty()) {
    msg.addLine("- " + window.TextUpdatesFolder);
  }
  if (dialog.RB_FldUser.checked() && dialog.E_TmpFld.text().empty()) {
    msg.addLine("- " + window.TextTempFolder);
  }
}

}  // namespace

void TFMain::RB_UpdAllClick() {
  SelectionMode = 0;
  SavedSelectionMode = 0;
  RB_UpdAll.setChecked(true);
  Modified = true;
  ButtEn();
  RadioBtnsClick();
}

void TFMain::RB_UpdSelClick() {
  SelectionMode = 1;
  SavedSelectionMode = 1;
  RB_UpdSel.setChecked(true);
  Modified = true;
  ButtEn();
  RadioBtnsClick();
}

// Changes during a run are not changes of what the next Apply writes.
void TFMain::MainClick() {
  if (Running) return;
  Modified = true;
  ButtEn();
}

void TFMain::Rpt_CHECK() {
  ChBox_RptAppend.setEnabled(ChBox_RptFile.checked());
}

void TFMain::ChBox_RptFileClick() {
  Rpt_CHECK();
  MainClick();
}

void TFMain::RadioBtnsClick() {
  const bool selectedMode = SelectionMode == 1 || SavedSelectionMode == 1;
  for (const ProductGroup& group : productGroups()) {
    // Expert mode entered from update-all mode leaves the frames as they are.
    if (selectedMode) {
      find(group.box).setEnabled(true);
    } else if (SelectionMode == 0) {
      find(group.box).setEnabled(false);
    }
  }
  if (SelectionMode == kExpertSelectionMode) FAM().GB_AM.setEnabled(true);
  for (const ProductGroup& group : productGroups()) {
    Control& box = find(group.box);
    setItemsEnabled(box, !Running && box.enabled());
  }
  // The frames come back after their items took their state: in update-all mode the boxes are
  // greyed inside usable frames.
  for (std::string_view area : {"GroupBox10", "GB_Supp", "GB_Rpt"}) {
    setItemsEnabled(find(area), !Running);
  }
  if (!Running) Rpt_CHECK();
}

void TFMain::Info() {
  TMsg& msg = Msg();
  LangSection = CB_Lng.text();
  const std::filesystem::path languageFile = languagePath();
  msg.ST_Detail.setVisible(false);
  const bool settingsShowing = Settings().visible();
  const bool expertShowing = FAM().visible();

  if (RB_UpdAll.checked() || settingsShowing) {
    if (RB_UpdAll.checked() && !settingsShowing && !expertShowing) {
      msg.PrepareMsg(kMsgNotice, MsgAttentionTitle, kMsgAttention);
      msg.ST_Detail.setBounds(detailsLinkPlace(msg.ST_Detail, CB_Lng.itemIndex(),
                                               system_.fileExists(utf8FromPath(languageFile))));
      msg.ST_Detail.setVisible(true);
      msg.addLine(readLanguageText(languageFile, LangSection, kInfo7));
      msg.ShowModal();
    }
  } else if (catalogRefusal_ == CatalogRefusal::AdminKitAlone) {
    // Not InputError: a failed settings check, or a hand-written selection of the expert
    // dialog, is no Administration Kit problem.
    showNotice(msg, MsgErrorTitle, kMsgError, readLanguageText(languageFile, LangSection, kInfo20));
    msg.ST_Detail.setVisible(false);
    return;
  }

  if (RB_UpdSel.checked() && Components.empty() && !FAM().RB_AM.checked() && !settingsShowing) {
    showNotice(msg, MsgErrorTitle, kMsgError, MsgNothingSelected);
  }
  if (settingsShowing) prepareSettingsCheck(*this);
  msg.ST_Detail.setVisible(false);
}

void TFMain::reportSettingsCheck() {
  Info();
  Msg().ShowModal();
}

void TFMain::markModified() {
  Modified = true;
  ButtEn();
}

void TFMain::enterExpertMode() {
  Modified = true;
  ButtEn();
  SelectionMode = kExpertSelectionMode;
  RadioBtnsClick();
}

void TFMain::restoreSelectionMode() {
  Modified = true;
  SelectionMode = SavedSelectionMode;
}

void TFMain::leaveExpertMode() {
  restoreSelectionMode();
  RadioBtnsClick();
  // An Update whose run did not start must not leave Start usable without an Apply.
  if (!Running) ButtEn();
}

}  // namespace qu
