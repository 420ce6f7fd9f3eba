#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <Qt>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "framework/controls.h"
#include "mainwindow/control_wnd.h"

class HelpWindow;
class QWidget;

// A tab's three result fields and their captions, listed here apart from the program's own
// table of them, so that a wrong row there shows in the tests instead of being shared by them.
struct TabResults {
  fw::TextField &statistic, &df, &p;
  fw::Label &statisticCaption, &dfCaption, &pCaption;

  // Whether any of the six is on show.
  bool AnyShown() const;
};

// The main window with the message box and the beep replaced, so every message and beep is
// recorded instead of waiting for a user. Each test runs in a process of its own.
class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ControlWnd& W() { return *window_; }

  // Enters the tab as the user does, which clears its panel.
  void EnterTab(int tab);
  // Puts text into fields from code: no input filter sees it, and it blanks nothing.
  void Fill(std::initializer_list<std::pair<fw::TextField*, std::string>> entries);
  // Fills the Means panel's six inputs so, in their order on the panel.
  void FillMeans(const char* m1, const char* sd1, const char* n1, const char* m2, const char* sd2,
                 const char* n2);
  // Types text into a field key by key, as the user does.
  void Type(fw::TextField& field, const std::string& text);
  // Presses a push button.
  void Press(fw::PushButton& button) { button.Push(); }
  // Clicks a control with the mouse, as the user does.
  void Click(fw::Control& control);
  // Clicks the main window at a point of its own: the widget that lies on top there gets the
  // click, as it would under the user's pointer. Returns that widget, or nullptr for none.
  QWidget* ClickWindowAt(QPoint at);
  // Clicks the main window at the centre of the control's place, whatever lies on top there.
  QWidget* ClickAtPlace(const fw::Control& control);
  // Types text where the cursor is: into the control that holds the window's focus.
  void TypeAtCursor(const std::string& text);
  // Presses a key on the control that holds the window's focus.
  void PressKey(Qt::Key key);

  // The last message shown, or "" when none was.
  std::string LastMessage() const { return messages.empty() ? "" : messages.back(); }
  std::string FocusedName() const;
  // The result fields and captions of the tab with that index.
  TabResults Results(int tab) const;

  std::vector<std::string> messages;
  int beeps = 0;

 private:
  ControlWnd* window_ = nullptr;
};

// The suffix that the names of a tab's controls carry: none on the first tab, else its index.
std::string TabSuffix(int tab);

// The help window of the tab with that index, made if there is none yet.
HelpWindow& PanelHelp(int tab);

// What a panel's result fields show, and whether each is on show.
struct ShownResult {
  std::string statistic, df, p;
  bool statisticShown, dfShown, pShown;
};
ShownResult Shown(fw::TextField& statistic, fw::TextField& df, fw::TextField& p);

// A finite value with its sign and three decimals, written without the program's Format.
std::string SignedThreeDecimals(double value);
// The p text the panels show for an exact p: raised to .0001 when smaller, four decimals.
std::string ExpectedPText(double exactP);
// Whether a shown p is the text of the exact one (allowing for a rounding boundary that lies
// between the program's p and the exact one).
bool PAgrees(const std::string& shown, double exactP);

// The exact p of each test from Boost.Math, lowered to .9999 as the panels show the largest p.
double ExactTwoTailedZ(double z);
double ExactTwoTailedT(double t, double df);
// Twice the smaller tail of F.
double ExactTwoSidedF(double f, double df1, double df2);

// Where a field's text lies as last painted, in the field's own pixels: the places of the cursor
// before its first and after its last character, and the inner edges of the field's frame.
struct TextPlacement {
  int start, end;
  int left, right;
  // The text's width in the widget's font.
  int width;

  bool FromStart() const { return start >= left; }
  // The end is the place after the last character, so the text's last pixel lies within the
  // frame while the end is no more than one past its inner edge.
  bool Whole() const { return FromStart() && end <= right + 1 && width <= right - left + 1; }
};
TextPlacement Placement(fw::TextField& field);

// How a plain line edit dressed as the field shows a text in the field's font at that size in
// pixels: whether the text fits the field's alignment, as QLineEdit places a text that fits
// whichever character the cursor is at, and whether, shown from its first character, it ends
// within the field. What fits depends on the widths of the fonts the machine holds.
struct PlainFit {
  bool aligned, wholeFromStart;
};
PlainFit FitOf(const fw::TextField& field, const std::string& text, int pixels);

// The smallest font a result field shrinks a long number to, in pixels: no smaller can be read.
constexpr int kSmallestResultPixels = 8;

// A number too long for a result field shows in exponent form with as many significant digits as
// fit in the field's alignment: with one more, the form would not fit it even at the smallest font.
void ExpectAsManyDigitsAsFit(const fw::TextField& field, const std::string& fixed, int digits);
