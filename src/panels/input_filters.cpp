// The input filters. (Placeholder until the filters are built.)

#include "mainwindow/control_wnd.h"

bool ControlWnd::m1fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::sd1fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::n1fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::m2fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::sd2fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::n2fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::var1Fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::n1fld1_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::var2Fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::n2fld1_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::r2Fld1_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::n12fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::r2Fld2_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::n22fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::p1fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::n3fld1_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::p2fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::n3fld2_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::a1fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::n4fld1_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::a2fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::n4fld2_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::m5fld1_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::sefld1_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::m5fld2_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::sefld2_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
bool ControlWnd::r5Fld_KeyDown(fw::TextField&, const std::string&) {
  return false;
}
