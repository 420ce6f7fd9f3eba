// The Alphas panel. (Placeholder until the panel is built.)

#include "mainwindow/control_wnd.h"

void ControlWnd::IBtn4_Action(fw::RadioButton&) {}
void ControlWnd::RBtn4_Action(fw::RadioButton&) {}
void ControlWnd::CalcBtn4_Action(fw::PushButton&) {}
void ControlWnd::CalcBtn4_Open(fw::PushButton&) {}
void ControlWnd::ClearBtn4_Action(fw::PushButton&) {}
