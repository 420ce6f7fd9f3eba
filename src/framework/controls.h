#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/picture.h"

class QWidget;
class QTimer;

namespace fw {

class Window;
struct ControlSpec;

// Anything a window holds under a name: its controls and its timers.
class Object {
 public:
  virtual ~Object();
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  const std::string& Name() const { return name_; }

  // The framework raises a control's Open once its window has made all its controls.
  virtual void RaiseOpen() {}

 protected:
  explicit Object(std::string name) : name_(std::move(name)) {}

 private:
  std::string name_;
};

// A control drawn in a window.
class Control : public Object {
 public:
  // The control's own flag: true even while its tab page or window is not on screen.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  std::string HelpTag() const;
  void SetHelpTag(const std::string& tooltip);
  // Puts the keyboard focus (the cursor, for a text field) into the control.
  void SetFocus();
  // Whether the control holds its window's keyboard focus.
  bool HasFocus() const;
  // The control's place in the Tab key's order among the controls of its parent, as made.
  int TabIndex() const { return tabIndex_; }

  QWidget* Widget() const { return widget_; }

  // Applies the property set common to every control, then the class's own (builder use).
  virtual void Apply(const ControlSpec& spec);

 protected:
  Control(std::string name, QWidget* widget);

 private:
  QWidget* widget_;
  bool visible_ = true;
  int tabIndex_ = 0;
};

class TextField : public Control {
 public:
  using KeyDownHandler = std::function<bool(TextField&, const std::string& key)>;
  using EditedHandler = std::function<void(TextField&)>;

  TextField(std::string name, QWidget* parent);

  std::string Text() const;
  // Text set from code is never cut to the field's limit. A read-only field shows it from its
  // first character: in its own font when it fits, else in the largest smaller one down to
  // 8 pixels that fits. A number that does not fit even then takes its place in exponent form
  // with as many digits as fit ("+2.469E+11"), which Text() then returns, so that what is shown
  // is what is copied; other text is cut at the right with a mark and stays whole for selecting
  // and copying. Either way the whole text assigned becomes the field's tooltip.
  void SetText(const std::string& text);
  // The most characters the user can type or paste; 0 for no limit. A lower limit leaves a
  // longer text as it is, and the user can still shorten it.
  int LimitText() const { return limit_; }
  void SetLimitText(int limit);
  // The only characters that a paste or a drop may bring; empty for any. Where they are given, a
  // pasted text goes in without the white space round it (a copied cell's line end), and one
  // with nothing else left, or with any other character, is refused whole with the beep, as a
  // paste past the limit is. Typed keys are left to the KeyDown handler.
  const std::string& PasteCharacters() const { return pasteCharacters_; }
  void SetPasteCharacters(const std::string& characters) { pasteCharacters_ = characters; }
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);

  // The handler sees every key that types a character, and Backspace, Tab and Return, before the
  // field does; a true result discards the key.
  void OnKeyDown(KeyDownHandler handler) { keyDown_ = std::move(handler); }
  bool RaiseKeyDown(const std::string& key);
  // The handler runs after every change of the text by the user: typed, pasted, cut, deleted,
  // undone or dropped, by key or by menu. Text set from code runs nothing.
  void OnEdited(EditedHandler handler) { edited_ = std::move(handler); }
  void RaiseEdited();
  // Whether text set from code is being assigned right now (the limit does not apply then).
  bool Assigning() const { return assigning_; }

  void Apply(const ControlSpec& spec) override;

 private:
  KeyDownHandler keyDown_;
  EditedHandler edited_;
  int limit_ = 0;
  std::string pasteCharacters_;
  bool assigning_ = false;
};

// A multi-line, scrolling text.
class TextArea : public Control {
 public:
  TextArea(std::string name, QWidget* parent);

  std::string Text() const;
  // Lines may be separated by carriage returns, line feeds or both.
  void SetText(const std::string& text);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);

  void Apply(const ControlSpec& spec) override;
};

class Label : public Control {
 public:
  Label(std::string name, QWidget* parent);

  std::string Text() const;
  void SetText(const std::string& text);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& text) { SetText(text); }

  void Apply(const ControlSpec& spec) override;
};

class GroupBox : public Control {
 public:
  GroupBox(std::string name, QWidget* parent);

  std::string Caption() const;
  void SetCaption(const std::string& caption);

  void Apply(const ControlSpec& spec) override;
};

class RadioButton : public Control {
 public:
  using ActionHandler = std::function<void(RadioButton&)>;

  RadioButton(std::string name, QWidget* parent);

  bool Value() const;
  // True selects the button, clears the other radio buttons of its container and runs Action,
  // also when it was selected already; false clears it and runs nothing.
  void SetValue(bool selected);
  std::string Caption() const;
  void SetCaption(const std::string& caption);

  void OnAction(ActionHandler handler) { action_ = std::move(handler); }
  // The user selected the button.
  void RaiseAction();

  void Apply(const ControlSpec& spec) override;

 private:
  ActionHandler action_;
  bool settingFromCode_ = false;
};

class PushButton : public Control {
 public:
  using Handler = std::function<void(PushButton&)>;

  PushButton(std::string name, QWidget* parent);

  // Runs the Action handler at once, as a click does.
  void Push();
  std::string Caption() const;
  void SetCaption(const std::string& caption);

  void OnAction(Handler handler) { action_ = std::move(handler); }
  void OnOpen(Handler handler) { open_ = std::move(handler); }
  void RaiseOpen() override;

  void Apply(const ControlSpec& spec) override;

 private:
  Handler action_;
  Handler open_;
};

class TabPanel : public Control {
 public:
  using ChangeHandler = std::function<void(TabPanel&)>;

  TabPanel(std::string name, QWidget* parent);

  // The selected tab, from 0. Selecting another tab from code raises Change as a click does.
  int Value() const;
  void SetValue(int tab);
  int TabCount() const;
  std::string TabCaption(int tab) const;
  // The page that holds the controls of a tab (builder use).
  QWidget* Page(int tab) const;

  void OnChange(ChangeHandler handler) { change_ = std::move(handler); }
  void RaiseChange();

  void Apply(const ControlSpec& spec) override;

 private:
  ChangeHandler change_;
};

// A drawing area that shows its backdrop picture and reports clicks.
class Canvas : public Control {
 public:
  using OpenHandler = std::function<void(Canvas&)>;
  using MouseDownHandler = std::function<bool(Canvas&, int x, int y)>;

  Canvas(std::string name, QWidget* parent);

  const Picture& Backdrop() const { return backdrop_; }
  void SetBackdrop(const Picture& picture);

  void OnOpen(OpenHandler handler) { open_ = std::move(handler); }
  void OnMouseDown(MouseDownHandler handler) { mouseDown_ = std::move(handler); }
  void RaiseOpen() override;
  bool RaiseMouseDown(int x, int y);

  void Apply(const ControlSpec& spec) override;

 private:
  Picture backdrop_;
  OpenHandler open_;
  MouseDownHandler mouseDown_;
};

// A horizontal line between rows of controls.
class Separator : public Control {
 public:
  Separator(std::string name, QWidget* parent);
};

class Timer : public Object {
 public:
  using ActionHandler = std::function<void(Timer&)>;
  enum RunMode { kOff = 0, kSingle = 1, kMultiple = 2 };

  explicit Timer(std::string name);
  ~Timer() override;

  int RunMode() const { return runMode_; }
  // Starting a mode other than off starts counting the period from now.
  void SetRunMode(int mode);
  int Period() const { return period_; }
  void SetPeriod(int milliseconds);
  // Whether the timer is counting toward its next Action.
  bool Pending() const;
  // Lets the period run out now: the Action runs as when the time is up (for tests).
  void Fire();
  // Whether any timer of any window is counting.
  static bool AnyPending();
  // The Qt timer that counts the period.
  const QTimer* QtTimer() const { return timer_.get(); }

  void OnAction(ActionHandler handler) { action_ = std::move(handler); }

  void Apply(const ControlSpec& spec);

 private:
  void Expire();

  std::unique_ptr<QTimer> timer_;
  int runMode_ = kOff;
  int period_ = 1000;
  ActionHandler action_;
};

}  // namespace fw
