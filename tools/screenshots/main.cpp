// Runs the real program from its program folder (this binary is copied there) and saves a
// picture of each window as a user meets them: the offer to create the settings file, the
// selection, the settings and expert dialogs, a run with its console, and the result.
//   qu-screenshots <output folder>

#include <QApplication>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/posix/posix_system.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/version_stamp.h"

QU_STAMP_FILE_VERSION(QU_FILE_VERSION);

namespace {

using Step = std::function<void()>;

// Runs the steps one after the other, each a little after the previous one returned, so modal
// windows opened by a step are showing when the next one runs.
void runSteps(std::vector<Step> steps, size_t next = 0) {
  if (next >= steps.size()) return;
  QTimer::singleShot(400, [steps = std::move(steps), next]() mutable {
    Step step = steps[next];
    runSteps(std::move(steps), next + 1);
    step();
  });
}

void save(QWidget* window, const QString& folder, const char* name) {
  window->grab().save(folder + "/" + name + ".png");
}

QWidget* consoleWindow() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (qobject_cast<QPlainTextEdit*>(top) && top->isVisible()) return top;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) return 2;
  const QString out = QString::fromLocal8Bit(argv[1]);
  qu::QtToolkit toolkit;
  qu::PosixSystem system;
  qu::TFMain window(toolkit, system);
  toolkit.showMain(window);
  auto shot = [&](qu::Form& form, const char* name) { save(toolkit.widget(form), out, name); };
  auto tick = [&](const char* box) { window.find<qu::CheckBox>(box).setChecked(true); };

  runSteps({
      [&] { shot(window.Msg(), "first-start"); },
      [&] { window.Msg().Btn_OK.userClick(); },
      [&] {
        for (const char* box : {"ChBox_QAV_4", "ChBox_QIS_5", "ChBox_WKS_3", "ChBox_RptDisplay"}) {
          tick(box);
        }
        shot(window, "selection");
        window.Btn_Set.userClick();
      },
      [&] { shot(window.Settings(), "settings"); },
      [&] { window.Settings().find("Btn_Cancel").userClick(); },
      [&] {
        window.keyDown({'S', true});
      },
      [&] { shot(window.FAM(), "expert"); },
      [&] { window.FAM().find("Btn_Close").userClick(); },
      [&] {
        window.Btn_Apply.userClick();
        window.Btn_Start.userClick();
      },
      [&] {
        shot(window, "running");
        if (QWidget* console = consoleWindow()) save(console, out, "console");
      },
      [&] {
        // The run ends on its own; wait for the window to be idle again.
        auto* poll = new QTimer(&application);
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
          if (window.Running) return;
          poll->stop();
          shot(window, "result");
          window.close();
        });
        poll->start(100);
      },
  });
  toolkit.run();
  return 0;
}
