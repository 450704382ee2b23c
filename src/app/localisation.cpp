// Localisation: every interface text of the chosen language applied to all four forms and to the
// text fields of the state record.

#include <array>
#include <utility>

#include "app/main_window.h"
#include "i18n/language_reader.h"

namespace qu {
namespace {

using TextField = std::string TFMain::*;

constexpr std::array<std::pair<std::string_view, TextField>, 17> kLocFields = {{
    {"UrlSee", &TFMain::UrlSee},
    {"UrlForum", &TFMain::UrlForum},
    {"UrlKnowBase", &TFMain::UrlKnowBase},
    {"UrlCode", &TFMain::UrlCode},
    {"MsgNoUpdater", &TFMain::MsgNoUpdater},
    {"MsgNoSettingsFile", &TFMain::MsgNoSettingsFile},
    {"MsgErrorTitle", &TFMain::MsgErrorTitle},
    {"MsgCheckParams", &TFMain::MsgCheckParams},
    {"MsgNothingSelected", &TFMain::MsgNothingSelected},
    {"MsgSourceOfUpdates", &TFMain::MsgSourceOfUpdates},
    {"MsgAttentionTitle", &TFMain::MsgAttentionTitle},
    {"MsgConfirmExit", &TFMain::MsgConfirmExit},
    {"TextUpdatesFolder", &TFMain::TextUpdatesFolder},
    {"TextTempFolder", &TFMain::TextTempFolder},
    {"MsgCompleted", &TFMain::MsgCompleted},
    {"ProductPrefix", &TFMain::ProductPrefix},
    {"TextFor", &TFMain::TextFor},
}};

}  // namespace

void TFMain::Loc() {
  LangSection = CB_Lng.text();
  applyLocTexts(readLocTexts(languagePath(), LangSection));
}

void TFMain::applyLocTexts(const LocTexts& texts) {
  for (const LocText& text : texts.controls) {
    Form& form = text.form == LocForm::Main       ? static_cast<Form&>(*this)
                 : text.form == LocForm::Settings ? static_cast<Form&>(Settings())
                 : text.form == LocForm::Message  ? static_cast<Form&>(Msg())
                                                  : static_cast<Form&>(FAM());
    Control& target = text.name.empty() ? form : form.find(text.name);
    target.setCaption(text.text);
  }
  for (const auto& [name, field] : kLocFields) this->*field = texts.field(name);
}

void TFMain::CB_LngChange() {
  MainClick();
  Loc();
  IupdRead();
}

}  // namespace qu
