// Localisation of all four forms from the language file, through the language box.

#include "catalog/product_catalog.h"
#include "i18n/loc_table.h"
#include "i18n/product_labels.h"
#include "scenario/main_window_fixture.h"

namespace qu::testing {
namespace {

class Localisation : public MainWindowTest {
 protected:
  Form& formOf(LocForm form) {
    switch (form) {
      case LocForm::Main:
        return *window;
      case LocForm::Settings:
        return window->Settings();
      case LocForm::Message:
        return window->Msg();
      case LocForm::Expert:
        return window->FAM();
    }
    return *window;
  }
  // Every key of the table with the value "<key>!" in the Deutsch section.
  void writeMarkedLanguageFile() {
    std::string file = "[Deutsch]\n";
    for (const LocRead& read : locReads()) file += std::string(read.key) + "=" + mark(read) + "\n";
    folder.write("quintarisupdater.loc", file);
  }
  static std::string designCaption(std::string_view label) {
    for (const ProductGroup& group : productGroups()) {
      for (const ProductLabel& l : group.labels) {
        if (l.name == label) return std::string(l.designCaption);
      }
    }
    return "";
  }
  static std::string mark(const LocRead& read) {
    std::string key(read.key);
    while (!key.empty() && key.back() == ' ') key.pop_back();
    return key + "!";
  }
};

TEST_F(Localisation, ASectionThatRenamesEveryKeyReachesEveryTargetOfEveryRead) {
  withDefaultSettings();
  writeMarkedLanguageFile();
  TFMain& w = open();
  w.CB_Lng.userSelect(2);
  ASSERT_EQ(w.LangSection, "Deutsch");
  int checked = 0;
  for (const LocRead& read : locReads()) {
    // "Error6" is read twice; both reads see the one value the section holds.
    const std::string value = mark(read);
    for (const LocTarget& target : read.targets) {
      SCOPED_TRACE(std::string(read.key) + " -> " + std::string(target.name));
      Form& form = formOf(target.form);
      switch (target.kind) {
        case LocTargetKind::Caption:
        case LocTargetKind::CopiedCaption:
          EXPECT_EQ(form.find(target.name).caption(), value);
          break;
        case LocTargetKind::CaptionWithColon:
          EXPECT_EQ(form.find(target.name).caption(), value + ":");
          break;
        case LocTargetKind::WindowCaption:
          EXPECT_EQ(form.caption(), std::string(kSettingsTitlePrefix) + value);
          break;
        case LocTargetKind::StateField:
          break;  // checked below by name
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 62);
  EXPECT_EQ(w.MsgErrorTitle, "Error3!");
  EXPECT_EQ(w.MsgSourceOfUpdates, "Error6!");
  EXPECT_EQ(w.UrlCode, "URL_CODE!");
  EXPECT_EQ(w.MsgCompleted, "Completed!");
  EXPECT_EQ(w.find("L_WKS").caption(), "QAV! For! Windows Workstations");
  EXPECT_EQ(w.find("L_SOS").caption(), "QAV! SOS");
  EXPECT_EQ(w.find("L_QAV").caption(), "QAV!");
}

TEST_F(Localisation, CaptionsLocNeverTouchesStayInEveryLanguage) {
  withDefaultSettings();
  writeMarkedLanguageFile();
  TFMain& w = open();
  w.CB_Lng.userSelect(2);
  for (std::string_view label : fixedProductLabels()) {
    EXPECT_EQ(w.find(label).caption(), designCaption(label)) << label;
  }
  EXPECT_EQ(w.find("GB_AK").caption(), "Quintaris Administration Kit:");
  EXPECT_EQ(w.find("ChBox_QAV_4").caption(), "8.0.0.357");
  EXPECT_EQ(w.Msg().Btn_OK.caption(), "OK");
  EXPECT_EQ(w.FAM().LE_IndexFN.caption(), "IndexFileName:");
}

TEST_F(Localisation, ChangingTheLanguageMarksTheWindowAndSwitchingBackRestoresEnglish) {
  withDefaultSettings();
  folder.installLanguageFile();
  TFMain& w = open();
  firstTick();
  w.Btn_Apply.setEnabled(false);
  w.Modified = false;
  w.CB_Lng.userSelect(1);
  EXPECT_TRUE(w.Modified);
  EXPECT_TRUE(w.Btn_Apply.enabled());
  EXPECT_NE(w.Btn_Start.caption(), "Start");
  EXPECT_NE(w.Settings().caption(), "Quintaris Updater: Settings");
  w.CB_Lng.userSelect(0);
  EXPECT_EQ(w.Btn_Start.caption(), "Start");
  EXPECT_EQ(w.find("L_SOS").caption(), "Quintaris Anti-Virus SOS");
  EXPECT_EQ(w.Settings().caption(), "Quintaris Updater: Settings");
}

TEST_F(Localisation, WithoutALanguageFileEveryTextIsTheEnglishDefault) {
  withDefaultSettings();
  TFMain& w = open();
  w.CB_Lng.userSelect(1);
  EXPECT_EQ(w.CB_Lng.text(), "Russian") << "the box keeps the choice";
  EXPECT_EQ(w.Btn_Start.caption(), "Start");
  EXPECT_EQ(w.Settings().find("GB_SourceUpd").caption(), "Source:");
  EXPECT_EQ(w.MsgSourceOfUpdates, "Source of updates");
  EXPECT_EQ(w.Settings().find("Btn_Ok").caption(), "Apply");
}

}  // namespace
}  // namespace qu::testing
