// The Qt toolkit against the control model: user input reaches the model once, model changes
// reach the widgets, modal forms and z-order behave as the model says.

#include "platform/qt/qt_toolkit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <array>

#include "platform/form_spec.h"

namespace qu {
namespace {

// Check boxes and radio buttons take clicks on their mark and caption.
const QPoint kOnCaption(8, 8);

constexpr std::array kSpecs = {
    ControlSpec{ControlKind::GroupBox, "GB_Opts", "", {8, 8, 200, 100}, "Options:"},
    ControlSpec{ControlKind::CheckBox, "ChBox_A", "GB_Opts", {8, 16, 150, 17}, "A"},
    ControlSpec{ControlKind::RadioButton, "RB_X", "GB_Opts", {8, 40, 150, 17}, "X", kChecked},
    ControlSpec{ControlKind::RadioButton, "RB_Y", "GB_Opts", {8, 60, 150, 17}, "Y"},
    ControlSpec{ControlKind::Edit, "E_Text", "", {8, 120, 150, 21}},
    ControlSpec{ControlKind::Button, "Btn_Start", "", {100, 160, 80, 25}, "Start", kBold},
    ControlSpec{ControlKind::Button, "Btn_Stop", "", {100, 160, 80, 25}, "Stop", kBold},
};

}  // namespace

class QtToolkitTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    QtToolkit toolkit;
    Form form{"FTest"};
    std::map<std::string, int> clicks;
    Fixture() {
      form.setBounds({0, 0, 300, 200});
      buildControls(form, kSpecs);
      for (const char* name : {"ChBox_A", "RB_X", "RB_Y", "Btn_Start", "Btn_Stop"}) {
        form.find(name).onClick = [this, name] { ++clicks[name]; };
      }
      toolkit.realize(form);
      toolkit.showMain(form);
    }
    template <typename W>
    W* widget(const char* name) {
      return qobject_cast<W*>(toolkit.widget(form.find(name)));
    }
  };

 private slots:
  void userClickOnCheckBoxRunsTheHandlerOnce() {
    Fixture f;
    QTest::mouseClick(f.widget<QCheckBox>("ChBox_A"), Qt::LeftButton, {}, kOnCaption);
    QVERIFY(f.form.find<CheckBox>("ChBox_A").checked());
    QCOMPARE(f.clicks["ChBox_A"], 1);
    QVERIFY(f.widget<QCheckBox>("ChBox_A")->isChecked());
  }

  void userClickOnRadioSelectsItAndClearsTheSibling() {
    Fixture f;
    QTest::mouseClick(f.widget<QRadioButton>("RB_Y"), Qt::LeftButton, {}, kOnCaption);
    QVERIFY(f.form.find<RadioButton>("RB_Y").checked());
    QVERIFY(!f.form.find<RadioButton>("RB_X").checked());
    QVERIFY(!f.widget<QRadioButton>("RB_X")->isChecked());
    QCOMPARE(f.clicks["RB_Y"], 1);
    QTest::mouseClick(f.widget<QRadioButton>("RB_Y"), Qt::LeftButton, {}, kOnCaption);
    QVERIFY(f.widget<QRadioButton>("RB_Y")->isChecked());
    QCOMPARE(f.clicks["RB_Y"], 1);
  }

  void modelChangesShowInTheWidgetWithoutRunningHandlersTwice() {
    Fixture f;
    f.form.find<CheckBox>("ChBox_A").setChecked(true);
    QVERIFY(f.widget<QCheckBox>("ChBox_A")->isChecked());
    QCOMPARE(f.clicks["ChBox_A"], 1);
    f.form.find<Edit>("E_Text").setText("C:/Updates");
    QCOMPARE(f.widget<QLineEdit>("E_Text")->text(), QString("C:/Updates"));
    f.form.find("GB_Opts").setCaption("Choices:");
    f.form.find("Btn_Start").setLeft(20);
    QCOMPARE(f.toolkit.widget(f.form.find("Btn_Start"))->geometry(), QRect(20, 160, 80, 25));
  }

  void typingReachesTheModelsChangeHandler() {
    Fixture f;
    int changes = 0;
    f.form.find<Edit>("E_Text").onChange = [&] { ++changes; };
    QTest::keyClicks(f.widget<QLineEdit>("E_Text"), "ab");
    QCOMPARE(f.form.find<Edit>("E_Text").text(), std::string("ab"));
    QCOMPARE(changes, 2);
  }

  void disabledControlIgnoresClicks() {
    Fixture f;
    f.form.find("GB_Opts").setEnabled(false);
    QTest::mouseClick(f.widget<QCheckBox>("ChBox_A"), Qt::LeftButton, {}, kOnCaption);
    QVERIFY(!f.form.find<CheckBox>("ChBox_A").checked());
    QCOMPARE(f.clicks["ChBox_A"], 0);
  }

  void frontSiblingIsTheOneSeen() {
    Fixture f;
    QWidget* window = f.toolkit.widget(f.form);
    const QPoint centre(140, 172);
    f.form.find("Btn_Start").bringToFront();
    QCOMPARE(window->childAt(centre), f.toolkit.widget(f.form.find("Btn_Start")));
    f.form.find("Btn_Stop").bringToFront();
    QCOMPARE(window->childAt(centre), f.toolkit.widget(f.form.find("Btn_Stop")));
    QTest::mouseClick(window->childAt(centre), Qt::LeftButton);
    QCOMPARE(f.clicks["Btn_Stop"], 1);
    QCOMPARE(f.clicks["Btn_Start"], 0);
  }

  void modalFormReturnsWhenItsHandlerClosesIt() {
    Fixture f;
    Form dialog("Msg");
    dialog.setOwner(&f.form);
    dialog.setBounds({0, 0, 248, 119});
    auto& ok = dialog.add<Button>("Btn_OK", nullptr);
    ok.setBounds({90, 88, 60, 25});
    ok.setCaption("OK");
    ok.onClick = [&] { dialog.close(); };
    int closes = 0;
    dialog.onClose = [&] { ++closes; };
    f.toolkit.realize(dialog);
    QTimer::singleShot(0, [&] { QTest::mouseClick(f.toolkit.widget(ok), Qt::LeftButton); });
    f.toolkit.showModal(dialog);
    QCOMPARE(closes, 1);
    QVERIFY(!f.toolkit.widget(dialog)->isVisible());
  }

  void quitRequestedEarlyIsLatched() {
    Fixture f;
    f.toolkit.requestQuit();
    f.toolkit.run();  // returns at once instead of blocking
    QVERIFY(f.toolkit.quitRequested());
  }

  void altSReachesAFormWithKeyPreview() {
    Fixture f;
    std::vector<int> keys;
    f.form.setKeyPreview(true);
    f.form.onKeyDown = [&](const KeyEvent& e) {
      if (e.alt) keys.push_back(e.key);
    };
    f.widget<QLineEdit>("E_Text")->setFocus();
    QTest::keyClick(f.widget<QLineEdit>("E_Text"), Qt::Key_S, Qt::AltModifier);
    QCOMPARE(keys, std::vector<int>{'S'});
  }
};

}  // namespace qu

QTEST_MAIN(qu::QtToolkitTest)
#include "qt_toolkit_test.moc"
