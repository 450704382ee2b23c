#include "i18n/loc_table.h"

#include <stdexcept>
#include <string>

namespace qu {
namespace {

using K = LocTargetKind;
using F = LocForm;

constexpr LocTarget main(std::string_view control) {
  return {K::Caption, F::Main, control};
}
constexpr LocTarget settings(std::string_view control) {
  return {K::Caption, F::Settings, control};
}
constexpr LocTarget field(std::string_view name) {
  return {K::StateField, F::Main, name};
}

constexpr LocTarget kStart[] = {main("Btn_Start"), {K::CopiedCaption, F::Expert, "Btn_Start"}};
constexpr LocTarget kStop[] = {main("Btn_Stop")};
constexpr LocTarget kApply[] = {main("Btn_Apply"), {K::CopiedCaption, F::Settings, "Btn_Ok"}};
constexpr LocTarget kExit[] = {main("Btn_Close")};
constexpr LocTarget kCancel[] = {{K::Caption, F::Expert, "Btn_Close"},
                                 {K::CopiedCaption, F::Settings, "Btn_Cancel"},
                                 {K::CopiedCaption, F::Message, "Btn_Cancel"}};
constexpr LocTarget kSettings[] = {main("Btn_Set"), {K::WindowCaption, F::Settings, ""}};
constexpr LocTarget kConnection[] = {settings("GB_Connect")};
constexpr LocTarget kUseProxy[] = {settings("ChBox_UseProxy")};
constexpr LocTarget kAuthent[] = {settings("ChBox_Authent")};
constexpr LocTarget kBypass[] = {settings("ChBox_ByPass")};
constexpr LocTarget kPassiveFtp[] = {settings("ChBox_FtpPass")};
constexpr LocTarget kTimeout[] = {settings("L_Timeout")};
constexpr LocTarget kPort[] = {settings("L_Port")};
constexpr LocTarget kAddress[] = {settings("LE_Addr")};
constexpr LocTarget kUser[] = {settings("LE_User")};
constexpr LocTarget kPassword[] = {settings("LE_Psw")};
constexpr LocTarget kProxyAuto[] = {settings("RB_ProxyAuto")};
constexpr LocTarget kProxyUser[] = {settings("RB_ProxyUser")};
constexpr LocTarget kUpdateAll[] = {main("RB_UpdAll")};
constexpr LocTarget kUpdateSelected[] = {main("RB_UpdSel")};
constexpr LocTarget kService[] = {main("GB_Supp")};
constexpr LocTarget kTrace[] = {main("ChBox_Trace")};
constexpr LocTarget kMoveUpdates[] = {settings("GB_MoveUpd")};
constexpr LocTarget kDump[] = {main("ChBox_Dump")};
constexpr LocTarget kForum[] = {main("L_Forum")};
constexpr LocTarget kKnowledge[] = {main("L_KBase")};
constexpr LocTarget kLanguage[] = {main("L_Lng")};
constexpr LocTarget kUpdatesFolder[] = {field("TextUpdatesFolder"),
                                        {K::CaptionWithColon, F::Settings, "L_UpdFld"}};
constexpr LocTarget kTempFolder[] = {field("TextTempFolder"),
                                     {K::CaptionWithColon, F::Settings, "L_TmpFld"}};
constexpr LocTarget kCurrentFolder[] = {settings("RB_FldCur")};
constexpr LocTarget kCustomFolders[] = {settings("RB_FldUser")};
constexpr LocTarget kDownload[] = {settings("GB_DnlItems")};
constexpr LocTarget kModules[] = {settings("RB_UpdAll")};
constexpr LocTarget kBasesOnly[] = {settings("RB_UpdBase")};
constexpr LocTarget kSourceGroup[] = {{K::CaptionWithColon, F::Settings, "GB_SourceUpd"}};
constexpr LocTarget kCustomSource[] = {settings("RB_SourceUser")};
constexpr LocTarget kOwnServers[] = {settings("RB_SourceQL")};
constexpr LocTarget kReport[] = {main("GB_Rpt")};
constexpr LocTarget kDisplayReport[] = {main("ChBox_RptDisplay")};
constexpr LocTarget kFileReport[] = {main("ChBox_RptFile")};
constexpr LocTarget kAppendReport[] = {main("ChBox_RptAppend")};
constexpr LocTarget kDetails[] = {{K::Caption, F::Message, "ST_Detail"}};
constexpr LocTarget kUrlSee[] = {field("UrlSee")};
constexpr LocTarget kUrlForum[] = {field("UrlForum")};
constexpr LocTarget kUrlKnowBase[] = {field("UrlKnowBase")};
constexpr LocTarget kUrlCode[] = {field("UrlCode")};
constexpr LocTarget kError1[] = {field("MsgNoUpdater")};
constexpr LocTarget kError2[] = {field("MsgNoSettingsFile")};
constexpr LocTarget kError3[] = {field("MsgErrorTitle")};
constexpr LocTarget kError4[] = {field("MsgCheckParams")};
constexpr LocTarget kError5[] = {field("MsgNothingSelected")};
constexpr LocTarget kSourceMessage[] = {field("MsgSourceOfUpdates")};
constexpr LocTarget kAttention[] = {field("MsgAttentionTitle")};
constexpr LocTarget kConfirmExit[] = {field("MsgConfirmExit")};
constexpr LocTarget kCompleted[] = {field("MsgCompleted")};
constexpr LocTarget kProductWord[] = {field("ProductPrefix")};
constexpr LocTarget kFor[] = {field("TextFor")};
constexpr LocTarget kHome[] = {main("GB_Home")};
constexpr LocTarget kWorkstations[] = {main("GB_WKS")};
constexpr LocTarget kFileServers[] = {main("GB_FS")};
constexpr LocTarget kMail[] = {main("GB_Mail")};
constexpr LocTarget kPerimeter[] = {main("GB_Perim")};

constexpr LocRead kReads[] = {
    {1, "Start_Update", "Start", kStart},
    {2, "Stop", "Stop", kStop},
    {3, "Apply", "Apply", kApply},
    {4, "Exit", "Exit", kExit},
    {5, "Cancel", "Cancel", kCancel},
    {6, "Settings", "Settings", kSettings},
    {7, "Connection_settings", "Connection settings:", kConnection},
    {8, "Use_proxy_server", "Use proxy server", kUseProxy},
    // Key and default keep their trailing blank; the INI match ignores the key's blank.
    {9, "Use_proxy_authentication ", "Use proxy server authentication ", kAuthent},
    {10, "Bypass_proxy", "Bypass proxy server for local addresses", kBypass},
    {11, "Use_passive_FTP", "Use passive FTP mode if possible", kPassiveFtp},
    {12, "Timeout", "Timeout of connection (max=360 sec.):", kTimeout},
    {13, "Port", "Port:", kPort},
    {14, "Address", "Address:", kAddress},
    {15, "User_name", "User name:", kUser},
    {16, "Password", "Password:", kPassword},
    {17, "Auto_detect_proxy", "Automatically detect the proxy server settings", kProxyAuto},
    {18, "Use_proxy_settings", "Use specified proxy server settings", kProxyUser},
    {19, "Update_all", "Download all databases from the Quintaris Lab`s servers", kUpdateAll},
    {20, "Update_selected", "Download databases for the selected products:", kUpdateSelected},
    {21, "Service", "Service:", kService},
    {22, "Turn_trace", "Turn trace on", kTrace},
    {23, "Move_updates", "Move updates to folder", kMoveUpdates},
    {24, "Create_dump", "Create crash dump files", kDump},
    {25, "QLForum", "Quintaris Lab`s Forum", kForum},
    {26, "QLKnowledge", "Quintaris Lab Knowledge Base", kKnowledge},
    {27, "Language", "Language:", kLanguage},
    {28, "Updates_folder", "Updates folder", kUpdatesFolder},
    {29, "Temp_folder", "Temp folder", kTempFolder},
    {30, "Current_folder", "Current folder", kCurrentFolder},
    {31, "Custom_folders", "Custom folders:", kCustomFolders},
    {32, "Download", "Download:", kDownload},
    {33, "Databases_modules", "Databases and application program modules", kModules},
    {34, "Databases", "Application databases only", kBasesOnly},
    // "Error6" is read twice: here for the source group's caption, at 52 for the message item.
    {35, "Error6", "Source", kSourceGroup},
    {36, "Custom_source", "Custom source:", kCustomSource},
    {37, "QLUpdate_servers", "Quintaris Lab`s update servers", kOwnServers},
    {38, "Report", "Report:", kReport},
    {39, "Display_report", "Display on screen", kDisplayReport},
    {40, "File_report", "Save report to file", kFileReport},
    {41, "Append_File_Report", "Append to previous report", kAppendReport},
    {42, "Details", "See details", kDetails},
    {43, "URL_SEE", "https://support.quintaris.example/updater/faq/download-size", kUrlSee},
    {44, "URL_FORUM", "https://support.quintaris.example/forum/", kUrlForum},
    {45, "URL_KNOWBASE", "https://support.quintaris.example/kb/updater/", kUrlKnowBase},
    {46, "URL_CODE", "https://support.quintaris.example/kb/updater/return-codes", kUrlCode},
    {47, "Error1", "The file Updater.exe was not found. The application will be closed.", kError1},
    {48, "Error2",
     "Configuration file (ss_storage.ini) is missing. Press `OK` for automatic creation of the "
     "file or `Cancel` to exit the program.",
     kError2},
    {49, "Error3", "Error", kError3},
    {50, "Error4", "Error of parameters selection.   Check:", kError4},
    {51, "Error5", "Nothing is selected. Select the necessary product and try once again.",
     kError5},
    {52, "Error6", "Source of updates", kSourceMessage},
    {53, "info12", "Attention!", kAttention},
    {54, "info19", "Are you sure to exit from the program and stop the download process?",
     kConfirmExit},
    {55, "Completed", "Completed with return code:", kCompleted},
    {56, "QAV", "Quintaris Anti-Virus", kProductWord},
    {57, "For", "for", kFor},
    {58, "Home_products", "Home products:", kHome},
    {59, "Workstations", "Workstations:", kWorkstations},
    {60, "File_servers", "File servers:", kFileServers},
    {61, "Mail_systems", "Mail systems:", kMail},
    {62, "Perimeter_protection", "Perimeter protection:", kPerimeter},
};
static_assert(std::size(kReads) == kLocReadCount);

}  // namespace

std::span<const LocRead> locReads() {
  return kReads;
}

const LocRead& locRead(int number) {
  if (number < 1 || number > kLocReadCount) {
    throw std::out_of_range("no Loc read " + std::to_string(number));
  }
  return kReads[static_cast<std::size_t>(number - 1)];
}

}  // namespace qu
