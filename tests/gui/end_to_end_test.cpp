// The program on the Qt toolkit, as a first-time user meets it: start in a program folder
// without a settings file, accept the offer to create it, tick a product, Apply, Start, and
// read the result line the stand-in utility's run leaves. And an expert who edits a value
// longer than a line edit holds by default.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "app/main_window.h"
#include "platform/qt/qt_toolkit.h"
#include "settings/ini_file.h"
#include "support/program_folder.h"
#include "support/program_folder_system.h"

namespace qu {

class EndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void firstRunFromOfferToResult() {
    testing::TemporaryProgramFolder folder("Quintaris Updater");
    std::filesystem::create_directories(folder.file("sample-source/CORE"));
    folder.write("sample-source/CORE/core.dat", "sample\n");
    folder.installLanguageFile();
    testing::ProgramFolderSystem system(folder);
    QtToolkit toolkit;
    auto window = std::make_unique<TFMain>(toolkit, system);
    toolkit.showMain(*window);
    auto widget = [&](const char* name) { return toolkit.widget(window->find(name)); };

    // The offer comes up in a modal loop of its own; answer it from inside.
    int offers = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
      if (!window->Msg().visible()) return;
      ++offers;
      QTest::mouseClick(toolkit.widget(window->Msg().Btn_OK), Qt::LeftButton);
    });
    answer.start(20);
    QTRY_VERIFY_WITH_TIMEOUT(folder.exists("ss_storage.ini") && !window->Msg().visible(), 20000);
    answer.stop();
    QCOMPARE(offers, 1);

    QTest::mouseClick(widget("ChBox_QAV_4"), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(window->find<CheckBox>("ChBox_QAV_4").checked());
    QTest::mouseClick(widget("Btn_Apply"), Qt::LeftButton);
    QVERIFY(window->Btn_Start.enabled());
    QTest::mouseClick(widget("Btn_Start"), Qt::LeftButton);
    QVERIFY(window->Running);
    QVERIFY(widget("ProgressBar1")->isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(!window->Running, 30000);
    auto* result = qobject_cast<QLabel*>(widget("ST_RetCode"));
    QVERIFY(result);
    QVERIFY2(result->text().endsWith("(0) Updates downloaded successfully"),
             qPrintable(result->text()));
    QVERIFY(result->isVisible());
    QVERIFY(!widget("ProgressBar1")->isVisible());
    QVERIFY(widget("Btn_Apply")->isEnabled());
    QVERIFY(!widget("Btn_Start")->isEnabled());
    QVERIFY(folder.exists("Updates/CORE/core.dat"));
  }

  // One character typed at the end of a 40,000-character list, then Update: the file holds all
  // 40,001, and the run starts on them.
  void expertEditsALongValueWhole() {
    testing::TemporaryProgramFolder folder("Quintaris Updater");
    folder.installDefaultSettings();
    folder.installLanguageFile();
    const std::string settings = folder.file("ss_storage.ini").string();
    const std::string list(40000, 'a');
    IniFile(settings).WriteString("Retranslation", "application", list);
    testing::ProgramFolderSystem system(folder);
    QtToolkit toolkit;
    auto window = std::make_unique<TFMain>(toolkit, system);
    toolkit.showMain(*window);
    QVERIFY(QTest::qWaitForWindowActive(toolkit.widget(*window)));

    TFAM& expert = window->FAM();
    int shownLength = 0;
    QTimer::singleShot(0, [&] {
      auto* edit = qobject_cast<QLineEdit*>(toolkit.widget(expert.LE_App));
      shownLength = static_cast<int>(edit->text().size());
      edit->end(false);
      QTest::keyClick(edit, Qt::Key_Z);
      QTest::mouseClick(toolkit.widget(expert.Btn_Start), Qt::LeftButton);
      expert.close();
    });
    QTest::keyClick(toolkit.widget(*window), Qt::Key_S, Qt::AltModifier);
    QCOMPARE(shownLength, 40000);
    QVERIFY(window->Running);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Running, 30000);
    QCOMPARE(IniFile(settings).ReadString("Retranslation", "application", ""), list + "z");
  }
};

}  // namespace qu

QTEST_MAIN(qu::EndToEndTest)
#include "end_to_end_test.moc"
