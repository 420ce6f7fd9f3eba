#pragma once

#include "framework/window.h"

// A panel's help: one scrolling text that explains the panel's tests with worked examples. The
// user may edit the text while it is shown; nothing is saved.
class HelpWindow : public fw::Window {
 public:
  fw::TextArea& EditField1() const { return Named<fw::TextArea>("EditField1"); }

  bool _AboutQuorvane_Action();

 protected:
  explicit HelpWindow(const char* textFile) : textFile_(textFile) {}

  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override;

 private:
  void _CreateControls0();

  const char* textFile_;
};

// The resource file of a panel's help text (0 Means to 5 AUCs).
const char* HelpTextFile(int panel);

// The help window of one panel (0 Means to 5 AUCs); one instance of each at a time.
template <int Panel>
class PanelHelpWindow : public HelpWindow {
 public:
  static PanelHelpWindow& Get() { return fw::Window::Instance<PanelHelpWindow>(); }

 private:
  friend class fw::Window;
  PanelHelpWindow() : HelpWindow(HelpTextFile(Panel)) {}
};

using helpWnd = PanelHelpWindow<0>;   // Means
using helpWnd1 = PanelHelpWindow<1>;  // Variances
using helpWnd2 = PanelHelpWindow<2>;  // Correlations
using helpWnd3 = PanelHelpWindow<3>;  // Proportions
using helpWnd4 = PanelHelpWindow<4>;  // Alphas
using helpWnd5 = PanelHelpWindow<5>;  // AUCs
