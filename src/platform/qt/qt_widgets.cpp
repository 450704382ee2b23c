#include "platform/qt/qt_widgets.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "platform/controls.h"

namespace qu {

FormWidget::FormWidget(Form& form, Qt::WindowFlags flags, std::function<bool(bool)> moveFocus)
    : QWidget(nullptr, flags), form_(form), moveFocus_(std::move(moveFocus)) {}

void FormWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  form_.userClose();
}

bool FormWidget::focusNextPrevChild(bool next) {
  return moveFocus_(next);
}

ClickableLabel::ClickableLabel(std::function<void()> onClick, QWidget* parent)
    : QLabel(parent), onClick_(std::move(onClick)) {}

void ClickableLabel::setLinkLook(bool link) {
  link_ = link;
  setStyleSheet(link ? "QLabel:enabled { color: blue; }" : "");
  showUsable();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    onClick_();
  }
  QLabel::mouseReleaseEvent(event);
}

// Also when a parent is disabled or enabled.
void ClickableLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) showUsable();
  QLabel::changeEvent(event);
}

// A style sheet's underline would stay on a disabled label; the font's follows the state.
void ClickableLabel::showUsable() {
  const bool usable = link_ && isEnabled();
  QFont underlined = font();
  underlined.setUnderline(usable);
  setFont(underlined);
  if (usable) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
}

ModelSpinBox::ModelSpinBox(SpinEdit& spin, QWidget* parent)
    : QAbstractSpinBox(parent), spin_(spin) {}

void ModelSpinBox::stepBy(int steps) {
  spin_.step(steps);
}

QValidator::State ModelSpinBox::validate(QString& input, int&) const {
  const int limit = spin_.maxLength();
  return limit > 0 && input.size() > limit ? QValidator::Invalid : QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled ModelSpinBox::stepEnabled() const {
  return StepUpEnabled | StepDownEnabled;
}

QPixmap drawPicture(const std::string& key, int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  QColor disc = key == "info-red" ? QColor(0xD0, 0x20, 0x20) : QColor(0xF0, 0xC0, 0x10);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(disc);
  painter.drawEllipse(QRectF(0.5, 0.5, width - 1.0, height - 1.0));
  QFont font("Serif");
  font.setBold(true);
  font.setPixelSize(height * 2 / 3);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(0, 0, width, height), Qt::AlignCenter, "i");
  return pixmap;
}

}  // namespace qu
