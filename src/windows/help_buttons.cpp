// The help buttons. (Placeholder until the help windows are built.)

#include "mainwindow/control_wnd.h"

bool ControlWnd::helpBtn_MouseDown(fw::Canvas&, int, int) {
  return false;
}
bool ControlWnd::helpBtn1_MouseDown(fw::Canvas&, int, int) {
  return false;
}
bool ControlWnd::helpBtn2_MouseDown(fw::Canvas&, int, int) {
  return false;
}
bool ControlWnd::helpBtn3_MouseDown(fw::Canvas&, int, int) {
  return false;
}
bool ControlWnd::helpBtn4_MouseDown(fw::Canvas&, int, int) {
  return false;
}
bool ControlWnd::helpBtn5_MouseDown(fw::Canvas&, int, int) {
  return false;
}
