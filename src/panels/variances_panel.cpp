// The Variances panel. (Placeholder until the panel is built.)

#include "mainwindow/control_wnd.h"

void ControlWnd::IBtn1_Action(fw::RadioButton&) {}
void ControlWnd::RBtn1_Action(fw::RadioButton&) {}
void ControlWnd::CalcBtn1_Action(fw::PushButton&) {}
void ControlWnd::CalcBtn1_Open(fw::PushButton&) {}
void ControlWnd::ClearBtn1_Action(fw::PushButton&) {}
