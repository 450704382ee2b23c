#pragma once

// The toolkit drawn with Qt Widgets: one widget per control, nested as the model nests them, so
// every widget sits at the model's absolute geometry. The model is the only state: widgets mirror
// its properties, and the user's input becomes the same model calls that code makes.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <unordered_map>
#include <vector>

#include "platform/toolkit.h"

class QEventLoop;
class QKeyEvent;
class QLabel;
class QTimer;

namespace qu {

class QtToolkit : public Toolkit, private ModelObserver {
 public:
  // A QApplication must exist already.
  QtToolkit();
  ~QtToolkit() override;

  void realize(Form& form) override;
  void showMain(Form& form) override;
  void showModal(Form& form) override;
  void run() override;
  void requestQuit() override;
  bool quitRequested() const override { return quitRequested_; }
  void post(std::function<void()> work) override;
  void beep() override;
  std::string pickFolder(const std::string& title) override;
  std::shared_ptr<ConsoleWindow> openConsole(const std::string& title) override;
  void openUrl(const std::string& url) override;

  // The widget drawing a control (for tests and screenshots); null for unknown controls.
  QWidget* widget(const Control& control) const;
  // The caption label drawn above a labelled edit.
  QWidget* captionLabel(const Control& control) const;

 private:
  class KeyFilter;
  struct ModalLoop {
    Form* form;
    QEventLoop* loop;
  };

  void propertyChanged(Control& control, Property property) override;
  void timerChanged(Timer& timer) override;
  void formDestroyed(Form& form) override;
  QWidget* createWidget(Control& control, QWidget* parent);
  void connectInput(Control& control, QWidget* widget);
  void mirrorAll(Control& control);
  void mirror(Control& control, Property property);
  void mirrorCaption(Control& control, QWidget* widget);
  void mirrorGeometry(Control& control, QWidget* widget);
  void mirrorZOrder(Control& parent);
  void fitToText(const Control& control, QLabel* widget);
  void mirrorLook(Control& control, QWidget* widget);
  void formVisibilityChanged(Form& form, QWidget* widget);
  void centre(Form& form, QWidget* widget);
  Form* formOf(const QWidget* window) const;
  Control* focusedControl(Form& form) const;
  bool moveFocus(Form& form, bool forwards);
  bool keyPressed(QWidget* target, const QKeyEvent& key);

  std::unordered_map<const Control*, QPointer<QWidget>> widgets_;
  std::unordered_map<const Control*, QPointer<QWidget>> captionLabels_;
  std::unordered_map<const Timer*, QTimer*> timers_;
  std::vector<Form*> forms_;
  std::vector<ModalLoop> modalLoops_;
  Form* mainForm_ = nullptr;
  bool quitRequested_ = false;
  std::unique_ptr<KeyFilter> keyFilter_;
};

}  // namespace qu
