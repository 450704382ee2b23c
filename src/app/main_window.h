#pragma once

// TFMain, the main window (module quu): the program's only top-level window and the owner of all
// shared state, held in the state record below under its fields' own names. Its routines are
// split by concern over several .cpp files: start-up and the environment check, the window's own
// buttons, localisation, the selection rules, loading and applying the settings, and the update
// run.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

#include "catalog/product_type.h"
#include "dialogs/message_dialog.h"
#include "dialogs/settings_dialog.h"
#include "platform/file_time.h"
#include "platform/form_spec.h"
#include "platform/system.h"
#include "platform/toolkit.h"
#include "settings/expert_dialog.h"

namespace qu {

struct LocTexts;
struct SelectionState;
struct RunTicket;

// SelectionMode while the expert dialog is open.
inline constexpr int32_t kExpertSelectionMode = 4836;

class TFMain : public DesignedForm,
               private MessageOwner,
               private SettingsOwner,
               private ExpertOwner {
 public:
  // Creates the window and runs FormCreate: the instance guard and the start-up sequence.
  TFMain(Toolkit& toolkit, System& system);
  ~TFMain() override;

  // The state record.
  std::string OwnVersion;
  std::string UpdaterVersion;
  std::string UrlSee;
  std::string UrlForum;
  std::string UrlCode;
  std::string UrlKnowBase;
  std::string MsgNoUpdater;
  std::string MsgNoSettingsFile;
  std::string MsgErrorTitle;
  std::string MsgCheckParams;
  std::string MsgNothingSelected;
  std::string MsgSourceOfUpdates;
  std::string MsgAttentionTitle;
  std::string MsgConfirmExit;
  std::string TextUpdatesFolder;
  std::string TextTempFolder;
  std::string MsgCompleted;
  std::string ReportChecks;
  std::string WorkstationChecks;
  std::string AdminKitChecks;
  std::string FolderModeChecks;
  std::string SourceChecks;
  std::string ServiceChecks;
  std::string HomeChecks;
  std::string FileServerChecks;
  std::string MailChecks;
  std::string PerimeterChecks;
  std::string ProductPrefix;
  std::string TextFor;
  std::string OsList;
  std::string LangSection;
  std::string LanguageList;
  std::string TraceArg;
  std::string DumpArg;
  std::string Builds;
  std::string Applications;
  std::string TempDir;
  std::string UpdatesDir;
  std::string DownloadPatches;
  std::string UseIeProxy;
  std::string ProxyUrl;
  std::string AppDir;
  std::string IndexFileName;
  std::string UpdateSource;
  std::string IndexUrlPath;
  std::string Components;
  std::string ReportArg;
  uint16_t ShowConsole = 0;
  bool Running = false;
  bool NoSettingsFile = false;
  bool InputError = false;
  bool Modified = false;
  int32_t BypassLocal = 0;
  int32_t ProxyAuth = 0;
  int32_t SavedSelectionMode = 0;
  int32_t ProxyMode = 0;
  int32_t PassiveFtp = 0;
  int32_t ProxyPort = 0;
  int32_t SelectionMode = 1;
  FileTime LogTime;

  // The three dialogs, created by the start-up sequence and kept for the program's life.
  TMsg& Msg();
  TSettings& Settings();
  TFAM& FAM();

  // Start-up and the environment check.
  void FormCreate();
  void Start();
  void TimerTimer();
  void Verife();

  // The window's own buttons and keys.
  void BtnStartCap();
  void ButtEn();
  void Btn_SetClick();
  void Btn_CloseClick();
  void FormClose();
  void FormKeyDown(const KeyEvent& key);

  // Localisation.
  void Loc();
  void CB_LngChange();

  // Selection rules and checks.
  void RB_UpdAllClick();
  void RB_UpdSelClick();
  void MainClick() override;
  void Rpt_CHECK();
  void ChBox_RptFileClick();
  void RadioBtnsClick();
  void Info();

  // Loading and applying the settings file.
  void readset();
  void f2set() override;
  void ExpertCmp();
  void Btn_ApplyClick() override;
  void MainApp();
  void SetApp() override;
  void Apply();
  void settings();
  void WriteDefaultSettings();

  // The update run, its result and the support links.
  void Btn_StartClick() override;
  void Btn_StopClick();
  void IupdRead();
  void Label9Click();
  void L_ForumClick();
  void L_KBaseClick();
  void OpenURL(const std::string& address);

  // Named controls the logic reads and writes often.
  ComboBox& CB_Lng;
  RadioButton& RB_UpdAll;
  RadioButton& RB_UpdSel;
  CheckBox& ChBox_Trace;
  CheckBox& ChBox_Dump;
  CheckBox& ChBox_RptAppend;
  CheckBox& ChBox_RptDisplay;
  CheckBox& ChBox_RptFile;
  ProgressBar& ProgressBar1;
  StaticText& ST_RetCode;
  Button& Btn_Set;
  Button& Btn_Apply;
  Button& Btn_Start;
  Button& Btn_Stop;
  Button& Btn_Close;
  Timer& CheckTimer;  // the control named "Timer"

  std::filesystem::path settingsPath() const;
  std::filesystem::path languagePath() const;

 private:
  // MessageOwner
  bool settingsFileMissing() const override { return NoSettingsFile; }
  bool runInProgress() const override { return Running; }
  void acceptDefaultSettings() override;
  void closeMainWindow() override;
  void quitApplication() override;
  void setCheckTimerEnabled(bool enabled) override;
  void openDetailsPage() override;
  // SettingsOwner
  void markModified() override;
  void clearInputError() override { InputError = false; }
  bool inputError() const override { return InputError; }
  void reportSettingsCheck() override;
  // ExpertOwner
  bool modified() const override { return Modified; }
  void enterExpertMode() override;
  void restoreSelectionMode() override;
  void leaveExpertMode() override;

  void wireHandlers();
  void createDialogs();
  void startupSteps();
  void showError(const std::string& text) override;
  void applyLocTexts(const LocTexts& texts);
  SelectionState currentSelection();
  void runWorker(std::shared_ptr<RunTicket> ticket);
  void endOfRun(const RunTicket& ticket);
  friend void terminateRun(TFMain& window);
  friend void awaitRunEnd(TFMain& window);

  Toolkit& toolkit_;
  System& system_;
  std::unique_ptr<TMsg> msg_;
  std::unique_ptr<TSettings> settings_;
  std::unique_ptr<TFAM> fam_;
  std::mutex runLock_;  // RunLock: one run at a time
  std::shared_ptr<RunTicket> currentRun_;
  // Posted work checks this before touching the window.
  std::shared_ptr<TFMain*> alive_;
  std::uintmax_t logSize_ = 0;
  // The catalog's own verdict on the last Apply's selection, apart from the settings check that
  // also sets InputError.
  CatalogRefusal catalogRefusal_ = CatalogRefusal::None;
};

}  // namespace qu
