// Each panel's help button shows that panel's help window.

#include "mainwindow/control_wnd.h"
#include "windows/help_wnd.h"

namespace {
template <class HelpWnd>
bool ShowHelp() {
  HelpWnd::Get().Show();
  return false;
}
}  // namespace

bool ControlWnd::helpBtn_MouseDown(fw::Canvas&, int, int) {
  return ShowHelp<helpWnd>();
}
bool ControlWnd::helpBtn1_MouseDown(fw::Canvas&, int, int) {
  return ShowHelp<helpWnd1>();
}
bool ControlWnd::helpBtn2_MouseDown(fw::Canvas&, int, int) {
  return ShowHelp<helpWnd2>();
}
bool ControlWnd::helpBtn3_MouseDown(fw::Canvas&, int, int) {
  return ShowHelp<helpWnd3>();
}
bool ControlWnd::helpBtn4_MouseDown(fw::Canvas&, int, int) {
  return ShowHelp<helpWnd4>();
}
bool ControlWnd::helpBtn5_MouseDown(fw::Canvas&, int, int) {
  return ShowHelp<helpWnd5>();
}
