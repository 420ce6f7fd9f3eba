// The Proportions panel. (Placeholder until the panel is built.)

#include "mainwindow/control_wnd.h"

void ControlWnd::IBtn3_Action(fw::RadioButton&) {}
void ControlWnd::RBtn3_Action(fw::RadioButton&) {}
void ControlWnd::CalcBtn3_Action(fw::PushButton&) {}
void ControlWnd::CalcBtn3_Open(fw::PushButton&) {}
void ControlWnd::ClearBtn3_Action(fw::PushButton&) {}
