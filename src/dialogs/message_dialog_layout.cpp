#include "dialogs/message_dialog_layout.h"

#include <array>

namespace qu {
namespace {

using K = ControlKind;

constexpr std::array kControls = {
    // Both icons lie on one spot; the one in front is seen.
    ControlSpec{K::Image, "Img_Warn", "", {10, 13, 25, 25}},
    ControlSpec{K::Image, "Img_Att", "", {10, 13, 25, 25}},
    // Disabled, so the text cannot be focused, selected or scrolled.
    ControlSpec{K::Panel, "PNL", "", {40, 8, 220, 78}, "", kDisabled},
    ControlSpec{K::Memo, "M_Msg", "PNL", {6, 5, 188, 68}},
    ControlSpec{K::Button, "Btn_OK", "", {90, 88, 60, 25}, "OK"},
    ControlSpec{K::Button, "Btn_Cancel", "", {174, 88, 60, 25}, "Cancel", kHidden},
    ControlSpec{K::StaticText,
                "ST_Detail",
                "",
                {123, 52, 60, 13},
                "See details",
                kHidden | kLinkLook | kAutoSize},
};

}  // namespace

std::span<const ControlSpec> messageDialogControls() {
  return kControls;
}

}  // namespace qu
