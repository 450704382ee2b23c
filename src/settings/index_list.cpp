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

void checkPosition(int position, Control& group, IndexKind kind) {
  const auto& children = group.children();
  if (position < 0 || static_cast<std::size_t>(position) >= children.size()) return;
  Control& control = *children[static_cast<std::size_t>(position)];
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

std::vector<int> indexListPositions(std::string_view list) {
  std::vector<int> positions;
  for (std::size_t end = list.find(';'); end != std::string_view::npos; end = list.find(';')) {
    if (const auto position = parseDecimal(list.substr(0, end))) positions.push_back(*position);
    list.remove_prefix(end + 1);
  }
  return positions;
}

void decodeIndexList(std::string_view list, Control& group, IndexKind kind) {
  for (const int position : indexListPositions(list)) checkPosition(position, group, kind);
}

}  // namespace qu
