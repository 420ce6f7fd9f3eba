#pragma once

#include "framework/menu.h"

// The program's one menu bar: File (Quit), Edit (the standard editing items) and a third menu
// with the About item.
class MenuBar1 : public fw::MenuBar {
 public:
  MenuBar1();

  void Untitled0();  // File
  void Untitled1();  // Edit
  void Untitled2();  // About
};

// The one menu bar, made on the first call.
MenuBar1& GetMenuBar1();
