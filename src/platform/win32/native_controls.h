#pragma once

// Which native window draws which kind of control, with the styles that give it the model's
// behaviour: nothing in a window decides on its own what the model decides.

#include <windows.h>

#include <string>

#include "platform/controls.h"

namespace qu {

// Our own window classes: forms, containers (group boxes and panels, holding their children) and
// the hidden window that receives posted work and timers. Their procedure finds its handler in
// the creation parameter.
inline constexpr const wchar_t* kFormClass = L"QuintarisForm";
inline constexpr const wchar_t* kContainerClass = L"QuintarisContainer";
inline constexpr const wchar_t* kMessageClass = L"QuintarisMessages";
void registerWindowClasses(WNDPROC procedure);

// A combo box window is as tall as its open list.
inline constexpr int kDropDownListHeight = 200;
// A labelled edit's caption sits this far above the box, this tall.
inline constexpr int kEditCaptionOffset = 16;
inline constexpr int kEditCaptionHeight = 13;

struct NativeWindows {
  HWND window = nullptr;
  // A group box's frame, a labelled edit's caption, a spin edit's arrows.
  HWND companion = nullptr;
};

// The windows of a control inside `parent`, created hidden.
NativeWindows createControlWindows(const Control& control, HWND parent, int id, void* context);
HWND createFormWindow(const Form& form, HWND owner, void* context);
// The outer size of a form window whose client area has the form's size.
SIZE formWindowSize(const Form& form, HWND window);

// A window's text as it holds it.
std::wstring windowText(HWND window);
// The width of a window's text in the window's own font.
int textWidth(HWND window);

// Link look: blue, underlined, hand cursor, while the link can be used; a disabled link looks
// like any disabled text.
bool looksLikeLink(const Control& control);

}  // namespace qu
