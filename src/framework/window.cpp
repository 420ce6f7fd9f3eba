#include "framework/window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>
#include <type_traits>

#if defined(QUORVANE_WITH_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

#include "framework/application.h"
#include "framework/menu.h"
#include "framework/qt_detail.h"
#include "framework/window_widget.h"

namespace fw {
namespace {

using detail::FromQt;
using detail::ToQt;

std::map<std::type_index, Window*>& Instances() {
  static std::map<std::type_index, Window*> instances;
  return instances;
}

std::vector<Window*>& RunningHandlers() {
  static std::vector<Window*> running;
  return running;
}

QKeySequence ToKeySequence(const std::string& shortcut) {
  QString text = ToQt(shortcut);
  text.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
  return QKeySequence(text);
}

// The standard editing items act on the text control that has the focus in the window whose
// menu bar holds them: a text field or a text area, which differ only in how they answer.
struct TextState {
  bool writable, undoable, selected, empty;
};

TextState StateOf(const QLineEdit* e) {
  return {!e->isReadOnly(), e->isUndoAvailable(), e->hasSelectedText(), e->text().isEmpty()};
}
TextState StateOf(const QPlainTextEdit* e) {
  return {!e->isReadOnly(), e->document()->isUndoAvailable(), e->textCursor().hasSelection(),
          e->document()->isEmpty()};
}

bool ClipboardHasText() {
  return !QGuiApplication::clipboard()->text().isEmpty();
}

bool CanEditText(const TextState& s, const std::string& item) {
  if (item == "EditUndo") return s.writable && s.undoable;
  if (item == "EditCut" || item == "EditClear") return s.writable && s.selected;
  if (item == "EditCopy") return s.selected;
  if (item == "EditPaste") return s.writable && ClipboardHasText();
  if (item == "EditSelectAll") return !s.empty;
  return false;
}

template <class Edit>
bool DoEditText(Edit* e, const std::string& item) {
  if (!CanEditText(StateOf(e), item)) return false;
  if (item == "EditUndo") e->undo();
  if (item == "EditCut") e->cut();
  if (item == "EditCopy") e->copy();
  if (item == "EditPaste") {
    if constexpr (std::is_same_v<Edit, QLineEdit>) {
      detail::Paste(e);
    } else {
      e->paste();
    }
  }
  if (item == "EditClear") {
    if constexpr (std::is_same_v<Edit, QLineEdit>) {
      e->del();
    } else {
      e->textCursor().removeSelectedText();
    }
  }
  if (item == "EditSelectAll") e->selectAll();
  return true;
}

// Runs act on the focused text control; false when the focus is on no text control.
template <class Act>
bool WithFocusedText(QWidget* focus, Act act) {
  if (auto* line = qobject_cast<QLineEdit*>(focus)) return act(line);
  if (auto* area = qobject_cast<QPlainTextEdit*>(focus)) return act(area);
  return false;
}

bool CanEdit(QWidget* focus, const std::string& item) {
  return WithFocusedText(focus, [&](auto* e) { return CanEditText(StateOf(e), item); });
}

bool DoEdit(QWidget* focus, const std::string& item) {
  return WithFocusedText(focus, [&](auto* e) { return DoEditText(e, item); });
}

bool IsEditItem(const std::string& name) {
  return name == "EditUndo" || name == "EditCut" || name == "EditCopy" || name == "EditPaste" ||
         name == "EditClear" || name == "EditSelectAll";
}

// An untitled window is named after the application by Qt on X11, so a taskbar or window switcher
// would show a name that the window itself does not. Its native window is made here and its name
// set empty before it is first mapped; elsewhere an empty title is no name already.
void KeepNativeTitleEmpty([[maybe_unused]] QWidget* widget) {
#if defined(QUORVANE_WITH_XCB) && QT_CONFIG(xcb)
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!connection) return;
  const auto atom = [connection](const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, std::strlen(name), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
  };
  const auto window = static_cast<xcb_window_t>(widget->winId());
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom("_NET_WM_NAME"),
                      atom("UTF8_STRING"), 8, 0, nullptr);
  xcb_flush(connection);
#endif
}

std::unique_ptr<Object> MakeObject(const ControlSpec& spec, QWidget* parent) {
  switch (spec.cls) {
    case ControlClass::Label:
      return std::make_unique<Label>(spec.name, parent);
    case ControlClass::TextField:
      return std::make_unique<TextField>(spec.name, parent);
    case ControlClass::TextArea:
      return std::make_unique<TextArea>(spec.name, parent);
    case ControlClass::GroupBox:
      return std::make_unique<GroupBox>(spec.name, parent);
    case ControlClass::RadioButton:
      return std::make_unique<RadioButton>(spec.name, parent);
    case ControlClass::PushButton:
      return std::make_unique<PushButton>(spec.name, parent);
    case ControlClass::Canvas:
      return std::make_unique<Canvas>(spec.name, parent);
    case ControlClass::Separator:
      return std::make_unique<Separator>(spec.name, parent);
    case ControlClass::TabPanel:
      return std::make_unique<TabPanel>(spec.name, parent);
    case ControlClass::Timer:
      return std::make_unique<Timer>(spec.name);
  }
  ProgramError({"unknown control class for ", spec.name});
}

}  // namespace

Window* OwnerOf(const QWidget* widget) {
  if (!widget) return nullptr;
  auto* top = dynamic_cast<const WindowWidget*>(widget->window());
  return top && !top->closing ? &top->Owner() : nullptr;
}

WindowWidget::WindowWidget(Window& owner) : owner_(owner) {
  QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && centralWidget() && centralWidget()->isAncestorOf(now)) lastContentFocus_ = now;
  });
}

QWidget* WindowWidget::UserFocus() const {
  QWidget* focus = focusWidget();
  return focus && focus == menuWidget() ? lastContentFocus_.data() : focus;
}

void WindowWidget::ReturnFocusFromMenuBar() {
  if (focusWidget() && focusWidget() == menuWidget() && lastContentFocus_) {
    lastContentFocus_->setFocus(Qt::MenuBarFocusReason);
  }
}

bool WindowWidget::ServeMenuShortcut(const QKeyEvent& key) {
  const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
  return owner_.ServeMenuShortcut(QKeySequence(QKeyCombination(modifiers, Qt::Key(key.key()))));
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  // A window without a close button is never closed by the user.
  if (!owner_.properties_.hasCloseButton) {
    event->ignore();
    return;
  }
  event->accept();
  owner_.ClosedByUser();
}

// --- instances ---------------------------------------------------------------------------

Window* Window::Find(std::type_index type) {
  auto found = Instances().find(type);
  return found == Instances().end() ? nullptr : found->second;
}

void Window::Register(std::type_index type, Window* window) {
  Instances()[type] = window;
  window->type_ = type;
}

int Window::Count() {
  return static_cast<int>(Instances().size());
}

Window* Window::Handling() {
  return RunningHandlers().empty() ? nullptr : RunningHandlers().back();
}

Window::HandlerScope::HandlerScope(Window& window) {
  RunningHandlers().push_back(&window);
}

Window::HandlerScope::~HandlerScope() {
  RunningHandlers().pop_back();
}

Window::Window() : widget_(new WindowWidget(*this)), content_(new QWidget) {
  widget_->setCentralWidget(content_);
  widget_->setAttribute(Qt::WA_DeleteOnClose, false);
}

Window::~Window() {
  auto found = Instances().find(type_);
  if (found != Instances().end() && found->second == this) Instances().erase(found);
  static_cast<WindowWidget*>(widget_)->closing = true;
  delete widget_;  // the Qt widgets first: they call back into the controls while they go
  objects_.clear();
}

void Window::Construct() {
  Layout();
  CreateControls();
  AddMenuHandlers();
  OrderKeyboardFocus();
  for (Object* object : order_) object->RaiseOpen();
  Event_Open();
  if (properties_.visible) Show();
}

void Window::ClosedByUser() {
  Instances().erase(type_);
  widget_->hide();
  static_cast<WindowWidget*>(widget_)->closing = true;
  PassKeysToSplash();
  // The instance goes once the close has been handled; nothing refers to it any more.
  Window* self = this;
  QMetaObject::invokeMethod(
      QApplication::instance(), [self] { delete self; }, Qt::QueuedConnection);
  if (auto* app = Application::Current()) app->QuitIfIdle();
}

// A start-up picture that stands alone once the window under it goes would get no key: nothing
// would be active, and only a click could send it away. It takes the keys as it did at start-up.
void Window::PassKeysToSplash() {
  for (const auto& [type, window] : Instances()) {
    if (window->properties_.frame == Frame::Splash && window->Visible()) {
      window->widget_->raise();
      window->widget_->activateWindow();
      return;
    }
  }
}

void Window::Close() {
  widget_->close();
}

// --- properties --------------------------------------------------------------------------

void Window::ApplyProperties(const WindowProperties& properties) {
  properties_ = properties;
  widget_->setWindowTitle(ToQt(properties.title));
  Qt::WindowFlags flags;
  if (properties.frame == Frame::Splash) {
    flags = Qt::SplashScreen | Qt::FramelessWindowHint;
  } else {
    flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (properties.hasCloseButton) flags |= Qt::WindowCloseButtonHint;
    if (properties.hasMinimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (properties.hasMaximizeButton) flags |= Qt::WindowMaximizeButtonHint;
  }
  widget_->setWindowFlags(flags);
  if (properties.resizeable) {
    content_->setMinimumSize(properties.minWidth, properties.minHeight);
    content_->setMaximumSize(properties.maxWidth, properties.maxHeight);
    widget_->resize(properties.width, properties.height);
  } else {
    content_->setFixedSize(properties.width, properties.height);
    widget_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  }
  if (properties.hasBackgroundColor) {
    QPalette palette = content_->palette();
    palette.setColor(QPalette::Window, detail::ToColor(properties.backgroundColor));
    content_->setPalette(palette);
    content_->setAutoFillBackground(true);
  }
}

std::string Window::Title() const {
  return FromQt(widget_->windowTitle());
}
QWidget* Window::Widget() const {
  return widget_;
}

void Window::Show() {
  const bool first = !widget_->testAttribute(Qt::WA_WState_ExplicitShowHide);
  if (first) {
    widget_->adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect frame(QPoint(0, 0), widget_->size());
    if (properties_.placement == Placement::Cascade) {
      frame.moveTopLeft(screen.topLeft() + TakeCascadePlace());
    } else {
      frame.moveCenter(screen.center());
    }
    widget_->move(frame.topLeft());
    if (properties_.title.empty()) KeepNativeTitleEmpty(widget_);
  }
  // A window the user minimised comes back as it was: shown iconic, it would not be seen at all.
  if (widget_->isMinimized())
    widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
  widget_->show();
  widget_->raise();
  widget_->activateWindow();
}

QPoint Window::TakeCascadePlace() {
  constexpr int kSteps = 8;
  const QPoint first(40, 40), step(24, 24);
  const Window* newest = nullptr;
  for (const auto& [type, window] : Instances()) {
    if (window != this && window->cascadeStep_ >= 0 &&
        (!newest || window->cascadeOrder_ > newest->cascadeOrder_)) {
      newest = window;
    }
  }
  static std::uint64_t placed = 0;
  cascadeOrder_ = ++placed;
  cascadeStep_ = newest ? (newest->cascadeStep_ + 1) % kSteps : 0;
  return first + cascadeStep_ * step;
}

void Window::Hide() {
  widget_->hide();
}
bool Window::Visible() const {
  return widget_->isVisible();
}

bool Window::Event_KeyDown(const std::string&) {
  return false;
}
bool Window::Event_MouseDown(int, int) {
  return false;
}

// --- menus -------------------------------------------------------------------------------

void Window::SetMenuBar(MenuBar& menuBar) {
  menuBar_ = &menuBar;
  BuildMenus();
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  menuHandlers_[itemName] = std::move(handler);
}

bool Window::HandleMenuItem(const std::string& itemName) {
  auto found = menuHandlers_.find(itemName);
  if (found == menuHandlers_.end() || !found->second) return false;
  HandlerScope running(*this);
  return found->second();
}

void Window::BuildMenus() {
  QMenuBar* bar = widget_->menuBar();
  bar->clear();
  for (size_t m = 0; m < menuBar_->Count(); ++m) {
    const MenuItem& menuItem = menuBar_->Item(m);
    QMenu* menu = bar->addMenu(ToQt(menuItem.Value()));
    menu->setObjectName(ToQt(menuItem.Name()));
    menu->menuAction()->setVisible(menuItem.Visible());
    std::vector<std::pair<QAction*, const MenuItem*>> actions;
    for (size_t i = 0; i < menuItem.Count(); ++i) {
      const MenuItem& item = menuItem.Item(i);
      if (item.IsSeparator()) {
        menu->addSeparator()->setObjectName(ToQt(item.Name()));
        continue;
      }
      QAction* action = menu->addAction(ToQt(item.Value()));
      action->setObjectName(ToQt(item.Name()));
      action->setVisible(item.Visible());
      action->setShortcut(ToKeySequence(item.Shortcut()));
      if (item.ItemKind() == MenuItem::Kind::Quit) action->setMenuRole(QAction::QuitRole);
      QObject::connect(action, &QAction::triggered, widget_, [this, &item] {
        static_cast<WindowWidget*>(widget_)->ReturnFocusFromMenuBar();
        Choose(item);
      });
      actions.emplace_back(action, &item);
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, actions] {
      for (const auto& [action, item] : actions) action->setEnabled(Offers(*item));
    });
  }
}

void Window::Choose(const MenuItem& item) {
  if (item.ItemKind() == MenuItem::Kind::Quit) {
    Application::Quit();
  } else if (!HandleMenuItem(item.Name()) && IsEditItem(item.Name())) {
    DoEdit(UserFocus(), item.Name());
  }
}

bool Window::Offers(const MenuItem& item) const {
  // An auto-enabled item follows what it can do in this window right now: Quit always, an
  // editing item what the focused text control allows, any other item whether this window
  // handles it.
  return !item.AutoEnabled() || item.ItemKind() == MenuItem::Kind::Quit || CanAct(item.Name());
}

bool Window::ServeMenuShortcut(const QKeySequence& keys) {
  if (menuBar_) return false;  // the window's own bar takes its shortcut keys
  const Application* app = Application::Current();
  const MenuBar* bar = app ? app->GetMenuBar() : nullptr;
  for (size_t m = 0; bar && m < bar->Count(); ++m) {
    for (size_t i = 0; i < bar->Item(m).Count(); ++i) {
      const MenuItem& item = bar->Item(m).Item(i);
      if (item.IsSeparator() || item.Shortcut().empty() || ToKeySequence(item.Shortcut()) != keys) {
        continue;
      }
      if (!Offers(item)) return false;
      Choose(item);
      return true;
    }
  }
  return false;
}

bool Window::CanAct(const std::string& itemName) const {
  if (menuHandlers_.count(itemName)) return true;
  return IsEditItem(itemName) && CanEdit(UserFocus(), itemName);
}

QWidget* Window::UserFocus() const {
  return static_cast<const WindowWidget*>(widget_)->UserFocus();
}

// --- controls ----------------------------------------------------------------------------

Object* Window::Find(const std::string& name) const {
  auto found = objects_.find(name);
  return found == objects_.end() ? nullptr : found->second.get();
}

Control* Window::FocusedControl() const {
  QWidget* focus = UserFocus();
  for (Object* object : order_) {
    if (auto* control = dynamic_cast<Control*>(object); control && control->Widget() == focus) {
      return control;
    }
  }
  return nullptr;
}

void Window::BindEvents(Object&) {}

QWidget* Window::ParentFor(const ControlSpec& spec, int& originX, int& originY) const {
  originX = 0;
  originY = 0;
  if (spec.parent.empty()) return content_;
  Object* parentObject = Find(spec.parent);
  auto* parent = dynamic_cast<Control*>(parentObject);
  if (!parent) ProgramError({spec.name, " lies in ", spec.parent, ", not made yet"});
  QWidget* container = parent->Widget();
  if (auto* tabs = dynamic_cast<TabPanel*>(parent)) {
    container = tabs->Page(spec.tabPanelIndex - 1);
    if (!container) ProgramError({spec.name, " is on a tab that does not exist"});
  }
  const Origin origin = origins_.at(parent->Widget());
  originX = origin.x;
  originY = origin.y;
  return container;
}

Object& Window::CreateControl(const ControlSpec& spec) {
  if (Find(spec.name)) ProgramError({"two controls named ", spec.name});
  int originX = 0;
  int originY = 0;
  QWidget* parent = ParentFor(spec, originX, originY);
  std::unique_ptr<Object> made = MakeObject(spec, parent);
  Object& object = *made;
  objects_[spec.name] = std::move(made);
  order_.push_back(&object);
  if (auto* timer = dynamic_cast<Timer*>(&object)) {
    timer->Apply(spec);
  } else {
    auto& control = static_cast<Control&>(object);
    if (auto* canvas = dynamic_cast<Canvas*>(&control); canvas && spec.backdrop) {
      canvas->SetBackdrop(spec.backdrop());
    }
    control.Widget()->setGeometry(spec.left - originX, spec.top - originY, spec.width, spec.height);
    origins_[control.Widget()] = {spec.left, spec.top};
    control.Apply(spec);
  }
  BindEvents(object);
  return object;
}

void Window::OrderKeyboardFocus() {
  // Within each parent the Tab key follows TabIndex; a container's children come at its place.
  std::map<const QWidget*, const Control*> controls;
  for (Object* object : order_) {
    if (auto* control = dynamic_cast<Control*>(object)) controls[control->Widget()] = control;
  }
  std::vector<QWidget*> chain;
  std::function<void(QWidget*)> visit = [&](QWidget* container) {
    std::vector<QWidget*> children;
    for (QObject* child : container->children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget && controls.count(widget)) children.push_back(widget);
    }
    std::stable_sort(children.begin(), children.end(), [&](QWidget* a, QWidget* b) {
      return controls.at(a)->TabIndex() < controls.at(b)->TabIndex();
    });
    for (QWidget* child : children) {
      if (child->focusPolicy() & Qt::TabFocus) chain.push_back(child);
      if (auto* tabs = dynamic_cast<const TabPanel*>(controls.at(child))) {
        for (int t = 0; t < tabs->TabCount(); ++t) visit(tabs->Page(t));
      } else {
        visit(child);
      }
    }
  };
  visit(content_);
  for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace fw
