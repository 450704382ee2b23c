#pragma once

// The front end's own window options in the section GUI of the settings file: the language,
// the selection mode and one index list per group of check boxes or radio buttons.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "settings/index_list.h"

namespace qu {

class Control;
class Form;
class IniBatch;

inline constexpr std::string_view kGuiSection = "GUI";

enum class OptionsForm { MainWindow, SettingsDialog };

struct IndexListKey {
  std::string_view key;
  std::string_view group;
  OptionsForm form;
  IndexKind kind;
};

// Every index list in the order it is written. The folder and source choices of the settings
// dialog count radio buttons; the main window's groups count check boxes.
inline constexpr std::array<IndexListKey, 10> kIndexListKeys = {{
    {"s2", "GB_MoveUpd", OptionsForm::SettingsDialog, IndexKind::RadioButtons},
    {"s3", "GB_Home", OptionsForm::MainWindow, IndexKind::CheckBoxes},
    {"s4", "GB_FS", OptionsForm::MainWindow, IndexKind::CheckBoxes},
    {"s5", "GB_Mail", OptionsForm::MainWindow, IndexKind::CheckBoxes},
    {"s6", "GB_Perim", OptionsForm::MainWindow, IndexKind::CheckBoxes},
    {"s8", "GB_SourceUpd", OptionsForm::SettingsDialog, IndexKind::RadioButtons},
    {"s12", "GB_Supp", OptionsForm::MainWindow, IndexKind::CheckBoxes},
    {"s13", "GB_WKS", OptionsForm::MainWindow, IndexKind::CheckBoxes},
    {"s14", "GB_AK", OptionsForm::MainWindow, IndexKind::CheckBoxes},
    {"s15", "GB_Rpt", OptionsForm::MainWindow, IndexKind::CheckBoxes},
}};

struct IndexListBinding {
  std::string_view key;
  Control* group = nullptr;
  IndexKind kind = IndexKind::CheckBoxes;
  std::string* field = nullptr;  // receives the list as written; none when null
};

struct WindowOptions {
  int languageIndex = 0;  // the position chosen in the language box, -1 for none
  int selectionMode = 1;
  std::vector<IndexListBinding> lists;  // written in this order
};

// The groups of kIndexListKeys found in their forms; fields[i] receives list i. Throws
// std::out_of_range naming a group that a form lacks.
std::vector<IndexListBinding> bindIndexLists(Form& mainWindow, Form& settingsDialog,
                                             const std::array<std::string*, 10>& fields);

// Writes GUI/lng, GUI/s0 and then each list into the batch, deleting the key of a list that is
// empty. Every field is cleared first, so a refused change leaves the fields of lists not yet
// reached empty. Throws IniWriteError from the first refused change.
void settings(IniBatch& file, const WindowOptions& options);

}  // namespace qu
