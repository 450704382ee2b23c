#include "platform/controls.h"

#include <algorithm>
#include <charconv>

namespace qu {

std::string_view kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Form:
      return "form";
    case ControlKind::GroupBox:
      return "group box";
    case ControlKind::Label:
      return "label";
    case ControlKind::LinkLabel:
      return "link label";
    case ControlKind::CheckBox:
      return "check box";
    case ControlKind::RadioButton:
      return "radio button";
    case ControlKind::Button:
      return "button";
    case ControlKind::Edit:
      return "edit";
    case ControlKind::LabeledEdit:
      return "labelled edit";
    case ControlKind::SpinEdit:
      return "spin edit";
    case ControlKind::ComboBox:
      return "combo box";
    case ControlKind::ProgressBar:
      return "progress bar";
    case ControlKind::StaticText:
      return "static text";
    case ControlKind::Memo:
      return "memo";
    case ControlKind::Image:
      return "image";
    case ControlKind::Panel:
      return "panel";
  }
  return "control";
}

Control::Control(ControlKind kind, std::string name, Control* parent)
    : kind_(kind), name_(std::move(name)), parent_(parent) {
  if (parent_) parent_->adopt(this);
}

Control::~Control() = default;

void Control::adopt(Control* child) {
  if (child->isGraphic()) {
    auto firstWindowed = std::find_if(children_.begin(), children_.end(),
                                      [](const Control* c) { return !c->isGraphic(); });
    children_.insert(firstWindowed, child);
  } else {
    children_.push_back(child);
  }
  zOrder_.push_back(child);
}

Form& Control::form() {
  Control* top = this;
  while (top->parent_) top = top->parent_;
  return static_cast<Form&>(*top);
}

int Control::position() const {
  if (!parent_) return 0;
  const auto& siblings = parent_->children_;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

bool Control::isGraphic() const {
  return kind_ == ControlKind::Label || kind_ == ControlKind::LinkLabel ||
         kind_ == ControlKind::Image;
}

void Control::bringToFront() {
  if (!parent_) return;
  auto& order = parent_->zOrder_;
  std::erase(order, this);
  order.push_back(this);
  notify(Property::ZOrder);
}

void Control::sendToBack() {
  if (!parent_) return;
  auto& order = parent_->zOrder_;
  std::erase(order, this);
  order.insert(order.begin(), this);
  notify(Property::ZOrder);
}

bool Control::isInFrontOf(const Control& sibling) const {
  if (!parent_ || sibling.parent_ != parent_) return false;
  const auto& order = parent_->zOrder_;
  return std::find(order.begin(), order.end(), this) >
         std::find(order.begin(), order.end(), &sibling);
}

void Control::setBounds(const Bounds& bounds) {
  if (bounds_ == bounds) return;
  bounds_ = bounds;
  notify(Property::Bounds);
}

void Control::setLeft(int left) {
  setBounds({left, bounds_.top, bounds_.width, bounds_.height});
}
void Control::setTop(int top) {
  setBounds({bounds_.left, top, bounds_.width, bounds_.height});
}
void Control::setWidth(int width) {
  setBounds({bounds_.left, bounds_.top, width, bounds_.height});
}
void Control::setHeight(int height) {
  setBounds({bounds_.left, bounds_.top, bounds_.width, height});
}

void Control::setCaption(const std::string& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  notify(Property::Caption);
  if (labelFor_) labelFor_->notify(Property::Caption);
}

void Control::setLabelledBy(Control* label) {
  if (labelledBy_) labelledBy_->labelFor_ = nullptr;
  labelledBy_ = label;
  if (label) label->labelFor_ = this;
  notify(Property::Caption);
}

const std::string& Control::accessibleName() const {
  return labelledBy_ ? labelledBy_->caption_ : caption_;
}

Bounds Control::boundsForText(int textWidth) const {
  return {bounds_.left, bounds_.top, textWidth, bounds_.height};
}

Bounds Label::boundsForText(int textWidth) const {
  Bounds fitted = Control::boundsForText(textWidth);
  if (alignment_ == Alignment::Right) fitted.left = bounds().left + bounds().width - textWidth;
  return fitted;
}

bool Control::covered() const {
  for (const Control* c = this; c->parent_; c = c->parent_) {
    const auto& order = c->parent_->zOrder_;
    for (auto front = std::find(order.begin(), order.end(), c) + 1; front < order.end(); ++front) {
      const Bounds& over = (*front)->bounds_;
      const Bounds& under = c->bounds_;
      if ((*front)->visible_ && over.left <= under.left && over.top <= under.top &&
          over.left + over.width >= under.left + under.width &&
          over.top + over.height >= under.top + under.height) {
        return true;
      }
    }
  }
  return false;
}

bool Control::tabStop() const {
  return takesFocus() && reachable() && !covered();
}

void Control::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  notify(Property::Enabled);
}

bool Control::reachable() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->enabled_ || !c->visible_) return false;
  }
  return true;
}

void Control::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  notify(Property::Visible);
}

bool Control::showing() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::setHint(const std::string& hint) {
  if (hint_ == hint) return;
  hint_ = hint;
  notify(Property::Hint);
}

void Control::setBold(bool bold) {
  if (bold_ == bold) return;
  bold_ = bold;
  notify(Property::Font);
}

void Control::click() {
  if (onClick) onClick();
}

void Control::userClick() {
  if (reachable()) clickedByUser();
}

void Control::notify(Property property) {
  if (ModelObserver* observer = form().observer()) observer->propertyChanged(*this, property);
}

void Label::setAlignment(Alignment alignment) {
  alignment_ = alignment;
  notify(Property::Look);
}

void CheckBox::setChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  notify(Property::Checked);
  click();
}

void RadioButton::setCheckedQuietly(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  notify(Property::Checked);
}

void RadioButton::setChecked(bool checked) {
  if (checked_ == checked) return;
  if (!checked) {
    setCheckedQuietly(false);
    return;
  }
  for (Control* sibling : parent()->children()) {
    if (auto* radio = dynamic_cast<RadioButton*>(sibling); radio && radio != this) {
      radio->setCheckedQuietly(false);
    }
  }
  setCheckedQuietly(true);
  click();
}

void Edit::setText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  notify(Property::Text);
  if (onChange) onChange();
}

void Edit::setPasswordChar(char c) {
  passwordChar_ = c;
  notify(Property::Look);
}

void SpinEdit::setRange(int minValue, int maxValue) {
  minValue_ = minValue;
  maxValue_ = maxValue;
}

int SpinEdit::clamp(int value) const {
  if (maxValue_ <= minValue_) return value;
  return std::clamp(value, minValue_, maxValue_);
}

int SpinEdit::value() const {
  const std::string& t = text();
  int parsed = 0;
  auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), parsed);
  if (error != std::errc() || end != t.data() + t.size() || t.empty()) return minValue_;
  return parsed;
}

void SpinEdit::setValue(int value) {
  setText(std::to_string(clamp(value)));
}

void SpinEdit::step(int delta) {
  setValue(value() + delta);
}

void SpinEdit::focusLost() {
  if (clamp(value()) != value()) setValue(value());
}

void ComboBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  notify(Property::Items);
}

void ComboBox::setItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (itemIndex_ == index) return;
  itemIndex_ = index;
  notify(Property::ItemIndex);
}

void ComboBox::userSelect(int index) {
  if (!reachable()) return;
  setItemIndex(index);
  if (onChange) onChange();
}

std::string ComboBox::text() const {
  return itemIndex_ >= 0 ? items_[static_cast<size_t>(itemIndex_)] : std::string();
}

void ProgressBar::setMarquee(bool on, int intervalMs) {
  marquee_ = on;
  marqueeInterval_ = intervalMs;
  notify(Property::Marquee);
}

void StaticText::setBorder(bool border) {
  border_ = border;
  notify(Property::Look);
}

void StaticText::setCentered(bool centered) {
  centered_ = centered;
  notify(Property::Look);
}

void StaticText::setLinkLook(bool linkLook) {
  linkLook_ = linkLook;
  notify(Property::Look);
}

void StaticText::setAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  notify(Property::Bounds);
}

void Memo::addLine(const std::string& line) {
  lines_.push_back(line);
  notify(Property::Lines);
}

void Memo::clear() {
  lines_.clear();
  notify(Property::Lines);
}

void Image::setPicture(const std::string& picture) {
  picture_ = picture;
  notify(Property::Picture);
}

void Timer::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  changed();
}

void Timer::setInterval(int intervalMs) {
  if (interval_ == intervalMs) return;
  interval_ = intervalMs;
  changed();
}

void Timer::fire() {
  if (enabled_ && onTimer) onTimer();
}

void Timer::changed() {
  if (ModelObserver* observer = form_.observer()) observer->timerChanged(*this);
}

Form::Form(std::string name) : Control(ControlKind::Form, std::move(name), nullptr) {
  setVisible(false);
}

Form::~Form() {
  if (observer_) observer_->formDestroyed(*this);
}

void Form::own(std::unique_ptr<Control> control) {
  owned_.push_back(std::move(control));
}

Timer& Form::addTimer(std::string name) {
  timers_.push_back(std::make_unique<Timer>(*this, std::move(name)));
  return *timers_.back();
}

Control* Form::tryFind(std::string_view name) {
  if (this->name() == name) return this;
  for (auto& control : owned_) {
    if (control->name() == name) return control.get();
  }
  return nullptr;
}

Control& Form::find(std::string_view name) {
  if (Control* found = tryFind(name)) return *found;
  throw std::out_of_range("no control " + std::string(name) + " in form " + this->name());
}

Control* Form::nextTabStop(const Control* from, bool backwards) {
  const auto count = static_cast<std::ptrdiff_t>(owned_.size());
  auto at = std::find_if(owned_.begin(), owned_.end(),
                         [from](const auto& control) { return control.get() == from; });
  std::ptrdiff_t index = at == owned_.end() ? (backwards ? count : -1) : at - owned_.begin();
  for (std::ptrdiff_t step = 0; step < count; ++step) {
    index = (index + (backwards ? count - 1 : 1)) % count;
    if (owned_[static_cast<std::size_t>(index)]->tabStop()) {
      return owned_[static_cast<std::size_t>(index)].get();
    }
  }
  return nullptr;
}

Timer& Form::timer(std::string_view name) {
  for (auto& t : timers_) {
    if (t->name() == name) return *t;
  }
  throw std::out_of_range("no timer " + std::string(name) + " in form " + this->name());
}

void Form::shown() {
  setVisible(true);
  if (onShow) onShow();
}

void Form::close() {
  if (!visible()) return;
  if (onClose) onClose();
  setVisible(false);
}

void Form::userClose() {
  if (has(titleButtons_, TitleButtons::SystemMenu)) close();
}

bool Form::keyDown(const KeyEvent& event) {
  if (keyPreview_ && onKeyDown) onKeyDown(event);
  if (event.key != kKeyEscape || event.alt || event.ctrl) return false;
  for (auto& control : owned_) {
    auto* button = dynamic_cast<Button*>(control.get());
    if (button && button->cancel() && button->reachable()) {
      button->click();
      return true;
    }
  }
  return false;
}

}  // namespace qu
