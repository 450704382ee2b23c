#include "platform/qt/qt_console.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <deque>
#include <memory>
#include <string>

#include "platform/pending_output.h"

namespace qu {
namespace {

// A batch is drawn in slices of about this many characters, with the loop free in between, so
// that no batch stalls the window however long its lines are.
constexpr qsizetype kSliceCharacters = 32 * 1024;

// Shared by the writer and the window. All but `pending` is touched on the loop's thread only.
struct ConsoleState {
  PendingOutput pending;
  QPointer<QPlainTextEdit> view;
  std::deque<std::string> backlog;  // taken, not drawn yet
  bool continuesLastLine = false;   // the backlog's first line is the view's last one, grown
  bool stepScheduled = false;
};

QString fromUtf8(const std::string& line) {
  return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

// Makes room for `added` lines by an edit of its own: were the document to trim itself in the
// same edit as the insertion, the layout would take the whole document for changed.
void dropTopLines(QTextDocument& document, int added) {
  const int excess = document.blockCount() + added - static_cast<int>(kScrollbackLines);
  if (excess <= 0) return;
  QTextCursor cursor(&document);
  if (excess >= document.blockCount()) {
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  } else {
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, excess);
  }
  cursor.removeSelectedText();
}

// The next slice of the backlog as one text: a line that continues the view's last one first,
// then each further line after a line break.
QString takeSlice(ConsoleState& state) {
  QString text;
  if (state.continuesLastLine) {
    text = fromUtf8(state.backlog.front());
    state.backlog.pop_front();
  }
  while (!state.backlog.empty() && text.size() < kSliceCharacters) {
    text += QLatin1Char('\n') + fromUtf8(state.backlog.front());
    state.backlog.pop_front();
  }
  return text;
}

void drawSlice(ConsoleState& state) {
  const bool continuesLastLine = state.continuesLastLine;
  const QString text = takeSlice(state);
  state.continuesLastLine = false;
  QPlainTextEdit& view = *state.view;
  QScrollBar* bar = view.verticalScrollBar();
  // A reader who scrolled up keeps their place; otherwise the view follows the output.
  const bool following = bar->value() == bar->maximum();
  dropTopLines(*view.document(), static_cast<int>(text.count(QLatin1Char('\n'))));
  QTextCursor cursor(view.document());
  cursor.movePosition(QTextCursor::End);
  if (continuesLastLine) {
    cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
  }
  cursor.insertText(text);
  if (following) bar->setValue(bar->maximum());
}

void scheduleStep(const std::shared_ptr<ConsoleState>& state, int delayMs);

// Takes what has gathered once the last batch is drawn. A batch that restarts the view needs no
// clearing first: its lines fill the whole scrollback, which pushes the old ones out.
void drawStep(const std::shared_ptr<ConsoleState>& state) {
  state->stepScheduled = false;
  if (!state->view) return;
  if (state->backlog.empty()) {
    std::optional<ScrollbackChange> change = state->pending.take();
    if (!change) return;
    state->backlog = std::move(change->lines);
    state->continuesLastLine = !change->restart;
  }
  drawSlice(*state);
  scheduleStep(state, state->backlog.empty() ? kConsoleDrawIntervalMs : 0);
}

void scheduleStep(const std::shared_ptr<ConsoleState>& state, int delayMs) {
  if (!state->view || state->stepScheduled) return;
  state->stepScheduled = true;
  QTimer::singleShot(delayMs, state->view, [state] { drawStep(state); });
}

void createView(const std::shared_ptr<ConsoleState>& state, const QString& title) {
  auto* view = new QPlainTextEdit;
  view->setAttribute(Qt::WA_DeleteOnClose);
  view->setReadOnly(true);
  view->setUndoRedoEnabled(false);
  view->setMaximumBlockCount(static_cast<int>(kScrollbackLines));
  view->setWindowTitle(title);
  view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  view->resize(640, 360);
  QObject::connect(view, &QObject::destroyed, [state] { state->pending.close(); });
  state->view = view;
  view->show();
  drawStep(state);
}

class QtConsole : public ConsoleWindow {
 public:
  explicit QtConsole(const std::string& title) {
    QMetaObject::invokeMethod(
        qApp, [state = state_, title = QString::fromStdString(title)] { createView(state, title); },
        Qt::QueuedConnection);
  }
  void write(std::string_view text) override {
    if (!state_->pending.append(text)) return;
    QMetaObject::invokeMethod(
        qApp, [state = state_] { scheduleStep(state, kConsoleDrawIntervalMs); },
        Qt::QueuedConnection);
  }

 private:
  std::shared_ptr<ConsoleState> state_ = std::make_shared<ConsoleState>();
};

}  // namespace

std::shared_ptr<ConsoleWindow> openQtConsole(const std::string& title) {
  return std::make_shared<QtConsole>(title);
}

}  // namespace qu
