#include "platform/win32/window_mirror.h"

// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>

#include "platform/win32/native_controls.h"
#include "platform/win32/wide_text.h"

namespace qu {
namespace {

// Buttons draw "&" as a mnemonic mark; captions are plain text.
std::wstring plainButtonText(const std::string& caption) {
  std::wstring text;
  for (const wchar_t c : widen(caption)) {
    if (c == L'&') text.push_back(L'&');
    text.push_back(c);
  }
  return text;
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* mirror = reinterpret_cast<WindowMirror*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!mirror) return DefWindowProcW(window, message, wParam, lParam);
  return mirror->handleMessage(window, message, wParam, lParam);
}

void setStyleBits(HWND window, DWORD bits, bool on) {
  const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  const DWORD changed = on ? style | bits : style & ~bits;
  if (changed == style) return;
  SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(changed));
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

WindowMirror::WindowMirror() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS |
                                                     ICC_UPDOWN_CLASS | ICC_BAR_CLASSES |
                                                     ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  registerWindowClasses(windowProcedure);
  messageWindow_ = CreateWindowExW(0, kMessageClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleW(nullptr), this);
}

WindowMirror::~WindowMirror() {
  while (!forms_.empty()) {
    Form* form = forms_.back();
    form->setObserver(nullptr);
    formDestroyed(*form);
  }
  DestroyWindow(messageWindow_);
  // A quit asked for and never reached by a loop belongs to this toolkit, not to the thread's
  // next one.
  MSG quit;
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

void WindowMirror::realize(Form& form) {
  forms_.push_back(&form);
  const NativeWindows* owner = form.owner() ? native(*form.owner()) : nullptr;
  HWND window = createFormWindow(form, owner ? owner->window : nullptr, this);
  natives_[&form] = {window, nullptr};
  controls_[window] = &form;
  tooltips_[&form] =
      CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                      0, window, nullptr, GetModuleHandleW(nullptr), nullptr);
  for (auto& control : form.controls()) {
    const NativeWindows created = createControlWindows(
        *control, natives_.at(control->parent()).window, nextControlId_++, this);
    natives_[control.get()] = created;
    controls_[created.window] = control.get();
    if (created.companion) controls_[created.companion] = control.get();
  }
  mirrorAll(form);
  for (auto& control : form.controls()) mirrorAll(*control);
  mirrorZOrder(form);
  for (auto& control : form.controls()) {
    if (!control->children().empty()) mirrorZOrder(*control);
  }
  for (auto& timer : form.timers()) {
    timerIds_[timer.get()] = nextTimerId_;
    timers_[nextTimerId_++] = timer.get();
    timerChanged(*timer);
  }
  form.setObserver(this);
}

void WindowMirror::formDestroyed(Form& form) {
  std::erase(forms_, &form);
  std::erase_if(modals_, [&](const Modal& modal) { return modal.form == &form; });
  if (mainForm_ == &form) mainForm_ = nullptr;
  for (auto& timer : form.timers()) {
    auto id = timerIds_.find(timer.get());
    if (id == timerIds_.end()) continue;
    KillTimer(messageWindow_, id->second);
    timers_.erase(id->second);
    timerIds_.erase(id);
  }
  auto erase = [this](const Control& control) {
    auto found = natives_.find(&control);
    if (found == natives_.end()) return;
    controls_.erase(found->second.window);
    controls_.erase(found->second.companion);
    natives_.erase(found);
  };
  for (auto& control : form.controls()) erase(*control);
  HWND window = natives_.count(&form) ? natives_.at(&form).window : nullptr;
  erase(form);
  tooltips_.erase(&form);
  lastFocus_.erase(&form);
  // Its windows are gone from the maps first, so the messages of their destruction find nothing.
  if (window) DestroyWindow(window);
}

const NativeWindows* WindowMirror::native(const Control& control) const {
  auto found = natives_.find(&control);
  return found == natives_.end() ? nullptr : &found->second;
}

HWND WindowMirror::window(const Control& control) const {
  const NativeWindows* found = native(control);
  return found ? found->window : nullptr;
}

HWND WindowMirror::companion(const Control& control) const {
  const NativeWindows* found = native(control);
  return found ? found->companion : nullptr;
}

Control* WindowMirror::controlOf(HWND window) const {
  auto found = controls_.find(window);
  return found == controls_.end() ? nullptr : found->second;
}

void WindowMirror::mirrorAll(Control& control) {
  for (Property property :
       {Property::Font, Property::Look, Property::Bounds, Property::Caption, Property::Enabled,
        Property::Visible, Property::Hint, Property::Checked, Property::Text, Property::Items,
        Property::ItemIndex, Property::Lines, Property::Picture, Property::Marquee}) {
    if (control.kind() == ControlKind::Form && property == Property::Visible) continue;
    mirror(control, property);
  }
}

void WindowMirror::propertyChanged(Control& control, Property property) {
  mirror(control, property);
}

void WindowMirror::mirror(Control& control, Property property) {
  const NativeWindows* found = native(control);
  if (!found) return;
  const NativeWindows& native = *found;
  HWND window = native.window;
  ++mirroring_;
  switch (property) {
    case Property::Bounds:
      mirrorGeometry(control, native);
      break;
    case Property::Caption:
      mirrorCaption(control, native);
      break;
    case Property::Enabled:
      if (control.kind() == ControlKind::Form) break;
      EnableWindow(window, control.enabled());
      if (native.companion) EnableWindow(native.companion, control.enabled());
      if (control.drawnAsLink()) mirrorFont(control, native);
      break;
    case Property::Visible:
      if (auto* form = dynamic_cast<Form*>(&control)) {
        formVisibilityChanged(*form, window);
      } else {
        const int show = control.visible() ? SW_SHOWNA : SW_HIDE;
        ShowWindow(window, show);
        if (native.companion && control.kind() != ControlKind::GroupBox) {
          ShowWindow(native.companion, show);
        }
      }
      break;
    case Property::Hint:
      mirrorHint(control, native);
      break;
    case Property::Font:
    case Property::Look:
      mirrorFont(control, native);
      mirrorLook(control, native);
      break;
    case Property::ZOrder:
      if (control.parent()) mirrorZOrder(*control.parent());
      break;
    case Property::Checked:
      if (auto* check = dynamic_cast<CheckBox*>(&control)) {
        SendMessageW(window, BM_SETCHECK, check->checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      } else if (auto* radio = dynamic_cast<RadioButton*>(&control)) {
        SendMessageW(window, BM_SETCHECK, radio->checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      break;
    case Property::Text:
      if (auto* edit = dynamic_cast<Edit*>(&control)) {
        const std::wstring text = widen(edit->text());
        if (windowText(window) != text) SetWindowTextW(window, text.c_str());
      }
      break;
    case Property::Items:
      if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
        SendMessageW(window, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : combo->items()) {
          SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
        }
        SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(combo->itemIndex()), 0);
      }
      break;
    case Property::ItemIndex:
      if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
        SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(combo->itemIndex()), 0);
      }
      break;
    case Property::Lines:
      if (auto* memo = dynamic_cast<Memo*>(&control)) {
        std::string text;
        for (const std::string& line : memo->lines()) {
          if (!text.empty()) text += "\r\n";
          text += line;
        }
        SetWindowTextW(window, widen(text).c_str());
      }
      break;
    case Property::Picture:
      InvalidateRect(window, nullptr, TRUE);
      break;
    case Property::Marquee:
      if (auto* progress = dynamic_cast<ProgressBar*>(&control)) {
        // The marquee style bit, then the animation on or off with its step time.
        setStyleBits(window, PBS_MARQUEE, progress->marquee());
        SendMessageW(window, PBM_SETMARQUEE, progress->marquee() ? TRUE : FALSE,
                     progress->marqueeInterval());
      }
      break;
  }
  --mirroring_;
}

void WindowMirror::mirrorGeometry(Control& control, const NativeWindows& native) {
  const Bounds& b = control.bounds();
  if (control.kind() == ControlKind::Form) {
    const SIZE size = formWindowSize(static_cast<Form&>(control), native.window);
    SetWindowPos(native.window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const int height =
      control.kind() == ControlKind::ComboBox ? b.height + kDropDownListHeight : b.height;
  MoveWindow(native.window, b.left, b.top, b.width, height, TRUE);
  switch (control.kind()) {
    case ControlKind::GroupBox:
      MoveWindow(native.companion, 0, 0, b.width, b.height, TRUE);
      break;
    case ControlKind::LabeledEdit:
      MoveWindow(native.companion, b.left, b.top - kEditCaptionOffset, b.width, kEditCaptionHeight,
                 TRUE);
      break;
    case ControlKind::SpinEdit:
      // The arrows take their place at the box's right edge, inside its bounds.
      SendMessageW(native.companion, UDM_SETBUDDY, reinterpret_cast<WPARAM>(native.window), 0);
      break;
    default:
      break;
  }
  if (control.sizedToText()) fitToText(control, native.window);
}

void WindowMirror::mirrorCaption(Control& control, const NativeWindows& native) {
  const std::string& caption = control.caption();
  switch (control.kind()) {
    case ControlKind::GroupBox:
      SetWindowTextW(native.companion, plainButtonText(caption).c_str());
      break;
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      SetWindowTextW(native.window, plainButtonText(caption).c_str());
      break;
    case ControlKind::LabeledEdit:
      SetWindowTextW(native.companion, widen(caption).c_str());
      break;
    case ControlKind::Form:
    case ControlKind::StaticText:
    case ControlKind::Label:
    case ControlKind::LinkLabel:
      SetWindowTextW(native.window, widen(caption).c_str());
      break;
    default:
      break;
  }
  if (control.sizedToText()) fitToText(control, native.window);
}

// Labels and links size themselves to their text, so a longer translation is not cut.
void WindowMirror::fitToText(const Control& control, HWND window) {
  // Wine draws some texts a pixel or two wider than it measures them.
  constexpr int kSlack = 3;
  const Bounds b = control.boundsForText(textWidth(window) + kSlack);
  MoveWindow(window, b.left, b.top, b.width, b.height, TRUE);
}

// Front to back: each window goes to the bottom in turn, so the model's front one ends on top.
void WindowMirror::mirrorZOrder(Control& parent) {
  const auto& order = parent.zOrder();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const NativeWindows* child = native(**it);
    if (!child) continue;
    SetWindowPos(child->window, HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
  // A group box's frame lies under everything in it.
  if (const NativeWindows* own = native(parent); own && parent.kind() == ControlKind::GroupBox) {
    SetWindowPos(own->companion, HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
  placeLabels(parent);
}

// Windows screen readers name a box that has no text of its own by the label window just before
// it in the tab order, which is the window just above it: each box's label goes there.
void WindowMirror::placeLabels(Control& parent) {
  for (Control* child : parent.children()) {
    const NativeWindows* box = native(*child);
    const NativeWindows* naming = child->labelledBy() ? native(*child->labelledBy()) : nullptr;
    HWND label = child->kind() == ControlKind::LabeledEdit ? box->companion
                 : naming                                  ? naming->window
                                                           : nullptr;
    if (!label || GetParent(label) != GetParent(box->window)) continue;
    HWND above = GetWindow(box->window, GW_HWNDPREV);
    if (above == label) continue;
    SetWindowPos(label, above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
}

void WindowMirror::mirrorFont(Control& control, const NativeWindows& native) {
  HFONT font = gdi_.font(control.bold(), looksLikeLink(control));
  SendMessageW(native.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (native.companion && control.kind() != ControlKind::SpinEdit) {
    SendMessageW(native.companion, WM_SETFONT,
                 reinterpret_cast<WPARAM>(gdi_.font(control.bold(), false)), TRUE);
  }
}

void WindowMirror::mirrorLook(Control& control, const NativeWindows& native) {
  HWND window = native.window;
  if (auto* label = dynamic_cast<Label*>(&control)) {
    const bool right = label->alignment() == Alignment::Right;
    setStyleBits(window, SS_RIGHT, right);
  } else if (auto* text = dynamic_cast<StaticText*>(&control)) {
    setStyleBits(window, WS_BORDER, text->border());
    setStyleBits(window, SS_CENTER | SS_CENTERIMAGE, text->centered());
  } else if (auto* edit = dynamic_cast<Edit*>(&control);
             edit && control.kind() != ControlKind::SpinEdit) {
    SendMessageW(window, EM_SETPASSWORDCHAR, static_cast<WPARAM>(edit->passwordChar()), 0);
    InvalidateRect(window, nullptr, TRUE);
  }
  if (dynamic_cast<Edit*>(&control)) {
    // No limit (0) lifts the edit's own of 30,000 typed characters, so a long value takes more.
    const auto* spin = dynamic_cast<SpinEdit*>(&control);
    SendMessageW(window, EM_SETLIMITTEXT,
                 static_cast<WPARAM>(spin ? std::max(spin->maxLength(), 0) : 0), 0);
  }
  if (control.sizedToText()) fitToText(control, window);
}

void WindowMirror::mirrorHint(Control& control, const NativeWindows& native) {
  auto tooltip = tooltips_.find(&control.form());
  if (tooltip == tooltips_.end() || !tooltip->second) return;
  TOOLINFOW tool{};
  // The size every common controls version accepts.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = natives_.at(&control.form()).window;
  tool.uId = reinterpret_cast<UINT_PTR>(native.window);
  SendMessageW(tooltip->second, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (control.hint().empty()) return;
  std::wstring hint = widen(control.hint());
  tool.lpszText = hint.data();
  SendMessageW(tooltip->second, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void WindowMirror::formVisibilityChanged(Form& form, HWND window) {
  if (form.visible()) {
    centre(form, window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    focusFirst(form);
    return;
  }
  // The windows a modal form disabled come back first, so the system activates its owner and
  // not some other program's window.
  endModal(form);
  ShowWindow(window, SW_HIDE);
  if (&form == mainForm_) requestQuit();
}

void WindowMirror::centre(Form& form, HWND window) {
  RECT area{};
  const NativeWindows* owner = form.owner() ? native(*form.owner()) : nullptr;
  if (owner && IsWindowVisible(owner->window)) {
    GetWindowRect(owner->window, &area);
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  RECT frame{};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = area.left + (area.right - area.left - width) / 2;
  const int top = area.top + (area.bottom - area.top - height) / 2;
  SetWindowPos(window, nullptr, std::max(left, 0), std::max(top, 0), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowMirror::timerChanged(Timer& timer) {
  auto id = timerIds_.find(&timer);
  if (id == timerIds_.end()) return;
  KillTimer(messageWindow_, id->second);
  if (timer.enabled()) {
    SetTimer(messageWindow_, id->second, static_cast<UINT>(std::max(timer.interval(), 1)), nullptr);
  }
}

void WindowMirror::showMain(Form& form) {
  mainForm_ = &form;
  form.shown();
}

// The other forms are disabled while a modal one is open, so input reaches only it; a nested
// loop runs until it is closed.
void WindowMirror::showModal(Form& form) {
  Modal modal{&form, {}};
  for (Form* other : forms_) {
    HWND otherWindow = window(*other);
    if (other != &form && IsWindowVisible(otherWindow) && IsWindowEnabled(otherWindow)) {
      EnableWindow(otherWindow, FALSE);
      modal.disabled.push_back(otherWindow);
    }
  }
  modals_.push_back(std::move(modal));
  form.shown();
  if (quitRequested_) form.close();
  while (form.visible() && natives_.count(&form)) {
    if (!pumpMessage()) {
      // The quit belongs to the outer loop.
      PostQuitMessage(0);
      break;
    }
  }
  endModal(form);
}

void WindowMirror::endModal(Form& form) {
  auto modal = std::find_if(modals_.begin(), modals_.end(),
                            [&](const Modal& open) { return open.form == &form; });
  if (modal == modals_.end()) return;
  for (HWND disabled : modal->disabled) EnableWindow(disabled, TRUE);
  HWND owner = form.owner() ? window(*form.owner()) : nullptr;
  modals_.erase(modal);
  if (owner && IsWindowVisible(owner)) SetActiveWindow(owner);
}

void WindowMirror::run() {
  if (quitRequested_) return;
  while (pumpMessage()) {
  }
}

void WindowMirror::requestQuit() {
  if (quitRequested_) return;
  quitRequested_ = true;
  // Open modal forms close as cancelled, innermost first.
  std::vector<Form*> open;
  for (const Modal& modal : modals_) open.push_back(modal.form);
  for (auto it = open.rbegin(); it != open.rend(); ++it) (*it)->close();
  PostQuitMessage(0);
}

void WindowMirror::post(std::function<void()> work) {
  {
    const std::lock_guard lock(postMutex_);
    posted_.push_back(std::move(work));
  }
  PostMessageW(messageWindow_, kPostedWork, 0, 0);
}

// One piece of work per message, so work that opens a modal form does not hold back the rest.
void WindowMirror::runPosted() {
  std::function<void()> work;
  {
    const std::lock_guard lock(postMutex_);
    if (posted_.empty()) return;
    work = std::move(posted_.front());
    posted_.pop_front();
  }
  work();
}

bool WindowMirror::pumpMessage() {
  MSG message;
  if (GetMessageW(&message, nullptr, 0, 0) <= 0) return false;
  if (!preTranslate(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

}  // namespace qu
