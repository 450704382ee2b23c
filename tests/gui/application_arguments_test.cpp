// The program takes no arguments, and Qt takes none of its own from the program's command line:
// started as "QuintarisUpdater -reverse -platform none -style windows", it runs on the platform
// of its environment, left to right, in its own style.

#include <QCheckBox>
#include <QStyle>
#include <QtTest>
#include <array>

#include "platform/form_spec.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_toolkit.h"

namespace qu {

class ApplicationArgumentsTest : public QObject {
  Q_OBJECT

 private slots:
  void qtTakesNoOptionsFromTheCommandLine() {
    QCOMPARE(QApplication::arguments().size(), 1);
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QVERIFY(QApplication::style()->name() != "windows");
  }

  void theWindowIsNotMirrored() {
    QtToolkit toolkit;
    Form form("FTest");
    form.setBounds({0, 0, 200, 100});
    auto& box = form.add<CheckBox>("ChBox_A", nullptr);
    box.setBounds({8, 8, 150, 17});
    box.setCaption("A");
    toolkit.realize(form);
    QVERIFY(!toolkit.widget(box)->isRightToLeft());
    QCOMPARE(toolkit.widget(box)->x(), 8);
  }
};

}  // namespace qu

int main(int argc, char** argv) {
  char reverse[] = "-reverse";
  char platform[] = "-platform";
  char none[] = "none";
  char style[] = "-style";
  char windows[] = "windows";
  std::array<char*, 7> command{
      argc > 0 ? argv[0] : nullptr, reverse, platform, none, style, windows, nullptr};
  qu::QtApplication application(6, command.data());
  qu::ApplicationArgumentsTest test;
  return QTest::qExec(&test, 1, argv);
}

#include "application_arguments_test.moc"
