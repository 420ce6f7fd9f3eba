#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "framework/control_spec.h"
#include "framework/controls.h"
#include "framework/program_error.h"

class QWidget;
class QMainWindow;
class QKeySequence;
class QPoint;

namespace fw {

class MenuBar;
class MenuItem;

// A titled window, or a start-up picture: no frame, title or buttons, and no place in a taskbar or
// window switcher, since it goes at the first key press.
enum class Frame { Document = 0, Splash = 2 };
// Where a new window first appears: centred on the screen, or in a cascade. A cascaded window
// stands one step (24 points right, 24 down) on from the newest cascaded window still open, so
// that it leaves that one's title in view; with none open, or after eight steps, it stands at the
// first place, 40 points in from the top left corner of the screen's free area.
enum class Placement { ScreenCentre = 0, Cascade = 3 };

// A window's properties; the defaults make a titled, fixed-size window with close and minimise
// buttons, centred on the screen and shown when made.
struct WindowProperties {
  std::string title;
  int width = 300, height = 300;  // the content area, below any menu bar
  int minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
  Frame frame = Frame::Document;
  bool hasCloseButton = true;
  bool hasMinimizeButton = true;
  bool hasMaximizeButton = false;
  bool resizeable = false;
  Placement placement = Placement::ScreenCentre;
  bool visible = true;
  bool hasBackgroundColor = false;
  std::uint32_t backgroundColor = 0xFFFFFF;
};

// A top-level window. Each subclass has at most one instance at a time, made by Instance() on
// first use; when the user closes it, the next Instance() makes a new one.
class Window {
 public:
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The one window of class W: made, built (Layout, CreateControls, AddMenuHandlers), opened
  // (the controls' Open, then the window's) and shown when visible, if there is none yet.
  template <class W>
  static W& Instance() {
    if (Window* existing = Find(typeid(W))) return static_cast<W&>(*existing);
    auto* made = new W();
    Register(typeid(W), made);
    made->Construct();
    return *made;
  }
  // The window of class W if one exists, else nullptr; never makes one.
  template <class W>
  static W* Existing() {
    return static_cast<W*>(Find(typeid(W)));
  }
  // How many windows exist now, of any class.
  static int Count();

  // The window whose handler runs now (a control's event, the window's own or a menu item's), the
  // innermost one while handlers nest; nullptr outside every handler. What a handler raises, such
  // as a message box, belongs to that window.
  static Window* Handling();
  // Marks a handler of the window as running for as long as it lives.
  class HandlerScope {
   public:
    explicit HandlerScope(Window& window);
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
  };

  void Show();
  void Hide();
  // Whether the window is on screen.
  bool Visible() const;
  // As the user's close button: the instance is gone and the next Instance() makes a new one.
  void Close();
  std::string Title() const;

  // The control or timer of that name, or nullptr.
  Object* Find(const std::string& name) const;
  // The control of that name and class; a missing name or another class is a program error.
  template <class T>
  T& Named(const std::string& name) const {
    if (auto* typed = dynamic_cast<T*>(Find(name))) return *typed;
    ProgramError({"no control ", name, " of the expected class in ", Title()});
  }
  // Every control and timer, in the order they were made.
  const std::vector<Object*>& Objects() const { return order_; }
  // The control that holds this window's keyboard focus, or nullptr.
  Control* FocusedControl() const;

  MenuBar* GetMenuBar() const { return menuBar_; }
  // Runs the handler that this window registered for the item; false when none handled it.
  bool HandleMenuItem(const std::string& itemName);

  QWidget* Widget() const;

  // The window's own events; a false result from KeyDown or MouseDown keeps the usual handling.
  // KeyDown comes for every key but a lone modifier, with the text the key types: empty for one
  // that types none, such as an arrow or a function key. Coordinates are in the content area.
  virtual void Event_Open() {}
  virtual bool Event_KeyDown(const std::string& key);
  virtual bool Event_MouseDown(int x, int y);

 protected:
  Window();

  // Building hooks, run in this order by Instance().
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}
  // Called for each control right after its property set, to bind its events.
  virtual void BindEvents(Object& control);

  void ApplyProperties(const WindowProperties& properties);
  void SetMenuBar(MenuBar& menuBar);
  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
  // Makes a control from its property set: create, register, backdrop, properties, events.
  Object& CreateControl(const ControlSpec& spec);

 private:
  friend class WindowWidget;
  static Window* Find(std::type_index type);
  static void Register(std::type_index type, Window* window);
  void Construct();
  void BuildMenus();
  bool CanAct(const std::string& itemName) const;
  // Does what choosing the item does here: Quit, this window's handler for it or, for an editing
  // item, the edit of the focused text.
  void Choose(const MenuItem& item);
  // Whether the item is enabled here now.
  bool Offers(const MenuItem& item) const;
  // A window without a menu bar of its own is served by the application's: a key that is an
  // item's shortcut does what the item does there. False when no item took the key.
  bool ServeMenuShortcut(const QKeySequence& keys);
  QWidget* UserFocus() const;
  void OrderKeyboardFocus();
  QWidget* ParentFor(const ControlSpec& spec, int& originX, int& originY) const;
  void ClosedByUser();
  static void PassKeysToSplash();
  // Takes this window's step in the cascade; where its frame goes, from the screen's free area.
  QPoint TakeCascadePlace();

  QMainWindow* widget_;
  QWidget* content_;
  WindowProperties properties_;
  MenuBar* menuBar_ = nullptr;
  std::map<std::string, std::unique_ptr<Object>> objects_;
  std::vector<Object*> order_;
  struct Origin {
    int x, y;
  };
  std::map<const QWidget*, Origin> origins_;  // window coordinates of each container
  std::map<std::string, std::function<bool()>> menuHandlers_;
  std::type_index type_ = typeid(void);
  int cascadeStep_ = -1;  // none until the window is first shown in a cascade
  std::uint64_t cascadeOrder_ = 0;
};

}  // namespace fw
