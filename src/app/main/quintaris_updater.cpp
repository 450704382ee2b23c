// Program entry: the Qt toolkit and the Linux services under the toolkit-neutral program.

#include <QApplication>

#include "platform/controls.h"
#include "platform/qt/qt_toolkit.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quintaris Updater");
  qu::QtToolkit toolkit;
  qu::Form main("FMain");
  main.setCaption("Quintaris Updater");
  main.setBounds({0, 0, 667, 663});
  main.setTitleButtons(qu::TitleButtons::SystemMenu | qu::TitleButtons::Minimize |
                       qu::TitleButtons::Help);
  toolkit.realize(main);
  toolkit.showMain(main);
  toolkit.run();
  return 0;
}
