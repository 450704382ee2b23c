#include "settings/index_list.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace qu {
namespace {

// A group laid out like GB_Home: two labels at positions 0 and 1, check boxes from 2 to 13.
class CheckGroup : public testing::Test {
 protected:
  CheckGroup() : group(form.add<GroupBox>("GB_Home", nullptr)) {
    form.add<Label>("L_QAV", &group);
    for (int i = 0; i < 12; ++i)
      boxes.push_back(&form.add<CheckBox>("box" + std::to_string(i), &group));
    form.add<Label>("L_QIS", &group);
  }

  std::set<int> checkedPositions() const {
    std::set<int> positions;
    for (const CheckBox* box : boxes) {
      if (box->checked()) positions.insert(box->position());
    }
    return positions;
  }

  Form form{"FMain"};
  GroupBox& group;
  std::vector<CheckBox*> boxes;
};

TEST_F(CheckGroup, EncodesCheckedPositionsInOrder) {
  EXPECT_EQ(encodeIndexList(group, IndexKind::CheckBoxes), "");
  form.find<CheckBox>("box11").setChecked(true);
  form.find<CheckBox>("box0").setChecked(true);
  EXPECT_EQ(encodeIndexList(group, IndexKind::CheckBoxes), "2;13;");
  EXPECT_EQ(encodeIndexList(group, IndexKind::RadioButtons), "");
}

struct DecodeCase {
  const char* list;
  std::set<int> checked;
};

class CheckGroupDecode : public CheckGroup, public testing::WithParamInterface<DecodeCase> {};

TEST_P(CheckGroupDecode, ChecksNamedBoxes) {
  decodeIndexList(GetParam().list, group, IndexKind::CheckBoxes);
  EXPECT_EQ(checkedPositions(), GetParam().checked) << GetParam().list;
}

INSTANTIATE_TEST_SUITE_P(StoredLists, CheckGroupDecode,
                         testing::Values(DecodeCase{"2;13;", {2, 13}}, DecodeCase{"0;2;", {2}},
                                         DecodeCase{"2;5", {2}}, DecodeCase{"5", {}},
                                         DecodeCase{"", {}}, DecodeCase{"x;3;", {3}},
                                         DecodeCase{"14;99;-1;;4;", {4}},
                                         DecodeCase{"3a;$4;+5;", {5}}, DecodeCase{"7;7;", {7}},
                                         DecodeCase{"99999999999;6;", {6}}));

TEST_F(CheckGroup, DecodingNeverUnchecksAndRunsHandlers) {
  int clicks = 0;
  boxes[0]->onClick = [&] { ++clicks; };
  boxes[5]->setChecked(true);
  decodeIndexList("2;", group, IndexKind::CheckBoxes);
  EXPECT_EQ(checkedPositions(), (std::set<int>{2, 7}));
  EXPECT_EQ(clicks, 1);
}

// GB_MoveUpd: two labels, the two radio buttons at 2 and 3, then edits and buttons.
class RadioGroup : public testing::Test {
 protected:
  RadioGroup() : group(form.add<GroupBox>("GB_MoveUpd", nullptr)) {
    form.add<Label>("L_UpdFld", &group);
    form.add<Label>("L_TmpFld", &group);
    current = &form.add<RadioButton>("RB_FldCur", &group);
    custom = &form.add<RadioButton>("RB_FldUser", &group);
    form.add<Edit>("E_UpdFld", &group);
    form.add<Button>("Btn_FldUpd", &group);
  }

  Form form{"TSettings"};
  GroupBox& group;
  RadioButton* current = nullptr;
  RadioButton* custom = nullptr;
};

TEST_F(RadioGroup, CountsOnlyRadioButtons) {
  current->setChecked(true);
  EXPECT_EQ(encodeIndexList(group, IndexKind::RadioButtons), "2;");
  EXPECT_EQ(encodeIndexList(group, IndexKind::CheckBoxes), "");
  decodeIndexList("3;", group, IndexKind::CheckBoxes);
  EXPECT_TRUE(current->checked());
  decodeIndexList("0;4;5;3;", group, IndexKind::RadioButtons);
  EXPECT_FALSE(current->checked());
  EXPECT_TRUE(custom->checked());
}

}  // namespace
}  // namespace qu
