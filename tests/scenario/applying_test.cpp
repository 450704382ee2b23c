// Apply: from ticked boxes and the settings dialog to the lines of the settings file.

#include <filesystem>
#include <sstream>

#include "scenario/settings_scenario.h"

namespace qu::testing {
namespace {

// Section headers and key names of a file, in file order.
std::vector<std::string> layoutOf(const std::string& text) {
  std::vector<std::string> names;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.ends_with('\r')) line.pop_back();
    names.push_back(line.starts_with('[') ? line : line.substr(0, line.find('=')));
  }
  return names;
}

struct WorkedExample {
  std::vector<std::string> ticks;
  std::string components;
  std::string builds;
  std::string applications;
};

class WorkedExamples : public SettingsScenario,
                       public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(WorkedExamples, ReachTheFileNormalised) {
  openDefault();
  for (const std::string& box : GetParam().ticks) tick(box);
  apply();
  EXPECT_EQ(stored("Retranslation", "component"), GetParam().components);
  EXPECT_EQ(stored("Retranslation", "build"), GetParam().builds);
  EXPECT_EQ(stored("Retranslation", "application"), GetParam().applications);
  EXPECT_EQ(stored("GUI", "s0"), "1");
}

INSTANTIATE_TEST_SUITE_P(
    Applying, WorkedExamples,
    ::testing::Values(
        WorkedExample{{"ChBox_QAV_2", "ChBox_QIS_2"},
                      "ADB;AHI386;AHX64;AK6;AP;AS;AVS;BB;BB2;CORE;EMUI386;INDEX60;INFO;PAS;PCDB;"
                      "QAV2006EXEC;RM;RT;UPDATER;WAI386",
                      "119;123;124;125;138",
                      kAbsent},
        WorkedExample{{"ChBox_QAV_4", "ChBox_QIS_5", "ChBox_QIS_6"},
                      "ADBU;AH2I386;AH2X64;AP;APU;AS;ASTRM;BB;BB2;BLST;CORE;HIPS;INFO;PARCTL;PAS;"
                      "QAV8EXEC;QDBI386;RT;SSA;UPDATER;WAVI386",
                      kAbsent,
                      "QAV 8.0.0.[357-358];QIS 8.0.0.454;QIS 8.0.0.506;"},
        WorkedExample{{"ChBox_WKS_3", "ChBox_WKS_4", "ChBox_WS_2", "ChBox_SOS_2"},
                      "ADB;AHI386;AHX64;AK6;AP;AS;AVS;BB;BB2;CORE;INDEX60;NEWS;QAV2006EXEC;RM;RT;"
                      "UPDATER;WM",
                      "678;690;830;837",
                      kAbsent},
        WorkedExample{{"ChBox_QSE_1", "ChBox_QSE_2", "ChBox_AK_1"},
                      "AH;AK6;AVS;BLST;INDEX50;INDEX60;QAS20EXCH;RT;UPDATER",
                      kAbsent,
                      kAbsent}));

class Applying : public SettingsScenario {};

TEST_F(Applying, WritesKeyByKeyInTheUtilitysOrder) {
  TFMain& w = openShown();  // no settings file yet: Apply creates it
  tick("ChBox_QAV_4");
  apply();
  EXPECT_EQ(layoutOf(folder.read("ss_storage.ini")),
            (std::vector<std::string>{"[Retranslation]",
                                      "download_bases",
                                      "download_patches",
                                      "component",
                                      "application",
                                      "[Updater]",
                                      "update_srv_url0",
                                      "temporary_dir",
                                      "retranslation_dir",
                                      "proxy",
                                      "proxy_authorisation",
                                      "proxy_login",
                                      "proxy_pwd",
                                      "proxy_port",
                                      "proxy_url",
                                      "use_ie_proxy",
                                      "connect_tmo",
                                      "bypassProxyServerForLocalAddresses",
                                      "passive_ftp",
                                      "primaryIndexFileName",
                                      "primaryIndexRelativeUrlPath",
                                      "[GUI]",
                                      "Version",
                                      "s2",
                                      "s8",
                                      "lng",
                                      "s0",
                                      "s3"}));
  EXPECT_EQ(stored("GUI", "Version"), w.OwnVersion);
  EXPECT_TRUE(w.Btn_Start.enabled());
  EXPECT_FALSE(w.Btn_Apply.enabled());
}

TEST_F(Applying, UpdateAllDropsEveryFilterAfterAWarning) {
  openWith("[Retranslation]\ncomponent=X\napplication=Y\nbuild=1\n[GUI]\ns0=1\n");
  window->RB_UpdAll.userClick();
  acknowledgeMessages();
  apply();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Attention!");
  EXPECT_EQ(shown[0].lines, std::vector<std::string>{"The total size of downloads is too large. "
                                                     "The download process may become unlimited."});
  EXPECT_EQ(toolkit.beeps(), 0);
  EXPECT_EQ(stored("Updater", "primaryIndexFileName"), "u0607g.xml");
  EXPECT_EQ(stored("Updater", "primaryIndexRelativeUrlPath"), "index/");
  for (const char* key : {"component", "application", "build"}) {
    EXPECT_EQ(stored("Retranslation", key), kAbsent) << key;
  }
  EXPECT_EQ(stored("GUI", "s0"), "0");
}

TEST_F(Applying, ConnectionKeysComeFromTheControlsWhateverTheirEnabling) {
  TFMain& w = openDefault();
  TSettings& d = w.Settings();
  d.RB_ProxyUser.setChecked(true);
  d.LE_Addr.setText("px.example");
  d.SE_Port.setText("3128");
  d.ChBox_Authent.setChecked(true);
  d.LE_User.setText("me");
  d.LE_Psw.setText("p w");
  d.ChBox_UseProxy.setChecked(false);
  d.E_Source.setText("//never/stored");
  d.E_UpdFld.setText("never");
  tick("ChBox_QAV_4");
  apply();
  const std::pair<const char*, const char*> expected[] = {{"proxy", "2"},
                                                          {"proxy_url", "px.example"},
                                                          {"proxy_port", "3128"},
                                                          {"proxy_login", "me"},
                                                          {"proxy_pwd", "p w"},
                                                          {"proxy_authorisation", "1"},
                                                          {"use_ie_proxy", "0"},
                                                          {"update_srv_url0", "$QL"},
                                                          {"temporary_dir", "Temp"},
                                                          {"retranslation_dir", "Updates"}};
  for (const auto& [key, value] : expected) EXPECT_EQ(stored("Updater", key), value) << key;
}

TEST_F(Applying, IncompleteCustomFoldersKeepTheConnectionKeysButNotTheSelection) {
  openWith(
      "[Updater]\nconnect_tmo=45\ntemporary_dir=\nretranslation_dir=\n"
      "[GUI]\ns2=3;\ns8=1;\n");
  window->Settings().SE_TimeOut.setText("90");
  tick("ChBox_AK_1");
  tick("ChBox_QSE_1");
  apply();  // a settings failure is no Administration Kit problem: no message
  EXPECT_EQ(stored("Updater", "connect_tmo"), "45");
  EXPECT_EQ(stored("Retranslation", "component"),
            "AH;AK6;AVS;BLST;INDEX50;INDEX60;QAS20EXCH;RT;UPDATER");
  EXPECT_EQ(stored("GUI", "s14"), "0;");
  EXPECT_FALSE(window->InputError);
}

TEST_F(Applying, UnknownKeysAndSectionsSurviveInPlace) {
  folder.write("ss_storage.ini",
               "; mine\n[Updater]\nself_region=<default>\ncustom=keep\nproxy=1\n"
               "[Extra]\nx = 1\n[GUI]\nlng=0\n");
  openShown();
  tick("ChBox_QAV_4");
  apply();
  const std::string text = folder.read("ss_storage.ini");
  EXPECT_TRUE(text.starts_with("; mine\n[Updater]\nself_region=<default>\ncustom=keep\nproxy=1\n"))
      << text;
  EXPECT_NE(text.find("[Extra]\nx = 1\n[GUI]\nlng=0\n"), std::string::npos) << text;
}

TEST_F(Applying, UntickingTheLastBoxOfAGroupDeletesItsKey) {
  openWith("[GUI]\ns3=2;\ns0=1\n");
  tick("ChBox_QAV_4");
  tick("ChBox_WKS_1");
  apply();
  EXPECT_EQ(stored("GUI", "s3"), kAbsent);
  EXPECT_EQ(stored("GUI", "s13"), "3;");
}

TEST_F(Applying, LanguageReachesTheFileOnlyWithApply) {
  TFMain& w = openDefault();
  tick("ChBox_QAV_4");
  w.CB_Lng.userSelect(2);
  EXPECT_EQ(stored("GUI", "lng"), "0");
  EXPECT_TRUE(w.Btn_Apply.enabled());
  apply();
  EXPECT_EQ(stored("GUI", "lng"), "2");
}

TEST_F(Applying, RefusedWriteIsAnErrorAndLeavesApplyUsable) {
  TFMain& w = openDefault();
  folder.remove("ss_storage.ini");
  std::filesystem::create_directory(folder.file("ss_storage.ini"));
  tick("ChBox_QAV_4");
  acknowledgeMessages();
  apply();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Error");
  EXPECT_EQ(shown[0].lines,
            std::vector<std::string>{"Unable to write to " + folder.appDir() + "ss_storage.ini"});
  EXPECT_TRUE(w.Modified);
  EXPECT_TRUE(w.Btn_Apply.enabled());
  EXPECT_FALSE(w.Btn_Start.enabled());
}

}  // namespace
}  // namespace qu::testing
