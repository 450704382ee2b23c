#include "app/main_window_layout.h"

#include <array>

namespace qu {
namespace {

using K = ControlKind;

constexpr std::array kUpper = {
    // The frame of the upper area lies outside the window, so only its contents show.
    ControlSpec{K::GroupBox, "GroupBox10", "", {-8, -8, 700, 900}},
    ControlSpec{K::Label, "L_Lng", "GroupBox10", {556, 17, 45, 13}, "Languge:", kRightAligned},
    ControlSpec{K::ComboBox, "CB_Lng", "GroupBox10", {604, 14, 65, 21}, "", 0, "L_Lng"},
    ControlSpec{
        K::RadioButton, "RB_UpdAll", "GroupBox10", {16, 16, 449, 17}, "Update all products"},
    ControlSpec{K::RadioButton,
                "RB_UpdSel",
                "GroupBox10",
                {16, 32, 321, 17},
                "Update selected products:",
                kChecked},
    ControlSpec{K::GroupBox, "GB_Home", "GroupBox10", {16, 52, 324, 113}, "Home products:"},
    ControlSpec{K::GroupBox, "GB_WKS", "GroupBox10", {16, 167, 324, 129}, "Workstations:"},
    ControlSpec{K::GroupBox, "GB_FS", "GroupBox10", {16, 298, 324, 241}, "File servers:"},
    ControlSpec{K::GroupBox, "GB_Mail", "GroupBox10", {346, 52, 324, 305}, "Mail systems:"},
    ControlSpec{
        K::GroupBox, "GB_Perim", "GroupBox10", {346, 359, 324, 113}, "Perimeter protection:"},
    ControlSpec{
        K::GroupBox, "GB_AK", "GroupBox10", {346, 474, 324, 65}, "Quintaris Administration Kit:"},
};

constexpr std::array kLower = {
    ControlSpec{K::GroupBox, "GB_Supp", "", {8, 533, 324, 72}, "Service:"},
    // Creation order fixes the stored positions: L_KBase 0, L_Forum 1, ChBox_Trace 2, ChBox_Dump 3.
    ControlSpec{
        K::LinkLabel, "L_KBase", "GB_Supp", {8, 32, 150, 13}, "Quintaris Lab Knowledge Base"},
    ControlSpec{K::LinkLabel, "L_Forum", "GB_Supp", {8, 16, 113, 13}, "Quintaris Lab`s Forum"},
    ControlSpec{K::CheckBox, "ChBox_Trace", "GB_Supp", {162, 32, 159, 17}, "Turn trace on"},
    ControlSpec{
        K::CheckBox, "ChBox_Dump", "GB_Supp", {162, 16, 159, 17}, "Create crash dump files"},
    ControlSpec{K::GroupBox, "GB_Rpt", "", {338, 533, 324, 72}, "Report:"},
    // Stored positions: ChBox_RptAppend 0, ChBox_RptDisplay 1, ChBox_RptFile 2.
    ControlSpec{
        K::CheckBox, "ChBox_RptAppend", "GB_Rpt", {18, 50, 287, 17}, "Append previus report file"},
    ControlSpec{K::CheckBox, "ChBox_RptDisplay", "GB_Rpt", {8, 16, 305, 17}, "ChBox_RptDisplay"},
    ControlSpec{K::CheckBox, "ChBox_RptFile", "GB_Rpt", {8, 32, 305, 17}, "ChBox_RptFile"},
    // The progress bar and the result line share one place; the result line lies in front.
    ControlSpec{K::ProgressBar, "ProgressBar1", "", {8, 611, 654, 17}, "", kHidden},
    ControlSpec{
        K::StaticText, "ST_RetCode", "", {8, 611, 4, 4}, "", kCentered | kBorder | kLinkLook},
    ControlSpec{K::Button, "Btn_Set", "", {6, 634, 113, 25}, "Settings", kBold},
    ControlSpec{K::Button, "Btn_Apply", "", {190, 634, 113, 25}, "Apply", kBold | kDisabled},
    ControlSpec{K::Button, "Btn_Start", "", {366, 634, 113, 25}, "Start", kBold | kDisabled},
    ControlSpec{K::Button, "Btn_Stop", "", {414, 634, 113, 25}, "Stop", kBold},
    ControlSpec{K::Button, "Btn_Close", "", {550, 634, 113, 25}, "Close", kBold},
};

}  // namespace

std::span<const ControlSpec> mainUpperControls() {
  return kUpper;
}
std::span<const ControlSpec> mainLowerControls() {
  return kLower;
}

}  // namespace qu
