// The four forms of the program on the Qt toolkit, from the keyboard and through assistive
// technology: Tab and Shift+Tab walk each form's usable controls in creation order, Space
// toggles, Enter presses the focused button, Esc closes only what it should, and every control
// is announced by its caption or, for a box, by its label's.

#include <QAccessible>
#include <QTimer>
#include <QtTest>
#include <map>
#include <memory>

#include "app/main_window.h"
#include "platform/qt/qt_toolkit.h"
#include "support/program_folder.h"
#include "support/program_folder_system.h"

namespace qu {
namespace {

using Names = std::vector<std::string>;

struct Program {
  testing::TemporaryProgramFolder folder{"Quintaris Updater"};
  testing::ProgramFolderSystem system{folder};
  QtToolkit toolkit;
  std::unique_ptr<TFMain> window;

  Program() {
    folder.installDefaultSettings();
    folder.installLanguageFile();
    window = std::make_unique<TFMain>(toolkit, system);
    toolkit.showMain(*window);
  }
  QWidget* widget(Control& control) { return toolkit.widget(control); }
  QWidget* widget(Form& form, const char* name) { return toolkit.widget(form.find(name)); }
};

// The control of `form` holding the keyboard focus ("" for none): a spin box's focus lies in its
// line edit.
std::string focused(Form& form) {
  for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
    const std::string name = w->objectName().toStdString();
    if (!name.empty() && form.tryFind(name)) return name;
  }
  return "";
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Where each of `count` presses of Tab (or Shift+Tab) leads, from the focus on `start`.
Names tabWalk(Program& p, Form& form, const char* start, int count, bool backwards = false) {
  p.widget(form, start)->setFocus();
  Names names;
  for (int i = 0; i < count; ++i) {
    press(backwards ? Qt::Key_Backtab : Qt::Key_Tab);
    names.push_back(focused(form));
  }
  return names;
}

// Runs `steps` inside the modal loop of `form`, which the next action opens, once it is active;
// the form is closed afterwards whatever the steps did.
void whenOpen(Program& p, Form& form, std::function<void()> steps) {
  QTimer::singleShot(0, [&p, &form, steps] {
    if (QTest::qWaitForWindowActive(p.widget(form))) steps();
    form.close();
  });
}

// On Linux a combo box's name is its value, and its label comes as a relation.
std::string accessibleName(QWidget* widget) {
  QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
  const auto labels = control->relations(QAccessible::Label);
  if (control->role() == QAccessible::ComboBox && !labels.empty()) {
    return labels.front().first->text(QAccessible::Name).toStdString();
  }
  return control->text(QAccessible::Name).toStdString();
}

// The boxes named by a label of their own; the labelled edits name themselves.
const std::map<std::string, std::string> kLabels = {
    {"CB_Lng", "L_Lng"},           {"SE_TimeOut", "L_Timeout"}, {"SE_Port", "L_Port"},
    {"E_Source", "RB_SourceUser"}, {"E_UpdFld", "L_UpdFld"},    {"E_TmpFld", "L_TmpFld"}};

}  // namespace

class KeyboardAccessTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QAccessible::setActive(true); }

  void mainWindowTabsThroughItsUsableControls() {
    Program p;
    TFMain& w = *p.window;
    QVERIFY(QTest::qWaitForWindowActive(p.widget(w)));
    Names forwards = tabWalk(p, w, "Btn_Close", 80);
    // Start is disabled and Stop lies hidden behind it: neither is a stop.
    const Names head = {"CB_Lng", "RB_UpdAll", "RB_UpdSel", "ChBox_QAV_4"};
    const Names tail = {"ChBox_Trace", "ChBox_Dump", "ChBox_RptDisplay", "ChBox_RptFile",
                        "Btn_Set",     "Btn_Apply",  "Btn_Close"};
    QVERIFY(std::equal(head.begin(), head.end(), forwards.begin()));
    const auto end = std::find(forwards.begin(), forwards.end(), "Btn_Close") + 1;
    QVERIFY(std::equal(tail.begin(), tail.end(), end - tail.size()));
    // Then the product boxes, group by group, each in creation order.
    const auto index = [&](const std::string& name) {
      return std::find_if(w.controls().begin(), w.controls().end(),
                          [&](const auto& c) { return c->name() == name; }) -
             w.controls().begin();
    };
    for (auto box = forwards.begin() + 3; box < end - tail.size(); ++box) {
      QVERIFY2(w.find(*box).parent()->parent() == &w.find("GroupBox10"), box->c_str());
      QVERIFY2(index(*box) < index(*(box + 1)), box->c_str());
    }
    // Shift+Tab walks the same round the other way.
    const Names cycle(forwards.begin(), end);
    Names expected(cycle.rbegin() + 1, cycle.rend());
    expected.push_back("Btn_Close");
    QCOMPARE(tabWalk(p, w, "Btn_Close", static_cast<int>(cycle.size()), true), expected);
  }

  void spaceTogglesAndEnterPressesOnTheMainWindow() {
    Program p;
    TFMain& w = *p.window;
    QVERIFY(QTest::qWaitForWindowActive(p.widget(w)));
    p.widget(w, "ChBox_Trace")->setFocus();
    press(Qt::Key_Space);
    QVERIFY(w.find<CheckBox>("ChBox_Trace").checked());
    p.widget(w, "RB_UpdAll")->setFocus();
    press(Qt::Key_Space);
    QVERIFY(w.RB_UpdAll.checked());
    // Update all asks for attention first; the notice is answered from the keyboard too.
    bool answered = false;
    whenOpen(p, w.Msg(), [&] {
      p.widget(w.Msg(), "Btn_OK")->setFocus();
      press(Qt::Key_Return);
      answered = !w.Msg().visible();
    });
    p.widget(w, "Btn_Apply")->setFocus();
    press(Qt::Key_Enter);
    QVERIFY(answered);
    QVERIFY(!w.Modified);
    QVERIFY(w.Btn_Start.enabled());
  }

  void settingsDialogKeysAndEscape() {
    Program p;
    TSettings& s = p.window->Settings();
    s.shown();
    QVERIFY(QTest::qWaitForWindowActive(p.widget(s)));
    const Names stops = {"ChBox_FtpPass", "ChBox_UseProxy", "RB_ProxyAuto", "RB_ProxyUser",
                         "ChBox_Authent", "ChBox_ByPass",   "RB_UpdAll",    "RB_UpdBase",
                         "RB_SourceUser", "RB_SourceQL",    "RB_FldCur",    "RB_FldUser",
                         "Btn_Ok",        "Btn_Cancel",     "SE_TimeOut"};
    QCOMPARE(tabWalk(p, s, "SE_TimeOut", 15), stops);

    p.widget(s, "RB_ProxyUser")->setFocus();
    press(Qt::Key_Space);
    QVERIFY(s.RB_ProxyUser.checked());
    press(Qt::Key_Tab);
    QCOMPARE(focused(s), std::string("LE_Addr"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(s), std::string("SE_Port"));
    p.widget(s, "ChBox_FtpPass")->setFocus();
    press(Qt::Key_Space);
    QVERIFY(!s.ChBox_FtpPass.checked());

    press(Qt::Key_Escape);
    QVERIFY(s.visible());
    p.widget(s, "Btn_Cancel")->setFocus();
    press(Qt::Key_Return);
    QVERIFY(!s.visible());
    QVERIFY(s.ChBox_FtpPass.checked());
  }

  void messageDialogKeys() {
    Program p;
    TMsg& m = p.window->Msg();
    m.PrepareMsg(kMsgQuestion, "Attention", kMsgAttention);
    m.Btn_Cancel.setVisible(true);
    m.shown();
    QVERIFY(QTest::qWaitForWindowActive(p.widget(m)));
    QCOMPARE(tabWalk(p, m, "Btn_OK", 2), (Names{"Btn_Cancel", "Btn_OK"}));
    p.widget(m, "Btn_Cancel")->setFocus();
    press(Qt::Key_Space);
    QVERIFY(!m.visible());
  }

  // Opened by Alt+S; its keys are pressed from inside its modal loop, and Esc closes it as its
  // Close button does.
  void expertDialogKeysAndEscape() {
    Program p;
    TFMain& w = *p.window;
    QVERIFY(QTest::qWaitForWindowActive(p.widget(w)));
    Names walked;
    bool closedByEscape = false;
    whenOpen(p, w.FAM(), [&] {
      walked = tabWalk(p, w.FAM(), "LE_IndexFN", 7);
      press(Qt::Key_Escape);
      closedByEscape = !w.FAM().visible();
    });
    QTest::keyClick(p.widget(w), Qt::Key_S, Qt::AltModifier);
    QCOMPARE(walked, (Names{"LE_UrlPath", "LE_Bld", "LE_App", "LE_Cmp", "Btn_Start", "Btn_Close",
                            "LE_IndexFN"}));
    QVERIFY(closedByEscape);
    QVERIFY(!w.FAM().RB_AM.checked());
    QVERIFY(w.SelectionMode != kExpertSelectionMode);
  }

  void everyControlOfTheFourFormsIsAnnounced() {
    Program p;
    TFMain& w = *p.window;
    auto check = [&](Form& form) {
      QCOMPARE(accessibleName(p.widget(form)), form.caption());
      for (const auto& control : form.controls()) {
        // The expert-mode marker is never seen.
        if (control->name() == "RB_AM") continue;
        auto label = kLabels.find(control->name());
        const std::string expected =
            label == kLabels.end() ? control->caption() : form.find(label->second).caption();
        const std::string name = accessibleName(p.widget(*control));
        QVERIFY2(name == expected, (control->name() + ": " + name).c_str());
        if (control->takesFocus()) QVERIFY2(!name.empty(), control->name().c_str());
      }
    };
    for (Form* form : std::initializer_list<Form*>{&w, &w.Settings(), &w.Msg(), &w.FAM()}) {
      check(*form);
    }
    // The names follow the language.
    w.CB_Lng.userSelect(2);
    QCOMPARE(accessibleName(p.widget(w.CB_Lng)), std::string("Sprache:"));
    QCOMPARE(accessibleName(p.widget(w.Settings(), "E_UpdFld")),
             w.Settings().find("L_UpdFld").caption());
    QCOMPARE(accessibleName(p.widget(w.Settings().LE_Psw)), w.Settings().LE_Psw.caption());
  }
};

}  // namespace qu

QTEST_MAIN(qu::KeyboardAccessTest)
#include "keyboard_access_test.moc"
