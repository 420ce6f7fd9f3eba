#include "windows/help_wnd.h"

#include "framework/services.h"

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
  spec.readOnly = false;
  spec.alignment = fw::kAlignDefault;
  spec.font = {"System", 12, false, false};
  spec.textColor = 0x000000;
  spec.backgroundColor = 0xFFFFFF;
  return spec;
}

}  // namespace

void HelpWindow::Layout() {
  fw::WindowProperties properties;
  properties.title = "Quorvane Info";
  properties.width = 550;
  properties.height = 500;
  properties.frame = fw::Frame::Document;
  properties.hasCloseButton = true;
  properties.hasMinimizeButton = true;
  properties.hasMaximizeButton = false;
  properties.resizeable = false;
  properties.placement = fw::Placement::Cascade;
  properties.visible = true;
  properties.hasBackgroundColor = false;
  ApplyProperties(properties);
}

void HelpWindow::CreateControls() {
  _CreateControls0();
}

void HelpWindow::_CreateControls0() {
  CreateControl(TextSpec(textFile_));
}

template <int Panel>
PanelHelpWindow<Panel>::PanelHelpWindow() : HelpWindow(kHelpTexts[Panel]) {}

template class PanelHelpWindow<0>;
template class PanelHelpWindow<1>;
template class PanelHelpWindow<2>;
template class PanelHelpWindow<3>;
template class PanelHelpWindow<4>;
template class PanelHelpWindow<5>;
