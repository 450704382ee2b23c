// Putting the settings file back into the windows: the section GUI into the main window, the
// connection settings into the settings dialog, the filter keys into the expert dialog.
// Setting a control runs its handlers, so the enabling rules hold after loading too.

#include <string>

#include "app/main_window.h"
#include "app/settings_sections.h"
#include "catalog/product_type.h"
#include "i18n/language_keys.h"
#include "settings/index_list.h"
#include "settings/ini_file.h"

namespace qu {
namespace {

// Flags of the utility count as on only when they are exactly 1.
bool isOn(const IniSnapshot& file, const std::string& section, const char* key, int defaultValue) {
  return file.ReadInteger(section, key, defaultValue) == 1;
}

std::string readText(const IniSnapshot& file, const std::string& section, const char* key) {
  return file.ReadString(section, key, "");
}

void decodeChecks(const std::string& list, Control& group) {
  decodeIndexList(list, group, IndexKind::CheckBoxes);
}

}  // namespace

void TFMain::readset() {
  const IniSnapshot file(settingsPath());
  CB_Lng.setItemIndex(languageIndexOrEnglish(file.ReadInteger(kGuiSectionName, "lng", 0)));
  SelectionMode = file.ReadInteger(kGuiSectionName, "s0", 1);
  FolderModeChecks = readText(file, kGuiSectionName, "s2");
  HomeChecks = readText(file, kGuiSectionName, "s3");
  FileServerChecks = readText(file, kGuiSectionName, "s4");
  MailChecks = readText(file, kGuiSectionName, "s5");
  PerimeterChecks = readText(file, kGuiSectionName, "s6");
  SourceChecks = readText(file, kGuiSectionName, "s8");
  ServiceChecks = readText(file, kGuiSectionName, "s12");
  WorkstationChecks = readText(file, kGuiSectionName, "s13");
  AdminKitChecks = readText(file, kGuiSectionName, "s14");
  ReportChecks = readText(file, kGuiSectionName, "s15");

  f2set();
  // A stored expert mode (or anything else but 0) comes back as selected products.
  if (SelectionMode != 0) {
    RB_UpdSelClick();
  } else {
    RB_UpdAllClick();
  }
  ExpertCmp();
  decodeChecks(ReportChecks, find("GB_Rpt"));
  Rpt_CHECK();
  decodeChecks(HomeChecks, find("GB_Home"));
  decodeChecks(FileServerChecks, find("GB_FS"));
  decodeChecks(MailChecks, find("GB_Mail"));
  decodeChecks(PerimeterChecks, find("GB_Perim"));
  decodeChecks(ServiceChecks, find("GB_Supp"));
  decodeChecks(WorkstationChecks, find("GB_WKS"));
  decodeChecks(AdminKitChecks, find("GB_AK"));
}

void TFMain::f2set() {
  const IniSnapshot file(settingsPath());
  TSettings& dialog = Settings();
  dialog.SE_TimeOut.setValue(file.ReadInteger(kUpdaterSection, "connect_tmo", 60));
  if (file.ReadInteger(kRetranslationSection, "download_patches", 1) != 0) {
    dialog.RB_UpdAll.setChecked(true);
  } else {
    dialog.RB_UpdBase.setChecked(true);
  }
  dialog.ChBox_UseProxy.setChecked(isOn(file, kUpdaterSection, "proxy", 1));
  dialog.ChBox_Authent.setChecked(isOn(file, kUpdaterSection, "proxy_authorisation", 0));
  if (isOn(file, kUpdaterSection, "use_ie_proxy", 1)) {
    dialog.RB_ProxyAuto.setChecked(true);
  } else {
    dialog.RB_ProxyUser.setChecked(true);
  }
  dialog.LE_Addr.setText(readText(file, kUpdaterSection, "proxy_url"));
  dialog.LE_User.setText(readText(file, kUpdaterSection, "proxy_login"));
  dialog.LE_Psw.setText(readText(file, kUpdaterSection, "proxy_pwd"));
  dialog.SE_Port.setValue(file.ReadInteger(kUpdaterSection, "proxy_port", 8080));
  dialog.ChBox_ByPass.setChecked(
      isOn(file, kUpdaterSection, "bypassProxyServerForLocalAddresses", 1));
  dialog.ChBox_FtpPass.setChecked(isOn(file, kUpdaterSection, "passive_ftp", 1));

  // The choices come from the stored lists, never from the values: "$QL" under a custom
  // source is shown as it is.
  decodeIndexList(SourceChecks, dialog.GB_SourceUpd, IndexKind::RadioButtons);
  if (dialog.RB_SourceUser.checked()) {
    dialog.E_Source.setText(readText(file, kUpdaterSection, "update_srv_url0"));
  }
  decodeIndexList(FolderModeChecks, dialog.GB_MoveUpd, IndexKind::RadioButtons);
  if (dialog.RB_FldUser.checked()) {
    dialog.E_TmpFld.setText(readText(file, kUpdaterSection, "temporary_dir"));
    dialog.E_UpdFld.setText(readText(file, kUpdaterSection, "retranslation_dir"));
  }
}

void TFMain::ExpertCmp() {
  const IniSnapshot file(settingsPath());
  TFAM& dialog = FAM();
  dialog.LE_IndexFN.setText(
      file.ReadString(kUpdaterSection, "primaryIndexFileName", std::string(kDefaultIndexFileName)));
  dialog.LE_UrlPath.setText(file.ReadString(kUpdaterSection, "primaryIndexRelativeUrlPath",
                                            std::string(kDefaultIndexUrlPath)));
  dialog.LE_Cmp.setText(readText(file, kRetranslationSection, "component"));
  dialog.LE_Bld.setText(readText(file, kRetranslationSection, "build"));
  dialog.LE_App.setText(readText(file, kRetranslationSection, "application"));
  dialog.LE_OS.setText(readText(file, kRetranslationSection, "os"));
  dialog.LE_Lng.setText(readText(file, kRetranslationSection, "language"));
}

}  // namespace qu
