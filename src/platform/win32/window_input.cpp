// The user's side of the window mirror: window messages become model calls.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "platform/win32/native_controls.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_mirror.h"

namespace qu {
namespace {

bool down(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

bool isContainerOrForm(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return lstrcmpW(name, kFormClass) == 0 || lstrcmpW(name, kContainerClass) == 0;
}

}  // namespace

LRESULT WindowMirror::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kPostedWork:
      runPosted();
      return 0;
    case WM_TIMER:
      if (auto timer = timers_.find(wParam); timer != timers_.end()) timer->second->fire();
      return 0;
    case WM_CLOSE:
      // The model decides whether the close box closes the form.
      if (auto* form = dynamic_cast<Form*>(controlOf(window))) form->userClose();
      return 0;
    case WM_COMMAND:
      if (lParam) commandFrom(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return notifyFrom(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return colourFor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                       DefWindowProcW(window, message, wParam, lParam));
    case WM_DRAWITEM:
      drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_SETCURSOR:
      if (setCursorFor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    case WM_ERASEBKGND:
      if (Control* control = controlOf(window); control && isContainerOrForm(window)) {
        RECT area;
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, gdi_.background(control->form().color()));
        return 1;
      }
      break;
    case WM_ACTIVATE:
      activated(window, LOWORD(wParam) != WA_INACTIVE);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// After the model has taken a click, the window is set back from it: a handler may have changed
// the value again, and a click on a selected radio button must not clear it.
void WindowMirror::commandFrom(HWND child, UINT code) {
  Control* control = controlOf(child);
  if (!control || mirroring_) return;
  switch (control->kind()) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      if (code != BN_CLICKED) return;
      control->userClick();
      mirror(*control, Property::Checked);
      return;
    case ControlKind::LinkLabel:
    case ControlKind::StaticText:
      if (code == STN_CLICKED) control->userClick();
      return;
    case ControlKind::Edit:
    case ControlKind::LabeledEdit:
    case ControlKind::SpinEdit:
      if (child != window(*control)) return;
      if (code == EN_CHANGE) static_cast<Edit*>(control)->setText(narrow(windowText(child)));
      if (code == EN_KILLFOCUS) {
        if (auto* spin = dynamic_cast<SpinEdit*>(control)) spin->focusLost();
      }
      return;
    case ControlKind::ComboBox:
      if (code != CBN_SELCHANGE) return;
      static_cast<ComboBox*>(control)->userSelect(
          static_cast<int>(SendMessageW(child, CB_GETCURSEL, 0, 0)));
      mirror(*control, Property::ItemIndex);
      return;
    default:
      return;
  }
}

LRESULT WindowMirror::notifyFrom(const NMHDR& header) {
  if (header.code != static_cast<UINT>(UDN_DELTAPOS)) return 0;
  auto* spin = dynamic_cast<SpinEdit*>(controlOf(header.hwndFrom));
  if (!spin || !spin->reachable()) return TRUE;
  spin->step(reinterpret_cast<const NMUPDOWN&>(header).iDelta);
  // The arrows keep no position of their own.
  return TRUE;
}

// Texts, check boxes and frames lie on the form's colour; links are blue. Edits keep the
// system's colours, except the read-only message text, which is part of the form's face.
LRESULT WindowMirror::colourFor(HWND child, HDC dc, LRESULT standard) {
  Control* control = controlOf(child);
  if (!control) return standard;
  if (dynamic_cast<Edit*>(control) && child == window(*control)) return standard;
  const FormColor color = control->form().color();
  SetBkColor(dc, gdi_.backgroundColour(color));
  if (looksLikeLink(*control) && child == window(*control)) {
    SetTextColor(dc, GdiResources::linkColour());
  }
  return reinterpret_cast<LRESULT>(gdi_.background(color));
}

bool WindowMirror::setCursorFor(HWND child) {
  Control* control = controlOf(child);
  if (!control || !looksLikeLink(*control) || child != window(*control)) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  return true;
}

void WindowMirror::drawItem(const DRAWITEMSTRUCT& item) {
  auto* image = dynamic_cast<Image*>(controlOf(item.hwndItem));
  if (image) gdi_.drawPicture(item.hDC, item.rcItem, image->picture(), image->form().color());
}

// A form remembers where the focus was when it lost the activation, and puts it back.
void WindowMirror::activated(HWND window, bool active) {
  auto* form = dynamic_cast<Form*>(controlOf(window));
  if (!form) return;
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) lastFocus_[form] = focus;
    return;
  }
  auto last = lastFocus_.find(form);
  if (last != lastFocus_.end() && IsWindow(last->second) && IsWindowVisible(last->second) &&
      IsWindowEnabled(last->second)) {
    SetFocus(last->second);
  } else {
    focusFirst(*form);
  }
}

void WindowMirror::focusFirst(Form& form) {
  HWND focus = GetFocus();
  HWND formWindow = window(form);
  if (focus && IsChild(formWindow, focus)) return;
  moveFocus(form, nullptr, false);
}

// Tab and Shift+Tab walk the model's tab stops.
void WindowMirror::moveFocus(Form& form, HWND focus, bool backwards) {
  Control* current = focus ? controlOf(focus) : nullptr;
  if (Control* next = form.nextTabStop(current, backwards)) SetFocus(window(*next));
}

Form* WindowMirror::formOfWindow(HWND window) const {
  HWND root = GetAncestor(window, GA_ROOT);
  for (Form* form : forms_) {
    if (this->window(*form) == root) return form;
  }
  return nullptr;
}

HWND WindowMirror::activeFormWindow() const {
  if (!modals_.empty()) return window(*modals_.back().form);
  HWND active = GetActiveWindow();
  if (formOfWindow(active)) return active;
  return mainForm_ ? window(*mainForm_) : nullptr;
}

// Key preview: the form sees a key before the control that has the focus.
bool WindowMirror::preTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  Form* form = formOfWindow(message.hwnd);
  if (!form) return false;
  const auto key = static_cast<int>(message.wParam);
  const bool alt = message.message == WM_SYSKEYDOWN || down(VK_MENU);
  const bool ctrl = down(VK_CONTROL);
  if (key == VK_TAB && !alt && !ctrl) {
    moveFocus(*form, GetFocus(), down(VK_SHIFT));
    return true;
  }
  // Enter presses the focused button, as Space does.
  if (key == VK_RETURN && !alt && !ctrl) {
    Control* focused = controlOf(GetFocus());
    if (!focused || focused->kind() != ControlKind::Button) return false;
    focused->userClick();
    return true;
  }
  KeyEvent event;
  if (key == VK_ESCAPE) {
    // Esc first closes an open drop-down list.
    Control* focused = controlOf(GetFocus());
    if (focused && focused->kind() == ControlKind::ComboBox &&
        SendMessageW(window(*focused), CB_GETDROPPEDSTATE, 0, 0)) {
      return false;
    }
    event.key = kKeyEscape;
  } else if (key >= 'A' && key <= 'Z') {
    event.key = key;
  } else {
    return false;
  }
  event.alt = alt;
  event.ctrl = ctrl;
  event.shift = down(VK_SHIFT);
  return form->keyDown(event);
}

}  // namespace qu
