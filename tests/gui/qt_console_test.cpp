// The Qt console window: output written from another thread shows as the last lines of a
// bounded view, and a line left open continues where it stopped.

#include "platform/qt/qt_console.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>
#include <string>
#include <thread>

#include "platform/scrollback.h"

namespace qu {
namespace {

constexpr int kPatienceMs = 60'000;
const char kTitle[] = "/opt/q/Updater.exe";

QPlainTextEdit* consoleWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowTitle() == kTitle) {
      return qobject_cast<QPlainTextEdit*>(window);
    }
  }
  return nullptr;
}

QString lastLine(int back = 0) {
  QTextBlock block = consoleWindow()->document()->lastBlock();
  for (; back > 0; --back) block = block.previous();
  return block.text();
}

}  // namespace

class QtConsoleTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheLastLinesOfAFloodAndContinuesAnOpenLine() {
    auto console = openQtConsole(kTitle);
    std::thread writer([console] {
      for (int i = 1; i <= 25'000; ++i) console->write("line " + std::to_string(i) + "\r\n");
      console->write("open");
    });
    writer.join();
    QTRY_VERIFY_WITH_TIMEOUT(consoleWindow() && lastLine() == "open", kPatienceMs);
    QTextDocument* document = consoleWindow()->document();
    QCOMPARE(document->blockCount(), static_cast<int>(kScrollbackLines));
    QCOMPARE(document->firstBlock().text(), QString("line 15002"));
    QCOMPARE(lastLine(1), QString("line 25000"));

    console->write(" line\r\nnext");
    QTRY_VERIFY_WITH_TIMEOUT(lastLine() == "next", kPatienceMs);
    QCOMPARE(lastLine(1), QString("open line"));
    QCOMPARE(lastLine(2), QString("line 25000"));
    QCOMPARE(document->blockCount(), static_cast<int>(kScrollbackLines));
    QCOMPARE(document->firstBlock().text(), QString("line 15003"));
    consoleWindow()->close();
  }

  void drawsWhatGatheredInAFewEditsNotOnePerWrite() {
    auto console = openQtConsole(kTitle);
    console->write("first\n");
    QTRY_VERIFY_WITH_TIMEOUT(consoleWindow() && lastLine(1) == "first", kPatienceMs);
    int edits = 0;
    connect(consoleWindow()->document(), &QTextDocument::contentsChanged, [&] { ++edits; });
    // Written before the loop runs again, so one batch holds them all.
    for (int i = 1; i <= 5'000; ++i) console->write("more " + std::to_string(i) + "\n");
    QTRY_VERIFY_WITH_TIMEOUT(lastLine(1) == "more 5000", kPatienceMs);
    QVERIFY2(edits <= 10, qPrintable(QString::number(edits)));
    consoleWindow()->close();
  }
};

}  // namespace qu

QTEST_MAIN(qu::QtConsoleTest)
#include "qt_console_test.moc"
