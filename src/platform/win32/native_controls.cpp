#include "platform/win32/native_controls.h"

// After windows.h, which it needs.
#include <commctrl.h>

namespace qu {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;

struct WindowKind {
  const wchar_t* windowClass;
  DWORD style;
  DWORD extendedStyle = 0;
};

WindowKind kindOf(const Control& control) {
  switch (control.kind()) {
    // A group box's frame is a child covering all of it that leaves its inside unpainted, so the
    // container paints under its children.
    case ControlKind::GroupBox:
      return {kContainerClass, 0, WS_EX_CONTROLPARENT};
    case ControlKind::Panel:
      return {kContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Label:
      return {WC_STATICW, SS_LEFT | SS_NOPREFIX};
    case ControlKind::LinkLabel:
    case ControlKind::StaticText:
      return {WC_STATICW, SS_LEFT | SS_NOPREFIX | SS_NOTIFY};
    // The non-automatic kinds: a click only reports, and the model sets the state.
    case ControlKind::CheckBox:
      return {WC_BUTTONW, BS_CHECKBOX | WS_TABSTOP};
    case ControlKind::RadioButton:
      return {WC_BUTTONW, BS_RADIOBUTTON | WS_TABSTOP};
    case ControlKind::Button:
      return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::Edit:
    case ControlKind::LabeledEdit:
    case ControlKind::SpinEdit:
      return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
      return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::ProgressBar:
      return {PROGRESS_CLASSW, 0};
    case ControlKind::Memo:
      return {WC_EDITW, ES_MULTILINE | ES_READONLY};
    case ControlKind::Image:
      return {WC_STATICW, SS_OWNERDRAW};
    case ControlKind::Form:
      break;
  }
  return {WC_STATICW, 0};
}

HWND create(const WindowKind& kind, HWND parent, int id, void* context) {
  return CreateWindowExW(kind.extendedStyle, kind.windowClass, L"", kChild | kind.style, 0, 0, 0, 0,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), context);
}

DWORD formStyle(const Form& form) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
  const TitleButtons buttons = form.titleButtons();
  if (has(buttons, TitleButtons::SystemMenu)) style |= WS_SYSMENU;
  if (has(buttons, TitleButtons::Minimize)) style |= WS_MINIMIZEBOX;
  if (has(buttons, TitleButtons::Maximize)) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD formExtendedStyle(const Form& form) {
  DWORD style = WS_EX_CONTROLPARENT;
  if (form.owner()) style |= WS_EX_DLGMODALFRAME;
  // The system shows the help button only on a window without minimise and maximise buttons.
  if (has(form.titleButtons(), TitleButtons::Help)) style |= WS_EX_CONTEXTHELP;
  return style;
}

}  // namespace

void registerWindowClasses(WNDPROC procedure) {
  for (const wchar_t* name : {kFormClass, kContainerClass, kMessageClass}) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    // A second toolkit in the same process finds the classes there already.
    RegisterClassExW(&windowClass);
  }
}

NativeWindows createControlWindows(const Control& control, HWND parent, int id, void* context) {
  NativeWindows windows;
  windows.window = create(kindOf(control), parent, id, context);
  switch (control.kind()) {
    case ControlKind::GroupBox:
      windows.companion =
          create({WC_BUTTONW, BS_GROUPBOX | WS_VISIBLE}, windows.window, 0, nullptr);
      break;
    case ControlKind::LabeledEdit:
      windows.companion = create({WC_STATICW, SS_LEFT | SS_NOPREFIX}, parent, 0, nullptr);
      break;
    case ControlKind::SpinEdit:
      // No buddy integer: the arrows only report, and the model steps the value.
      windows.companion = create({UPDOWN_CLASSW, UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS},
                                 parent, 0, nullptr);
      SendMessageW(windows.companion, UDM_SETRANGE32, 0, 100);
      SendMessageW(windows.companion, UDM_SETBUDDY, reinterpret_cast<WPARAM>(windows.window), 0);
      break;
    default:
      break;
  }
  return windows;
}

HWND createFormWindow(const Form& form, HWND owner, void* context) {
  return CreateWindowExW(formExtendedStyle(form), kFormClass, L"", formStyle(form), CW_USEDEFAULT,
                         CW_USEDEFAULT, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), context);
}

SIZE formWindowSize(const Form& form, HWND window) {
  RECT frame{0, 0, form.bounds().width, form.bounds().height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  return {frame.right - frame.left, frame.bottom - frame.top};
}

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

int textWidth(HWND window) {
  const std::wstring text = windowText(window);
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return extent.cx;
}

bool looksLikeLink(const Control& control) {
  return control.drawnAsLink() && control.enabled();
}

}  // namespace qu
