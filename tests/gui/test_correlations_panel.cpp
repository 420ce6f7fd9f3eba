// The Correlations panel: both designs, their checks in order, the tooltips of the Related
// design, design switches, and the shown p against the exact p of z and of t.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <cmath>
#include <map>
#include <random>
#include <string>

#include "app/module1.h"
#include "support/number_text.h"
#include "support/panel_fixture.h"
#include "support/user_actions.h"

namespace {

constexpr int kIndependent = 1, kRelated = 2;

class CorrelationsPanel : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    EnterTab(2);
  }
  void Choose(int design) { (design == kIndependent ? W().IBtn2() : W().RBtn2()).SetValue(true); }
  // The fields in their order on screen: sample 1's r and N, then sample 2's r and N (rac).
  void FillAll(const std::string& r1, const std::string& n1, const std::string& r2,
               const std::string& n2) {
    Fill({{&W().r2Fld1(), r1}, {&W().n12fld(), n1}, {&W().r2Fld2(), r2}, {&W().n22fld(), n2}});
  }
  ShownResult Result() { return Shown(W().tfld2(), W().dffld2(), W().pfld2()); }
  void Calculate() { Press(W().CalcBtn2()); }
  bool AnyResultShown() { return Results(2).AnyShown(); }
  // Every control of the window that has a tooltip, with its text.
  std::map<std::string, std::string> Tooltips() {
    std::map<std::string, std::string> tips;
    for (fw::Object* object : W().Objects()) {
      auto* control = dynamic_cast<fw::Control*>(object);
      if (control && !control->HelpTag().empty()) tips[control->Name()] = control->HelpTag();
    }
    return tips;
  }
};

// The t of two correlations sharing a variable, from the determinant of the correlation matrix.
double RelatedT(double rab, double rbc, double n, double rac) {
  const double det = 1 - rab * rab - rbc * rbc - rac * rac + 2 * rab * rbc * rac;
  const double mean = (rab + rbc) / 2;
  return (rab - rbc) *
         std::sqrt((n - 1) * (1 + rac) /
                   (2 * (n - 1) / (n - 3) * det + mean * mean * std::pow(1 - rac, 3)));
}

TEST_F(CorrelationsPanel, WorkedExamplesTypedIntoTheFields) {
  struct Example {
    int design;
    const char *r1, *n1, *r2, *n2;
    const char *statistic, *caption, *df, *p;
  };
  const Example examples[] = {
      {kIndependent, ".68", "38", ".36", "73", "+2.184", "z", "", ".0289"},
      {kIndependent, ".36", "73", ".68", "38", "-2.184", "z", "", ".0289"},
      {kIndependent, "", "20", ".5", "20", "-1.601", "z", "", ".1093"},
      {kRelated, ".50", "103", ".20", ".30", "+2.890", "t", "100", ".0047"},
      {kRelated, ".955", "5", ".52", ".37", "+1.776", "t", "2", ".2177"},
      {kRelated, ".20", "103", ".50", ".30", "-2.890", "t", "100", ".0047"},
      {kRelated, ".5", "50", ".5", ".3", "+0.000", "t", "47", ".9999"},
  };
  for (const Example& e : examples) {
    Press(W().ClearBtn2());
    Choose(e.design);
    Type(W().r2Fld1(), e.r1);
    Type(W().n12fld(), e.n1);
    Type(W().r2Fld2(), e.r2);
    Type(W().n22fld(), e.n2);
    W().CalcBtn2().SetFocus();
    Calculate();
    EXPECT_TRUE(messages.empty()) << LastMessage();
    EXPECT_EQ(beeps, 0);
    const ShownResult shown = Result();
    EXPECT_EQ(shown.statistic, e.statistic) << e.r1 << " " << e.r2;
    EXPECT_EQ(shown.p, e.p) << e.statistic;
    EXPECT_EQ(shown.df, e.df) << e.statistic;
    EXPECT_EQ(W().ttext2().Text(), e.caption);
    EXPECT_TRUE(shown.statisticShown && shown.pShown);
    EXPECT_EQ(shown.dfShown, e.design == kRelated);
    EXPECT_EQ(W().dftext2().Visible(), e.design == kRelated);
    EXPECT_TRUE(W().ttext2().Visible() && W().dtail2().Visible());
    EXPECT_TRUE(W().tfld2().Enabled() && W().ttext2().Enabled() && W().pfld2().Enabled());
    EXPECT_FALSE(W().dtail2().Enabled()) << "the p caption keeps its disabled look";
    EXPECT_EQ(W().dtail2().Text(), "p");
    EXPECT_EQ(FocusedName(), "CalcBtn2") << "a result leaves the cursor where it was";
    EXPECT_EQ(Module1::dirty, "y");
  }
}

TEST_F(CorrelationsPanel, ChecksRunInOrderAndTheFirstFailureIsReported) {
  struct CheckCase {
    int design;
    const char *r1, *n1, *r2, *n2;
    const char* message;
    const char* cursor;
  };
  constexpr const char* kNEach = "N for each sample must range from 2-9999";
  constexpr const char* kREach = "r for each sample must range from -.9999 to +.9999";
  constexpr const char* kNFour = "N for each sample must be at least 4 for this test";
  constexpr const char* kRac = "Correlation must range from -1.00 thru +1.00";
  constexpr const char* kCannotOccur = "These three correlations cannot occur together";
  constexpr const char* kNoStatistic = "These values give no test statistic";
  const CheckCase cases[] = {
      {kIndependent, "", "", "", "", kNEach, "n12fld"},
      {kIndependent, ".5", "1", ".5", "20", kNEach, "n12fld"},
      {kIndependent, ".5", "10000", ".5", "20", kNEach, "n12fld"},
      {kIndependent, "1", "20", "2", "", kNEach, "n22fld"},
      {kIndependent, ".5", "20", ".5", "10000", kNEach, "n22fld"},
      {kIndependent, "1", "3", ".5", "3", kREach, "r2Fld1"},
      {kIndependent, ".5", "20", "-1", "20", kREach, "r2Fld2"},
      {kIndependent, ".5", "3", "1", "20", kREach, "r2Fld2"},
      {kIndependent, ".5", "3", ".5", "2", kNFour, "n12fld"},
      {kIndependent, ".5", "20", ".5", "3", kNFour, "n22fld"},
      {kIndependent, ".5", "20", ".5", "2", kNFour, "n22fld"},
      {kRelated, ".5", "", ".2", ".3", "N must range from 2-9999", "n12fld"},
      {kRelated, "5", "10000", ".2", ".3", "N must range from 2-9999", "n12fld"},
      {kRelated, "1", "20", ".2", "1.0001", kREach, "r2Fld1"},
      {kRelated, ".5", "20", "-1", "1.0001", kREach, "r2Fld2"},
      {kRelated, ".5", "3", ".2", "1.0001", kRac, "n22fld"},
      {kRelated, ".5", "20", ".2", "-1.0001", kRac, "n22fld"},
      {kRelated, ".9", "3", ".9", "-.9", "N must be at least 4 for this test", "n12fld"},
      {kRelated, ".9", "20", ".9", "-.9", kCannotOccur, "r2Fld1"},
      // rac of 1 or -1 passes its own check; with it only equal (or opposite) correlations fit.
      {kRelated, ".5", "20", ".2", "1", kCannotOccur, "r2Fld1"},
      {kRelated, ".5", "20", ".2", "-1", kCannotOccur, "r2Fld1"},
      {kRelated, ".5", "20", ".5", "1", kNoStatistic, "r2Fld1"},
      {kRelated, ".5", "20", "-.5", "-1", kNoStatistic, "r2Fld1"},
  };
  for (const CheckCase& c : cases) {
    Choose(c.design);
    FillAll(c.r1, c.n1, c.r2, c.n2);
    W().ClearBtn2().SetFocus();
    messages.clear();
    Calculate();
    EXPECT_EQ(messages, std::vector<std::string>{c.message})
        << c.r1 << " " << c.n1 << " " << c.r2 << " " << c.n2;
    EXPECT_EQ(FocusedName(), c.cursor) << c.message;
    EXPECT_FALSE(AnyResultShown());
  }
}

TEST_F(CorrelationsPanel, BoundsOfNAndRPass) {
  struct Passing {
    int design;
    const char *r1, *n1, *r2, *n2;
  };
  for (const Passing& c : {Passing{kIndependent, ".9999", "4", "-.9999", "9999"},
                           Passing{kIndependent, "-.9999", "9999", ".9999", "4"},
                           Passing{kIndependent, ".5", "4.9", ".5", "4"},
                           Passing{kRelated, ".9999", "4", ".9998", ".9999"},
                           Passing{kRelated, "-.9999", "9999", "-.9998", ".9999"}}) {
    Choose(c.design);
    FillAll(c.r1, c.n1, c.r2, c.n2);
    messages.clear();
    Calculate();
    EXPECT_TRUE(messages.empty()) << LastMessage() << " for " << c.r1 << ", " << c.n1;
    EXPECT_TRUE(W().tfld2().Visible());
  }
  EXPECT_EQ(W().dffld2().Text(), "9996");
}

TEST_F(CorrelationsPanel, CorrelationsThatFitExactlyGiveAResult) {
  // b = .6a + .8c with a and c uncorrelated: the determinant is 0, which rounds below zero.
  Choose(kRelated);
  FillAll(".6", "50", ".8", "0");
  Calculate();
  EXPECT_TRUE(messages.empty()) << LastMessage();
  EXPECT_EQ(W().tfld2().Text(), "-2.000");
  EXPECT_EQ(W().dffld2().Text(), "47");
  EXPECT_TRUE(PAgrees(W().pfld2().Text(), ExactTwoTailedT(2.0, 47)));
}

TEST_F(CorrelationsPanel, DesignsRelabelTheFieldsAndSetTheirTooltips) {
  const std::map<std::string, std::string> independentTips = Tooltips();
  EXPECT_FALSE(independentTips.contains("r2Fld1") || independentTips.contains("r2Fld2") ||
               independentTips.contains("n22fld"));
  EXPECT_EQ(W().ttext2().Text(), "z");
  EXPECT_EQ(W().n2text2().Text(), "N");
  EXPECT_EQ(W().n22fld().LimitText(), 4);
  EXPECT_FALSE(W().SepLine5().Visible() || W().SepLine6().Visible());

  W().RBtn2().SetValue(true);
  EXPECT_EQ(Module1::btn, 2);
  EXPECT_FALSE(W().IBtn2().Value());
  EXPECT_EQ(W().ttext2().Text(), "t");
  EXPECT_EQ(W().n2text2().Text(), "r");
  EXPECT_EQ(W().n22fld().LimitText(), 6);
  EXPECT_TRUE(W().SepLine5().Visible() && W().SepLine6().Visible());
  EXPECT_TRUE(W().n22fld().Visible());
  std::map<std::string, std::string> relatedTips = independentTips;
  relatedTips["r2Fld1"] = "r of Variable a and Variable b";
  relatedTips["r2Fld2"] = "r of Variable b and Variable c";
  relatedTips["n22fld"] = "r of Variable a and Variable c";
  EXPECT_EQ(Tooltips(), relatedTips) << "only the three inputs of this panel get a tooltip";

  // Hovering over the third correlation shows its tooltip.
  W().Show();
  QWidget* rac = W().n22fld().Widget();
  QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), rac->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(rac, &hover);
  EXPECT_EQ(QToolTip::text(), "r of Variable a and Variable c");
  QToolTip::hideText();

  W().IBtn2().SetValue(true);
  EXPECT_EQ(Tooltips(), independentTips);
  EXPECT_EQ(W().ttext2().Text(), "z");
  EXPECT_EQ(W().n2text2().Text(), "N");
  EXPECT_EQ(W().n22fld().LimitText(), 4);
  EXPECT_FALSE(W().SepLine5().Visible() || W().SepLine6().Visible());

  W().RBtn2().SetValue(true);
  Press(W().ClearBtn2());
  EXPECT_EQ(Tooltips(), independentTips);
}

TEST_F(CorrelationsPanel, ADesignSwitchHidesTheResultAndKeepsTheInputs) {
  FillAll(".68", "38", ".36", "73");
  Calculate();
  ASSERT_EQ(Module1::dirty, "y");
  W().RBtn2().SetValue(true);
  EXPECT_FALSE(AnyResultShown());
  EXPECT_EQ(W().tfld2().Text(), "");
  EXPECT_EQ(W().pfld2().Text(), "");
  EXPECT_EQ(Module1::dirty, "y");
  EXPECT_EQ(W().n22fld().Text(), "73");
  Calculate();
  EXPECT_EQ(LastMessage(), "Correlation must range from -1.00 thru +1.00")
      << "an N left in the third field is read as a correlation";
  EXPECT_EQ(FocusedName(), "n22fld");
}

TEST_F(CorrelationsPanel, AfterARelatedResultIndependentShowsNoDf) {
  Choose(kRelated);
  FillAll(".50", "103", ".20", ".30");
  Calculate();
  ASSERT_EQ(W().dffld2().Text(), "100");
  W().IBtn2().SetValue(true);
  Calculate();
  EXPECT_EQ(LastMessage(), "N for each sample must range from 2-9999")
      << "a correlation left in the second N field reads as N2 = 0";
  EXPECT_EQ(FocusedName(), "n22fld");
  W().n22fld().SetText("103");
  messages.clear();
  Calculate();
  EXPECT_TRUE(messages.empty()) << LastMessage();
  EXPECT_TRUE(W().tfld2().Visible() && W().pfld2().Visible());
  EXPECT_FALSE(W().dffld2().Visible() || W().dftext2().Visible());
  EXPECT_EQ(W().dffld2().Text(), "");
}

TEST_F(CorrelationsPanel, TheTabKeyVisitsTheNFieldFirstAndTheFirstRLast) {
  // The result fields as a Related result leaves them, so that a stop among them would be seen.
  for (fw::TextField* result : {&W().tfld2(), &W().dffld2(), &W().pfld2()}) {
    result->SetEnabled(true);
    result->SetVisible(true);
  }
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  W().n12fld().SetFocus();
  std::vector<std::string> visited;
  for (int key = 0; key < 5; ++key) {
    QTest::keyClick(W().Widget()->focusWidget(), Qt::Key_Tab);
    visited.push_back(FocusedName());
  }
  EXPECT_EQ(visited,
            (std::vector<std::string>{"r2Fld2", "n22fld", "CalcBtn2", "ClearBtn2", "r2Fld1"}));
}

TEST_F(CorrelationsPanel, ShownPAgreesWithTheExactPForRandomInputs) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> r(-9999, 9999), n(4, 9999), rac(-10000, 10000);
  // Four decimals, as typed: "-.1234", ".0567".
  auto text = [](int tenThousandths) {
    const std::string digits = IntText(10000 + std::abs(tenThousandths));
    const std::string sign = tenThousandths < 0 ? "-" : "";
    return digits[0] == '2' ? sign + "1" : sign + "." + digits.substr(1);
  };
  for (int i = 0; i < 80; ++i) {
    const int design = i % 2 ? kRelated : kIndependent;
    const int a = r(random), b = r(random), size = n(random);
    const double ra = a / 1e4, rb = b / 1e4;
    // The third value: N2, or a rac that fits with the other two.
    int c = 0;
    double rc = 0;
    do {
      c = design == kRelated ? rac(random) : n(random);
      rc = c / 1e4;
    } while (design == kRelated && 1 - ra * ra - rb * rb - rc * rc + 2 * ra * rb * rc <= 1e-9);
    Choose(design);
    FillAll(text(a), IntText(size), text(b), design == kRelated ? text(c) : IntText(c));
    Calculate();
    ASSERT_TRUE(messages.empty()) << LastMessage();
    const double exact = design == kIndependent
                             ? ExactTwoTailedZ((std::atanh(ra) - std::atanh(rb)) /
                                      std::sqrt(1.0 / (size - 3) + 1.0 / (c - 3)))
                             : ExactTwoTailedT(RelatedT(ra, rb, size, rc), size - 3);
    EXPECT_TRUE(PAgrees(W().pfld2().Text(), exact))
        << W().pfld2().Text() << " against " << exact << " for " << text(a) << " " << text(b) << " "
        << c << " N " << size;
  }
}

}  // namespace
