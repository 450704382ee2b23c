#include "platform/win32/win32_toolkit.h"

#include <windows.h>
// After windows.h, which they need.
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/browser_command.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_mirror.h"

namespace qu {
namespace {

class DroppedOutput : public ConsoleWindow {
 public:
  void write(std::string_view) override {}
};

}  // namespace

Win32Toolkit::Win32Toolkit() {
  // The shell's dialogs and ShellExecute expect COM on the thread that calls them.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  mirror_ = std::make_unique<WindowMirror>();
}

Win32Toolkit::~Win32Toolkit() {
  mirror_.reset();
  CoUninitialize();
}

void Win32Toolkit::realize(Form& form) {
  mirror_->realize(form);
}
void Win32Toolkit::showMain(Form& form) {
  mirror_->showMain(form);
}
void Win32Toolkit::showModal(Form& form) {
  mirror_->showModal(form);
}
void Win32Toolkit::run() {
  mirror_->run();
}
void Win32Toolkit::requestQuit() {
  mirror_->requestQuit();
}
bool Win32Toolkit::quitRequested() const {
  return mirror_->quitRequested();
}
void Win32Toolkit::post(std::function<void()> work) {
  mirror_->post(std::move(work));
}

void Win32Toolkit::beep() {
  MessageBeep(MB_OK);
}

std::string Win32Toolkit::pickFolder(const std::string& title) {
  const std::wstring caption = widen(title);
  BROWSEINFOW browse{};
  browse.hwndOwner = mirror_->activeFormWindow();
  browse.lpszTitle = caption.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_STATUSTEXT;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (!chosen) return "";
  wchar_t path[MAX_PATH + 1] = {};
  const bool named = SHGetPathFromIDListW(chosen, path);
  CoTaskMemFree(chosen);
  return named ? narrow(path) : "";
}

std::shared_ptr<ConsoleWindow> Win32Toolkit::openConsole(const std::string&) {
  return std::make_shared<DroppedOutput>();
}

void Win32Toolkit::openUrl(const std::string& url) {
  const std::wstring program = browserProgram(registeredBrowserCommand());
  if (program.empty()) return;
  const std::wstring address = widen(url);
  ShellExecuteW(nullptr, L"open", program.c_str(), address.c_str(), nullptr, SW_SHOW);
}

}  // namespace qu
