#pragma once

// Helpers for scenarios that go through the settings file: ticking, applying, answering the
// messages that follow, and reading back what the window stored. A message shown with no answer
// queued fails the test, so a scenario that queues none asserts that no message appears.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "scenario/main_window_fixture.h"
#include "settings/ini_file.h"

namespace qu::testing {

inline constexpr const char* kAbsent = "<absent>";

struct ShownMessage {
  std::string caption;
  std::vector<std::string> lines;
  bool detailsShown = false;
  Bounds detailsPlace;
};

class SettingsScenario : public MainWindowTest {
 protected:
  TFMain& openWith(std::string_view settingsFile) {
    folder.write("ss_storage.ini", settingsFile);
    return openShown();
  }
  TFMain& openDefault() {
    withDefaultSettings();
    return openShown();
  }
  // The window as the user sees it, so that clicks reach its controls.
  TFMain& openShown() {
    TFMain& w = open();
    toolkit.showMain(w);
    return w;
  }
  void tick(std::string_view box) { window->find<CheckBox>(box).userClick(); }
  void apply() { window->Btn_Apply.userClick(); }
  // The value stored under the key, kAbsent when there is none.
  std::string stored(const std::string& section, const std::string& key) const {
    return IniFile(folder.file("ss_storage.ini")).ReadString(section, key, kAbsent);
  }
  // The next `count` messages are recorded in `shown` and acknowledged with OK.
  void acknowledgeMessages(int count = 1) {
    for (int i = 0; i < count; ++i) {
      toolkit.answerModal("Msg", [this](Form& form) {
        TMsg& msg = window->Msg();
        shown.push_back(
            {form.caption(), msg.M_Msg.lines(), msg.ST_Detail.visible(), msg.ST_Detail.bounds()});
        msg.Btn_OK.click();
      });
    }
  }
  // Runs `steps` inside the settings dialog, shown by its button; they must close it.
  void inSettingsDialog(std::function<void(TSettings&)> steps) {
    toolkit.answerModal("Settings", [this, steps](Form&) { steps(window->Settings()); });
    window->Btn_Set.userClick();
  }

  std::vector<ShownMessage> shown;
};

}  // namespace qu::testing
