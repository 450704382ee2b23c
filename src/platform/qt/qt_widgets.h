#pragma once

// Widget classes that route the user's input into the control model.

#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace qu {

class Form;
class SpinEdit;

// A top-level window whose close box asks the model instead of closing by itself, and where
// Tab and Shift+Tab go where `moveFocus` (true for forwards) takes them.
class FormWidget : public QWidget {
 public:
  FormWidget(Form& form, Qt::WindowFlags flags, std::function<bool(bool)> moveFocus);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  Form& form_;
  std::function<bool(bool)> moveFocus_;
};

// A label that reports clicks (links and the result line).
class ClickableLabel : public QLabel {
 public:
  ClickableLabel(std::function<void()> onClick, QWidget* parent);
  // Blue, underlined, with a hand cursor while usable; disabled, it looks like any disabled text.
  void setLinkLook(bool link);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void showUsable();
  std::function<void()> onClick_;
  bool link_ = false;
};

// A number box whose text is free while typing, as the model's spin edit is; the arrows step
// the model's value.
class ModelSpinBox : public QAbstractSpinBox {
 public:
  ModelSpinBox(SpinEdit& spin, QWidget* parent);
  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;
  QLineEdit* editor() const { return lineEdit(); }

 protected:
  StepEnabled stepEnabled() const override;

 private:
  SpinEdit& spin_;
};

// The 25 x 25 information icons: "info-red" and "info-yellow".
QPixmap drawPicture(const std::string& key, int width, int height);

}  // namespace qu
