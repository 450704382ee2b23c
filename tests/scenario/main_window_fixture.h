#pragma once

// Scenario tests drive the real main window on the headless toolkit, in a temporary program
// folder with the real stand-in utility and the real Linux services.

#include <gtest/gtest.h>

#include <memory>

#include "app/main_window.h"
#include "platform/headless/headless_toolkit.h"
#include "support/program_folder.h"
#include "support/program_folder_system.h"

namespace qu::testing {

class MainWindowTest : public ::testing::Test {
 protected:
  // The settings file the program creates on first start, so no question is asked.
  void withDefaultSettings();
  // Creates and shows the window as the program does (FormCreate runs the start-up sequence;
  // a second instance is not shown).
  TFMain& open();
  // The first tick of the environment check, after the loop has started.
  void firstTick() { toolkit.advance(1); }
  // The next modal message is answered with a click on the named button.
  void answerMessage(const std::string& button) { toolkit.clickOnModal("Msg", button); }
  // The lines of the message dialog as last prepared.
  std::vector<std::string> messageLines() { return window->Msg().M_Msg.lines(); }

  TemporaryProgramFolder folder;
  HeadlessToolkit toolkit;
  ProgramFolderSystem system{folder};
  std::unique_ptr<TFMain> window;
};

}  // namespace qu::testing
