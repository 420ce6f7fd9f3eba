// Every control of the main window and of the About window, checked row by row right after the
// window opens: its class, its text or caption, its character limit, its TabIndex and whether it
// is visible. The rows are written out here apart from the program's own control tables, so that
// a wrong row there shows as a disagreement instead of being shared by the test. The Tab key's
// round on each tab, under each design, follows the TabIndex of these rows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <algorithm>
#include <cctype>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "support/panel_fixture.h"
#include "windows/about_wnd.h"

namespace {

// The layer's classes by name, as the rows give them.
constexpr const char *kLabel = "Label", *kTextField = "TextField", *kGroupBox = "GroupBox",
                     *kRadioButton = "RadioButton", *kPushButton = "PushButton",
                     *kCanvas = "Canvas", *kSeparator = "Separator", *kTabPanel = "TabPanel",
                     *kTimer = "Timer";

// The layer's class of an object, found by casting to each class as a handler's accessor does.
std::string ClassOf(const fw::Object& object) {
  if (dynamic_cast<const fw::Label*>(&object)) return "Label";
  if (dynamic_cast<const fw::TextField*>(&object)) return "TextField";
  if (dynamic_cast<const fw::GroupBox*>(&object)) return "GroupBox";
  if (dynamic_cast<const fw::RadioButton*>(&object)) return "RadioButton";
  if (dynamic_cast<const fw::PushButton*>(&object)) return "PushButton";
  if (dynamic_cast<const fw::Canvas*>(&object)) return "Canvas";
  if (dynamic_cast<const fw::Separator*>(&object)) return "Separator";
  if (dynamic_cast<const fw::TabPanel*>(&object)) return "TabPanel";
  if (dynamic_cast<const fw::Timer*>(&object)) return "Timer";
  return "another class";
}

constexpr bool kShown = true, kHidden = false, kSelected = true;

struct Row {
  const char* cls;
  const char* name;
  int tabIndex;           // among the controls of the same parent
  const char* text;       // label text, caption or a field's first text; a tab panel's tabs by "|"
  int limit;              // text fields: the most characters the user can type
  bool visible;           // the control's own flag
  bool selected = false;  // radio buttons
};

// clang-format off
// All 151 controls of the main window, the containers before what lies in them.
const std::vector<Row> kMainWindow = {
    // On the window itself.
    {kTabPanel, "TabPanel1", 0, "Means|Variances|Correlations|Proportions|Alphas|AUCs", 0, kShown},
    {kCanvas, "Canvas1", 1, "", 0, kShown},
    {kLabel, "Label1", 0, "Tests of two statistics", 0, kShown},

    // Means.
    {kGroupBox, "GroupBox1", 27, "Sample 1", 0, kShown},
    {kTextField, "m1fld", 1, "", 9, kShown},
    {kLabel, "StaticText2", 24, "Mean", 0, kShown},
    {kTextField, "sd1fld", 2, "", 9, kShown},
    {kLabel, "StaticText3", 25, "Standard Deviation", 0, kShown},
    {kSeparator, "SepLine1", 20, "", 0, kHidden},
    {kTextField, "n1fld", 3, "", 4, kShown},
    {kLabel, "StaticText1", 26, "N", 0, kShown},
    {kGroupBox, "GroupBox2", 0, "Sample 2", 0, kShown},
    {kTextField, "m2fld", 4, "", 9, kShown},
    {kLabel, "StaticText5", 21, "Mean", 0, kShown},
    {kTextField, "sd2fld", 5, "", 9, kShown},
    {kLabel, "StaticText6", 22, "Standard Deviation", 0, kShown},
    {kSeparator, "SepLine2", 19, "", 0, kHidden},
    {kTextField, "n2fld", 6, "", 4, kShown},
    {kLabel, "n2text", 23, "N", 0, kShown},
    {kGroupBox, "typeBox", 7, "", 0, kShown},
    {kRadioButton, "IBtn", 8, "Independent", 0, kShown, kSelected},
    {kRadioButton, "RBtn", 9, "Related", 0, kShown},
    {kRadioButton, "SBtn", 28, "Sample/Population", 0, kShown},
    {kTextField, "dffld", 14, "", 9, kHidden},
    {kLabel, "dfText", 15, "df", 0, kHidden},
    {kTextField, "tfld", 10, "", 9, kHidden},
    {kLabel, "ttext", 13, "t", 0, kHidden},
    {kTextField, "pfld", 11, "", 9, kHidden},
    {kLabel, "dtail", 12, "p", 0, kHidden},
    {kPushButton, "CalcBtn", 16, "Calculate", 0, kShown},
    {kCanvas, "helpBtn", 18, "", 0, kShown},
    {kPushButton, "ClearBtn", 17, "Clear", 0, kShown},

    // Variances.
    {kGroupBox, "GroupBox3", 10, "Sample 1", 0, kShown},
    {kTextField, "var1Fld", 12, "", 9, kShown},
    {kLabel, "Var1Text", 16, "Variance", 0, kShown},
    {kSeparator, "SepLine3", 23, "", 0, kHidden},
    {kTextField, "n1fld1", 13, "", 4, kShown},
    {kLabel, "StaticText10", 11, "N", 0, kShown},
    {kGroupBox, "GroupBox4", 0, "Sample 2", 0, kShown},
    {kTextField, "var2Fld", 14, "", 9, kShown},
    {kLabel, "StaticText13", 17, "Variance", 0, kShown},
    {kSeparator, "SepLine4", 22, "", 0, kHidden},
    {kTextField, "n2fld1", 15, "", 4, kShown},
    {kLabel, "rtext2", 18, "N", 0, kShown},
    {kGroupBox, "typeBox1", 19, "", 0, kShown},
    {kRadioButton, "IBtn1", 20, "Independent", 0, kShown, kSelected},
    {kRadioButton, "RBtn1", 21, "Related", 0, kShown},
    {kTextField, "dffld1", 5, "", 9, kHidden},
    {kLabel, "dftext1", 6, "df", 0, kHidden},
    {kTextField, "tfld1", 1, "", 9, kHidden},
    {kLabel, "ttext1", 4, "t", 0, kHidden},
    {kTextField, "pfld1", 2, "", 9, kHidden},
    {kLabel, "dtail1", 3, "p", 0, kHidden},
    {kPushButton, "CalcBtn1", 8, "Calculate", 0, kShown},
    {kCanvas, "helpBtn1", 7, "", 0, kShown},
    {kPushButton, "ClearBtn1", 9, "Clear", 0, kShown},

    // Correlations: the statistic and p fields and their captions start on show.
    {kGroupBox, "GroupBox5", 3, "Sample 1", 0, kShown},
    {kTextField, "r2Fld1", 21, "", 9, kShown},
    {kLabel, "r2text1", 6, "r", 0, kShown},
    {kSeparator, "SepLine5", 22, "", 0, kHidden},
    {kTextField, "n12fld", 5, "", 4, kShown},
    {kLabel, "n1text2", 4, "N", 0, kShown},
    {kGroupBox, "GroupBox6", 7, "Sample 2", 0, kShown},
    {kTextField, "r2Fld2", 8, "", 9, kShown},
    {kLabel, "r2text2", 10, "r", 0, kShown},
    {kSeparator, "SepLine6", 23, "", 0, kHidden},
    {kTextField, "n22fld", 9, "", 4, kShown},
    {kLabel, "n2text2", 11, "N", 0, kShown},
    {kGroupBox, "typeBox2", 0, "", 0, kShown},
    {kRadioButton, "IBtn2", 1, "Independent", 0, kShown, kSelected},
    {kRadioButton, "RBtn2", 2, "Related", 0, kShown},
    {kTextField, "dffld2", 16, "", 9, kHidden},
    {kLabel, "dftext2", 17, "df", 0, kHidden},
    {kTextField, "tfld2", 12, "", 9, kShown},
    {kLabel, "ttext2", 15, "t", 0, kShown},
    {kTextField, "pfld2", 13, "", 9, kShown},
    {kLabel, "dtail2", 14, "p", 0, kShown},
    {kPushButton, "CalcBtn2", 18, "Calculate", 0, kShown},
    {kCanvas, "helpBtn2", 19, "", 0, kShown},
    {kPushButton, "ClearBtn2", 20, "Clear", 0, kShown},

    // Proportions: no separators; the statistic and p fields and their captions start on show.
    {kGroupBox, "GroupBox7", 3, "Sample 1", 0, kShown},
    {kTextField, "p1fld", 5, "", 9, kShown},
    {kLabel, "p1text", 7, "Proportion", 0, kShown},
    {kTextField, "n3fld1", 6, "", 4, kShown},
    {kLabel, "n3text1", 4, "N", 0, kShown},
    {kGroupBox, "GroupBox8", 8, "Sample 2", 0, kShown},
    {kTextField, "p2fld", 9, "", 9, kShown},
    {kLabel, "p2text", 11, "Proportion", 0, kShown},
    {kTextField, "n3fld2", 10, "", 4, kShown},
    {kLabel, "n3text2", 12, "N", 0, kShown},
    {kGroupBox, "typeBox3", 0, "", 0, kShown},
    {kRadioButton, "IBtn3", 1, "Independent", 0, kShown, kSelected},
    {kRadioButton, "RBtn3", 2, "Observed-Expected", 0, kShown},
    {kTextField, "dffld3", 17, "", 9, kHidden},
    {kLabel, "dftext3", 18, "df", 0, kHidden},
    {kTextField, "tfld3", 13, "", 9, kShown},
    {kLabel, "ttext3", 16, "z", 0, kShown},
    {kTextField, "pfld3", 14, "", 9, kShown},
    {kLabel, "dtail3", 15, "p", 0, kShown},
    {kPushButton, "CalcBtn3", 19, "Calculate", 0, kShown},
    {kCanvas, "helpBtn3", 20, "", 0, kShown},
    {kPushButton, "ClearBtn3", 21, "Clear", 0, kShown},

    // Alphas: the group boxes hold their controls, which count their TabIndex inside them.
    {kGroupBox, "GroupBox9", 2, "Test 1", 0, kShown},
    {kTextField, "a1fld", 1, "", 9, kShown},
    {kLabel, "a1text", 3, "Alpha", 0, kShown},
    {kSeparator, "SepLine7", 4, "", 0, kHidden},
    {kTextField, "n4fld1", 2, "", 4, kShown},
    {kLabel, "n4text1", 0, "N", 0, kShown},
    {kGroupBox, "GroupBox10", 0, "Test 2", 0, kShown},
    {kTextField, "a2fld", 0, "", 9, kShown},
    {kLabel, "a2text", 2, "Alpha", 0, kShown},
    {kSeparator, "SepLine8", 4, "", 0, kHidden},
    {kTextField, "n4fld2", 1, "", 4, kShown},
    {kLabel, "n4text2", 3, "N", 0, kShown},
    {kGroupBox, "typeBox31", 1, "", 0, kShown},
    {kRadioButton, "IBtn4", 0, "Independent", 0, kShown, kSelected},
    {kRadioButton, "RBtn4", 1, "Related", 0, kShown},
    {kTextField, "dffld4", 7, "", 9, kHidden},
    {kLabel, "dftext4", 8, "df", 0, kHidden},
    {kTextField, "tfld4", 3, "", 9, kHidden},
    {kLabel, "ttext4", 6, "F", 0, kHidden},
    {kTextField, "pfld4", 4, "", 9, kHidden},
    {kLabel, "dtail4", 5, "p", 0, kHidden},
    {kPushButton, "CalcBtn4", 9, "Calculate", 0, kShown},
    {kCanvas, "helpBtn4", 10, "", 0, kShown},
    {kPushButton, "ClearBtn4", 11, "Clear", 0, kShown},

    // AUCs: the correlation field, its caption and the separator start hidden.
    {kGroupBox, "GroupBox11", 0, "Sample 1", 0, kShown},
    {kTextField, "m5fld1", 4, "", 9, kShown},
    {kLabel, "StaticText15", 6, "AUC", 0, kShown},
    {kTextField, "sefld1", 5, "", 9, kShown},
    {kLabel, "setext1", 7, "Standard Error", 0, kShown},
    {kGroupBox, "GroupBox12", 8, "Sample 2", 0, kShown},
    {kTextField, "m5fld2", 9, "", 9, kShown},
    {kLabel, "a2text1", 11, "AUC", 0, kShown},
    // Nine like the first standard error, so that .0001, the smallest the panel takes, can be
    // typed.
    {kTextField, "sefld2", 10, "", 9, kShown},
    {kLabel, "setext2", 12, "Standard Error", 0, kShown},
    {kSeparator, "SepLine9", 24, "", 0, kHidden},
    {kTextField, "r5Fld", 13, "", 6, kHidden},
    {kLabel, "rtext5", 14, "r", 0, kHidden},
    {kGroupBox, "typeBox311", 1, "", 0, kShown},
    {kRadioButton, "IBtn5", 2, "Independent", 0, kShown, kSelected},
    {kRadioButton, "RBtn5", 3, "Related", 0, kShown},
    {kTextField, "dffld5", 19, "", 9, kHidden},
    {kLabel, "dftext5", 20, "df", 0, kHidden},
    {kTextField, "tfld5", 15, "", 9, kHidden},
    {kLabel, "ttext5", 18, "z", 0, kHidden},
    {kTextField, "pfld5", 16, "", 9, kHidden},
    {kLabel, "dtail5", 17, "p", 0, kHidden},
    {kPushButton, "CalcBtn5", 21, "Calculate", 0, kShown},
    {kCanvas, "helpBtn5", 22, "", 0, kShown},
    {kPushButton, "ClearBtn5", 23, "Clear", 0, kShown},
};

const std::vector<Row> kAboutWindow = {
    {kCanvas, "Canvas1", 0, "", 0, kShown},
    {kLabel, "Label1", 3, "Copyright (c) 2026 the Quorvane developers", 0, kShown},
    {kTimer, "Timer1", 0, "", 0, kShown},
};
// clang-format on

// The text a row's class shows: a label's text, a caption, a field's text, the tabs' captions.
std::string ShownText(const fw::Object& object) {
  if (auto* label = dynamic_cast<const fw::Label*>(&object)) return label->Text();
  if (auto* field = dynamic_cast<const fw::TextField*>(&object)) return field->Text();
  if (auto* box = dynamic_cast<const fw::GroupBox*>(&object)) return box->Caption();
  if (auto* radio = dynamic_cast<const fw::RadioButton*>(&object)) return radio->Caption();
  if (auto* button = dynamic_cast<const fw::PushButton*>(&object)) return button->Caption();
  if (auto* tabs = dynamic_cast<const fw::TabPanel*>(&object)) {
    std::string captions;
    for (int tab = 0; tab < tabs->TabCount(); ++tab) {
      captions += (tab ? "|" : "") + tabs->TabCaption(tab);
    }
    return captions;
  }
  return "";
}

// One line for each way the window disagrees with its rows: a missing or extra control, or a
// property of a control. A control of the wrong class gets that line alone.
std::vector<std::string> Disagreements(const fw::Window& window, const std::vector<Row>& rows) {
  std::vector<std::string> lines;
  auto differ = [&](const Row& row, const char* property, const std::string& actual,
                    const std::string& expected) {
    if (actual != expected) {
      lines.push_back(std::string(row.name) + ": " + property + " is " + actual +
                      ", the layout gives " + expected);
    }
  };
  auto quoted = [](const std::string& text) { return "\"" + text + "\""; };
  std::set<std::string> named;
  for (const Row& row : rows) {
    named.insert(row.name);
    const fw::Object* object = window.Find(row.name);
    if (!object) {
      lines.push_back(std::string(row.name) + ": missing");
      continue;
    }
    if (ClassOf(*object) != row.cls) {
      differ(row, "class", ClassOf(*object), row.cls);
      continue;
    }
    differ(row, "text", quoted(ShownText(*object)), quoted(row.text));
    if (auto* field = dynamic_cast<const fw::TextField*>(object)) {
      differ(row, "LimitText", std::to_string(field->LimitText()), std::to_string(row.limit));
    }
    if (auto* radio = dynamic_cast<const fw::RadioButton*>(object)) {
      differ(row, "Value", radio->Value() ? "selected" : "not selected",
             row.selected ? "selected" : "not selected");
    }
    if (auto* tabs = dynamic_cast<const fw::TabPanel*>(object)) {
      differ(row, "selected tab", std::to_string(tabs->Value()), "0");
    }
    if (auto* control = dynamic_cast<const fw::Control*>(object)) {
      differ(row, "TabIndex", std::to_string(control->TabIndex()), std::to_string(row.tabIndex));
      differ(row, "Visible", control->Visible() ? "True" : "False", row.visible ? "True" : "False");
    }
  }
  for (const fw::Object* object : window.Objects()) {
    if (!named.contains(object->Name())) {
      lines.push_back(object->Name() + ": a " + ClassOf(*object) +
                      " that the layout does not hold");
    }
  }
  return lines;
}

void ExpectAgreement(const char* what, const fw::Window& window, const std::vector<Row>& rows) {
  const std::vector<std::string> lines = Disagreements(window, rows);
  if (lines.empty()) return;
  std::string report;
  for (const std::string& line : lines) report += "\n  " + line;
  ADD_FAILURE() << what << " disagrees with its layout:" << report;
}

class Layouts : public PanelTest {};

TEST_F(Layouts, TheMainWindowOpensWithEveryControlAsItsLayoutGives) {
  ExpectAgreement("The main window", W(), kMainWindow);
}

// Whether the Tab key stops on a control of that row when it is on show: an input field, a design
// button or a push button. The result fields (tfld, dffld and pfld with the tab's suffix) are
// read-only and passed over; labels, group boxes, separators and the help pictures take no focus.
bool TakesTheTabKey(const Row& row) {
  if (row.cls == std::string(kRadioButton) || row.cls == std::string(kPushButton)) return true;
  if (row.cls != std::string(kTextField)) return false;
  const std::string name = row.name;
  for (const std::string stem : {"tfld", "dffld", "pfld"}) {
    const std::string suffix = name.starts_with(stem) ? name.substr(stem.size()) : "x";
    if (suffix.empty() || (suffix.size() == 1 && std::isdigit(suffix[0]))) return false;
  }
  return true;
}

// The Tab key's stops among the controls that lie in the container, by the TabIndex of their
// rows, each container's own stops at its place.
void AppendStops(const fw::Window& window, const QWidget* container,
                 std::vector<std::string>& stops) {
  std::vector<const Row*> inside;
  for (const Row& row : kMainWindow) {
    if (window.Named<fw::Control>(row.name).Widget()->parentWidget() == container) {
      inside.push_back(&row);
    }
  }
  std::stable_sort(inside.begin(), inside.end(),
                   [](const Row* a, const Row* b) { return a->tabIndex < b->tabIndex; });
  for (const Row* row : inside) {
    const auto& control = window.Named<fw::Control>(row->name);
    if (TakesTheTabKey(*row) && control.Visible()) stops.push_back(row->name);
    AppendStops(window, control.Widget(), stops);
  }
}

struct TabDesigns {
  const char* name;
  int tab;
  std::vector<const char*> designs;  // the design buttons, clicked in this order
};

void PrintTo(const TabDesigns& tab, std::ostream* out) {
  *out << tab.name;
}

const TabDesigns kTabDesigns[] = {
    {"Means", 0, {"IBtn", "RBtn", "SBtn"}},  {"Variances", 1, {"IBtn1", "RBtn1"}},
    {"Correlations", 2, {"IBtn2", "RBtn2"}}, {"Proportions", 3, {"IBtn3", "RBtn3"}},
    {"Alphas", 4, {"IBtn4", "RBtn4"}},       {"AUCs", 5, {"IBtn5", "RBtn5"}},
};

class TabOrder : public PanelTest, public ::testing::WithParamInterface<TabDesigns> {
 protected:
  // The control with the focus; the tab panel's own stop is its row of tabs.
  std::string Focused() {
    QWidget* focus = W().Widget()->focusWidget();
    if (qobject_cast<QTabBar*>(focus) && W().TabPanel1().Widget()->isAncestorOf(focus)) {
      return "TabPanel1";
    }
    return FocusedName();
  }

  // One round of the Tab key from the control with the focus back to it, against the round that
  // the rows give: the tabs first, then the stops of the tab's page.
  void ExpectOneRound() {
    std::vector<std::string> round = {"TabPanel1"};
    AppendStops(W(), W().TabPanel1().Page(GetParam().tab), round);
    const auto start = std::find(round.begin(), round.end(), Focused());
    ASSERT_NE(start, round.end()) << Focused() << " is no stop of the round";
    std::rotate(round.begin(), start + 1, round.end());
    std::vector<std::string> visited;
    for (size_t key = 0; key < round.size(); ++key) {
      PressKey(Qt::Key_Tab);
      visited.push_back(Focused());
    }
    EXPECT_EQ(visited, round);
  }
};

// Every design button is a stop of its own in the order of its TabIndex, whichever design is
// selected and however it was chosen; the round leaves the design as it was.
TEST_P(TabOrder, TheTabKeyGoesRoundThePageByTabIndexUnderEveryDesign) {
  W().Show();
  QApplication::setActiveWindow(W().Widget());
  EnterTab(GetParam().tab);
  for (const char* design : GetParam().designs) {
    SCOPED_TRACE(std::string("after a click on ") + design);
    auto& button = W().Named<fw::RadioButton>(design);
    Click(button);
    ASSERT_TRUE(button.Value());
    ExpectOneRound();
    EXPECT_TRUE(button.Value()) << "Tab selects nothing";
  }
  SCOPED_TRACE("after a click on Clear");
  Click(W().Named<fw::PushButton>("ClearBtn" + TabSuffix(GetParam().tab)));
  ExpectOneRound();
}

INSTANTIATE_TEST_SUITE_P(SixTabs, TabOrder, ::testing::ValuesIn(kTabDesigns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AboutLayout, TheAboutWindowOpensWithItsPictureAndCopyrightLine) {
  ExpectAgreement("The About window", AboutWnd::Get(), kAboutWindow);
}

}  // namespace
