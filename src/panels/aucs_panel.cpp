// The AUCs panel. (Placeholder until the panel is built.)

#include "mainwindow/control_wnd.h"

void ControlWnd::IBtn5_Action(fw::RadioButton&) {}
void ControlWnd::RBtn5_Action(fw::RadioButton&) {}
void ControlWnd::CalcBtn5_Action(fw::PushButton&) {}
void ControlWnd::CalcBtn5_Open(fw::PushButton&) {}
void ControlWnd::ClearBtn5_Action(fw::PushButton&) {}
