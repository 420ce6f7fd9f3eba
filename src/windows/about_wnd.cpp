#include "windows/about_wnd.h"

#include "app/app.h"
#include "app/pictures.h"
#include "framework/bindings.h"
#include "mainwindow/control_wnd.h"

namespace {

const fw::EventBinding<AboutWnd> kBindings[] = {
    {"Timer1", fw::Event::Action, &AboutWnd::Timer1_Action},
};

fw::ControlSpec BannerSpec() {
  fw::ControlSpec spec;
  spec.cls = fw::ControlClass::Canvas;
  spec.name = "Canvas1";
  spec.left = 20, spec.top = 41, spec.width = 419, spec.height = 69;
  spec.enabled = false;
  spec.allowFocus = false;
  spec.tabStop = false;
  spec.backdrop = &Quorvane;
  return spec;
}

fw::ControlSpec CopyrightSpec() {
  fw::ControlSpec spec;
  spec.cls = fw::ControlClass::Label;
  spec.name = "Label1";
  spec.left = 31, spec.top = 110, spec.width = 397, spec.height = 20;
  spec.tabIndex = 3;
  spec.tabStop = false;
  spec.text = TheApp() ? TheApp()->Version().copyright : "";
  spec.alignment = fw::kAlignCenter;
  spec.textColor = 0xB3B3B3;
  spec.font = {"System", 10, false, false};
  return spec;
}

fw::ControlSpec TimerSpec() {
  fw::ControlSpec spec;
  spec.cls = fw::ControlClass::Timer;
  spec.name = "Timer1";
  spec.runMode = fw::Timer::kSingle;
  spec.period = 4000;
  return spec;
}

}  // namespace

void AboutWnd::Layout() {
  // No frame, title or buttons: only a key press, a click or the timer sends it away. A passing
  // picture, so no taskbar or window switcher lists it.
  ApplyProperties({.title = "",
                   .width = 459,
                   .height = 200,
                   .frame = fw::Frame::Splash,
                   .hasCloseButton = false,
                   .hasMinimizeButton = false,
                   .hasBackgroundColor = true,
                   .backgroundColor = 0xFFFFFF});
}

void AboutWnd::CreateControls() {
  _CreateControls0();
}

void AboutWnd::_CreateControls0() {
  CreateControl(BannerSpec());
  CreateControl(CopyrightSpec());
  CreateControl(TimerSpec());
}

void AboutWnd::BindEvents(fw::Object& control) {
  fw::BindAll(*this, control, kBindings);
}

void AboutWnd::GiveWay() {
  Get().Hide();
  ControlWnd::Get().Show();
}

void AboutWnd::Timer1_Action(fw::Timer&) {
  GiveWay();
}

bool AboutWnd::Event_KeyDown(const std::string&) {
  GiveWay();
  return false;
}

bool AboutWnd::Event_MouseDown(int, int) {
  GiveWay();
  return false;
}
