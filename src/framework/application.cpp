#include "framework/application.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleFactory>
#include <QStyleHints>
#include <QTimer>

#include "framework/controls.h"
#include "framework/program_palette.h"
#include "framework/qt_detail.h"
#include "framework/window.h"
#include "framework/window_widget.h"

namespace fw {
namespace {

int gArgc = 1;
char gProgramName[] = "quorvane";
char* gDefaultArgv[] = {gProgramName, nullptr};
char** gArgv = gDefaultArgv;
Application* gCurrent = nullptr;

// Keys that only change what other keys do; pressed alone they are no key press of the window's.
bool IsModifierKey(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
      return true;
    default:
      return false;
  }
}

// The window's own KeyDown and MouseDown see every key press and click in the window before the
// control under it does; a true result ends the event there.
class EventRouter : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    // The desktop's theme changed: the platform hands over its colours once the windows have heard
    // of it, so the program's own are put back after that.
    if (event->type() == QEvent::ThemeChange) RepinPaletteSoon();
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) {
      auto* widget = qobject_cast<QWidget*>(receiver);
      if (Window* window = OwnerOf(widget); window && RouteToWindow(*window, *widget, *event)) {
        return true;
      }
    }
    return QApplication::notify(receiver, event);
  }

 protected:
  // Whoever set another palette, a theme's or one from code, the program keeps its own colours.
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ApplicationPaletteChange) {
      detail::PinProgramPalette();
      RepinPaletteSoon();
    }
    return QApplication::event(event);
  }

 private:
  void RepinPaletteSoon() {
    if (repinPending_) return;
    repinPending_ = true;
    QTimer::singleShot(0, this, [this] {
      repinPending_ = false;
      detail::PinProgramPalette();
    });
  }

  static bool RouteToWindow(Window& window, QWidget& widget, QEvent& event) {
    Window::HandlerScope running(window);
    if (event.type() == QEvent::KeyPress) {
      const auto& key = static_cast<QKeyEvent&>(event);
      if (IsModifierKey(key.key())) return false;
      // KeyDown first: a window that gives way does so before the key does anything else.
      if (window.Event_KeyDown(detail::FromQt(key.text()))) return true;
      return static_cast<WindowWidget*>(window.Widget())->ServeMenuShortcut(key);
    }
    const auto& mouse = static_cast<QMouseEvent&>(event);
    QWidget* content = static_cast<QMainWindow*>(window.Widget())->centralWidget();
    const QPoint at = content->mapFromGlobal(widget.mapToGlobal(mouse.position().toPoint()));
    return window.Event_MouseDown(at.x(), at.y());
  }

  bool repinPending_ = false;
};

}  // namespace

struct Application::Impl {
  std::unique_ptr<EventRouter> qt;
};

void Application::SetArguments(int argc, char** argv) {
  if (argc > 0 && argv) {
    gArgc = argc;
    gArgv = argv;
  }
}

void Application::SetSupportsHiDPI(bool supported) {
  // Qt 6 always scales; pass fractional factors through so the layout stays crisp at 125 % too.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      supported ? Qt::HighDpiScaleFactorRoundingPolicy::PassThrough
                : Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

Application::Application() : impl_(std::make_unique<Impl>()) {
  impl_->qt = std::make_unique<EventRouter>(gArgc, gArgv);
  // Closing the last window quits only when no timer is about to show another (QuitIfIdle).
  QApplication::setQuitOnLastWindowClosed(false);
  // A Wayland desktop knows the program's windows by this name: that of the installed
  // quorvane.desktop, whose name and icon it shows for them.
  QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The windows look as their properties draw them on every desktop: a dark theme's light text
  // would be lost on their white grounds.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
  detail::PinProgramPalette();
  gCurrent = this;
}

Application::~Application() {
  if (gCurrent == this) gCurrent = nullptr;
}

Application* Application::Current() {
  return gCurrent;
}

void Application::SetVersionData(const VersionData& data) {
  version_ = data;
  QApplication::setApplicationName(detail::ToQt(data.name));
  // No display name: the platform would append it to every window title that differs from it,
  // and each window's title is shown as the window sets it.
  QApplication::setApplicationVersion(detail::ToQt(data.shortVersion));
}

void Application::Initialise(std::function<void()> whenReady) {
  QTimer::singleShot(0, impl_->qt.get(), std::move(whenReady));
}

int Application::Run() {
  return QApplication::exec();
}

void Application::Quit() {
  // Ends the loop at once: asking each window to close first would let one that cannot be closed,
  // the About window on show, stop the Quit.
  QApplication::exit(0);
}

void Application::QuitIfIdle() {
  QTimer::singleShot(0, impl_->qt.get(), [] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->isVisible() && OwnerOf(top)) return;
    }
    if (!Timer::AnyPending()) QApplication::quit();
  });
}

}  // namespace fw
