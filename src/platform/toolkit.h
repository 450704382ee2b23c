#pragma once

// What the program needs from a windowing toolkit. The forms themselves live in the control
// model (controls.h); a toolkit draws them and turns the user's input into model calls.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/controls.h"

namespace qu {

// A window showing a child process's output as it arrives. Writes may come from any thread;
// once the user has closed the window they are dropped, so a writer never blocks on it.
class ConsoleWindow {
 public:
  virtual ~ConsoleWindow() = default;
  virtual void write(std::string_view text) = 0;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Creates the native window of a form and starts mirroring the model; once per form, before
  // it is shown.
  virtual void realize(Form& form) = 0;
  // Shows the main window; closing it asks the loop to quit.
  virtual void showMain(Form& form) = 0;
  // Shows a form modally and returns once it has closed. While a quit is pending a form shown
  // modally closes at once.
  virtual void showModal(Form& form) = 0;
  // Runs the loop until a quit is requested; returns at once when one is already pending.
  virtual void run() = 0;
  // Latched: a request made before the loop runs still ends it, and open modal forms close.
  virtual void requestQuit() = 0;
  virtual bool quitRequested() const = 0;
  // Runs the work on the loop's thread; callable from any thread.
  virtual void post(std::function<void()> work) = 0;
  virtual void beep() = 0;
  // The chosen folder's full path, or "" when the user cancels.
  virtual std::string pickFolder(const std::string& title) = 0;
  // Callable from any thread.
  virtual std::shared_ptr<ConsoleWindow> openConsole(const std::string& title) = 0;
  // Opens the address in the desktop's browser; every failure is silent.
  virtual void openUrl(const std::string& url) = 0;
};

}  // namespace qu
