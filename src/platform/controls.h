#pragma once

// The toolkit-neutral control model. Forms and controls carry every property the program's logic
// reads or writes; a toolkit only draws them (it observes the model and feeds user input back
// through the same calls the code uses), so all logic runs and is tested without a display.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qu {

enum class ControlKind {
  Form,
  GroupBox,
  Label,
  LinkLabel,
  CheckBox,
  RadioButton,
  Button,
  Edit,
  LabeledEdit,
  SpinEdit,
  ComboBox,
  ProgressBar,
  StaticText,
  Memo,
  Image,
  Panel,
};

std::string_view kindName(ControlKind kind);

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Bounds&) const = default;
};

// What changed, so an observer mirrors only that property.
enum class Property {
  Bounds,
  Caption,
  Enabled,
  Visible,
  Hint,
  Font,
  ZOrder,
  Checked,
  Text,
  Items,
  ItemIndex,
  Lines,
  Picture,
  Marquee,
  Look,
};

class Control;
class Form;
class Timer;

class ModelObserver {
 public:
  virtual ~ModelObserver() = default;
  virtual void propertyChanged(Control& control, Property property) = 0;
  virtual void timerChanged(Timer& timer) = 0;
  // The form is going away; forget everything about it.
  virtual void formDestroyed(Form& form) = 0;
};

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  Control* parent() const { return parent_; }
  Form& form();

  // Direct children in control-position order: labels (and other window-less controls) first,
  // then the rest, each in creation order. Stored index lists depend on this order.
  const std::vector<Control*>& children() const { return children_; }
  int position() const;
  // Direct children from back to front; only the front one of overlapping siblings is seen.
  const std::vector<Control*>& zOrder() const { return zOrder_; }
  void bringToFront();
  void sendToBack();
  bool isInFrontOf(const Control& sibling) const;
  // Window-less controls (labels, images) count first among a parent's children.
  bool isGraphic() const;

  const Bounds& bounds() const { return bounds_; }
  void setBounds(const Bounds& bounds);
  void setLeft(int left);
  void setTop(int top);
  void setWidth(int width);
  void setHeight(int height);

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);
  // The control whose caption names this one, as the label beside an edit, spin edit or combo
  // box does; its caption changes reach this control's observers too.
  const Control* labelledBy() const { return labelledBy_; }
  void setLabelledBy(Control* label);
  // What assistive technology announces for the control.
  const std::string& accessibleName() const;
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  // Enabled here and in every parent: what the user can actually reach.
  bool reachable() const;
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool showing() const;
  const std::string& hint() const { return hint_; }
  void setHint(const std::string& hint);
  bool bold() const { return bold_; }
  void setBold(bool bold);
  // Drawn blue and underlined with a hand cursor while usable.
  virtual bool drawnAsLink() const { return false; }
  // As wide as its caption, whatever the width of its bounds.
  virtual bool sizedToText() const { return false; }
  // Where such a control lies with a caption `textWidth` wide: a right-aligned label keeps its
  // right edge.
  virtual Bounds boundsForText(int textWidth) const;

  // A kind the keyboard can focus.
  virtual bool takesFocus() const { return false; }
  // Lies behind a visible sibling that covers all of it, so the user cannot see it.
  bool covered() const;
  // Tab reaches it: it takes the focus and is usable and seen.
  bool tabStop() const;

  std::function<void()> onClick;
  // Runs the click handler, as a call from code does.
  void click();
  // Input from the user: ignored while the control cannot be reached.
  void userClick();

 protected:
  Control(ControlKind kind, std::string name, Control* parent);
  void notify(Property property);
  virtual void clickedByUser() { click(); }

 private:
  friend class Form;
  void adopt(Control* child);

  ControlKind kind_;
  std::string name_;
  Control* parent_;
  std::vector<Control*> children_;
  std::vector<Control*> zOrder_;
  Bounds bounds_;
  std::string caption_;
  std::string hint_;
  Control* labelledBy_ = nullptr;
  Control* labelFor_ = nullptr;
  bool enabled_ = true;
  bool visible_ = true;
  bool bold_ = false;
};

class GroupBox : public Control {
 public:
  GroupBox(std::string name, Control* parent)
      : Control(ControlKind::GroupBox, std::move(name), parent) {}
};

class Panel : public Control {
 public:
  Panel(std::string name, Control* parent) : Control(ControlKind::Panel, std::move(name), parent) {}
};

enum class Alignment { Left, Right, Center };

class Label : public Control {
 public:
  Label(std::string name, Control* parent, ControlKind kind = ControlKind::Label)
      : Control(kind, std::move(name), parent) {}
  bool sizedToText() const override { return true; }
  Bounds boundsForText(int textWidth) const override;
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment alignment);

 private:
  Alignment alignment_ = Alignment::Left;
};

// A label drawn as a link: blue, underlined, hand cursor.
class LinkLabel : public Label {
 public:
  LinkLabel(std::string name, Control* parent)
      : Label(std::move(name), parent, ControlKind::LinkLabel) {}
  bool drawnAsLink() const override { return true; }
};

// A check box's click handler runs whenever its state changes, from code as from the user.
class CheckBox : public Control {
 public:
  CheckBox(std::string name, Control* parent)
      : Control(ControlKind::CheckBox, std::move(name), parent) {}
  bool takesFocus() const override { return true; }
  bool checked() const { return checked_; }
  void setChecked(bool checked);

 protected:
  void clickedByUser() override { setChecked(!checked_); }

 private:
  bool checked_ = false;
};

// A radio button's click handler runs when it becomes selected; selecting it clears the other
// radio buttons of the same parent, whose handlers do not run.
class RadioButton : public Control {
 public:
  RadioButton(std::string name, Control* parent)
      : Control(ControlKind::RadioButton, std::move(name), parent) {}
  bool takesFocus() const override { return true; }
  bool checked() const { return checked_; }
  void setChecked(bool checked);

 protected:
  void clickedByUser() override { setChecked(true); }

 private:
  void setCheckedQuietly(bool checked);
  bool checked_ = false;
};

class Button : public Control {
 public:
  Button(std::string name, Control* parent)
      : Control(ControlKind::Button, std::move(name), parent) {}
  bool takesFocus() const override { return true; }
  // Esc on the form clicks the visible, reachable button marked as the cancel button.
  bool cancel() const { return cancel_; }
  void setCancel(bool cancel) { cancel_ = cancel; }

 private:
  bool cancel_ = false;
};

// An edit's change handler runs whenever its text changes, from code as from the user.
class Edit : public Control {
 public:
  Edit(std::string name, Control* parent, ControlKind kind = ControlKind::Edit)
      : Control(kind, std::move(name), parent) {}
  bool takesFocus() const override { return true; }
  const std::string& text() const { return text_; }
  void setText(const std::string& text);
  // Non-zero: every character is shown as this one (password boxes).
  char passwordChar() const { return passwordChar_; }
  void setPasswordChar(char c);
  std::function<void()> onChange;

 private:
  std::string text_;
  char passwordChar_ = 0;
};

// An edit with a caption label above it; the caption is the control's caption.
class LabeledEdit : public Edit {
 public:
  LabeledEdit(std::string name, Control* parent)
      : Edit(std::move(name), parent, ControlKind::LabeledEdit) {}
};

// A number box: the text is free while typing; a text that is not a number reads as the minimum;
// leaving the box brings an out-of-range value to the nearest bound.
class SpinEdit : public Edit {
 public:
  SpinEdit(std::string name, Control* parent)
      : Edit(std::move(name), parent, ControlKind::SpinEdit) {}
  int minValue() const { return minValue_; }
  int maxValue() const { return maxValue_; }
  void setRange(int minValue, int maxValue);
  int maxLength() const { return maxLength_; }
  void setMaxLength(int maxLength) { maxLength_ = maxLength; }
  int value() const;
  void setValue(int value);
  void step(int delta);
  void focusLost();

 private:
  int clamp(int value) const;
  int minValue_ = 0;
  int maxValue_ = 0;
  int maxLength_ = 0;
};

// A drop-down list. Selecting from code runs nothing; the user's selection runs onChange.
class ComboBox : public Control {
 public:
  ComboBox(std::string name, Control* parent)
      : Control(ControlKind::ComboBox, std::move(name), parent) {}
  bool takesFocus() const override { return true; }
  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items);
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  void userSelect(int index);
  // The selected entry's text, "" when none is selected.
  std::string text() const;
  std::function<void()> onChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

class ProgressBar : public Control {
 public:
  ProgressBar(std::string name, Control* parent)
      : Control(ControlKind::ProgressBar, std::move(name), parent) {}
  bool marquee() const { return marquee_; }
  int marqueeInterval() const { return marqueeInterval_; }
  void setMarquee(bool on, int intervalMs);

 private:
  bool marquee_ = false;
  int marqueeInterval_ = 0;
};

// Static text with an optional single border, centred text, link look and size to its text.
class StaticText : public Control {
 public:
  StaticText(std::string name, Control* parent)
      : Control(ControlKind::StaticText, std::move(name), parent) {}
  bool drawnAsLink() const override { return linkLook_; }
  bool sizedToText() const override { return autoSize_; }
  bool border() const { return border_; }
  void setBorder(bool border);
  bool centered() const { return centered_; }
  void setCentered(bool centered);
  bool linkLook() const { return linkLook_; }
  void setLinkLook(bool linkLook);
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool autoSize);

 private:
  bool border_ = false;
  bool centered_ = false;
  bool linkLook_ = false;
  bool autoSize_ = false;
};

// Read-only lines, wrapped at the control's width; what does not fit stays unseen.
class Memo : public Control {
 public:
  Memo(std::string name, Control* parent) : Control(ControlKind::Memo, std::move(name), parent) {}
  const std::vector<std::string>& lines() const { return lines_; }
  void addLine(const std::string& line);
  void clear();

 private:
  std::vector<std::string> lines_;
};

// A picture named by a key the toolkit knows how to draw ("info-red", "info-yellow").
class Image : public Control {
 public:
  Image(std::string name, Control* parent) : Control(ControlKind::Image, std::move(name), parent) {}
  const std::string& picture() const { return picture_; }
  void setPicture(const std::string& picture);

 private:
  std::string picture_;
};

class Timer {
 public:
  Timer(Form& form, std::string name) : form_(form), name_(std::move(name)) {}
  const std::string& name() const { return name_; }
  Form& form() { return form_; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  int interval() const { return interval_; }
  void setInterval(int intervalMs);
  std::function<void()> onTimer;
  void fire();

 private:
  void changed();
  Form& form_;
  std::string name_;
  bool enabled_ = false;
  int interval_ = 1000;
};

struct KeyEvent {
  int key = 0;  // virtual key code: letters are their upper-case ASCII code, Esc is 27
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
};
inline constexpr int kKeyEscape = 27;

enum class TitleButtons : unsigned {
  None = 0,
  SystemMenu = 1,  // also gives the close box
  Minimize = 2,
  Maximize = 4,
  Help = 8,
};
constexpr TitleButtons operator|(TitleButtons a, TitleButtons b) {
  return static_cast<TitleButtons>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool has(TitleButtons set, TitleButtons button) {
  return (static_cast<unsigned>(set) & static_cast<unsigned>(button)) != 0;
}

enum class FormColor { ButtonHighlight, White };

// A top-level window. It owns every control created in it. Its bounds' width and height are the
// client size; the form is not resizable.
class Form : public Control {
 public:
  explicit Form(std::string name);
  ~Form() override;

  template <typename T>
  T& add(std::string name, Control* parent) {
    auto control = std::make_unique<T>(std::move(name), parent ? parent : this);
    T& ref = *control;
    own(std::move(control));
    return ref;
  }
  Timer& addTimer(std::string name);

  // Finds a control by name anywhere in the form; throws std::out_of_range naming it if absent
  // or of another type.
  Control& find(std::string_view name);
  template <typename T>
  T& find(std::string_view name) {
    auto* typed = dynamic_cast<T*>(&find(name));
    if (!typed) throw std::out_of_range("control " + std::string(name) + " has another kind");
    return *typed;
  }
  Control* tryFind(std::string_view name);
  // Where Tab (or Shift+Tab) moves from `from`: the next tab stop in creation order, round the
  // form; from a control that is none, or from none, the first (or last). Null when none is.
  Control* nextTabStop(const Control* from, bool backwards);
  Timer& timer(std::string_view name);
  const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }
  // Every control of the form in creation order.
  const std::vector<std::unique_ptr<Control>>& controls() const { return owned_; }

  TitleButtons titleButtons() const { return titleButtons_; }
  void setTitleButtons(TitleButtons buttons) { titleButtons_ = buttons; }
  FormColor color() const { return color_; }
  void setColor(FormColor color) { color_ = color; }
  bool keyPreview() const { return keyPreview_; }
  void setKeyPreview(bool on) { keyPreview_ = on; }
  // The form this one is centred over and modal to; none for the main window.
  Form* owner() const { return owner_; }
  void setOwner(Form* owner) { owner_ = owner; }

  std::function<void()> onShow;
  std::function<void()> onClose;
  std::function<void(const KeyEvent&)> onKeyDown;

  // Called by a toolkit as the form appears: it becomes visible and onShow runs.
  void shown();
  // Closes the form from code or from a handler: onClose runs, then the form is hidden. A
  // modal show returns once the form is closed.
  void close();
  // The window manager's close box: only where the form has one.
  void userClose();
  // A key pressed while the form is active; true when the form consumed it.
  bool keyDown(const KeyEvent& event);

  ModelObserver* observer() const { return observer_; }
  void setObserver(ModelObserver* observer) { observer_ = observer; }

 private:
  void own(std::unique_ptr<Control> control);
  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<std::unique_ptr<Timer>> timers_;
  TitleButtons titleButtons_ = TitleButtons::SystemMenu;
  FormColor color_ = FormColor::ButtonHighlight;
  bool keyPreview_ = false;
  Form* owner_ = nullptr;
  ModelObserver* observer_ = nullptr;
};

}  // namespace qu
