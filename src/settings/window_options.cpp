#include "settings/window_options.h"

#include "platform/controls.h"
#include "settings/ini_file.h"

namespace qu {

std::vector<IndexListBinding> bindIndexLists(Form& mainWindow, Form& settingsDialog,
                                             const std::array<std::string*, 10>& fields) {
  std::vector<IndexListBinding> lists;
  for (std::size_t i = 0; i < kIndexListKeys.size(); ++i) {
    const IndexListKey& entry = kIndexListKeys[i];
    Form& form = entry.form == OptionsForm::MainWindow ? mainWindow : settingsDialog;
    lists.push_back({entry.key, &form.find(entry.group), entry.kind, fields[i]});
  }
  return lists;
}

void settings(IniBatch& file, const WindowOptions& options) {
  const std::string section(kGuiSection);
  for (const IndexListBinding& list : options.lists) {
    if (list.field) list.field->clear();
  }
  file.WriteInteger(section, "lng", options.languageIndex);
  file.WriteInteger(section, "s0", options.selectionMode);
  for (const IndexListBinding& list : options.lists) {
    std::string encoded = encodeIndexList(*list.group, list.kind);
    if (list.field) *list.field = encoded;
    const std::string key(list.key);
    if (encoded.empty()) {
      file.DeleteKey(section, key);
    } else {
      file.WriteString(section, key, encoded);
    }
  }
}

}  // namespace qu
