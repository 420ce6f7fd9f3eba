// The Correlations panel. (Placeholder until the panel is built.)

#include "mainwindow/control_wnd.h"

void ControlWnd::IBtn2_Action(fw::RadioButton&) {}
void ControlWnd::RBtn2_Action(fw::RadioButton&) {}
void ControlWnd::CalcBtn2_Action(fw::PushButton&) {}
void ControlWnd::CalcBtn2_Open(fw::PushButton&) {}
void ControlWnd::ClearBtn2_Action(fw::PushButton&) {}
