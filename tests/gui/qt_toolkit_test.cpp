// The Qt toolkit against the control model: user input reaches the model once, model changes
// reach the widgets, modal forms and z-order behave as the model says.

#include "platform/qt/qt_toolkit.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <array>

#include "platform/form_spec.h"

namespace qu {
namespace {

// Check boxes and radio buttons take clicks on their mark and caption.
const QPoint kOnCaption(8, 8);

// What a file or the utility may hand over: markup, mnemonic marks, the title's modified mark.
const std::string kMarkup = "<b>Done</b> & [*] <i>ok</i>";

bool hasBluePixels(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() > 150 && c.red() < 100 && c.green() < 100) return true;
    }
  }
  return false;
}

constexpr std::array kSpecs = {
    ControlSpec{ControlKind::GroupBox, "GB_Opts", "", {8, 8, 200, 100}, "Options:"},
    ControlSpec{ControlKind::CheckBox, "ChBox_A", "GB_Opts", {8, 16, 150, 17}, "A"},
    ControlSpec{ControlKind::RadioButton, "RB_X", "GB_Opts", {8, 40, 150, 17}, "X", kChecked},
    ControlSpec{ControlKind::RadioButton, "RB_Y", "GB_Opts", {8, 60, 150, 17}, "Y"},
    ControlSpec{ControlKind::Edit, "E_Text", "", {8, 120, 150, 21}},
    ControlSpec{ControlKind::Button, "Btn_Start", "", {100, 160, 80, 25}, "Start", kBold},
    ControlSpec{ControlKind::Button, "Btn_Stop", "", {100, 160, 80, 25}, "Stop", kBold},
    ControlSpec{ControlKind::LinkLabel, "L_Forum", "", {210, 8, 40, 13}, "Forum"},
    ControlSpec{ControlKind::StaticText,
                "ST_Detail",
                "",
                {210, 30, 30, 13},
                "See details",
                kLinkLook | kAutoSize},
    ControlSpec{ControlKind::StaticText,
                "ST_RetCode",
                "",
                {8, 175, 280, 17},
                "",
                kLinkLook | kBorder | kCentered},
    ControlSpec{ControlKind::LabeledEdit, "LE_Psw", "", {210, 70, 80, 21}, "Password:", kPassword},
    ControlSpec{ControlKind::Memo, "M_Msg", "", {210, 100, 80, 40}},
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

  // A value longer than a line edit holds by default stays whole, in the box and after typing.
  void editsHoldValuesOfAnyLength() {
    Fixture f;
    auto& model = f.form.find<Edit>("E_Text");
    model.setText(std::string(40000, 'a'));
    auto* edit = f.widget<QLineEdit>("E_Text");
    QCOMPARE(edit->text().size(), 40000);
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_B);
    QCOMPARE(model.text(), std::string(40000, 'a') + "b");
  }

  void passwordBoxShowsAStarForEveryCharacter() {
    Fixture f;
    f.form.find<Edit>("LE_Psw").setText("s3cret");
    QCOMPARE(f.widget<QLineEdit>("LE_Psw")->displayText(), QString("******"));
  }

  // Nothing from a file or from the utility is taken for rich text or for marks.
  void textsAreShownAsWritten() {
    Fixture f;
    const QString written = QString::fromStdString(kMarkup);
    f.form.setCaption(kMarkup);
    QCOMPARE(f.toolkit.widget(f.form)->windowHandle()->title(), written);
    for (const char* name : {"GB_Opts", "ChBox_A", "RB_X", "Btn_Start", "ST_RetCode", "L_Forum"}) {
      f.form.find(name).setCaption(kMarkup);
      QCOMPARE(QAccessible::queryAccessibleInterface(f.toolkit.widget(f.form.find(name)))
                   ->text(QAccessible::Name),
               written);
    }
    // Drawn as rich text, the result line would be as wide as "Done ok".
    auto* result = f.widget<QLabel>("ST_RetCode");
    QCOMPARE(result->text(), written);
    QVERIFY(result->sizeHint().width() > result->fontMetrics().horizontalAdvance(written));
    QCOMPARE(f.widget<QCheckBox>("ChBox_A")->text(), QString("<b>Done</b> && [*] <i>ok</i>"));
    QCOMPARE(f.widget<QGroupBox>("GB_Opts")->title(), QString("<b>Done</b> && [*] <i>ok</i>"));

    auto& memo = f.form.find<Memo>("M_Msg");
    memo.addLine(kMarkup);
    QCOMPARE(f.widget<QPlainTextEdit>("M_Msg")->toPlainText(), written);
    f.form.find("E_Text").setHint(kMarkup);
    QTextDocument tip;
    tip.setHtml(f.toolkit.widget(f.form.find("E_Text"))->toolTip());
    QCOMPARE(tip.toPlainText(), written);
  }

  // As the check boxes beside them: grey, no underline, no hand; also when the parent is disabled.
  void disabledLinksLookDisabled() {
    Fixture f;
    for (const char* name : {"L_Forum", "ST_Detail"}) {
      auto& model = f.form.find(name);
      QWidget* link = f.toolkit.widget(model);
      QVERIFY(hasBluePixels(link));
      QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
      QVERIFY(link->font().underline());
      model.setEnabled(false);
      QVERIFY2(!hasBluePixels(link), name);
      QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);
      QVERIFY(!link->font().underline());
      model.setEnabled(true);
      QVERIFY(hasBluePixels(link));
    }
    f.form.setEnabled(false);
    QVERIFY(!hasBluePixels(f.toolkit.widget(f.form.find("L_Forum"))));
    QVERIFY(!f.toolkit.widget(f.form.find("L_Forum"))->font().underline());
  }

  // "Details anzeigen" fits where "See details" was laid out; the result line keeps its width.
  void linksAreSizedToTheirText() {
    Fixture f;
    for (const char* name : {"L_Forum", "ST_Detail"}) {
      f.form.find(name).setCaption("Details anzeigen");
      auto* link = f.widget<QLabel>(name);
      QVERIFY2(link->width() >= link->fontMetrics().horizontalAdvance(link->text()), name);
      QCOMPARE(link->x(), 210);
    }
    f.form.find("ST_RetCode").setCaption("Done");
    QCOMPARE(f.toolkit.widget(f.form.find("ST_RetCode"))->width(), 280);
  }

  // A Russian layout types "ы" on the S key; the key, not the character, makes Alt+S.
  void altSIsTheSKeyWhateverTheLayout() {
    Fixture f;
    std::vector<int> keys;
    f.form.setKeyPreview(true);
    f.form.onKeyDown = [&](const KeyEvent& e) {
      if (e.alt) keys.push_back(e.key);
    };
    constexpr int kKeyYeru = 0x42B;  // the key Qt reports for "ы"
    constexpr quint32 kKeyCodeOfS = 39;
    constexpr quint32 kKeyCodeOfD = 40;
    QWidget* edit = f.toolkit.widget(f.form.find("E_Text"));
    for (quint32 code : {kKeyCodeOfS, kKeyCodeOfD}) {
      QKeyEvent press(QEvent::KeyPress, kKeyYeru, Qt::AltModifier, code, 0x6d9, 0,
                      QString::fromUtf8("\xD1\x8B"));
      QApplication::sendEvent(edit, &press);
    }
    QCOMPARE(keys, (std::vector<int>{'S', 'D'}));
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
