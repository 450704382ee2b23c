#include "i18n/loc_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "i18n/product_labels.h"

namespace qu {
namespace {

LocTexts resolveWith(const std::map<std::string, std::string, std::less<>>& overrides) {
  return resolveLocTexts([&](std::string_view key, std::string_view defaultText) {
    const auto found = overrides.find(key);
    return found == overrides.end() ? std::string(defaultText) : found->second;
  });
}

std::string textOf(const LocTexts& texts, LocForm form, std::string_view name) {
  const std::string* text = texts.controlText(form, name);
  return text ? *text : "<untouched>";
}

TEST(LocTextsTest, EnglishLabelsMatchTheDesignButForTwo) {
  const LocTexts texts = defaultLocTexts();
  const std::map<std::string_view, std::string_view> expected = {
      {"L_QAV", "Quintaris Anti-Virus"},
      {"L_WKS", "Quintaris Anti-Virus for Windows Workstations"},
      {"L_SOS", "Quintaris Anti-Virus SOS"},
      {"L_LWS", "Quintaris Anti-Virus for Linux Workstations"},
      {"L_WFS", "Quintaris Anti-Virus for Windows Servers"},
      {"L_WSEE", "Quintaris Anti-Virus for Windows Servers EE"},
      {"L_LFS", "Quintaris Anti-Virus for Linux File Servers"},
      {"L_UFS", "Quintaris Anti-Virus for Unix File Servers"},
      {"L_SFS", "Quintaris Anti-Virus for Samba Servers"},
      {"L_NNW", "Quintaris Anti-Virus for Novell NetWare"},
      {"L_QAVE", "Quintaris Anti-Virus for Microsoft Exchange Servers"},
      {"L_Lotus", "Quintaris Anti-Virus for Lotus Notes/Domino"},
      {"L_LMail", "Quintaris Anti-Virus for Linux Mail Servers"},
      {"L_UMail", "Quintaris Anti-Virus for Unix Mail Servers"},
      {"L_Milter", "Quintaris Anti-Virus for Sendmail with Milter API"},
      {"L_ISA", "Quintaris Anti-Virus for Microsoft ISA Server"},
      {"L_ChPoint", "Quintaris Anti-Virus for Check Point Firewall-1"},
      {"L_Proxy", "Quintaris Anti-Virus for Proxy Server"},
  };
  ASSERT_EQ(composedLabels().size(), expected.size());
  for (const auto& [label, text] : expected) EXPECT_EQ(textOf(texts, LocForm::Main, label), text);
  for (std::string_view label : fixedProductLabels()) {
    EXPECT_EQ(texts.controlText(LocForm::Main, label), nullptr) << label;
  }
  EXPECT_EQ(texts.controlText(LocForm::Main, "GB_AK"), nullptr);
}

TEST(LocTextsTest, ProductWordsChangeEveryComposedLabelAndNothingElse) {
  const LocTexts english = defaultLocTexts();
  const LocTexts changed = resolveWith({{"QAV", "Antivirus Q"}, {"For", "für"}});

  ASSERT_EQ(changed.controls.size(), english.controls.size());
  std::set<std::string_view> differing;
  for (std::size_t i = 0; i < english.controls.size(); ++i) {
    ASSERT_EQ(changed.controls[i].name, english.controls[i].name);
    if (changed.controls[i].text != english.controls[i].text) {
      differing.insert(changed.controls[i].name);
    }
  }
  std::set<std::string_view> composed;
  for (const ComposedLabel& label : composedLabels()) composed.insert(label.label);
  EXPECT_EQ(differing, composed);
  EXPECT_EQ(textOf(changed, LocForm::Main, "L_SOS"), "Antivirus Q SOS");
  EXPECT_EQ(textOf(changed, LocForm::Main, "L_NNW"), "Antivirus Q für Novell NetWare");
}

TEST(LocTextsTest, LabelsAreComposedRightAfterTheirGroupCaption) {
  const LocTexts texts = defaultLocTexts();
  auto indexOf = [&](std::string_view name) {
    return std::ranges::find(texts.controls, name, &LocText::name) - texts.controls.begin();
  };
  EXPECT_EQ(indexOf("L_QAV"), indexOf("GB_Home") + 1);
  EXPECT_EQ(indexOf("L_WKS"), indexOf("GB_WKS") + 1);
  EXPECT_EQ(indexOf("L_LWS"), indexOf("GB_FS") - 1);
  EXPECT_EQ(indexOf("L_Milter"), indexOf("GB_Perim") - 1);
  EXPECT_EQ(indexOf("L_Proxy"), std::ssize(texts.controls) - 1);
}

// What a control shows for a given section content.
struct ShownCase {
  std::map<std::string, std::string, std::less<>> section;
  LocForm form;
  std::string_view control;
  std::string shown;
};

TEST(LocTextsTest, EachTargetShowsItsFormOfTheText) {
  const std::vector<ShownCase> cases = {
      {{}, LocForm::Main, "Btn_Close", "Exit"},
      {{}, LocForm::Settings, "", "Quintaris Updater: Settings"},
      {{}, LocForm::Settings, "Btn_Ok", "Apply"},
      {{}, LocForm::Settings, "GB_SourceUpd", "Source:"},
      {{}, LocForm::Settings, "L_TmpFld", "Temp folder:"},
      {{}, LocForm::Message, "ST_Detail", "See details"},
      {{{"Error6", "Quelle"}}, LocForm::Settings, "GB_SourceUpd", "Quelle:"},
      {{{"Cancel", "Abbrechen"}}, LocForm::Expert, "Btn_Close", "Abbrechen"},
      {{{"Cancel", "Abbrechen"}}, LocForm::Settings, "Btn_Cancel", "Abbrechen"},
      {{{"Cancel", "Abbrechen"}}, LocForm::Message, "Btn_Cancel", "Abbrechen"},
      {{{"Settings", "Optionen"}}, LocForm::Main, "Btn_Set", "Optionen"},
      {{{"Settings", "Optionen"}}, LocForm::Settings, "", "Quintaris Updater: Optionen"},
      {{{"Start_Update", "Los"}}, LocForm::Expert, "Btn_Start", "Los"},
      {{{"Updates_folder", ""}}, LocForm::Settings, "L_UpdFld", ":"},
      {{{"Stop", ""}}, LocForm::Main, "Btn_Stop", ""},
      {{{"QAV", ""}}, LocForm::Main, "L_SOS", " SOS"},
  };
  for (const ShownCase& c : cases) {
    EXPECT_EQ(textOf(resolveWith(c.section), c.form, c.control), c.shown) << c.control;
  }
}

TEST(LocTextsTest, FieldsTakeTheTextAsRead) {
  EXPECT_EQ(defaultLocTexts().field("MsgSourceOfUpdates"), "Source of updates");
  EXPECT_EQ(resolveWith({{"Error6", "Quelle"}}).field("MsgSourceOfUpdates"), "Quelle");
  EXPECT_EQ(resolveWith({{"Updates_folder", ""}}).field("TextUpdatesFolder"), "");
  EXPECT_THROW(defaultLocTexts().field("LangSection"), std::out_of_range);
}

}  // namespace
}  // namespace qu
