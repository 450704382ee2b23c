#include "dialogs/settings_dialog_layout.h"

#include <array>

namespace qu {
namespace {

using K = ControlKind;

constexpr std::array kControls = {
    ControlSpec{K::GroupBox, "GB_Connect", "", {8, 4, 386, 246}, "Connection settings:"},
    ControlSpec{K::Label, "L_Port_1", "GB_Connect", {263, 142, 6, 13}, ":", kDisabled},
    ControlSpec{K::Label, "L_Port", "GB_Connect", {274, 122, 60, 13}, "Port:", kDisabled},
    ControlSpec{K::Label,
                "L_Timeout",
                "GB_Connect",
                {12, 22, 260, 13},
                "Timeout of connection (max=360 sec.):"},
    ControlSpec{K::SpinEdit, "SE_TimeOut", "GB_Connect", {300, 18, 74, 21}, "", 0, "L_Timeout"},
    ControlSpec{K::CheckBox,
                "ChBox_FtpPass",
                "GB_Connect",
                {12, 44, 362, 17},
                "Use passive FTP mode if possible",
                kChecked},
    ControlSpec{K::CheckBox,
                "ChBox_UseProxy",
                "GB_Connect",
                {12, 64, 362, 17},
                "Use proxy server",
                kChecked},
    ControlSpec{K::RadioButton,
                "RB_ProxyAuto",
                "GB_Connect",
                {28, 84, 346, 17},
                "Automatically detect the proxy server settings",
                kChecked},
    ControlSpec{K::RadioButton,
                "RB_ProxyUser",
                "GB_Connect",
                {28, 102, 346, 17},
                "Use specified proxy server settings"},
    ControlSpec{K::LabeledEdit, "LE_Addr", "GB_Connect", {44, 138, 216, 21}, "Address:", kDisabled},
    ControlSpec{K::SpinEdit, "SE_Port", "GB_Connect", {274, 138, 100, 21}, "", kDisabled, "L_Port"},
    ControlSpec{K::CheckBox,
                "ChBox_Authent",
                "GB_Connect",
                {28, 166, 346, 17},
                "Use proxy server authentication "},
    ControlSpec{K::LabeledEdit, "LE_User", "GB_Connect", {44, 202, 150, 21}, "User name:"},
    ControlSpec{
        K::LabeledEdit, "LE_Psw", "GB_Connect", {204, 202, 170, 21}, "Password:", kPassword},
    ControlSpec{K::CheckBox,
                "ChBox_ByPass",
                "GB_Connect",
                {28, 226, 346, 17},
                "Bypass proxy server for local addresses",
                kChecked},

    ControlSpec{K::GroupBox, "GB_DnlItems", "", {8, 254, 386, 58}, "Download:"},
    ControlSpec{K::RadioButton,
                "RB_UpdAll",
                "GB_DnlItems",
                {12, 16, 362, 17},
                "Databases and application program modules",
                kChecked},
    ControlSpec{K::RadioButton,
                "RB_UpdBase",
                "GB_DnlItems",
                {12, 34, 362, 17},
                "Application databases only"},

    ControlSpec{K::GroupBox, "GB_SourceUpd", "", {8, 316, 386, 62}, "Source:"},
    ControlSpec{
        K::RadioButton, "RB_SourceUser", "GB_SourceUpd", {12, 34, 110, 17}, "Custom source:"},
    ControlSpec{K::RadioButton,
                "RB_SourceQL",
                "GB_SourceUpd",
                {12, 16, 362, 17},
                "Quintaris Lab`s update servers",
                kChecked},
    // The box of the custom source is named by its radio button.
    ControlSpec{
        K::Edit, "E_Source", "GB_SourceUpd", {126, 32, 220, 21}, "", kDisabled, "RB_SourceUser"},
    ControlSpec{K::Button, "Btn_Source", "GB_SourceUpd", {350, 32, 24, 21}, " ...", kDisabled},

    ControlSpec{K::GroupBox, "GB_MoveUpd", "", {8, 382, 386, 56}, "Move updates to folder"},
    ControlSpec{K::Label, "L_UpdFld", "GB_MoveUpd", {126, 14, 120, 13}, "Updates folder:"},
    ControlSpec{K::Label, "L_TmpFld", "GB_MoveUpd", {256, 14, 118, 13}, "Temp folder:"},
    ControlSpec{
        K::RadioButton, "RB_FldCur", "GB_MoveUpd", {12, 16, 110, 17}, "Current folder", kChecked},
    ControlSpec{K::RadioButton, "RB_FldUser", "GB_MoveUpd", {12, 32, 110, 17}, "Custom folders:"},
    ControlSpec{K::Edit, "E_UpdFld", "GB_MoveUpd", {126, 28, 100, 21}, "", kDisabled, "L_UpdFld"},
    ControlSpec{K::Button, "Btn_FldUpd", "GB_MoveUpd", {226, 28, 22, 21}, " ...", kDisabled},
    ControlSpec{K::Edit, "E_TmpFld", "GB_MoveUpd", {256, 28, 96, 21}, "", kDisabled, "L_TmpFld"},
    ControlSpec{K::Button, "Btn_FldTemp", "GB_MoveUpd", {352, 28, 22, 21}, " ...", kDisabled},

    ControlSpec{K::Button, "Btn_Ok", "", {90, 444, 100, 25}, "OK", kBold},
    ControlSpec{K::Button, "Btn_Cancel", "", {212, 444, 100, 25}, "Cancel", kBold},
};

}  // namespace

std::span<const ControlSpec> settingsDialogControls() {
  return kControls;
}

}  // namespace qu
