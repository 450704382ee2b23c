#pragma once

// The program's QApplication. The program reads no arguments, and Qt takes none either: options
// such as -reverse, -platform or -style on the command line are ignored, so they can neither
// mirror the window nor hide it. Qt is handed the program's name alone.

#include <QApplication>
#include <array>

namespace qu {

class QtApplication {
 public:
  QtApplication(int argc, char** argv);
  QtApplication(const QtApplication&) = delete;
  QtApplication& operator=(const QtApplication&) = delete;

 private:
  // Qt keeps references to these for the application's lifetime.
  int argc_ = 1;
  std::array<char*, 2> argv_;
  QApplication application_;
};

}  // namespace qu
