#pragma once

#include <string>

#include "framework/window.h"

// The first window of the run: the product picture and the copyright line. It gives way to the
// main window when its timer fires, 4000 ms after it was built, or at a key press or click.
class AboutWnd : public fw::Window {
 public:
  static AboutWnd& Get() { return fw::Window::Instance<AboutWnd>(); }

  fw::Canvas& Canvas1() const { return Named<fw::Canvas>("Canvas1"); }
  fw::Label& Label1() const { return Named<fw::Label>("Label1"); }
  fw::Timer& Timer1() const { return Named<fw::Timer>("Timer1"); }

  void Timer1_Action(fw::Timer& timer);
  bool Event_KeyDown(const std::string& key) override;
  bool Event_MouseDown(int x, int y) override;

 protected:
  void Layout() override;
  void CreateControls() override;
  void BindEvents(fw::Object& control) override;

 private:
  friend class fw::Window;
  AboutWnd() = default;

  void _CreateControls0();
  static void GiveWay();
};
