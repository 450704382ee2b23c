// Writing the user's choices into the settings file: the selection, the settings dialog's
// connection and folder settings, and the window options of the section GUI.

#include <algorithm>

#include "app/main_window.h"
#include "app/settings_sections.h"
#include "catalog/product_catalog.h"
#include "catalog/product_type.h"
#include "settings/default_settings.h"
#include "settings/dubl.h"
#include "settings/index_list.h"
#include "settings/ini_file.h"
#include "settings/window_options.h"

namespace qu {
namespace {

// The utility expects values within the box's range even when the box never lost the focus.
int spinValue(const SpinEdit& box) {
  return std::clamp(box.value(), box.minValue(), box.maxValue());
}

// A whole string, not a literal assigned into the old one: GCC 12 at -O3 reports a false
// -Wrestrict overlap for that assignment.
std::string flagText(bool on) {
  return on ? "1" : "0";
}

void writeUnlessEmpty(IniBatch& file, const std::string& section, const char* key,
                      const std::string& value) {
  if (!value.empty()) file.WriteString(section, key, value);
}

// The filter lists have no empty form: an empty list means no filter, so the key goes.
void writeOrDelete(IniBatch& file, const char* key, const std::string& value) {
  if (value.empty()) {
    file.DeleteKey(kRetranslationSection, key);
  } else {
    file.WriteString(kRetranslationSection, key, value);
  }
}

WindowOptions windowOptions(TFMain& window) {
  WindowOptions options;
  options.languageIndex = window.CB_Lng.itemIndex();
  options.selectionMode = window.SelectionMode;
  options.lists = bindIndexLists(
      window, window.Settings(),
      {&window.FolderModeChecks, &window.HomeChecks, &window.FileServerChecks, &window.MailChecks,
       &window.PerimeterChecks, &window.SourceChecks, &window.ServiceChecks,
       &window.WorkstationChecks, &window.AdminKitChecks, &window.ReportChecks});
  return options;
}

ExpertFields expertFields(TFAM& dialog) {
  return {dialog.LE_IndexFN.text(), dialog.LE_UrlPath.text(), dialog.LE_Cmp.text(),
          dialog.LE_Bld.text(),     dialog.LE_App.text(),     dialog.LE_OS.text(),
          dialog.LE_Lng.text()};
}

}  // namespace

SelectionState TFMain::currentSelection() {
  SelectionState state;
  state.updateAll = RB_UpdAll.checked();
  state.updateSelected = RB_UpdSel.checked();
  state.expertMode = FAM().RB_AM.checked();
  state.expert = expertFields(FAM());
  state.trace = ChBox_Trace.checked();
  state.dump = ChBox_Dump.checked();
  for (const ProductRow& row : productRows()) {
    if (find<CheckBox>(row.box).checked()) state.ticked.emplace(row.box);
  }
  state.osList = OsList;
  state.languageList = LanguageList;
  return state;
}

void TFMain::Btn_ApplyClick() {
  Modified = false;
  InputError = false;
  const ProductSelection selection = ProductType(currentSelection());
  IndexFileName = selection.indexFileName;
  IndexUrlPath = selection.indexUrlPath;
  Components = dubl(selection.components);
  Builds = dubl(selection.builds);
  Applications = selection.applications;
  OsList = selection.osList;
  LanguageList = selection.languageList;
  TraceArg = selection.traceArg;
  DumpArg = selection.dumpArg;
  InputError = selection.inputError;
  catalogRefusal_ = selection.refusal;
  try {
    MainApp();
  } catch (const IniWriteError& error) {
    // What was written stays, but the file is not what the window shows: Apply again.
    Modified = true;
    InputError = false;
    ButtEn();
    showError(error.what());
    return;
  }
  Info();
  InputError = false;
  catalogRefusal_ = CatalogRefusal::None;
}

void TFMain::MainApp() {
  if (InputError) return;
  SetApp();
  settings();
  ButtEn();
  IniBatch file(settingsPath());
  file.WriteString(kUpdaterSection, "primaryIndexFileName", IndexFileName);
  file.WriteString(kUpdaterSection, "primaryIndexRelativeUrlPath", IndexUrlPath);
  writeOrDelete(file, "component", Components);
  writeOrDelete(file, "application", Applications);
  writeOrDelete(file, "build", Builds);
  writeOrDelete(file, "os", OsList);
  writeOrDelete(file, "language", LanguageList);
  file.commit();
  ExpertCmp();
}

void TFMain::SetApp() {
  TSettings& dialog = Settings();
  if (dialog.RB_FldUser.checked()) {
    if (dialog.E_UpdFld.text().empty() || dialog.E_TmpFld.text().empty()) {
      InputError = true;
    } else {
      TempDir = dialog.E_TmpFld.text();
      UpdatesDir = dialog.E_UpdFld.text();
    }
  } else {
    TempDir = "Temp";
    UpdatesDir = "Updates";
  }
  if (dialog.RB_SourceUser.checked()) {
    if (dialog.E_Source.text().empty()) {
      InputError = true;
    } else {
      UpdateSource = dialog.E_Source.text();
    }
  }
  if (InputError) return;

  // The choices are stored from the radio groups, so OK keeps them and Cancel restores them.
  FolderModeChecks = encodeIndexList(dialog.GB_MoveUpd, IndexKind::RadioButtons);
  SourceChecks = encodeIndexList(dialog.GB_SourceUpd, IndexKind::RadioButtons);
  PassiveFtp = dialog.ChBox_FtpPass.checked() ? 1 : 0;
  ProxyMode = dialog.ChBox_UseProxy.checked() ? 1 : 2;
  BypassLocal = dialog.ChBox_ByPass.checked() ? 1 : 0;
  ProxyAuth = dialog.ChBox_Authent.checked() ? 1 : 0;
  UseIeProxy = flagText(dialog.RB_ProxyAuto.checked());
  ProxyUrl = dialog.LE_Addr.text();
  ProxyPort = spinValue(dialog.SE_Port);
  IniBatch file(settingsPath());
  DownloadPatches = flagText(dialog.RB_UpdAll.checked());
  if (dialog.RB_SourceQL.checked()) UpdateSource = "$QL";

  file.WriteString(kRetranslationSection, "download_bases", "1");
  file.WriteString(kRetranslationSection, "download_patches", DownloadPatches);
  file.WriteString(kUpdaterSection, "update_srv_url0", UpdateSource);
  file.WriteString(kGuiSectionName, "Version", OwnVersion);
  writeUnlessEmpty(file, kGuiSectionName, "s2", FolderModeChecks);
  file.WriteString(kUpdaterSection, "temporary_dir", TempDir);
  file.WriteString(kUpdaterSection, "retranslation_dir", UpdatesDir);
  writeUnlessEmpty(file, kGuiSectionName, "s8", SourceChecks);
  file.WriteInteger(kUpdaterSection, "proxy", ProxyMode);
  file.WriteInteger(kUpdaterSection, "proxy_authorisation", ProxyAuth);
  file.WriteString(kUpdaterSection, "proxy_login", dialog.LE_User.text());
  file.WriteString(kUpdaterSection, "proxy_pwd", dialog.LE_Psw.text());
  file.WriteInteger(kUpdaterSection, "proxy_port", ProxyPort);
  file.WriteString(kUpdaterSection, "proxy_url", ProxyUrl);
  file.WriteString(kUpdaterSection, "use_ie_proxy", UseIeProxy);
  file.WriteInteger(kUpdaterSection, "connect_tmo", spinValue(dialog.SE_TimeOut));
  file.WriteInteger(kUpdaterSection, "bypassProxyServerForLocalAddresses", BypassLocal);
  file.WriteInteger(kUpdaterSection, "passive_ftp", PassiveFtp);
  file.commit();
}

void TFMain::Apply() {
  RadioBtnsClick();
  Settings().ChBox_UseProxyClick();
}

void TFMain::settings() {
  IniBatch file(settingsPath());
  qu::settings(file, windowOptions(*this));
  file.commit();
}

void TFMain::WriteDefaultSettings() {
  qu::WriteDefaultSettings(settingsPath(), windowOptions(*this));
}

}  // namespace qu
