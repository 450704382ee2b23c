#include "settings/expert_dialog_layout.h"

#include <array>

namespace qu {
namespace {

using K = ControlKind;

constexpr std::array kControls = {
    ControlSpec{K::GroupBox, "GB_AM", "", {8, 0, 331, 183}, "", kDisabled},
    ControlSpec{K::LabeledEdit, "LE_IndexFN", "GB_AM", {8, 28, 156, 21}, "IndexFileName:"},
    ControlSpec{K::LabeledEdit, "LE_UrlPath", "GB_AM", {172, 28, 151, 21}, "RelativeUrlPath:"},
    ControlSpec{K::LabeledEdit, "LE_Bld", "GB_AM", {8, 70, 315, 21}, "Build:"},
    ControlSpec{K::LabeledEdit, "LE_App", "GB_AM", {8, 112, 315, 21}, "Application:"},
    ControlSpec{K::LabeledEdit, "LE_Cmp", "GB_AM", {8, 154, 315, 21}, "Components:"},
    // The filters the catalog never sets; kept so an expert Apply writes them back unchanged.
    ControlSpec{
        K::LabeledEdit, "LE_OS", "", {8, 0, 150, 21}, "Operation system:", kHidden | kDisabled},
    ControlSpec{K::LabeledEdit, "LE_Lng", "", {170, 0, 150, 21}, "Language:", kHidden | kDisabled},
    // The expert-mode marker.
    ControlSpec{K::RadioButton, "RB_AM", "", {0, 0, 0, 0}, "", kHidden | kDisabled},
    ControlSpec{K::Button, "Btn_Start", "", {8, 188, 100, 25}, "Update"},
    ControlSpec{K::Button, "Btn_Close", "", {239, 188, 100, 25}, "Close", kCancelButton},
};

}  // namespace

std::span<const ControlSpec> expertDialogControls() {
  return kControls;
}

}  // namespace qu
