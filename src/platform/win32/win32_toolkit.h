#pragma once

// The toolkit drawn with native Win32 controls (see window_mirror.h), with the shell's folder
// picker, the registered browser and the default beep. This header stays free of the system's
// headers, so the program's entry can use it.

#include <memory>

#include "platform/toolkit.h"

namespace qu {

class WindowMirror;

class Win32Toolkit : public Toolkit {
 public:
  Win32Toolkit();
  ~Win32Toolkit() override;
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;

  void realize(Form& form) override;
  void showMain(Form& form) override;
  void showModal(Form& form) override;
  void run() override;
  void requestQuit() override;
  bool quitRequested() const override;
  void post(std::function<void()> work) override;
  // The default alert sound.
  void beep() override;
  // The shell's folder browser over the active form: rooted at the desktop, file-system folders
  // only, with a box for typing a folder and an empty status line.
  std::string pickFolder(const std::string& title) override;
  // On Windows the utility writes into a console window of its own, so nothing arrives here
  // worth showing: what does is dropped.
  std::shared_ptr<ConsoleWindow> openConsole(const std::string& title) override;
  // The program registered for HTML files, started with the address alone; failures are silent.
  void openUrl(const std::string& url) override;

  // The native windows, for tests and screenshots.
  WindowMirror& windows() { return *mirror_; }

 private:
  std::unique_ptr<WindowMirror> mirror_;
};

}  // namespace qu
