// Every control of the main window and of the About window, checked row by row right after the
// window opens: its class, its place (Left, Top, Width and Height in the window's coordinates),
// its text or caption, its character limit, its TabIndex, whether it is visible, and how its text
// is drawn: the font, the text colour and the alignment. The rows are written out here apart from
// the program's own control tables, so that a wrong row there shows as a disagreement instead of
// being shared by the test. The Tab key's round on each tab, under each design, follows the
// TabIndex of these rows.
//
// Where a property says it better than a copied number, the controls are held to it: no two
// controls that take a click overlap on a tab, every control lies whole in its tab page and its
// window, the banner covers nothing, and a real click at a field's, a tab's or Calculate's place
// reaches it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRect>
#include <QTabBar>
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/controls.h"
#include "framework/text_services.h"
#include "support/number_text.h"
#include "support/panel_fixture.h"
#include "support/user_actions.h"
#include "support/window_checks.h"
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

// A font as the user sees it: its size in pixels (one point is one pixel), its style, and its
// pitch: whether the characters the control draws all advance by one width, as in "Courier", or
// not, as in "System".
struct FontOf {
  int pixels;  // 0: the control draws no text of its own
  bool bold = false, italic = false, fixedPitch = false;
};
constexpr FontOf kNoFont{0}, kSystem10{10}, kSystem10Bold{10, true}, kSystem11Bold{11, true},
    kSystem11BoldItalic{11, true, true}, kSystem12{12}, kSystem12Bold{12, true},
    kCourier12{12, false, false, true};

// A text colour 0x00RRGGBB, or none where the layout gives the control none.
constexpr std::uint32_t kNoColor = 0xFF000000;

// The horizontal alignment of a label's or field's text, where the layout gives one.
enum Align { kNoAlign, kLeft, kCentred };

struct Row {
  const char* cls;
  const char* name;
  int left, top, width, height;  // in the window's coordinates, whatever the parent
  int tabIndex;                  // among the controls of the same parent
  const char* text;              // label text, caption or a field's first text; tabs by "|"
  int limit;                     // text fields: the most characters the user can type
  bool visible;                  // the control's own flag
  FontOf font;                   // the font of its text, caption or tabs
  std::uint32_t color;           // labels and fields: the colour of the text
  Align align;                   // labels and fields
  bool selected = false;         // radio buttons
};

// clang-format off
// All 151 controls of the main window, the containers before what lies in them.
const std::vector<Row> kMainWindow = {
    // On the window itself.
    {kTabPanel, "TabPanel1", 17, 61, 501, 419, 0, "Means|Variances|Correlations|Proportions|Alphas|AUCs", 0, kShown, kSystem12, kNoColor, kNoAlign},
    // The banner starts 10 above the content's top edge.
    {kCanvas, "Canvas1", 56, -10, 414, 70, 1, "", 0, kShown, kNoFont, kNoColor, kNoAlign},
    // The credit line, in the banner, keeps the default alignment.
    {kLabel, "Label1", 160, 42, 125, 20, 0, "Tests of two statistics", 0, kShown, kSystem10, 0x800002, kNoAlign},

    // Means.
    {kGroupBox, "GroupBox1", 47, 237, 140, 165, 27, "Sample 1", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "m1fld", 72, 262, 80, 22, 1, "", 9, kShown, kSystem12, 0x000000, kCentred},
    {kLabel, "StaticText2", 72, 284, 80, 18, 24, "Mean", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kTextField, "sd1fld", 72, 307, 80, 22, 2, "", 9, kShown, kSystem12, 0x000000, kCentred},
    {kLabel, "StaticText3", 58, 329, 110, 18, 25, "Standard Deviation", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kSeparator, "SepLine1", 49, 348, 136, 4, 20, "", 0, kHidden, kNoFont, kNoColor, kNoAlign},
    {kTextField, "n1fld", 72, 362, 80, 22, 3, "", 4, kShown, kSystem12, 0x000000, kCentred},
    {kLabel, "StaticText1", 72, 381, 80, 18, 26, "N", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kGroupBox, "GroupBox2", 205, 237, 140, 165, 0, "Sample 2", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "m2fld", 230, 262, 80, 22, 4, "", 9, kShown, kSystem12, 0x000000, kCentred},
    {kLabel, "StaticText5", 230, 284, 80, 18, 21, "Mean", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kTextField, "sd2fld", 230, 307, 80, 22, 5, "", 9, kShown, kSystem12, 0x000000, kCentred},
    {kLabel, "StaticText6", 216, 329, 110, 18, 22, "Standard Deviation", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kSeparator, "SepLine2", 207, 348, 136, 4, 19, "", 0, kHidden, kNoFont, kNoColor, kNoAlign},
    {kTextField, "n2fld", 230, 362, 80, 22, 6, "", 4, kShown, kSystem12, 0x000000, kCentred},
    {kLabel, "n2text", 230, 381, 80, 18, 23, "N", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kGroupBox, "typeBox", 75, 145, 375, 40, 7, "", 0, kShown, kSystem12Bold, kNoColor, kNoAlign},
    {kRadioButton, "IBtn", 81, 157, 99, 18, 8, "Independent", 0, kShown, kSystem12, kNoColor, kNoAlign, kSelected},
    {kRadioButton, "RBtn", 208, 157, 69, 18, 9, "Related", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kRadioButton, "SBtn", 302, 156, 142, 20, 28, "Sample/Population", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "dffld", 379, 262, 80, 22, 14, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "dfText", 379, 284, 80, 18, 15, "df", 0, kHidden, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "tfld", 379, 307, 80, 22, 10, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "ttext", 379, 327, 80, 18, 13, "t", 0, kHidden, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "pfld", 380, 362, 80, 22, 11, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "dtail", 380, 382, 80, 20, 12, "p", 0, kHidden, kSystem11BoldItalic, 0x777777, kCentred},
    {kPushButton, "CalcBtn", 47, 438, 80, 30, 16, "Calculate", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kCanvas, "helpBtn", 248, 438, 30, 30, 18, "", 0, kShown, kNoFont, kNoColor, kNoAlign},
    {kPushButton, "ClearBtn", 411, 438, 80, 30, 17, "Clear", 0, kShown, kSystem12, kNoColor, kNoAlign},

    // Variances.
    {kGroupBox, "GroupBox3", 47, 237, 140, 165, 10, "Sample 1", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "var1Fld", 72, 262, 80, 22, 12, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "Var1Text", 72, 284, 80, 18, 16, "Variance", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kSeparator, "SepLine3", 47, 323, 140, 4, 23, "", 0, kHidden, kNoFont, kNoColor, kNoAlign},
    {kTextField, "n1fld1", 72, 362, 80, 22, 13, "", 4, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "StaticText10", 72, 379, 80, 18, 11, "N", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kGroupBox, "GroupBox4", 205, 237, 140, 165, 0, "Sample 2", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "var2Fld", 230, 262, 80, 22, 14, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "StaticText13", 230, 284, 80, 18, 17, "Variance", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kSeparator, "SepLine4", 205, 323, 140, 4, 22, "", 0, kHidden, kNoFont, kNoColor, kNoAlign},
    {kTextField, "n2fld1", 230, 362, 80, 22, 15, "", 4, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "rtext2", 230, 379, 80, 18, 18, "N", 0, kShown, kSystem10Bold, 0xCC0000, kCentred},
    {kGroupBox, "typeBox1", 125, 146, 300, 40, 19, "", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kRadioButton, "IBtn1", 129, 157, 150, 18, 20, "Independent", 0, kShown, kSystem12, kNoColor, kNoAlign, kSelected},
    {kRadioButton, "RBtn1", 298, 157, 115, 18, 21, "Related", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "dffld1", 379, 262, 80, 22, 5, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "dftext1", 379, 284, 80, 18, 6, "df", 0, kHidden, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "tfld1", 379, 307, 80, 22, 1, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "ttext1", 379, 327, 80, 18, 4, "t", 0, kHidden, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "pfld1", 379, 360, 80, 22, 2, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "dtail1", 380, 379, 80, 20, 3, "p", 0, kHidden, kSystem11Bold, 0x777777, kCentred},
    {kPushButton, "CalcBtn1", 47, 438, 80, 30, 8, "Calculate", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kCanvas, "helpBtn1", 248, 438, 30, 30, 7, "", 0, kShown, kNoFont, kNoColor, kNoAlign},
    {kPushButton, "ClearBtn1", 411, 438, 80, 30, 9, "Clear", 0, kShown, kSystem12, kNoColor, kNoAlign},

    // Correlations: the statistic and p fields and their captions start on show.
    {kGroupBox, "GroupBox5", 47, 237, 140, 165, 3, "Sample 1", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "r2Fld1", 72, 262, 80, 22, 21, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "r2text1", 72, 284, 80, 18, 6, "r", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kSeparator, "SepLine5", 47, 323, 140, 4, 22, "", 0, kHidden, kNoFont, kNoColor, kNoAlign},
    {kTextField, "n12fld", 72, 362, 80, 22, 5, "", 4, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "n1text2", 72, 379, 80, 18, 4, "N", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kGroupBox, "GroupBox6", 205, 237, 140, 165, 7, "Sample 2", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "r2Fld2", 230, 262, 80, 22, 8, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "r2text2", 230, 284, 80, 18, 10, "r", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kSeparator, "SepLine6", 205, 323, 140, 4, 23, "", 0, kHidden, kNoFont, kNoColor, kNoAlign},
    {kTextField, "n22fld", 230, 362, 80, 22, 9, "", 4, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "n2text2", 230, 379, 80, 18, 11, "N", 0, kShown, kSystem10Bold, 0xCC0000, kCentred},
    {kGroupBox, "typeBox2", 125, 146, 300, 40, 0, "", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kRadioButton, "IBtn2", 129, 157, 150, 18, 1, "Independent", 0, kShown, kSystem12, kNoColor, kNoAlign, kSelected},
    {kRadioButton, "RBtn2", 298, 157, 115, 18, 2, "Related", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "dffld2", 379, 262, 80, 22, 16, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "dftext2", 379, 284, 80, 18, 17, "df", 0, kHidden, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "tfld2", 379, 307, 80, 22, 12, "", 9, kShown, kSystem12, 0x800002, kCentred},
    {kLabel, "ttext2", 379, 327, 80, 18, 15, "t", 0, kShown, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "pfld2", 379, 360, 80, 22, 13, "", 9, kShown, kSystem12, 0x800002, kCentred},
    {kLabel, "dtail2", 380, 382, 80, 20, 14, "p", 0, kShown, kSystem11Bold, 0x777777, kCentred},
    {kPushButton, "CalcBtn2", 47, 438, 80, 30, 18, "Calculate", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kCanvas, "helpBtn2", 248, 438, 30, 30, 19, "", 0, kShown, kNoFont, kNoColor, kNoAlign},
    {kPushButton, "ClearBtn2", 411, 438, 80, 30, 20, "Clear", 0, kShown, kSystem12, kNoColor, kNoAlign},

    // Proportions: no separators; the statistic and p fields and their captions start on show.
    {kGroupBox, "GroupBox7", 47, 237, 140, 165, 3, "Sample 1", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "p1fld", 72, 262, 80, 22, 5, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "p1text", 72, 284, 80, 18, 7, "Proportion", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kTextField, "n3fld1", 72, 362, 80, 22, 6, "", 4, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "n3text1", 72, 379, 80, 18, 4, "N", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kGroupBox, "GroupBox8", 205, 237, 140, 165, 8, "Sample 2", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "p2fld", 230, 262, 80, 22, 9, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "p2text", 230, 284, 80, 18, 11, "Proportion", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kTextField, "n3fld2", 230, 362, 80, 22, 10, "", 4, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "n3text2", 230, 379, 80, 18, 12, "N", 0, kShown, kSystem10Bold, 0xCC0000, kCentred},
    {kGroupBox, "typeBox3", 125, 146, 300, 40, 0, "", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kRadioButton, "IBtn3", 129, 157, 120, 18, 1, "Independent", 0, kShown, kSystem12, kNoColor, kNoAlign, kSelected},
    {kRadioButton, "RBtn3", 271, 157, 140, 18, 2, "Observed-Expected", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "dffld3", 379, 262, 80, 22, 17, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "dftext3", 379, 284, 80, 18, 18, "df", 0, kHidden, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "tfld3", 379, 307, 80, 22, 13, "", 9, kShown, kSystem12, 0x800002, kCentred},
    {kLabel, "ttext3", 379, 327, 80, 18, 16, "z", 0, kShown, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "pfld3", 379, 360, 80, 22, 14, "", 9, kShown, kSystem12, 0x800002, kCentred},
    {kLabel, "dtail3", 380, 382, 80, 20, 15, "p", 0, kShown, kSystem11Bold, 0x777777, kCentred},
    {kPushButton, "CalcBtn3", 47, 438, 80, 30, 19, "Calculate", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kCanvas, "helpBtn3", 248, 438, 30, 30, 20, "", 0, kShown, kNoFont, kNoColor, kNoAlign},
    {kPushButton, "ClearBtn3", 411, 438, 80, 30, 21, "Clear", 0, kShown, kSystem12, kNoColor, kNoAlign},

    // Alphas: the group boxes hold their controls, which count their TabIndex inside them.
    {kGroupBox, "GroupBox9", 47, 237, 140, 165, 2, "Test 1", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "a1fld", 72, 262, 80, 22, 1, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "a1text", 72, 284, 80, 18, 3, "Alpha", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kSeparator, "SepLine7", 47, 325, 140, 4, 4, "", 0, kHidden, kNoFont, kNoColor, kNoAlign},
    {kTextField, "n4fld1", 72, 359, 80, 22, 2, "", 4, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "n4text1", 72, 379, 80, 18, 0, "N", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kGroupBox, "GroupBox10", 205, 237, 140, 165, 0, "Test 2", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "a2fld", 230, 262, 80, 22, 0, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "a2text", 230, 284, 80, 18, 2, "Alpha", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kSeparator, "SepLine8", 205, 325, 140, 4, 4, "", 0, kHidden, kNoFont, kNoColor, kNoAlign},
    {kTextField, "n4fld2", 230, 359, 80, 22, 1, "", 4, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "n4text2", 230, 379, 80, 18, 3, "N", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kGroupBox, "typeBox31", 125, 146, 300, 40, 1, "", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kRadioButton, "IBtn4", 129, 157, 120, 18, 0, "Independent", 0, kShown, kSystem12, kNoColor, kNoAlign, kSelected},
    {kRadioButton, "RBtn4", 298, 157, 115, 18, 1, "Related", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "dffld4", 379, 262, 80, 22, 7, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "dftext4", 379, 284, 80, 18, 8, "df", 0, kHidden, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "tfld4", 379, 307, 80, 22, 3, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "ttext4", 379, 327, 80, 18, 6, "F", 0, kHidden, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "pfld4", 379, 360, 80, 22, 4, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "dtail4", 379, 382, 80, 20, 5, "p", 0, kHidden, kSystem11Bold, 0x777777, kCentred},
    {kPushButton, "CalcBtn4", 47, 438, 80, 30, 9, "Calculate", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kCanvas, "helpBtn4", 248, 438, 30, 30, 10, "", 0, kShown, kNoFont, kNoColor, kNoAlign},
    {kPushButton, "ClearBtn4", 411, 438, 80, 30, 11, "Clear", 0, kShown, kSystem12, kNoColor, kNoAlign},

    // AUCs: the correlation field, its caption and the separator start hidden.
    {kGroupBox, "GroupBox11", 46, 237, 140, 165, 0, "Sample 1", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "m5fld1", 72, 262, 80, 22, 4, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "StaticText15", 72, 284, 80, 18, 6, "AUC", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kTextField, "sefld1", 72, 307, 80, 22, 5, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "setext1", 58, 329, 110, 18, 7, "Standard Error", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kGroupBox, "GroupBox12", 205, 237, 140, 165, 8, "Sample 2", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "m5fld2", 230, 262, 80, 22, 9, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "a2text1", 230, 284, 80, 18, 11, "AUC", 0, kShown, kSystem10, 0xCC0000, kCentred},
    // Nine like the first standard error, so that .0001, the smallest the panel takes, can be
    // typed.
    {kTextField, "sefld2", 230, 307, 80, 22, 10, "", 9, kShown, kCourier12, 0x000000, kCentred},
    {kLabel, "setext2", 230, 329, 80, 18, 12, "Standard Error", 0, kShown, kSystem10, 0xCC0000, kCentred},
    {kSeparator, "SepLine9", 205, 348, 140, 4, 24, "", 0, kHidden, kNoFont, kNoColor, kNoAlign},
    {kTextField, "r5Fld", 230, 359, 80, 22, 13, "", 6, kHidden, kCourier12, 0x000000, kCentred},
    {kLabel, "rtext5", 230, 379, 80, 18, 14, "r", 0, kHidden, kSystem10Bold, 0xCC0000, kCentred},
    {kGroupBox, "typeBox311", 125, 146, 300, 40, 1, "", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kRadioButton, "IBtn5", 129, 157, 120, 18, 2, "Independent", 0, kShown, kSystem12, kNoColor, kNoAlign, kSelected},
    {kRadioButton, "RBtn5", 298, 157, 115, 18, 3, "Related", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kTextField, "dffld5", 379, 262, 80, 22, 19, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "dftext5", 379, 284, 80, 18, 20, "df", 0, kHidden, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "tfld5", 379, 307, 80, 22, 15, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "ttext5", 379, 327, 80, 18, 18, "z", 0, kHidden, kSystem12Bold, 0x999999, kCentred},
    {kTextField, "pfld5", 379, 360, 80, 22, 16, "", 9, kHidden, kSystem12, 0x800002, kCentred},
    {kLabel, "dtail5", 379, 382, 80, 20, 17, "p", 0, kHidden, kSystem11Bold, 0x777777, kCentred},
    {kPushButton, "CalcBtn5", 47, 438, 80, 30, 21, "Calculate", 0, kShown, kSystem12, kNoColor, kNoAlign},
    {kCanvas, "helpBtn5", 248, 438, 30, 30, 22, "", 0, kShown, kNoFont, kNoColor, kNoAlign},
    {kPushButton, "ClearBtn5", 411, 438, 80, 30, 23, "Clear", 0, kShown, kSystem12, kNoColor, kNoAlign},
};


const std::vector<Row> kAboutWindow = {
    {kCanvas, "Canvas1", 20, 41, 419, 69, 0, "", 0, kShown, kNoFont, kNoColor, kNoAlign},
    {kLabel, "Label1", 31, 110, 397, 20, 3, "Copyright (c) 2026 the Quorvane developers", 0, kShown, kSystem10, 0xB3B3B3, kCentred},
    {kTimer, "Timer1", 0, 0, 0, 0, 0, "", 0, kShown, kNoFont, kNoColor, kNoAlign},
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

std::string FontText(const FontOf& font) {
  return std::to_string(font.pixels) + " px" + (font.bold ? " bold" : "") +
         (font.italic ? " italic" : "") + (font.fixedPitch ? ", fixed pitch" : ", proportional");
}

// The characters of the numbers that the program writes into a result field: a statistic, a p
// and the exponent form of a long one.
QString ResultCharacters() {
  return QString::fromStdString(fw::Format(-1234567890.5, "+####.000") + fw::Format(0.5, ".0000") +
                                fw::ExponentForm("+246913578000.000", 4));
}

// The characters by which the control's pitch shows: those an input field takes (a paste may
// bring any character of the field's keys), those of the numbers a result field shows, and
// those of any other control's own text.
QString CharactersDrawn(const fw::Control& control) {
  if (auto* field = dynamic_cast<const fw::TextField*>(&control)) {
    if (field->ReadOnly()) return ResultCharacters();
    return QString::fromStdString(field->PasteCharacters());
  }
  QString text = QString::fromStdString(ShownText(control));
  if (dynamic_cast<const fw::TabPanel*>(&control)) text.remove('|');  // drawn apart, not as "|"
  return text;
}

// How the characters advance in the font the control draws them in: by one width in a fixed
// pitch; the narrowest and the widest of them tell a proportional one.
struct Advances {
  QChar narrowest, widest;
  qreal narrow = 0, wide = 0;
  bool OneWidth() const { return wide - narrow < 0.01; }
};

Advances AdvancesOf(const QFont& font, const QString& characters) {
  const QFontMetricsF metrics(font);
  Advances advances;
  for (const QChar c : characters) {
    const qreal advance = metrics.horizontalAdvance(c);
    if (advances.narrowest.isNull() || advance < advances.narrow) {
      advances.narrowest = c, advances.narrow = advance;
    }
    if (advances.widest.isNull() || advance > advances.wide) {
      advances.widest = c, advances.wide = advance;
    }
  }
  return advances;
}

std::string AdvanceText(QChar c, qreal advance) {
  return "\"" + QString(c).toStdString() + "\" " + FixedText(advance, 2) + " px";
}

std::string ColorText(std::uint32_t rgb) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(rgb));
  return text;
}

std::string AlignText(Qt::Alignment alignment) {
  switch (alignment & Qt::AlignHorizontal_Mask) {
    case Qt::AlignLeft:
      return "left";
    case Qt::AlignHCenter:
      return "centred";
    case Qt::AlignRight:
      return "right";
    default:
      return "another alignment";
  }
}

// The widget that draws the control's text: a tab panel's captions are drawn by its tab strip.
const QWidget* TextWidget(const fw::Control& control) {
  if (dynamic_cast<const fw::TabPanel*>(&control)) return control.Widget()->findChild<QTabBar*>();
  return control.Widget();
}

// The font the control's text is drawn in, as the font system matched it, with its pitch as
// the control's characters advance in it, their narrowest and widest after it. A text of one
// character shows no pitch: there the layout's is taken.
std::string DrawnFontText(const fw::Control& control, const FontOf& laidOut) {
  const QFont font = TextWidget(control)->font();
  const QFontInfo info(font);
  const QString characters = CharactersDrawn(control);
  const Advances advances = AdvancesOf(font, characters);
  const bool seen =
      characters.size() > 1 && std::any_of(characters.begin(), characters.end(),
                                           [&](QChar c) { return c != characters.front(); });
  const FontOf drawn{info.pixelSize(), info.bold(), info.italic(),
                     seen ? advances.OneWidth() : laidOut.fixedPitch};
  std::string text = FontText(drawn);
  if (drawn.fixedPitch != laidOut.fixedPitch) {
    text += advances.OneWidth() ? " (" + AdvanceText(advances.widest, advances.wide) +
                                      " for each of \"" + characters.toStdString() + "\")"
                                : " (" + AdvanceText(advances.narrowest, advances.narrow) + ", " +
                                      AdvanceText(advances.widest, advances.wide) + ")";
  }
  return text;
}

// The colour a label or field draws its text with, in its present state: a label draws with the
// window text role, a field with the text role.
std::uint32_t DrawnColor(const fw::Control& control) {
  const QWidget* widget = control.Widget();
  const auto role =
      dynamic_cast<const fw::Label*>(&control) ? QPalette::WindowText : QPalette::Text;
  const auto group = widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
  return widget->palette().color(group, role).rgb() & 0xFFFFFFu;
}

Qt::Alignment DrawnAlignment(const fw::Control& control) {
  if (auto* label = qobject_cast<const QLabel*>(control.Widget())) return label->alignment();
  if (auto* edit = qobject_cast<const QLineEdit*>(control.Widget())) return edit->alignment();
  return {};
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
      differ(row, "place", RectText(InContent(window, control->Widget())),
             RectText({row.left, row.top, row.width, row.height}));
      if (row.font.pixels)
        differ(row, "font", DrawnFontText(*control, row.font), FontText(row.font));
      if (row.color != kNoColor) {
        differ(row, "text colour", ColorText(DrawnColor(*control)), ColorText(row.color));
      }
      if (row.align != kNoAlign) {
        differ(row, "alignment", AlignText(DrawnAlignment(*control)),
               AlignText(row.align == kCentred ? Qt::AlignHCenter : Qt::AlignLeft));
      }
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

// The name of the control that a widget is part of, for the messages.
std::string ControlNameOf(const QWidget* widget) {
  while (widget && widget->objectName().isEmpty()) widget = widget->parentWidget();
  return widget ? widget->objectName().toStdString() : "no control";
}

// Whether the control lies on the page of that tab.
bool OnTab(ControlWnd& window, const fw::Control& control, int tab) {
  return window.TabPanel1().Page(tab)->isAncestorOf(control.Widget());
}

// Every control but the one held apart lies whole in the window's content.
void ExpectWithinContent(const fw::Window& window, const std::vector<Row>& rows,
                         const std::string& heldApart) {
  const QRect content = ContentOf(window)->rect();
  for (const Row& row : rows) {
    auto* control = dynamic_cast<const fw::Control*>(window.Find(row.name));
    if (!control || row.name == heldApart) continue;
    const QRect place = InContent(window, control->Widget());
    EXPECT_TRUE(content.contains(place)) << row.name << " at " << RectText(place)
                                         << " reaches out of the content " << RectText(content);
  }
}

// The controls that take a click on a tab: its fields, its push buttons and help picture, and its
// design buttons. Where two of them overlap, a click meant for one reaches the other; a label may
// touch its field.
bool TakesAClick(const Row& row) {
  for (const char* cls : {kTextField, kPushButton, kCanvas, kRadioButton}) {
    if (row.cls == std::string(cls)) return true;
  }
  return false;
}

TEST_F(Layouts, NoTwoControlsThatTakeAClickOverlapOnATab) {
  for (int tab = 0; tab < W().TabPanel1().TabCount(); ++tab) {
    std::vector<std::pair<const char*, QRect>> places;
    for (const Row& row : kMainWindow) {
      const auto& control = W().Named<fw::Control>(row.name);
      if (TakesAClick(row) && OnTab(W(), control, tab)) {
        places.emplace_back(row.name, InContent(W(), control.Widget()));
      }
    }
    for (size_t a = 0; a < places.size(); ++a) {
      for (size_t b = a + 1; b < places.size(); ++b) {
        EXPECT_FALSE(places[a].second.intersects(places[b].second))
            << places[a].first << " at " << RectText(places[a].second) << " overlaps "
            << places[b].first << " at " << RectText(places[b].second);
      }
    }
  }
}

// Every control lies whole where it can be seen and clicked: in the window's content, a tab's
// controls in the page below the tab strip, and a control in a group box within the box. The
// banner alone starts above the content; it covers nothing but the credit line that lies in it.
TEST_F(Layouts, EveryControlLiesWholeInItsPageAndWindowAndTheBannerCoversNone) {
  ExpectWithinContent(W(), kMainWindow, "Canvas1");
  const QRect banner = InContent(W(), W().Canvas1().Widget());
  QRect page = InContent(W(), W().TabPanel1().Widget());
  page.setTop(InContent(W(), TextWidget(W().TabPanel1())).bottom() + 1);
  for (const Row& row : kMainWindow) {
    const auto& control = W().Named<fw::Control>(row.name);
    const QRect place = InContent(W(), control.Widget());
    const std::string at = std::string(row.name) + " at " + RectText(place);
    const QWidget* parent = control.Widget()->parentWidget();
    if (control.Widget() != W().TabPanel1().Widget() &&
        W().TabPanel1().Widget()->isAncestorOf(control.Widget())) {
      EXPECT_TRUE(page.contains(place)) << at << " reaches out of the tab page " << RectText(page);
    }
    if (qobject_cast<const QGroupBox*>(parent)) {
      EXPECT_TRUE(InContent(W(), parent).contains(place))
          << at << " reaches out of its group box " << RectText(InContent(W(), parent));
    }
    if (row.name != std::string("Canvas1") && row.name != std::string("Label1")) {
      EXPECT_FALSE(place.intersects(banner)) << at << " lies under the banner " << RectText(banner);
    }
  }
}

TEST_F(Layouts, AClickOnEachTabCaptionSelectsThatTab) {
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  const auto* bar = static_cast<const QTabBar*>(TextWidget(W().TabPanel1()));
  for (int tab : {1, 2, 3, 4, 5, 0}) {
    const QWidget* hit = ClickWindowAt(bar->mapTo(W().Widget(), bar->tabRect(tab).center()));
    EXPECT_EQ(W().TabPanel1().Value(), tab) << "the click on \"" << W().TabPanel1().TabCaption(tab)
                                            << "\" reached " << ControlNameOf(hit);
  }
}

// Whether the row is a result field: tfld, dffld or pfld with the tab's suffix.
bool IsResultField(const Row& row) {
  if (row.cls != std::string(kTextField)) return false;
  const std::string name = row.name;
  for (const std::string stem : {"tfld", "dffld", "pfld"}) {
    const std::string suffix = name.starts_with(stem) ? name.substr(stem.size()) : "x";
    if (suffix.empty() || (suffix.size() == 1 && std::isdigit(suffix[0]))) return true;
  }
  return false;
}

// Every input field shows the longest text it takes whole in its own font, whatever the widths of
// the font that the machine gives it: as many of its widest character as its limit lets in.
TEST_F(Layouts, EveryInputFieldShowsTheLongestTextItTakesWhole) {
  for (const Row& row : kMainWindow) {
    if (row.cls != std::string(kTextField) || IsResultField(row)) continue;
    auto& field = W().Named<fw::TextField>(row.name);
    const Advances advances = AdvancesOf(field.Widget()->font(), CharactersDrawn(field));
    const std::string longest = QString(field.LimitText(), advances.widest).toStdString();
    Fill({{&field, longest}});
    const TextPlacement at = Placement(field);
    EXPECT_TRUE(at.Whole()) << row.name << " shows \"" << longest << "\" from " << at.start
                            << " to " << at.end << " in " << at.left << " to " << at.right;
  }
}

// Whether the Tab key stops on a control of that row when it is on show: an input field, a design
// button or a push button. The result fields are read-only and passed over; labels, group boxes,
// separators and the help pictures take no focus.
bool TakesTheTabKey(const Row& row) {
  if (row.cls == std::string(kRadioButton) || row.cls == std::string(kPushButton)) return true;
  return row.cls == std::string(kTextField) && !IsResultField(row);
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
  ASSERT_TRUE(ActivateWindow(W()));
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

class FieldClicks : public PanelTest, public ::testing::WithParamInterface<TabDesigns> {};

// A click at the centre of an input field puts the cursor into that field, not into another
// control that lies over it, under every design that shows the field.
TEST_P(FieldClicks, AClickAtEachInputFieldPutsTheCursorThereUnderEveryDesign) {
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  EnterTab(GetParam().tab);
  for (const char* design : GetParam().designs) {
    SCOPED_TRACE(std::string("after a click on ") + design);
    auto& button = W().Named<fw::RadioButton>(design);
    ClickAtPlace(button);
    ASSERT_TRUE(button.Value()) << "the click on the design button was lost";
    for (const Row& row : kMainWindow) {
      if (row.cls != std::string(kTextField) || IsResultField(row)) continue;
      auto& field = W().Named<fw::TextField>(row.name);
      if (!OnTab(W(), field, GetParam().tab) || !field.Visible()) continue;
      if (QWidget* focus = W().Widget()->focusWidget()) focus->clearFocus();
      const QWidget* hit = ClickAtPlace(field);
      EXPECT_TRUE(field.HasFocus())
          << "the click on " << row.name << " reached " << ControlNameOf(hit)
          << "; the cursor is in \"" << FocusedName() << "\"";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(SixTabs, FieldClicks, ::testing::ValuesIn(kTabDesigns),
                         [](const auto& info) { return std::string(info.param.name); });

// A tab's panel filled with its help text's first example, and the statistic the text gives.
struct TabExample {
  const char* name;
  int tab;
  std::vector<std::pair<const char*, const char*>> inputs;  // fields and their texts
  const char* statistic;
};

void PrintTo(const TabExample& example, std::ostream* out) {
  *out << example.name;
}

// clang-format off
const TabExample kExamples[] = {
    {"Means", 0, {{"m1fld", "99.67"}, {"sd1fld", "13.872"}, {"n1fld", "12"}, {"m2fld", "102.0"}, {"sd2fld", "13.995"}, {"n2fld", "14"}}, "-0.425"},
    {"Variances", 1, {{"var1Fld", "126.81"}, {"n1fld1", "41"}, {"var2Fld", "35.27"}, {"n2fld1", "31"}}, "+3.595"},
    {"Correlations", 2, {{"r2Fld1", ".68"}, {"n12fld", "38"}, {"r2Fld2", ".36"}, {"n22fld", "73"}}, "+2.184"},
    {"Proportions", 3, {{"p1fld", ".80"}, {"n3fld1", "20"}, {"p2fld", ".40"}, {"n3fld2", "20"}}, "+2.582"},
    {"Alphas", 4, {{"a1fld", ".78"}, {"n4fld1", "41"}, {"a2fld", ".71"}, {"n4fld2", "151"}}, "+1.318"},
    {"AUCs", 5, {{"m5fld1", ".8945"}, {"sefld1", ".03"}, {"m5fld2", ".9382"}, {"sefld2", ".026"}}, "-1.101"},
};
// clang-format on

class ClickedResults : public PanelTest, public ::testing::WithParamInterface<TabExample> {};

// A click at Calculate's place computes the filled panel's result. A click into each result field
// on show and a digit typed there leave its text as it is: a result takes no typing.
TEST_P(ClickedResults, AClickOnCalculateShowsAResultThatTypedDigitsLeaveAlone) {
  const TabExample& example = GetParam();
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  EnterTab(example.tab);
  for (const auto& [name, text] : example.inputs) Fill({{&W().Named<fw::TextField>(name), text}});
  const QWidget* hit = ClickAtPlace(W().Named<fw::PushButton>("CalcBtn" + TabSuffix(example.tab)));
  const TabResults results = Results(example.tab);
  ASSERT_TRUE(messages.empty()) << LastMessage();
  ASSERT_TRUE(results.statistic.Visible())
      << "no result after the click on Calculate, which reached " << ControlNameOf(hit);
  ASSERT_EQ(results.statistic.Text(), example.statistic);
  for (fw::TextField* field : {&results.statistic, &results.df, &results.p}) {
    if (!field->Visible()) continue;
    const std::string before = field->Text();
    hit = ClickAtPlace(*field);
    TypeAtCursor("7");
    EXPECT_EQ(field->Text(), before)
        << "after a click on " << field->Name() << " that reached " << ControlNameOf(hit)
        << " and a 7 typed into \"" << FocusedName() << "\"";
  }
}

INSTANTIATE_TEST_SUITE_P(SixTabs, ClickedResults, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AboutLayout, TheAboutWindowOpensWithItsPictureAndCopyrightLine) {
  ExpectAgreement("The About window", AboutWnd::Get(), kAboutWindow);
  ExpectWithinContent(AboutWnd::Get(), kAboutWindow, "");
}

}  // namespace
