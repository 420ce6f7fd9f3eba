#include "windows/help_wnd.h"

#include "app/menubar1.h"
#include "framework/services.h"
#include "windows/about_wnd.h"

namespace {

// The help texts of the panels, in the order of the tabs.
constexpr const char* kHelpTexts[] = {
    "help/means.txt",       "help/variances.txt", "help/correlations.txt",
    "help/proportions.txt", "help/alphas.txt",    "help/aucs.txt",
};

fw::ControlSpec TextSpec(const char* textFile) {
  fw::ControlSpec spec;
  spec.cls = fw::ControlClass::TextArea;
  spec.name = "EditField1";
  spec.left = -1, spec.top = -1, spec.width = 551, spec.height = 498;
  spec.text = fw::ResourceText(textFile);
  spec.multiline = true;
  spec.hasVerticalScrollbar = true;
  spec.tabWidth = 150;  // the columns of the worked examples
  spec.hideSelection = true;
  spec.readOnly = false;
  spec.alignment = fw::kAlignDefault;
  spec.font = {"System", 12, false, false};
  spec.textColor = 0x000000;
  spec.backgroundColor = 0xFFFFFF;
  return spec;
}

}  // namespace

void HelpWindow::Layout() {
  // The program's menu bar, as over the main window: Quit and the editing items work from here.
  SetMenuBar(GetMenuBar1());
  // A fixed-size document window with close and minimise buttons; each new one a step further.
  ApplyProperties(
      {.title = "Quorvane Info", .width = 550, .height = 500, .placement = fw::Placement::Cascade});
}

void HelpWindow::CreateControls() {
  _CreateControls0();
}

void HelpWindow::_CreateControls0() {
  CreateControl(TextSpec(textFile_));
}

// The About item works here as in the main window. It is the way back to the panels after the
// user closed the main window: the About window gives way to a new one.
void HelpWindow::AddMenuHandlers() {
  AddMenuHandler("AboutQuorvane", [this] { return _AboutQuorvane_Action(); });
}

bool HelpWindow::_AboutQuorvane_Action() {
  AboutWnd::Get().Show();
  return true;
}

const char* HelpTextFile(int panel) {
  return kHelpTexts[panel];
}
