#pragma once

// Forms as data: a window is a table of controls (kind, name, parent, bounds, caption, initial
// state), built in table order, which is the creation order that control positions follow.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "platform/controls.h"

namespace qu {

enum ControlFlag : unsigned {
  kHidden = 1u << 0,
  kDisabled = 1u << 1,
  kChecked = 1u << 2,
  kBold = 1u << 3,
  kCancelButton = 1u << 4,
  kRightAligned = 1u << 5,
  kPassword = 1u << 6,
  kBorder = 1u << 7,
  kCentered = 1u << 8,
  kLinkLook = 1u << 9,
  kAutoSize = 1u << 10,
};

struct ControlSpec {
  ControlKind kind;
  std::string_view name;
  std::string_view parent;  // "" for the form itself
  Bounds bounds;
  std::string_view caption = {};
  unsigned flags = 0;
  std::string_view labelledBy = {};  // a control of an earlier row
};

// Creates the controls in order; a parent must come before its children.
void buildControls(Form& form, std::span<const ControlSpec> specs);

// A form whose controls exist as soon as the base is constructed, so a derived form can bind
// references to them in its initialiser list.
class DesignedForm : public Form {
 public:
  DesignedForm(std::string name, std::initializer_list<std::span<const ControlSpec>> tables);
};

}  // namespace qu
