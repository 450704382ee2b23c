#include "platform/win32/win32_toolkit.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>

#include "platform/win32/gdi_resources.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_mirror.h"

namespace qu {
namespace {

std::string textOf(HWND window) {
  wchar_t buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  return narrow(buffer);
}

LONG styleOf(HWND window) {
  return GetWindowLongW(window, GWL_STYLE);
}

Bounds placeOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

LOGFONTW fontOf(HWND window) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

// Whether `upper` lies above `lower` among their siblings.
bool isAbove(HWND upper, HWND lower) {
  for (HWND w = GetWindow(lower, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
    if (w == upper) return true;
  }
  return false;
}

void notifyParent(HWND child, UINT code) {
  SendMessageW(GetParent(child), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), code),
               reinterpret_cast<LPARAM>(child));
}

class ToolkitTest : public ::testing::Test {
 protected:
  ToolkitTest() {
    form = std::make_unique<Form>("F");
    form->setCaption("Test form");
    form->setBounds({0, 0, 320, 240});
  }
  ~ToolkitTest() override { form.reset(); }

  HWND window(const Control& control) { return toolkit.windows().window(control); }
  HWND companion(const Control& control) { return toolkit.windows().companion(control); }
  template <typename T>
  T& add(const std::string& name, Control* parent, Bounds bounds, const std::string& caption = "") {
    T& control = form->add<T>(name, parent);
    control.setBounds(bounds);
    control.setCaption(caption);
    return control;
  }
  void show() {
    toolkit.realize(*form);
    toolkit.showMain(*form);
  }
  // Runs each step on the loop, the next once the messages the previous one posted are handled.
  void runSteps(const std::vector<std::function<void()>>& steps) {
    std::function<void(std::size_t)> next = [&](std::size_t step) {
      if (step == steps.size()) return toolkit.requestQuit();
      steps[step]();
      toolkit.post([&next, step] { next(step + 1); });
    };
    toolkit.post([&] { next(0); });
    toolkit.run();
  }

  Win32Toolkit toolkit;
  std::unique_ptr<Form> form;
};

TEST_F(ToolkitTest, DrawsEachControlWithTheModelsPlaceAndLook) {
  auto& group = add<GroupBox>("GB", nullptr, {8, 8, 200, 120}, "Group");
  auto& check = add<CheckBox>("CB", &group, {10, 20, 120, 17}, "Fish & Chips");
  auto& link = add<LinkLabel>("LL", &group, {10, 50, 80, 13}, "Forum");
  auto& edit = add<Edit>("E", nullptr, {8, 140, 100, 21});
  edit.setPasswordChar('*');
  auto& bold = add<Label>("L", nullptr, {8, 170, 100, 13}, "Bold");
  bold.setBold(true);
  toolkit.realize(*form);

  EXPECT_EQ(GetParent(window(check)), window(group));
  EXPECT_EQ(placeOf(window(group)), (Bounds{8, 8, 200, 120}));
  EXPECT_EQ(placeOf(window(check)), (Bounds{10, 20, 120, 17}));
  EXPECT_EQ(textOf(companion(group)), "Group");
  // Shown as written, not as a mnemonic mark.
  EXPECT_EQ(textOf(window(check)), "Fish && Chips");
  // The state changes only through the model.
  EXPECT_EQ(styleOf(window(check)) & BS_TYPEMASK, BS_CHECKBOX);
  EXPECT_EQ(SendMessageW(window(edit), EM_GETPASSWORDCHAR, 0, 0), '*');

  const LOGFONTW plain = fontOf(window(check));
  EXPECT_EQ(std::wstring(plain.lfFaceName), L"Tahoma");
  EXPECT_EQ(plain.lfHeight, -MulDiv(8, GetDeviceCaps(GetDC(nullptr), LOGPIXELSY), 72));
  EXPECT_FALSE(plain.lfUnderline);
  EXPECT_TRUE(fontOf(window(link)).lfUnderline);
  EXPECT_GE(fontOf(window(bold)).lfWeight, FW_BOLD);
  // A label is as wide as its text.
  EXPECT_LT(placeOf(window(bold)).width, 100);
}

// A translation longer than the designed width is shown whole; "Language:" stays against the box
// on its right.
TEST_F(ToolkitTest, LabelsGrowToTheirTextAndRightAlignedOnesKeepTheirRightEdge) {
  auto& product = add<Label>("L", nullptr, {8, 8, 40, 13}, "Anti-Virus for Windows Servers");
  auto& language = add<Label>("R", nullptr, {100, 40, 45, 13}, "Language:");
  language.setAlignment(Alignment::Right);
  toolkit.realize(*form);
  language.setCaption(
      "Sprache der Oberfl\xC3\xA4"
      "che:");

  const Bounds left = placeOf(window(product));
  EXPECT_EQ(left.left, 8);
  EXPECT_GT(left.width, textWidth(window(product)));
  const Bounds right = placeOf(window(language));
  EXPECT_EQ(right.left + right.width, 145);
  EXPECT_GT(right.width, textWidth(window(language)));
}

TEST_F(ToolkitTest, FollowsEveryModelChange) {
  auto& button = add<Button>("B", nullptr, {10, 10, 75, 25}, "Start");
  auto& check = add<CheckBox>("CB", nullptr, {10, 40, 100, 17}, "Trace");
  auto& progress = add<ProgressBar>("P", nullptr, {10, 70, 200, 17});
  auto& edit = add<Edit>("E", nullptr, {10, 100, 100, 21});
  toolkit.realize(*form);

  button.setCaption("Stop");
  button.setEnabled(false);
  button.setBounds({20, 12, 80, 26});
  check.setChecked(true);
  check.setVisible(false);
  edit.setText("proxy.example");
  progress.setMarquee(true, 60);
  EXPECT_EQ(textOf(window(button)), "Stop");
  EXPECT_FALSE(IsWindowEnabled(window(button)));
  EXPECT_EQ(placeOf(window(button)), (Bounds{20, 12, 80, 26}));
  EXPECT_EQ(SendMessageW(window(check), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_FALSE(styleOf(window(check)) & WS_VISIBLE);
  EXPECT_EQ(textOf(window(edit)), "proxy.example");
  EXPECT_TRUE(styleOf(window(progress)) & PBS_MARQUEE);
  progress.setMarquee(false, 0);
  EXPECT_FALSE(styleOf(window(progress)) & PBS_MARQUEE);
}

TEST_F(ToolkitTest, OnlyTheFrontOfOverlappingSiblingsIsOnTop) {
  auto& start = add<Button>("Start", nullptr, {10, 10, 75, 25}, "Start");
  auto& stop = add<Button>("Stop", nullptr, {10, 10, 75, 25}, "Stop");
  toolkit.realize(*form);
  EXPECT_TRUE(isAbove(window(stop), window(start)));
  start.bringToFront();
  EXPECT_TRUE(isAbove(window(start), window(stop)));
  start.sendToBack();
  EXPECT_TRUE(isAbove(window(stop), window(start)));
}

TEST_F(ToolkitTest, ClicksGoThroughTheModel) {
  auto& check = add<CheckBox>("CB", nullptr, {10, 10, 100, 17}, "Trace");
  auto& vetoed = add<CheckBox>("V", nullptr, {10, 30, 100, 17}, "Locked");
  auto& first = add<RadioButton>("R1", nullptr, {10, 50, 100, 17}, "All");
  auto& second = add<RadioButton>("R2", nullptr, {10, 70, 100, 17}, "Selected");
  auto& button = add<Button>("B", nullptr, {10, 90, 75, 25}, "Apply");
  first.setChecked(true);
  int checkClicks = 0;
  int buttonClicks = 0;
  check.onClick = [&] { ++checkClicks; };
  vetoed.onClick = [&] { vetoed.setChecked(false); };
  button.onClick = [&] { ++buttonClicks; };
  show();

  SendMessageW(window(check), BM_CLICK, 0, 0);
  EXPECT_TRUE(check.checked());
  EXPECT_EQ(checkClicks, 1);
  SendMessageW(window(vetoed), BM_CLICK, 0, 0);
  EXPECT_FALSE(vetoed.checked());
  EXPECT_EQ(SendMessageW(window(vetoed), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  SendMessageW(window(second), BM_CLICK, 0, 0);
  EXPECT_TRUE(second.checked());
  EXPECT_FALSE(first.checked());
  EXPECT_EQ(SendMessageW(window(first), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageW(window(second), BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(window(second), BM_GETCHECK, 0, 0), BST_CHECKED);

  button.setEnabled(false);
  notifyParent(window(button), BN_CLICKED);
  EXPECT_EQ(buttonClicks, 0);
  button.setEnabled(true);
  SendMessageW(window(button), BM_CLICK, 0, 0);
  EXPECT_EQ(buttonClicks, 1);
}

TEST_F(ToolkitTest, TypingSteppingAndChoosingReachTheModel) {
  auto& edit = add<Edit>("E", nullptr, {10, 10, 100, 21});
  auto& spin = add<SpinEdit>("S", nullptr, {10, 40, 60, 21});
  spin.setRange(1, 360);
  spin.setValue(359);
  auto& combo = add<ComboBox>("C", nullptr, {10, 70, 100, 21});
  combo.setItems({"English", "Russian", "Deutsch"});
  combo.setItemIndex(0);
  int edits = 0;
  int choices = 0;
  edit.onChange = [&] { ++edits; };
  combo.onChange = [&] { ++choices; };
  show();

  SetWindowTextW(window(edit), L"typed");
  EXPECT_EQ(edit.text(), "typed");
  EXPECT_EQ(edits, 1);

  NMUPDOWN step{{companion(spin), 0, static_cast<UINT>(UDN_DELTAPOS)}, 0, 1};
  for (int i = 0; i < 3; ++i) {
    SendMessageW(GetParent(companion(spin)), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&step));
  }
  EXPECT_EQ(spin.value(), 360);
  EXPECT_EQ(textOf(window(spin)), "360");
  SetWindowTextW(window(spin), L"999");
  EXPECT_EQ(spin.text(), "999");
  notifyParent(window(spin), EN_KILLFOCUS);
  EXPECT_EQ(textOf(window(spin)), "360");

  SendMessageW(window(combo), CB_SETCURSEL, 2, 0);
  notifyParent(window(combo), CBN_SELCHANGE);
  EXPECT_EQ(combo.itemIndex(), 2);
  EXPECT_EQ(choices, 1);
  combo.setItemIndex(1);
  EXPECT_EQ(SendMessageW(window(combo), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(choices, 1);
}

TEST_F(ToolkitTest, LinksAreClickableAndShowTheHand) {
  auto& link = add<StaticText>("ST", nullptr, {10, 10, 200, 17}, "Result");
  link.setLinkLook(true);
  int clicks = 0;
  link.onClick = [&] { ++clicks; };
  show();
  notifyParent(window(link), STN_CLICKED);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(styleOf(window(link)) & SS_NOTIFY);
  EXPECT_TRUE(fontOf(window(link)).lfUnderline);
}

TEST_F(ToolkitTest, AModalFormDisablesTheOthersUntilItCloses) {
  auto owned = std::make_unique<Form>("D");
  Form& dialog = *owned;
  dialog.setOwner(form.get());
  dialog.setBounds({0, 0, 200, 100});
  bool shown = false;
  bool ownerWasDisabled = false;
  dialog.onShow = [&] { shown = true; };
  show();
  toolkit.realize(dialog);
  toolkit.post([&] {
    ownerWasDisabled = !IsWindowEnabled(window(*form));
    dialog.close();
  });
  toolkit.showModal(dialog);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(ownerWasDisabled);
  EXPECT_TRUE(IsWindowEnabled(window(*form)));
  EXPECT_FALSE(IsWindowVisible(window(dialog)));
}

TEST_F(ToolkitTest, EscapeClicksTheCancelButtonOfTheActiveForm) {
  auto& edit = add<Edit>("E", nullptr, {10, 10, 100, 21});
  auto& cancel = add<Button>("Cancel", nullptr, {10, 40, 75, 25}, "Cancel");
  cancel.setCancel(true);
  cancel.onClick = [&] { form->close(); };
  form->setKeyPreview(true);
  std::vector<int> keys;
  form->onKeyDown = [&](const KeyEvent& key) { keys.push_back(key.key); };
  toolkit.realize(*form);
  toolkit.post([&] {
    PostMessageW(window(edit), WM_KEYDOWN, 'Q', 0);
    PostMessageW(window(edit), WM_KEYDOWN, VK_ESCAPE, 0);
  });
  toolkit.showModal(*form);
  EXPECT_FALSE(form->visible());
  EXPECT_EQ(keys, (std::vector<int>{'Q', kKeyEscape}));
}

TEST_F(ToolkitTest, TheCloseBoxAsksTheModel) {
  bool closed = false;
  form->onClose = [&] { closed = true; };
  form->setTitleButtons(TitleButtons::None);
  show();
  SendMessageW(window(*form), WM_CLOSE, 0, 0);
  EXPECT_FALSE(closed);
  EXPECT_TRUE(IsWindowVisible(window(*form)));
  form->setTitleButtons(TitleButtons::SystemMenu);
  SendMessageW(window(*form), WM_CLOSE, 0, 0);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(IsWindowVisible(window(*form)));
  // Closing the main window ends the loop.
  EXPECT_TRUE(toolkit.quitRequested());
  toolkit.run();
}

TEST_F(ToolkitTest, AQuitAskedBeforeTheLoopEndsItAndClosesModalFormsAtOnce) {
  toolkit.realize(*form);
  bool closed = false;
  form->onClose = [&] { closed = true; };
  toolkit.requestQuit();
  toolkit.run();
  toolkit.showModal(*form);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(form->visible());
}

TEST_F(ToolkitTest, TimersTickOnTheLoopUntilDisabled) {
  Timer& timer = form->addTimer("Timer");
  int ticks = 0;
  timer.onTimer = [&] {
    if (++ticks == 3) {
      timer.setEnabled(false);
      toolkit.post([&] { toolkit.requestQuit(); });
    }
  };
  timer.setInterval(1);
  timer.setEnabled(true);
  show();
  toolkit.run();
  EXPECT_EQ(ticks, 3);
}

TEST_F(ToolkitTest, WorkPostedFromAnyThreadRunsOnTheLoopsThread) {
  show();
  const DWORD loopThread = GetCurrentThreadId();
  DWORD ranOn = 0;
  std::thread worker([&] {
    toolkit.post([&] {
      ranOn = GetCurrentThreadId();
      toolkit.requestQuit();
    });
  });
  toolkit.run();
  worker.join();
  EXPECT_EQ(ranOn, loopThread);
}

// Radio buttons are stops of their own, so Space can select each; a button covered by the one
// in front of it is no stop.
TEST_F(ToolkitTest, TabWalksTheUsableControlsInCreationOrder) {
  auto& first = add<Edit>("E1", nullptr, {10, 10, 100, 21});
  auto& disabled = add<Edit>("E2", nullptr, {10, 40, 100, 21});
  auto& all = add<RadioButton>("R1", nullptr, {10, 70, 100, 17}, "All");
  auto& selected = add<RadioButton>("R2", nullptr, {10, 90, 100, 17}, "Selected");
  auto& covered = add<Button>("Start", nullptr, {10, 120, 75, 25}, "Start");
  auto& last = add<Button>("Stop", nullptr, {10, 120, 75, 25}, "Stop");
  disabled.setEnabled(false);
  selected.setChecked(true);
  show();
  SetFocus(window(first));
  std::vector<HWND> visited;
  // Each Tab is a key message for the loop; the focus is read once it has been handled.
  auto holdShift = [](bool held) {
    BYTE keys[256] = {};
    keys[VK_SHIFT] = held ? 0x80 : 0;
    SetKeyboardState(keys);
  };
  auto tab = [&](bool backwards) {
    holdShift(backwards);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
  };
  auto seenThenTab = [&](bool backwards) {
    return [&, backwards] {
      visited.push_back(GetFocus());
      tab(backwards);
    };
  };
  runSteps({[&] { tab(false); }, seenThenTab(false), seenThenTab(false), seenThenTab(false),
            seenThenTab(true), [&] { visited.push_back(GetFocus()); }});
  holdShift(false);
  EXPECT_EQ(visited, (std::vector<HWND>{window(all), window(selected), window(last), window(first),
                                        window(last)}));
  EXPECT_NE(GetFocus(), window(covered));
}

TEST_F(ToolkitTest, SpaceTogglesEnterPressesTheFocusedButtonAndAltSIsTheSKey) {
  auto& check = add<CheckBox>("CB", nullptr, {10, 10, 100, 17}, "Trace");
  auto& button = add<Button>("B", nullptr, {10, 40, 75, 25}, "Apply");
  int presses = 0;
  button.onClick = [&] { ++presses; };
  std::vector<KeyEvent> keys;
  form->setKeyPreview(true);
  form->onKeyDown = [&](const KeyEvent& key) { keys.push_back(key); };
  show();
  runSteps({[&] {
              SetFocus(window(check));
              PostMessageW(window(check), WM_KEYDOWN, VK_SPACE, 0);
              PostMessageW(window(check), WM_KEYUP, VK_SPACE, 0xC0000001);
            },
            [&] {
              SetFocus(window(button));
              PostMessageW(window(button), WM_KEYDOWN, VK_RETURN, 0);
              // Alt held: bit 29 of the key data.
              PostMessageW(window(button), WM_SYSKEYDOWN, 'S', 1 << 29);
            }});
  EXPECT_TRUE(check.checked());
  EXPECT_EQ(SendMessageW(window(check), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(presses, 1);
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].key, 'S');
  EXPECT_TRUE(keys[0].alt);
}

// A typed character after a value longer than the edit's default limit of 30,000 is kept.
TEST_F(ToolkitTest, EditsTakeValuesOfAnyLength) {
  auto& edit = add<Edit>("E", nullptr, {10, 10, 100, 21});
  show();
  edit.setText(std::string(40000, 'a'));
  SendMessageW(window(edit), EM_SETSEL, 40000, 40000);
  SendMessageW(window(edit), WM_CHAR, 'b', 1);
  EXPECT_EQ(edit.text(), std::string(40000, 'a') + "b");
}

TEST_F(ToolkitTest, DisabledLinksLookLikeDisabledText) {
  auto& link = add<LinkLabel>("LL", nullptr, {10, 10, 80, 13}, "Forum");
  show();
  HDC dc = GetDC(window(link));
  auto linkColoured = [&] {
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageW(window(*form), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(window(link)));
    return GetTextColor(dc) == GdiResources::linkColour();
  };
  auto handCursor = [&] {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(window(*form), WM_SETCURSOR, reinterpret_cast<WPARAM>(window(link)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor() == LoadCursorW(nullptr, IDC_HAND);
  };
  EXPECT_TRUE(linkColoured());
  EXPECT_TRUE(handCursor());
  EXPECT_TRUE(fontOf(window(link)).lfUnderline);
  link.setEnabled(false);
  EXPECT_FALSE(linkColoured());
  EXPECT_FALSE(handCursor());
  EXPECT_FALSE(fontOf(window(link)).lfUnderline);
  ReleaseDC(window(link), dc);
}

// "Details anzeigen" where "See details" was laid out; the result line keeps its width.
TEST_F(ToolkitTest, LinksThatSizeToTheirTextShowItWhole) {
  auto& details = add<StaticText>("ST", nullptr, {10, 10, 30, 13}, "See details");
  details.setLinkLook(true);
  details.setAutoSize(true);
  auto& result = add<StaticText>("R", nullptr, {10, 40, 280, 17}, "");
  result.setLinkLook(true);
  result.setBorder(true);
  toolkit.realize(*form);
  details.setCaption("Details anzeigen");
  result.setCaption("Done");
  EXPECT_GT(placeOf(window(details)).width, textWidth(window(details)));
  EXPECT_EQ(placeOf(window(result)).left, 10);
  EXPECT_EQ(placeOf(window(result)).width, 280);
}

// Screen readers name a box without a text of its own by the label window just before it in the
// tab order, the window just above it.
TEST_F(ToolkitTest, EachBoxHasItsLabelJustBeforeIt) {
  auto& group = add<GroupBox>("GB", nullptr, {8, 8, 300, 200}, "Connection");
  auto& label = add<Label>("L", &group, {10, 20, 60, 13}, "Port:");
  auto& passive = add<CheckBox>("C", &group, {10, 40, 100, 17}, "Passive FTP");
  auto& port = add<SpinEdit>("S", &group, {80, 18, 60, 21});
  auto& user = add<LabeledEdit>("LE", &group, {10, 90, 100, 21}, "User name:");
  port.setLabelledBy(&label);
  toolkit.realize(*form);
  EXPECT_EQ(GetWindow(window(port), GW_HWNDPREV), window(label));
  EXPECT_EQ(GetWindow(window(user), GW_HWNDPREV), companion(user));
  passive.bringToFront();
  label.bringToFront();
  EXPECT_EQ(GetWindow(window(port), GW_HWNDPREV), window(label));
  EXPECT_EQ(textOf(GetWindow(window(port), GW_HWNDPREV)), "Port:");
}

BOOL CALLBACK collectBrowser(HWND window, LPARAM result) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  // Not yet visible: a dialog box shows itself only once its loop finds nothing to do.
  if (lstrcmpW(name, L"#32770") != 0) return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

// The shell's folder browser of this thread, once it is open.
HWND folderBrowser() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), collectBrowser, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The browser runs a loop of its own, where posted work answers for the user once it is open.
void answerFolderBrowser(Win32Toolkit& toolkit, std::function<void(HWND)> answer,
                         std::string& title) {
  toolkit.post([&toolkit, answer, &title] {
    HWND browser = folderBrowser();
    if (!browser) return answerFolderBrowser(toolkit, answer, title);
    title = textOf(GetDlgItem(browser, 0x3742));
    answer(browser);
  });
}

// Rooted at the desktop: confirmed at once, the picker gives the desktop's own folder.
TEST_F(ToolkitTest, TheFolderPickerGivesAFileSystemFolderOrNothing) {
  show();
  wchar_t desktop[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
  std::string title;
  answerFolderBrowser(
      toolkit, [](HWND browser) { PostMessageW(browser, WM_COMMAND, IDOK, 0); }, title);
  EXPECT_EQ(toolkit.pickFolder("Updates folder"), narrow(desktop));
  EXPECT_EQ(title, "Updates folder");
  answerFolderBrowser(
      toolkit, [](HWND browser) { PostMessageW(browser, WM_COMMAND, IDCANCEL, 0); }, title);
  EXPECT_EQ(toolkit.pickFolder("Temp folder"), "");
  EXPECT_EQ(title, "Temp folder");
}

TEST_F(ToolkitTest, AFormThatGoesAwayTakesItsWindowsWithIt) {
  auto& check = add<CheckBox>("CB", nullptr, {10, 10, 100, 17}, "Trace");
  toolkit.realize(*form);
  HWND formWindow = window(*form);
  HWND checkWindow = window(check);
  form.reset();
  EXPECT_FALSE(IsWindow(formWindow));
  EXPECT_FALSE(IsWindow(checkWindow));
  EXPECT_EQ(toolkit.windows().controlOf(checkWindow), nullptr);
}

}  // namespace
}  // namespace qu
