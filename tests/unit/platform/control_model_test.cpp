#include <gtest/gtest.h>

#include <array>

#include "platform/controls.h"
#include "platform/form_spec.h"

namespace qu {
namespace {

// A small form written the way the program's forms are: as a table.
constexpr std::array kSpecs = {
    ControlSpec{ControlKind::GroupBox, "GB_Test", "", {8, 8, 200, 120}, "Group:"},
    ControlSpec{ControlKind::CheckBox, "ChBox_A", "GB_Test", {8, 16, 90, 17}, "A"},
    ControlSpec{ControlKind::Label, "L_First", "GB_Test", {8, 40, 90, 13}, "first"},
    ControlSpec{ControlKind::RadioButton, "RB_X", "GB_Test", {8, 56, 90, 17}, "X", kChecked},
    ControlSpec{ControlKind::RadioButton, "RB_Y", "GB_Test", {8, 72, 90, 17}, "Y"},
    ControlSpec{ControlKind::LinkLabel, "L_Link", "GB_Test", {100, 16, 90, 13}, "link"},
    ControlSpec{ControlKind::CheckBox, "ChBox_B", "GB_Test", {100, 40, 90, 17}, "B", kHidden},
    ControlSpec{ControlKind::RadioButton, "RB_Other", "", {8, 140, 90, 17}, "other", kChecked},
    ControlSpec{ControlKind::Edit, "E_Text", "", {8, 160, 90, 21}},
    ControlSpec{ControlKind::SpinEdit, "SE_Port", "", {8, 184, 90, 21}},
    ControlSpec{ControlKind::ComboBox, "CB_Lng", "", {8, 208, 90, 21}},
    ControlSpec{ControlKind::Button, "Btn_Start", "", {100, 240, 80, 25}, "Start", kBold},
    ControlSpec{ControlKind::Button, "Btn_Stop", "", {100, 240, 80, 25}, "Stop", kBold},
    ControlSpec{ControlKind::Button, "Btn_Close", "", {190, 240, 80, 25}, "Close", kCancelButton},
};

class ControlModel : public ::testing::Test {
 protected:
  ControlModel() : form("FTest") {
    form.setBounds({0, 0, 300, 280});
    buildControls(form, kSpecs);
    form.shown();
  }
  int clicks(const std::string& name) { return counts[name]; }
  void countClicks(const std::string& name) {
    form.find(name).onClick = [this, name] { ++counts[name]; };
  }
  Form form;
  std::map<std::string, int> counts;
};

TEST_F(ControlModel, NamesKindsBoundsAndCaptionsComeFromTheTable) {
  auto& box = form.find<CheckBox>("ChBox_A");
  EXPECT_EQ(box.kind(), ControlKind::CheckBox);
  EXPECT_EQ(box.bounds(), (Bounds{8, 16, 90, 17}));
  EXPECT_EQ(box.caption(), "A");
  EXPECT_EQ(box.parent(), &form.find("GB_Test"));
  EXPECT_TRUE(form.find("Btn_Start").bold());
  EXPECT_FALSE(form.find("ChBox_B").visible());
  EXPECT_THROW(form.find("ChBox_Missing"), std::out_of_range);
  EXPECT_THROW(form.find<RadioButton>("ChBox_A"), std::out_of_range);
}

TEST_F(ControlModel, PositionsPutLabelsFirstThenOtherControlsInCreationOrder) {
  std::vector<std::string> names;
  for (Control* child : form.find("GB_Test").children()) names.push_back(child->name());
  EXPECT_EQ(names,
            (std::vector<std::string>{"L_First", "L_Link", "ChBox_A", "RB_X", "RB_Y", "ChBox_B"}));
  EXPECT_EQ(form.find("L_Link").position(), 1);
  EXPECT_EQ(form.find("ChBox_A").position(), 2);
  EXPECT_EQ(form.find("ChBox_B").position(), 5);
}

TEST_F(ControlModel, CheckBoxHandlerRunsOnEveryChangeFromCodeOrUserButNotOnNoChange) {
  countClicks("ChBox_A");
  auto& box = form.find<CheckBox>("ChBox_A");
  box.setChecked(true);
  box.setChecked(true);
  EXPECT_EQ(clicks("ChBox_A"), 1);
  box.userClick();
  EXPECT_FALSE(box.checked());
  EXPECT_EQ(clicks("ChBox_A"), 2);
}

TEST_F(ControlModel, RadioSelectionClearsOnlySiblingsAndRunsOnlyTheSelectedHandler) {
  countClicks("RB_X");
  countClicks("RB_Y");
  auto& x = form.find<RadioButton>("RB_X");
  auto& y = form.find<RadioButton>("RB_Y");
  y.setChecked(true);
  EXPECT_TRUE(y.checked());
  EXPECT_FALSE(x.checked());
  EXPECT_TRUE(form.find<RadioButton>("RB_Other").checked()) << "another parent's radio stays";
  EXPECT_EQ(clicks("RB_Y"), 1);
  EXPECT_EQ(clicks("RB_X"), 0);
  y.userClick();
  EXPECT_EQ(clicks("RB_Y"), 1) << "selecting the selected one changes nothing";
  y.setChecked(false);
  EXPECT_EQ(clicks("RB_Y"), 1) << "clearing runs no handler";
}

TEST_F(ControlModel, EditChangeHandlerRunsWhenTheTextChanges) {
  auto& edit = form.find<Edit>("E_Text");
  int changes = 0;
  edit.onChange = [&] { ++changes; };
  edit.setText("abc");
  edit.setText("abc");
  edit.setText("");
  EXPECT_EQ(changes, 2);
}

TEST_F(ControlModel, SpinEditReadsNonNumbersAsMinimumAndClampsOnFocusLoss) {
  auto& spin = form.find<SpinEdit>("SE_Port");
  spin.setRange(1, 65535);
  spin.setValue(70000);
  EXPECT_EQ(spin.text(), "65535") << "a value set from code shows the nearest bound";
  spin.setText("999999");
  EXPECT_EQ(spin.value(), 999999) << "typing is free until the box loses focus";
  spin.focusLost();
  EXPECT_EQ(spin.text(), "65535");
  for (const char* notNumber : {"", "12a", " 5", "abc"}) {
    spin.setText(notNumber);
    EXPECT_EQ(spin.value(), 1) << '"' << notNumber << '"';
  }
  spin.setText("0");
  spin.focusLost();
  EXPECT_EQ(spin.text(), "1");
  spin.step(-1);
  EXPECT_EQ(spin.value(), 1);
}

TEST_F(ControlModel, ComboSelectionFromCodeIsSilentAndTheUsersRunsTheHandler) {
  auto& combo = form.find<ComboBox>("CB_Lng");
  int changes = 0;
  combo.onChange = [&] { ++changes; };
  combo.setItems({"English", "Russian", "Deutsch"});
  combo.setItemIndex(2);
  EXPECT_EQ(combo.text(), "Deutsch");
  EXPECT_EQ(changes, 0);
  combo.userSelect(1);
  EXPECT_EQ(combo.text(), "Russian");
  EXPECT_EQ(changes, 1);
  combo.setItemIndex(7);
  EXPECT_EQ(combo.text(), "");
}

TEST_F(ControlModel, ZOrderDecidesWhichOfTwoSiblingsIsInFront) {
  auto& start = form.find("Btn_Start");
  auto& stop = form.find("Btn_Stop");
  EXPECT_TRUE(stop.isInFrontOf(start)) << "later creation lies in front";
  start.bringToFront();
  EXPECT_TRUE(start.isInFrontOf(stop));
  start.sendToBack();
  EXPECT_TRUE(stop.isInFrontOf(start));
  EXPECT_EQ(form.zOrder().front(), &start);
}

TEST_F(ControlModel, UnreachableControlsIgnoreTheUser) {
  countClicks("ChBox_A");
  form.close();
  form.find("ChBox_A").userClick();
  EXPECT_EQ(clicks("ChBox_A"), 0) << "a closed form takes no input";
  form.shown();
  form.find("GB_Test").setEnabled(false);
  form.find("ChBox_A").userClick();
  EXPECT_EQ(clicks("ChBox_A"), 0) << "a disabled parent shields its children";
  form.find("GB_Test").setEnabled(true);
  form.find("ChBox_B").userClick();
  EXPECT_FALSE(form.find<CheckBox>("ChBox_B").checked()) << "hidden";
  form.find<CheckBox>("ChBox_B").setChecked(true);
  EXPECT_TRUE(form.find<CheckBox>("ChBox_B").checked()) << "code still reaches it";
}

TEST_F(ControlModel, FormShowCloseAndKeys) {
  form.close();
  std::vector<std::string> events;
  form.onShow = [&] { events.push_back("show"); };
  form.onClose = [&] { events.push_back(form.visible() ? "close while visible" : "late"); };
  form.shown();
  EXPECT_TRUE(form.visible());
  form.close();
  form.close();
  EXPECT_FALSE(form.visible());
  EXPECT_EQ(events, (std::vector<std::string>{"show", "close while visible"}));

  form.shown();
  form.setTitleButtons(TitleButtons::None);
  form.userClose();
  EXPECT_TRUE(form.visible()) << "no close box, no closing by the window manager";
  countClicks("Btn_Close");
  EXPECT_TRUE(form.keyDown({kKeyEscape}));
  EXPECT_EQ(clicks("Btn_Close"), 1) << "Esc clicks the cancel button";

  std::vector<int> keys;
  form.onKeyDown = [&](const KeyEvent& e) { keys.push_back(e.key); };
  form.keyDown({'S', true});
  EXPECT_TRUE(keys.empty()) << "without key preview the form does not see keys";
  form.setKeyPreview(true);
  form.keyDown({'S', true});
  EXPECT_EQ(keys, std::vector<int>{'S'});
}

// Tab walks the usable controls in creation order, radio buttons each on their own, and skips
// what the user cannot see: hidden, disabled (also through a parent) and covered controls.
TEST_F(ControlModel, TabStopsFollowCreationOrderAndSkipWhatCannotBeUsed) {
  auto walk = [&](bool backwards) {
    std::vector<std::string> names;
    const Control* at = nullptr;
    for (int i = 0; i < 10; ++i) {
      at = form.nextTabStop(at, backwards);
      names.push_back(at->name());
    }
    return names;
  };
  using Names = std::vector<std::string>;
  EXPECT_EQ(walk(false), (Names{"ChBox_A", "RB_X", "RB_Y", "RB_Other", "E_Text", "SE_Port",
                                "CB_Lng", "Btn_Stop", "Btn_Close", "ChBox_A"}));
  EXPECT_EQ(walk(true), (Names{"Btn_Close", "Btn_Stop", "CB_Lng", "SE_Port", "E_Text", "RB_Other",
                               "RB_Y", "RB_X", "ChBox_A", "Btn_Close"}));

  form.find("Btn_Start").bringToFront();
  form.find("GB_Test").setEnabled(false);
  EXPECT_EQ(form.nextTabStop(&form.find("CB_Lng"), false)->name(), "Btn_Start");
  EXPECT_EQ(form.nextTabStop(&form.find("Btn_Close"), false)->name(), "RB_Other");
  EXPECT_EQ(form.nextTabStop(&form.find("RB_X"), false)->name(), "RB_Other")
      << "from a control that has just become unusable";
  form.close();
  EXPECT_EQ(form.nextTabStop(nullptr, false), nullptr) << "a closed form has none";
}

class RecordingObserver : public ModelObserver {
 public:
  void propertyChanged(Control& control, Property property) override {
    changes.emplace_back(control.name(), property);
  }
  void timerChanged(Timer& timer) override { timers.push_back(timer.name()); }
  void formDestroyed(Form& form) override { destroyed.push_back(form.name()); }
  std::vector<std::string> destroyed;
  std::vector<std::pair<std::string, Property>> changes;
  std::vector<std::string> timers;
};

TEST_F(ControlModel, ObserverSeesEveryEffectiveChangeOnce) {
  RecordingObserver observer;
  form.setObserver(&observer);
  auto& y = form.find<RadioButton>("RB_Y");
  y.setChecked(true);
  form.find("Btn_Start").setLeft(368);
  form.find("Btn_Start").setLeft(368);
  form.find("E_Text").setCaption("");
  Timer& timer = form.addTimer("Timer");
  timer.setEnabled(true);
  timer.setInterval(500);
  timer.setInterval(500);
  using C = std::pair<std::string, Property>;
  EXPECT_EQ(observer.changes, (std::vector<C>{{"RB_X", Property::Checked},
                                              {"RB_Y", Property::Checked},
                                              {"Btn_Start", Property::Bounds}}));
  EXPECT_EQ(observer.timers, (std::vector<std::string>{"Timer", "Timer"}));
  form.setObserver(nullptr);
}

// An edit is named by its label, and a new caption of the label reaches the edit's observers.
TEST_F(ControlModel, AnEditIsNamedByItsLabel) {
  auto& edit = form.find("E_Text");
  auto& label = form.find("L_First");
  EXPECT_EQ(form.find("ChBox_A").accessibleName(), "A");
  EXPECT_EQ(edit.accessibleName(), "");
  edit.setLabelledBy(&label);
  EXPECT_EQ(edit.accessibleName(), "first");
  RecordingObserver observer;
  form.setObserver(&observer);
  label.setCaption("Proxy address:");
  EXPECT_EQ(edit.accessibleName(), "Proxy address:");
  using C = std::pair<std::string, Property>;
  EXPECT_EQ(observer.changes,
            (std::vector<C>{{"L_First", Property::Caption}, {"E_Text", Property::Caption}}));
  form.setObserver(nullptr);
}

TEST(FormLifetime, ObserverHearsOfTheFormsEnd) {
  RecordingObserver observer;
  {
    Form form("FGone");
    form.setObserver(&observer);
  }
  EXPECT_EQ(observer.destroyed, std::vector<std::string>{"FGone"});
}

}  // namespace
}  // namespace qu
