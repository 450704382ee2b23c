#pragma once

// The forms as native windows: creates one window per control, mirrors every model change into
// it, and turns window messages (clicks, typing, selections, timers, posted work, keys) into the
// model calls that the same action makes in code. It keeps no state of the controls' own.

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/controls.h"
#include "platform/win32/gdi_resources.h"
#include "platform/win32/native_controls.h"

namespace qu {

// The message that runs work posted to the loop.
inline constexpr UINT kPostedWork = WM_APP + 1;

class WindowMirror final : private ModelObserver {
 public:
  WindowMirror();
  WindowMirror(const WindowMirror&) = delete;
  WindowMirror& operator=(const WindowMirror&) = delete;
  ~WindowMirror() override;

  void realize(Form& form);
  void showMain(Form& form);
  void showModal(Form& form);
  void run();
  void requestQuit();
  bool quitRequested() const { return quitRequested_; }
  // Callable from any thread.
  void post(std::function<void()> work);

  HWND window(const Control& control) const;
  HWND companion(const Control& control) const;
  Control* controlOf(HWND window) const;
  // The window of the form the user works in now: the innermost modal one, else the active.
  HWND activeFormWindow() const;

  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Modal {
    Form* form;
    std::vector<HWND> disabled;  // enabled again as the form closes
  };

  void propertyChanged(Control& control, Property property) override;
  void timerChanged(Timer& timer) override;
  void formDestroyed(Form& form) override;

  const NativeWindows* native(const Control& control) const;
  void mirrorAll(Control& control);
  void mirror(Control& control, Property property);
  void mirrorGeometry(Control& control, const NativeWindows& native);
  void mirrorCaption(Control& control, const NativeWindows& native);
  void mirrorZOrder(Control& parent);
  void placeLabels(Control& parent);
  void mirrorLook(Control& control, const NativeWindows& native);
  void mirrorFont(Control& control, const NativeWindows& native);
  void mirrorHint(Control& control, const NativeWindows& native);
  void fitToText(const Control& control, HWND window);
  void formVisibilityChanged(Form& form, HWND window);
  void centre(Form& form, HWND window);
  void endModal(Form& form);

  bool pumpMessage();
  bool preTranslate(const MSG& message);
  void moveFocus(Form& form, HWND focus, bool backwards);
  void focusFirst(Form& form);
  Form* formOfWindow(HWND window) const;
  void runPosted();

  void commandFrom(HWND child, UINT code);
  LRESULT notifyFrom(const NMHDR& header);
  LRESULT colourFor(HWND child, HDC dc, LRESULT standard);
  bool setCursorFor(HWND child);
  void drawItem(const DRAWITEMSTRUCT& item);
  void activated(HWND window, bool active);

  GdiResources gdi_;
  HWND messageWindow_ = nullptr;
  std::unordered_map<const Control*, NativeWindows> natives_;
  std::unordered_map<HWND, Control*> controls_;
  std::unordered_map<const Form*, HWND> tooltips_;
  std::unordered_map<const Form*, HWND> lastFocus_;
  std::unordered_map<const Timer*, UINT_PTR> timerIds_;
  std::unordered_map<UINT_PTR, Timer*> timers_;
  UINT_PTR nextTimerId_ = 1;
  int nextControlId_ = 100;
  std::vector<Form*> forms_;
  std::vector<Modal> modals_;
  Form* mainForm_ = nullptr;
  bool quitRequested_ = false;
  // Non-zero while a window is set from the model: its change notification is not user input.
  int mirroring_ = 0;

  std::mutex postMutex_;
  std::deque<std::function<void()>> posted_;
};

}  // namespace qu
