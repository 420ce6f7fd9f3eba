#pragma once

// The Qt side of a window; never included outside src/framework.

#include <QMainWindow>
#include <QPointer>

class QKeyEvent;

namespace fw {

class Window;

class WindowWidget : public QMainWindow {
 public:
  explicit WindowWidget(Window& owner);
  Window& Owner() const { return owner_; }

  // The widget of the content area that has the window's focus as the user left it. The menu bar
  // takes the focus for a moment while its menus are worked by keys or from one to another;
  // then it is the widget that had the focus before.
  QWidget* UserFocus() const;
  // Gives the focus back to that widget when the menu bar still holds it: once an item is chosen,
  // the user goes on where they were.
  void ReturnFocusFromMenuBar();
  // The application's menu shortcuts in a window that has no menu bar of its own.
  bool ServeMenuShortcut(const QKeyEvent& key);

  // Set when the window is going away, so that late events no longer reach its handlers.
  bool closing = false;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Window& owner_;
  QPointer<QWidget> lastContentFocus_;
};

// The framework window that a widget belongs to, or nullptr.
Window* OwnerOf(const QWidget* widget);

}  // namespace fw
