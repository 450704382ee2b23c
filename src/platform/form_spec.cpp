#include "platform/form_spec.h"

#include <string>

namespace qu {
namespace {

Control& create(Form& form, const ControlSpec& spec, Control* parent) {
  std::string name(spec.name);
  switch (spec.kind) {
    case ControlKind::GroupBox:
      return form.add<GroupBox>(name, parent);
    case ControlKind::Panel:
      return form.add<Panel>(name, parent);
    case ControlKind::Label:
      return form.add<Label>(name, parent);
    case ControlKind::LinkLabel:
      return form.add<LinkLabel>(name, parent);
    case ControlKind::CheckBox:
      return form.add<CheckBox>(name, parent);
    case ControlKind::RadioButton:
      return form.add<RadioButton>(name, parent);
    case ControlKind::Button:
      return form.add<Button>(name, parent);
    case ControlKind::Edit:
      return form.add<Edit>(name, parent);
    case ControlKind::LabeledEdit:
      return form.add<LabeledEdit>(name, parent);
    case ControlKind::SpinEdit:
      return form.add<SpinEdit>(name, parent);
    case ControlKind::ComboBox:
      return form.add<ComboBox>(name, parent);
    case ControlKind::ProgressBar:
      return form.add<ProgressBar>(name, parent);
    case ControlKind::StaticText:
      return form.add<StaticText>(name, parent);
    case ControlKind::Memo:
      return form.add<Memo>(name, parent);
    case ControlKind::Image:
      return form.add<Image>(name, parent);
    case ControlKind::Form:
      break;
  }
  throw std::invalid_argument("a form cannot be a child control: " + name);
}

void applyFlags(Control& control, unsigned flags) {
  if (flags & kHidden) control.setVisible(false);
  if (flags & kDisabled) control.setEnabled(false);
  if (flags & kBold) control.setBold(true);
  if (auto* check = dynamic_cast<CheckBox*>(&control); check && (flags & kChecked)) {
    check->setChecked(true);
  }
  if (auto* radio = dynamic_cast<RadioButton*>(&control); radio && (flags & kChecked)) {
    radio->setChecked(true);
  }
  if (auto* button = dynamic_cast<Button*>(&control)) button->setCancel(flags & kCancelButton);
  if (auto* label = dynamic_cast<Label*>(&control); label && (flags & kRightAligned)) {
    label->setAlignment(Alignment::Right);
  }
  if (auto* edit = dynamic_cast<Edit*>(&control); edit && (flags & kPassword)) {
    edit->setPasswordChar('*');
  }
  if (auto* text = dynamic_cast<StaticText*>(&control)) {
    text->setBorder(flags & kBorder);
    text->setCentered(flags & kCentered);
    text->setLinkLook(flags & kLinkLook);
    text->setAutoSize(flags & kAutoSize);
  }
}

}  // namespace

void buildControls(Form& form, std::span<const ControlSpec> specs) {
  for (const ControlSpec& spec : specs) {
    Control* parent = spec.parent.empty() ? &form : &form.find(spec.parent);
    Control& control = create(form, spec, parent);
    control.setBounds(spec.bounds);
    control.setCaption(std::string(spec.caption));
    applyFlags(control, spec.flags);
    if (!spec.labelledBy.empty()) control.setLabelledBy(&form.find(spec.labelledBy));
  }
}

DesignedForm::DesignedForm(std::string name,
                           std::initializer_list<std::span<const ControlSpec>> tables)
    : Form(std::move(name)) {
  for (auto table : tables) buildControls(*this, table);
}

}  // namespace qu
