#pragma once

#include <cstdint>
#include <vector>

#include "framework/control_spec.h"

// The main window's controls as data: one table per tab, plus the three controls that stand on
// the window itself. One builder turns each row into a property set.
namespace layout {

enum FontKind {
  kNoFont,
  kSystem10,
  kSystem10Bold,
  kSystem11Bold,
  kSystem11BoldItalic,
  kSystem12,
  kSystem12Bold,
  kCourier12,
};

using fw::kBlack;

struct Row {
  fw::ControlClass cls;
  const char* name;
  const char* parent;
  int left, top, width, height;  // window coordinates, whatever the parent
  int tabIndex;
  const char* text;  // caption or label text
  bool selected;     // radio buttons
  bool visible, enabled, readOnly;
  int maxChars;  // text fields
  FontKind font;
  std::uint32_t color;  // text colour, 0x00RRGGBB
  const char* tooltip;
};

extern const std::vector<Row> kMeansTab;
extern const std::vector<Row> kVariancesTab;
extern const std::vector<Row> kCorrelationsTab;
extern const std::vector<Row> kProportionsTab;
extern const std::vector<Row> kAlphasTab;
extern const std::vector<Row> kAUCsTab;

// The tabs' tables in the order of the tabs.
const std::vector<const std::vector<Row>*>& Tabs();

// A tab row's property set on its page (from 1), with the values that every control of its class
// shares on all six tabs.
fw::ControlSpec ToSpec(const Row& row, int page);

// Every control of the main window in the order it is made: TabPanel1 first, each container
// before what lies in it, the tabs in order, Label1 last.
const std::vector<fw::ControlSpec>& MainWindowControls();

}  // namespace layout
