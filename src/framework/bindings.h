#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include "framework/controls.h"
#include "framework/program_error.h"
#include "framework/window.h"

// Event bindings as data: a window keeps a table of (control, event, member handler) and the
// framework connects each row when the control is made.
namespace fw {

// Edited: the user changed a text field's text, by a key, the clipboard, a menu or a drop.
enum class Event { Open, Action, KeyDown, MouseDown, Change, Edited };

template <class W>
using EventHandler =
    std::variant<void (W::*)(PushButton&), void (W::*)(RadioButton&),
                 bool (W::*)(TextField&, const std::string&), void (W::*)(TextField&),
                 bool (W::*)(Canvas&, int, int), void (W::*)(Canvas&), void (W::*)(TabPanel&),
                 void (W::*)(Timer&)>;

template <class W>
struct EventBinding {
  const char* control;
  Event event;
  EventHandler<W> handler;
};

namespace detail {
template <class T>
T& As(Object& object) {
  if (auto* typed = dynamic_cast<T*>(&object)) return *typed;
  ProgramError({"event bound to ", object.Name(), ", a control of another class"});
}
}  // namespace detail

template <class W>
void Bind(W& window, Object& control, const EventBinding<W>& binding) {
  std::visit(
      [&](auto handler) {
        using H = decltype(handler);
        // The control's event calls the window's handler with the event's own arguments.
        auto call = [&window, handler](auto&&... args) {
          Window::HandlerScope running(window);
          return (window.*handler)(std::forward<decltype(args)>(args)...);
        };
        if constexpr (std::is_same_v<H, void (W::*)(PushButton&)>) {
          auto& button = detail::As<PushButton>(control);
          binding.event == Event::Open ? button.OnOpen(call) : button.OnAction(call);
        } else if constexpr (std::is_same_v<H, void (W::*)(RadioButton&)>) {
          detail::As<RadioButton>(control).OnAction(call);
        } else if constexpr (std::is_same_v<H, bool (W::*)(TextField&, const std::string&)>) {
          detail::As<TextField>(control).OnKeyDown(call);
        } else if constexpr (std::is_same_v<H, void (W::*)(TextField&)>) {
          detail::As<TextField>(control).OnEdited(call);
        } else if constexpr (std::is_same_v<H, bool (W::*)(Canvas&, int, int)>) {
          detail::As<Canvas>(control).OnMouseDown(call);
        } else if constexpr (std::is_same_v<H, void (W::*)(Canvas&)>) {
          detail::As<Canvas>(control).OnOpen(call);
        } else if constexpr (std::is_same_v<H, void (W::*)(TabPanel&)>) {
          detail::As<TabPanel>(control).OnChange(call);
        } else {
          detail::As<Timer>(control).OnAction(call);
        }
      },
      binding.handler);
}

// Binds every row of the table that names this control.
template <class W, class Table>
void BindAll(W& window, Object& control, const Table& table) {
  for (const auto& binding : table) {
    if (control.Name() == binding.control) Bind(window, control, binding);
  }
}

}  // namespace fw
