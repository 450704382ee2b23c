// Values that only quotes keep exact, typed in the settings dialog or written by hand, reach the
// utility unchanged through Apply after Apply, and the file keeps the same bytes.

#include <algorithm>
#include <sstream>
#include <string>

#include "scenario/settings_scenario.h"

namespace qu::testing {
namespace {

class SettingsRoundTrip : public SettingsScenario {
 protected:
  // Apply with nothing changed: a box ticked off and on again makes Apply usable.
  void applyAgain() {
    tick("ChBox_QAV_4");
    tick("ChBox_QAV_4");
    apply();
  }
  // The stored line of `key`, without its line end; "" when there is none.
  std::string lineOf(const std::string& key) const {
    std::string text = folder.read("ss_storage.ini");
    std::replace(text.begin(), text.end(), '\r', '\n');
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with(key + "=") || line.starts_with(key + " ")) return line;
    }
    return "";
  }
  std::string passwordAfterCancel() {
    inSettingsDialog([](TSettings& d) { d.Btn_Cancel.userClick(); });
    return window->Settings().LE_Psw.text();
  }
};

TEST_F(SettingsRoundTrip, APasswordTypedWithBlanksSurvivesEveryApply) {
  openDefault();
  tick("ChBox_QAV_4");
  inSettingsDialog([](TSettings& d) {
    d.LE_Psw.setText(" pw ");
    d.Btn_Ok.userClick();
  });
  apply();
  const std::string first = folder.read("ss_storage.ini");
  EXPECT_EQ(lineOf("proxy_pwd"), "proxy_pwd=\" pw \"");
  for (int i = 0; i < 3; ++i) applyAgain();
  EXPECT_EQ(folder.read("ss_storage.ini"), first);
  EXPECT_EQ(stored("Updater", "proxy_pwd"), " pw ");
  EXPECT_EQ(passwordAfterCancel(), " pw ");
}

// Written by hand on a system that ends lines with a CR alone.
TEST_F(SettingsRoundTrip, HandWrittenQuotesAndLineEndsSurviveAppliesThatChangeNothing) {
  openWith(
      "[Updater]\rproxy_url = 'proxy'\rproxy_pwd=\" sec ret \"\rproxy_login=\"\"me\"\"\r"
      "[GUI]\rs0=1\rs2=2;\rs8=1;\rs3=7;\r");
  EXPECT_TRUE(window->find<CheckBox>("ChBox_QAV_1").checked());
  EXPECT_EQ(window->Settings().LE_Psw.text(), " sec ret ");
  tick("ChBox_QAV_4");
  apply();
  const std::string first = folder.read("ss_storage.ini");
  EXPECT_EQ(lineOf("proxy_url"), "proxy_url = 'proxy'");
  EXPECT_EQ(lineOf("proxy_pwd"), "proxy_pwd=\" sec ret \"");
  EXPECT_EQ(lineOf("proxy_login"), "proxy_login=\"\"me\"\"");
  EXPECT_EQ(first.find('\n'), std::string::npos) << first;
  applyAgain();
  EXPECT_EQ(folder.read("ss_storage.ini"), first);
  EXPECT_EQ(stored("Updater", "proxy_login"), "\"me\"");
  EXPECT_EQ(passwordAfterCancel(), " sec ret ");
}

}  // namespace
}  // namespace qu::testing
