#include "mainwindow/tab_layouts.h"

#include "app/pictures.h"

namespace layout {
namespace {

// What a paste into an input field may hold: the characters that the input filters let through
// in one field or another. A paste of anything else ("abc", a decimal comma) would be read as
// another number without a word.
constexpr char kNumberCharacters[] = "0123456789.-";

fw::Font ToFont(FontKind kind) {
  switch (kind) {
    case kSystem10:
      return {"System", 10, false, false};
    case kSystem10Bold:
      return {"System", 10, true, false};
    case kSystem11Bold:
      return {"System", 11, true, false};
    case kSystem11BoldItalic:
      return {"System", 11, true, true};
    case kSystem12Bold:
      return {"System", 12, true, false};
    case kCourier12:
      return {"Courier", 12, false, false};
    case kNoFont:
    case kSystem12:
      break;
  }
  return {"System", 12, false, false};
}

// The banner and its credit line, and the tab panel that holds the six test panels.
fw::ControlSpec TabPanel1() {
  fw::ControlSpec spec;
  spec.cls = fw::ControlClass::TabPanel;
  spec.name = "TabPanel1";
  spec.left = 17, spec.top = 61, spec.width = 501, spec.height = 419;
  spec.tabIndex = 0;
  spec.text = "Means\rVariances\rCorrelations\rProportions\rAlphas\rAUCs";
  spec.selectedTab = 0;
  spec.font = ToFont(kSystem12);
  return spec;
}

fw::ControlSpec Canvas1() {
  fw::ControlSpec spec;
  spec.cls = fw::ControlClass::Canvas;
  spec.name = "Canvas1";
  spec.left = 56, spec.top = -10, spec.width = 414, spec.height = 70;
  spec.tabIndex = 1;
  spec.enabled = false;
  spec.allowFocus = false;
  spec.tabStop = false;
  spec.backdrop = &Quorvane;
  return spec;
}

fw::ControlSpec Label1() {
  fw::ControlSpec spec;
  spec.cls = fw::ControlClass::Label;
  spec.name = "Label1";
  spec.parent = "Canvas1";
  spec.left = 160, spec.top = 42, spec.width = 125, spec.height = 20;
  spec.tabIndex = 0;
  spec.text = "Tests of two statistics";
  spec.alignment = fw::kAlignDefault;
  spec.textColor = 0x800002;
  spec.font = ToFont(kSystem10);
  return spec;
}

}  // namespace

const std::vector<const std::vector<Row>*>& Tabs() {
  static const std::vector<const std::vector<Row>*> tabs = {
      &kMeansTab, &kVariancesTab, &kCorrelationsTab, &kProportionsTab, &kAlphasTab, &kAUCsTab,
  };
  return tabs;
}

fw::ControlSpec ToSpec(const Row& row, int page) {
  fw::ControlSpec spec;
  spec.cls = row.cls;
  spec.name = row.name;
  spec.parent = row.parent;
  spec.tabPanelIndex = page;
  spec.left = row.left, spec.top = row.top, spec.width = row.width, spec.height = row.height;
  spec.tabIndex = row.tabIndex;
  spec.text = row.text;
  spec.value = row.selected;
  spec.visible = row.visible;
  spec.enabled = row.enabled;
  spec.readOnly = row.readOnly;
  spec.maxChars = row.maxChars;
  spec.tooltip = row.tooltip;
  spec.font = ToFont(row.font);
  spec.textColor = row.color;
  switch (row.cls) {
    case fw::ControlClass::TextField:
      spec.alignment = fw::kAlignCenter;
      spec.backgroundColor = 0xFFFFFF;
      spec.tabStop = !row.readOnly;  // the Tab key skips the result fields
      if (!row.readOnly) spec.pasteCharacters = kNumberCharacters;
      break;
    case fw::ControlClass::Label:
      spec.alignment = fw::kAlignCenter;
      break;
    case fw::ControlClass::PushButton:
      spec.isDefault = true;
      break;
    case fw::ControlClass::Canvas:
      spec.backdrop = &Help;
      spec.allowFocus = false;
      break;
    default:
      break;
  }
  return spec;
}

const std::vector<fw::ControlSpec>& MainWindowControls() {
  static const std::vector<fw::ControlSpec> controls = [] {
    std::vector<fw::ControlSpec> all = {TabPanel1(), Canvas1()};
    for (size_t tab = 0; tab < Tabs().size(); ++tab) {
      for (const Row& row : *Tabs()[tab]) all.push_back(ToSpec(row, static_cast<int>(tab) + 1));
    }
    all.push_back(Label1());
    return all;
  }();
  return controls;
}

}  // namespace layout
