#include "settings/index_list.h"

#include "platform/controls.h"
#include "settings/integer_text.h"

namespace qu {
namespace {

ControlKind countedKind(IndexKind kind) {
  return kind == IndexKind::RadioButtons ? ControlKind::RadioButton : ControlKind::CheckBox;
}

bool isChecked(const Control& control) {
  switch (control.kind()) {
    case ControlKind::CheckBox:
      return static_cast<const CheckBox&>(control).checked();
    case ControlKind::RadioButton:
      return static_cast<const RadioButton&>(control).checked();
    default:
      return false;
  }
}

void check(Control& control) {
  if (control.kind() == ControlKind::CheckBox) static_cast<CheckBox&>(control).setChecked(true);
  if (control.kind() == ControlKind::RadioButton) {
    static_cast<RadioButton&>(control).setChecked(true);
  }
}

void checkEntry(std::string_view entry, Control& group, IndexKind kind) {
  auto position = parseDecimal(entry);
  const auto& children = group.children();
  if (!position || *position < 0 || static_cast<std::size_t>(*position) >= children.size()) return;
  Control& control = *children[static_cast<std::size_t>(*position)];
  if (control.kind() == countedKind(kind)) check(control);
}

}  // namespace

std::string encodeIndexList(const Control& group, IndexKind kind) {
  std::string list;
  const auto& children = group.children();
  for (std::size_t position = 0; position < children.size(); ++position) {
    const Control& control = *children[position];
    if (control.kind() == countedKind(kind) && isChecked(control)) {
      list.append(std::to_string(position)).push_back(';');
    }
  }
  return list;
}

void decodeIndexList(std::string_view list, Control& group, IndexKind kind) {
  for (std::size_t end = list.find(';'); end != std::string_view::npos; end = list.find(';')) {
    checkEntry(list.substr(0, end), group, kind);
    list.remove_prefix(end + 1);
  }
}

}  // namespace qu
