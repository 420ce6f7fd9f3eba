#pragma once

// The Qt side of a window; never included outside src/framework.

#include <QMainWindow>

namespace fw {

class Window;

class WindowWidget : public QMainWindow {
 public:
  explicit WindowWidget(Window& owner) : owner_(owner) {}
  Window& Owner() const { return owner_; }

  // Set when the window is going away, so that late events no longer reach its handlers.
  bool closing = false;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Window& owner_;
};

// The framework window that a widget belongs to, or nullptr.
Window* OwnerOf(const QWidget* widget);

}  // namespace fw
