#pragma once

// Just enough of the main window and the settings dialog for the window options: every group
// an index list covers, with a label or two and a few boxes at known positions.

#include <array>
#include <string>

#include "platform/controls.h"
#include "settings/window_options.h"

namespace qu::test {

class OptionForms {
 public:
  OptionForms() {
    addChecks("GB_Home", 2, 3);   // boxes at 2..4
    addChecks("GB_FS", 0, 2);     // 0..1
    addChecks("GB_Mail", 1, 2);   // 1..2
    addChecks("GB_Perim", 3, 4);  // 3..6
    addChecks("GB_Supp", 2, 2);   // 2..3
    addChecks("GB_WKS", 3, 2);    // 3..4
    addChecks("GB_AK", 0, 2);     // 0..1
    addChecks("GB_Rpt", 0, 3);    // 0..2
    auto& folders = settingsDialog.add<GroupBox>("GB_MoveUpd", nullptr);
    settingsDialog.add<Label>("L_UpdFld", &folders);
    settingsDialog.add<Label>("L_TmpFld", &folders);
    settingsDialog.add<RadioButton>("RB_FldCur", &folders).setChecked(true);
    settingsDialog.add<RadioButton>("RB_FldUser", &folders);
    settingsDialog.add<Edit>("E_UpdFld", &folders);
    auto& source = settingsDialog.add<GroupBox>("GB_SourceUpd", nullptr);
    settingsDialog.add<RadioButton>("RB_SourceUser", &source);
    settingsDialog.add<RadioButton>("RB_SourceQL", &source).setChecked(true);
    settingsDialog.add<Edit>("E_Source", &source);
  }

  // The box at `position` of `group`.
  CheckBox& box(const std::string& group, int position) {
    return mainWindow.find<CheckBox>(group + "_" + std::to_string(position));
  }

  // Options as the main window passes them: every list bound to its field.
  WindowOptions options(int language = 0, int selectionMode = 1) {
    std::array<std::string*, 10> targets{};
    for (std::size_t i = 0; i < fields.size(); ++i) targets[i] = &fields[i];
    return {language, selectionMode, bindIndexLists(mainWindow, settingsDialog, targets)};
  }

  Form mainWindow{"FMain"};
  Form settingsDialog{"TSettings"};
  std::array<std::string, 10> fields;

 private:
  void addChecks(const std::string& name, int labels, int checks) {
    auto& group = mainWindow.add<GroupBox>(name, nullptr);
    for (int i = 0; i < labels; ++i) mainWindow.add<Label>(name + "_L" + std::to_string(i), &group);
    for (int i = labels; i < labels + checks; ++i) {
      mainWindow.add<CheckBox>(name + "_" + std::to_string(i), &group);
    }
  }
};

}  // namespace qu::test
