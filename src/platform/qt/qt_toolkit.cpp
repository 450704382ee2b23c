#include "platform/qt/qt_toolkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <limits>

#include "platform/qt/key_letters.h"
#include "platform/qt/plain_text.h"
#include "platform/qt/qt_console.h"
#include "platform/qt/qt_widgets.h"

namespace qu {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

// What a widget shows is what the model holds: a label never takes text for markup, and a line
// edit never cuts a value (by default it stops at 32,767 characters).
void showAsWritten(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setTextFormat(Qt::PlainText);
  auto* line = qobject_cast<QLineEdit*>(widget);
  if (auto* spin = dynamic_cast<ModelSpinBox*>(widget)) line = spin->editor();
  if (line) line->setMaxLength(std::numeric_limits<int>::max());
}

// The window's fixed geometry was laid out for Tahoma 8 pt (11 px); Debian ships a metric
// compatible face with its Wine fonts.
void useLayoutFont() {
  static const char* const kFaces[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                       "/usr/share/wine/fonts/tahomabd.ttf"};
  QString family;
  for (const char* face : kFaces) {
    const int id = QFontDatabase::addApplicationFont(face);
    if (id >= 0 && family.isEmpty()) family = QFontDatabase::applicationFontFamilies(id).value(0);
  }
  QFont font(family.isEmpty() ? QStringLiteral("Liberation Sans") : family);
  font.setPixelSize(11);
  QApplication::setFont(font);
  // Group captions sit on the frame line, as the layout expects; contents start below them.
  qApp->setStyleSheet(
      "QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
      " left: 7px; padding: 0 1px; }");
}

Qt::WindowFlags windowFlags(const Form& form) {
  Qt::WindowFlags flags = (form.owner() ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
  const TitleButtons buttons = form.titleButtons();
  if (has(buttons, TitleButtons::SystemMenu)) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  }
  if (has(buttons, TitleButtons::Minimize)) flags |= Qt::WindowMinimizeButtonHint;
  if (has(buttons, TitleButtons::Maximize)) flags |= Qt::WindowMaximizeButtonHint;
  if (has(buttons, TitleButtons::Help)) flags |= Qt::WindowContextHelpButtonHint;
  return flags;
}

}  // namespace

// Key preview: the form sees a key before the control that has the focus.
class QtToolkit::KeyFilter : public QObject {
 public:
  explicit KeyFilter(QtToolkit& toolkit) : toolkit_(toolkit) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    // A key the focused control ignores travels up its parents; the form sees it once, at the
    // first receiver. A key that comes to the same receiver again is the next press, even where
    // it reuses the address of the last.
    auto* receiver = static_cast<QWidget*>(watched);
    const bool travelling = event == lastEvent_ && lastReceiver_ && receiver != lastReceiver_ &&
                            receiver->isAncestorOf(lastReceiver_);
    lastEvent_ = event;
    lastReceiver_ = receiver;
    if (travelling) return false;
    return toolkit_.keyPressed(receiver, *static_cast<QKeyEvent*>(event));
  }

 private:
  QtToolkit& toolkit_;
  const QEvent* lastEvent_ = nullptr;
  QPointer<QWidget> lastReceiver_;
};

QtToolkit::QtToolkit() : keyFilter_(std::make_unique<KeyFilter>(*this)) {
  useLayoutFont();
  qApp->installEventFilter(keyFilter_.get());
}

QtToolkit::~QtToolkit() {
  qApp->removeEventFilter(keyFilter_.get());
  while (!forms_.empty()) {
    Form* form = forms_.back();
    form->setObserver(nullptr);
    formDestroyed(*form);
  }
}

void QtToolkit::formDestroyed(Form& form) {
  std::erase(forms_, &form);
  if (mainForm_ == &form) mainForm_ = nullptr;
  for (auto& timer : form.timers()) timers_.erase(timer.get());
  for (auto& control : form.controls()) {
    widgets_.erase(control.get());
    captionLabels_.erase(control.get());
  }
  delete widgets_[&form].data();
  widgets_.erase(&form);
}

void QtToolkit::realize(Form& form) {
  forms_.push_back(&form);
  auto* window = new FormWidget(form, windowFlags(form),
                                [this, &form](bool forwards) { return moveFocus(form, forwards); });
  widgets_[&form] = window;
  window->setAutoFillBackground(true);
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, form.color() == FormColor::White
                                         ? QColor(Qt::white)
                                         : palette.color(QPalette::Light));
  window->setPalette(palette);
  for (auto& control : form.controls()) {
    createWidget(*control, widgets_.at(control->parent()));
  }
  // A box's label is also its buddy: on Linux assistive technology names a combo box by its
  // value and takes the label from that relation.
  for (auto& control : form.controls()) {
    const Control* label = control->labelledBy();
    if (auto* text = label ? qobject_cast<QLabel*>(widget(*label)) : nullptr) {
      text->setBuddy(widget(*control));
    }
  }
  mirrorAll(form);
  for (auto& control : form.controls()) mirrorAll(*control);
  for (auto& control : form.controls()) {
    if (!control->children().empty()) mirrorZOrder(*control);
  }
  mirrorZOrder(form);
  for (auto& timer : form.timers()) {
    auto* qtimer = new QTimer(window);
    timers_[timer.get()] = qtimer;
    QObject::connect(qtimer, &QTimer::timeout, [t = timer.get()] { t->fire(); });
    timerChanged(*timer);
  }
  form.setObserver(this);
}

QWidget* QtToolkit::createWidget(Control& control, QWidget* parent) {
  QWidget* widget = nullptr;
  switch (control.kind()) {
    case ControlKind::GroupBox:
      widget = new QGroupBox(parent);
      break;
    case ControlKind::Panel:
      widget = new QWidget(parent);
      break;
    case ControlKind::Label:
      widget = new QLabel(parent);
      break;
    case ControlKind::LinkLabel:
    case ControlKind::StaticText:
      widget = new ClickableLabel([&control] { control.userClick(); }, parent);
      break;
    case ControlKind::CheckBox:
      widget = new QCheckBox(parent);
      break;
    case ControlKind::RadioButton: {
      auto* radio = new QRadioButton(parent);
      radio->setAutoExclusive(false);  // the model clears the siblings
      widget = radio;
      break;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);
      widget = button;
      break;
    }
    case ControlKind::LabeledEdit: {
      auto* caption = new QLabel(parent);
      captionLabels_[&control] = caption;
      widget = new QLineEdit(parent);
      break;
    }
    case ControlKind::Edit:
      widget = new QLineEdit(parent);
      break;
    case ControlKind::SpinEdit:
      widget = new ModelSpinBox(static_cast<SpinEdit&>(control), parent);
      break;
    case ControlKind::ComboBox:
      widget = new QComboBox(parent);
      break;
    case ControlKind::ProgressBar: {
      auto* bar = new QProgressBar(parent);
      bar->setTextVisible(false);
      widget = bar;
      break;
    }
    case ControlKind::Memo: {
      auto* memo = new QPlainTextEdit(parent);
      memo->setReadOnly(true);
      memo->setFrameShape(QFrame::NoFrame);
      memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      memo->setFocusPolicy(Qt::NoFocus);
      memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      memo->setTextInteractionFlags(Qt::NoTextInteraction);
      // The text lies on the form's own background.
      memo->viewport()->setAutoFillBackground(false);
      memo->setStyleSheet("QPlainTextEdit { background: transparent; }");
      widget = memo;
      break;
    }
    case ControlKind::Image:
      widget = new QLabel(parent);
      break;
    case ControlKind::Form:
      break;
  }
  showAsWritten(widget);
  showAsWritten(captionLabel(control));
  widget->setObjectName(qs(control.name()));
  widgets_[&control] = widget;
  connectInput(control, widget);
  return widget;
}

void QtToolkit::connectInput(Control& control, QWidget* widget) {
  // After the model has taken the input, the widget is set back from it: a handler may have
  // changed the value again, and a click on a selected radio button must not clear it.
  auto clicked = [this, &control] {
    control.userClick();
    mirror(control, Property::Checked);
  };
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    QObject::connect(button, &QAbstractButton::clicked, clicked);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    QObject::connect(edit, &QLineEdit::textEdited, [&control](const QString& text) {
      static_cast<Edit&>(control).setText(text.toStdString());
    });
  } else if (auto* spin = dynamic_cast<ModelSpinBox*>(widget)) {
    auto& model = static_cast<SpinEdit&>(control);
    QObject::connect(spin->editor(), &QLineEdit::textEdited,
                     [&model](const QString& text) { model.setText(text.toStdString()); });
    QObject::connect(spin, &QAbstractSpinBox::editingFinished, [&model] { model.focusLost(); });
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    QObject::connect(combo, &QComboBox::activated,
                     [&control](int index) { static_cast<ComboBox&>(control).userSelect(index); });
  }
}

void QtToolkit::mirrorAll(Control& control) {
  for (Property property :
       {Property::Bounds, Property::Caption, Property::Enabled, Property::Visible, Property::Hint,
        Property::Font, Property::Checked, Property::Text, Property::Items, Property::ItemIndex,
        Property::Lines, Property::Picture, Property::Marquee, Property::Look}) {
    if (control.kind() == ControlKind::Form && property == Property::Visible) continue;
    mirror(control, property);
  }
}

void QtToolkit::propertyChanged(Control& control, Property property) {
  mirror(control, property);
}

void QtToolkit::mirror(Control& control, Property property) {
  QWidget* widget = this->widget(control);
  if (!widget) return;
  switch (property) {
    case Property::Bounds:
      mirrorGeometry(control, widget);
      break;
    case Property::Caption:
      mirrorCaption(control, widget);
      break;
    case Property::Enabled:
      if (control.kind() == ControlKind::Panel) {
        // A disabled panel only takes no input; its contents keep their normal look.
        widget->setAttribute(Qt::WA_TransparentForMouseEvents, !control.enabled());
        break;
      }
      widget->setEnabled(control.enabled());
      if (QWidget* caption = captionLabel(control)) caption->setEnabled(control.enabled());
      break;
    case Property::Visible:
      if (auto* form = dynamic_cast<Form*>(&control)) {
        formVisibilityChanged(*form, widget);
      } else {
        widget->setVisible(control.visible());
        if (QWidget* caption = captionLabel(control)) caption->setVisible(control.visible());
      }
      break;
    case Property::Hint:
      widget->setToolTip(plainToolTip(control.hint()));
      break;
    case Property::Font: {
      QFont font = widget->font();
      font.setBold(control.bold());
      widget->setFont(font);
      if (control.sizedToText()) fitToText(control, static_cast<QLabel*>(widget));
      break;
    }
    case Property::ZOrder:
      if (control.parent()) mirrorZOrder(*control.parent());
      break;
    case Property::Checked:
      if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable()) {
        const QSignalBlocker block(button);
        if (auto* check = dynamic_cast<CheckBox*>(&control)) button->setChecked(check->checked());
        if (auto* radio = dynamic_cast<RadioButton*>(&control))
          button->setChecked(radio->checked());
      }
      break;
    case Property::Text:
      if (auto* edit = dynamic_cast<Edit*>(&control)) {
        QLineEdit* line = qobject_cast<QLineEdit*>(widget);
        if (!line) line = static_cast<ModelSpinBox*>(widget)->editor();
        if (line->text() != qs(edit->text())) line->setText(qs(edit->text()));
      }
      break;
    case Property::Items:
    case Property::ItemIndex:
      if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
        auto* box = static_cast<QComboBox*>(widget);
        const QSignalBlocker block(box);
        if (property == Property::Items) {
          box->clear();
          for (const std::string& item : combo->items()) box->addItem(qs(item));
        }
        box->setCurrentIndex(combo->itemIndex());
      }
      break;
    case Property::Lines:
      if (auto* memo = dynamic_cast<Memo*>(&control)) {
        QStringList lines;
        for (const std::string& line : memo->lines()) lines << qs(line);
        static_cast<QPlainTextEdit*>(widget)->setPlainText(lines.join('\n'));
      }
      break;
    case Property::Picture:
      if (auto* image = dynamic_cast<Image*>(&control); image && !image->picture().empty()) {
        static_cast<QLabel*>(widget)->setPixmap(
            drawPicture(image->picture(), control.bounds().width, control.bounds().height));
      }
      break;
    case Property::Marquee:
      if (auto* progress = dynamic_cast<ProgressBar*>(&control)) {
        static_cast<QProgressBar*>(widget)->setRange(0, progress->marquee() ? 0 : 100);
      }
      break;
    case Property::Look:
      mirrorLook(control, widget);
      break;
  }
}

void QtToolkit::mirrorCaption(Control& control, QWidget* widget) {
  const std::string& caption = control.caption();
  widget->setAccessibleName(plainText(control.accessibleName()));
  if (auto* form = dynamic_cast<FormWidget*>(widget)) {
    form->setWindowTitle(plainWindowTitle(caption));
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(plainButtonText(caption));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(plainButtonText(caption));
  } else if (QWidget* label = captionLabel(control)) {
    static_cast<QLabel*>(label)->setText(plainText(caption));
  } else if (auto* text = qobject_cast<QLabel*>(widget);
             text && control.kind() != ControlKind::Image) {
    // A label with a buddy takes "&" as a mnemonic mark.
    text->setText(text->buddy() ? plainButtonText(caption) : plainText(caption));
    if (control.sizedToText()) fitToText(control, text);
  }
}

void QtToolkit::mirrorGeometry(Control& control, QWidget* widget) {
  const Bounds& b = control.bounds();
  if (control.kind() == ControlKind::Form) {
    widget->setFixedSize(b.width, b.height);
    return;
  }
  widget->setGeometry(b.left, b.top, b.width, b.height);
  if (control.sizedToText()) fitToText(control, static_cast<QLabel*>(widget));
  if (QWidget* caption = captionLabel(control)) {
    // A labelled edit's caption sits just above the box.
    caption->setGeometry(b.left, b.top - 16, b.width, 13);
  }
}

// Labels and links size themselves to their text, so a longer translation is not cut; a
// right-aligned label keeps its right edge.
void QtToolkit::fitToText(const Control& control, QLabel* widget) {
  const Bounds b =
      control.boundsForText(widget->fontMetrics().horizontalAdvance(widget->text()) + 1);
  widget->setGeometry(b.left, b.top, b.width, b.height);
}

void QtToolkit::mirrorZOrder(Control& parent) {
  for (Control* child : parent.zOrder()) {
    if (QWidget* widget = this->widget(*child)) widget->raise();
  }
}

void QtToolkit::mirrorLook(Control& control, QWidget* widget) {
  if (auto* link = dynamic_cast<ClickableLabel*>(widget)) link->setLinkLook(control.drawnAsLink());
  if (auto* label = dynamic_cast<Label*>(&control)) {
    auto* text = static_cast<QLabel*>(widget);
    text->setAlignment(label->alignment() == Alignment::Right ? Qt::AlignRight | Qt::AlignVCenter
                                                              : Qt::AlignLeft | Qt::AlignVCenter);
  } else if (auto* stat = dynamic_cast<StaticText*>(&control)) {
    auto* text = static_cast<QLabel*>(widget);
    text->setFrameStyle(stat->border() ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    text->setAlignment(stat->centered() ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
  } else if (auto* edit = dynamic_cast<Edit*>(&control);
             edit && control.kind() != ControlKind::SpinEdit) {
    auto* line = static_cast<QLineEdit*>(widget);
    const auto mask = static_cast<unsigned char>(edit->passwordChar());
    line->setEchoMode(mask ? QLineEdit::Password : QLineEdit::Normal);
    // The style's own mask is a dot; the model names the character.
    line->setStyleSheet(mask ? QString("QLineEdit { lineedit-password-character: %1; }").arg(mask)
                             : QString());
  }
}

void QtToolkit::formVisibilityChanged(Form& form, QWidget* widget) {
  if (form.visible()) {
    centre(form, widget);
    widget->show();
    widget->activateWindow();
    return;
  }
  widget->hide();
  for (const ModalLoop& modal : modalLoops_) {
    if (modal.form == &form) modal.loop->quit();
  }
  if (&form == mainForm_) requestQuit();
}

void QtToolkit::centre(Form& form, QWidget* widget) {
  QRect area;
  if (QWidget* owner = form.owner() ? this->widget(*form.owner()) : nullptr;
      owner && owner->isVisible()) {
    area = owner->frameGeometry();
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  QRect frame = widget->frameGeometry();
  frame.moveCenter(area.center());
  widget->move(frame.topLeft());
}

void QtToolkit::timerChanged(Timer& timer) {
  QTimer* qtimer = timers_.at(&timer);
  qtimer->stop();
  qtimer->setInterval(timer.interval());
  if (timer.enabled()) qtimer->start();
}

void QtToolkit::showMain(Form& form) {
  mainForm_ = &form;
  form.shown();
}

void QtToolkit::showModal(Form& form) {
  widget(form)->setWindowModality(Qt::ApplicationModal);
  form.shown();
  if (quitRequested_) {
    form.close();
    return;
  }
  if (!form.visible()) return;
  QEventLoop loop;
  modalLoops_.push_back({&form, &loop});
  loop.exec();
  std::erase_if(modalLoops_, [&](const ModalLoop& m) { return m.loop == &loop; });
}

void QtToolkit::run() {
  if (!quitRequested_) QApplication::exec();
}

void QtToolkit::requestQuit() {
  if (quitRequested_) return;
  quitRequested_ = true;
  // Open modal forms close as cancelled, innermost first.
  auto open = modalLoops_;
  for (auto it = open.rbegin(); it != open.rend(); ++it) it->form->close();
  QCoreApplication::quit();
}

void QtToolkit::post(std::function<void()> work) {
  QMetaObject::invokeMethod(qApp, std::move(work), Qt::QueuedConnection);
}

void QtToolkit::beep() {
  QApplication::beep();
}

std::string QtToolkit::pickFolder(const std::string& title) {
  return QFileDialog::getExistingDirectory(QApplication::activeWindow(), qs(title), QString(),
                                           QFileDialog::ShowDirsOnly)
      .toStdString();
}

std::shared_ptr<ConsoleWindow> QtToolkit::openConsole(const std::string& title) {
  return openQtConsole(title);
}

void QtToolkit::openUrl(const std::string& url) {
  QDesktopServices::openUrl(QUrl(qs(url)));
}

QWidget* QtToolkit::widget(const Control& control) const {
  auto it = widgets_.find(&control);
  return it == widgets_.end() ? nullptr : it->second.data();
}

QWidget* QtToolkit::captionLabel(const Control& control) const {
  auto it = captionLabels_.find(&control);
  return it == captionLabels_.end() ? nullptr : it->second.data();
}

Form* QtToolkit::formOf(const QWidget* window) const {
  for (Form* form : forms_) {
    if (widget(*form) == window) return form;
  }
  return nullptr;
}

Control* QtToolkit::focusedControl(Form& form) const {
  for (QWidget* focus = QApplication::focusWidget(); focus; focus = focus->parentWidget()) {
    for (auto& control : form.controls()) {
      if (widget(*control) == focus) return control.get();
    }
  }
  return nullptr;
}

// Tab and Shift+Tab walk the model's tab stops, whatever Qt's focus chain holds.
bool QtToolkit::moveFocus(Form& form, bool forwards) {
  Control* next = form.nextTabStop(focusedControl(form), !forwards);
  QWidget* target = next ? widget(*next) : nullptr;
  if (!target) return false;
  target->setFocus(forwards ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

bool QtToolkit::keyPressed(QWidget* target, const QKeyEvent& key) {
  Form* form = formOf(target->window());
  if (!form) return false;
  const Qt::KeyboardModifiers modifiers = key.modifiers();
  const bool plain = !(modifiers & (Qt::AltModifier | Qt::ControlModifier));
  // Enter presses the focused button, as Space does.
  if (plain && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
    auto* button = qobject_cast<QPushButton*>(target);
    if (button) button->click();
    return button != nullptr;
  }
  KeyEvent event;
  event.key = key.key() == Qt::Key_Escape ? kKeyEscape : letterKey(key);
  if (event.key == 0) return false;
  event.alt = modifiers & Qt::AltModifier;
  event.ctrl = modifiers & Qt::ControlModifier;
  event.shift = modifiers & Qt::ShiftModifier;
  return form->keyDown(event);
}

}  // namespace qu
