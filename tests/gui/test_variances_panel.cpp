// The Variances panel: both designs, their checks in order, the guards, design switches, and the
// shown p against the exact p of F and of Student's t.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "app/module1.h"
#include "panels/panel_patterns.h"
#include "support/number_text.h"
#include "support/panel_fixture.h"
#include "support/user_actions.h"

namespace {

constexpr int kIndependent = 1;
constexpr int kRelated = 2;

class VariancesPanel : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    EnterTab(1);
  }
  void Choose(int design) { (design == kIndependent ? W().IBtn1() : W().RBtn1()).SetValue(true); }
  // The fourth value is N2 in the Independent design and r in the Related one.
  void FillAll(const std::string& v1, const std::string& v2, const std::string& n1,
               const std::string& n2OrR) {
    Fill({{&W().var1Fld(), v1}, {&W().var2Fld(), v2}, {&W().n1fld1(), n1}, {&W().n2fld1(), n2OrR}});
  }
  ShownResult Result() { return Shown(W().tfld1(), W().dffld1(), W().pfld1()); }
  void Calculate() { Press(W().CalcBtn1()); }
  bool AnyResultShown() { return Results(1).AnyShown(); }
};

TEST_F(VariancesPanel, WorkedExamplesTypedIntoTheFields) {
  struct Example {
    int design;
    const char *v1, *v2, *n1, *n2OrR;
    const char *statistic, *df, *p;
  };
  const Example examples[] = {
      {kIndependent, "126.81", "35.27", "41", "31", "+3.595", "40,30", ".0005"},
      {kIndependent, "35.27", "126.81", "31", "41", "+3.595", "40,30", ".0005"},
      {kIndependent, "50", "50", "101", "2", "+1.000", "1,100", ".6394"},
      {kIndependent, "50", "50", "2", "101", "+1.000", "100,1", ".6394"},
      {kIndependent, "50", "50", "20", "20", "+1.000", "19,19", ".9999"},
      {kRelated, "65.27", "243.61", "36", ".64", "+5.366", "34", ".0001"},
      {kRelated, "243.61", "65.27", "36", "-.64", "+5.366", "34", ".0001"},
      {kRelated, "10", "20", "12", "0", "+1.118", "10", ".2897"},
      {kRelated, "50", "50", "20", ".5", "+0.000", "18", ".9999"},
      {kRelated, "65.27", "243.61", "3", ".64", "+0.920", "1", ".5264"},
  };
  for (const Example& e : examples) {
    Press(W().ClearBtn1());
    Choose(e.design);
    Type(W().var1Fld(), e.v1);
    Type(W().n1fld1(), e.n1);
    Type(W().var2Fld(), e.v2);
    Type(W().n2fld1(), e.n2OrR);
    Calculate();
    EXPECT_EQ(beeps, 0) << "every key typed is one the fields take";
    EXPECT_TRUE(messages.empty()) << LastMessage();
    const ShownResult shown = Result();
    EXPECT_EQ(shown.statistic, e.statistic) << e.v1 << " " << e.v2;
    EXPECT_EQ(shown.df, e.df);
    EXPECT_EQ(shown.p, e.p) << e.v1 << " " << e.v2 << " " << e.n1 << " " << e.n2OrR;
    EXPECT_TRUE(shown.statisticShown && shown.dfShown && shown.pShown);
    EXPECT_EQ(W().ttext1().Text(), e.design == kIndependent ? "F" : "t");
    EXPECT_EQ(W().dtail1().Text(), e.design == kIndependent ? "p x 2" : "p");
    EXPECT_TRUE(W().ttext1().Visible() && W().dftext1().Visible() && W().dtail1().Visible());
    EXPECT_TRUE(W().tfld1().Enabled() && W().ttext1().Enabled() && W().dffld1().Enabled() &&
                W().dftext1().Enabled() && W().pfld1().Enabled());
    EXPECT_FALSE(W().dtail1().Enabled()) << "the p caption keeps its disabled look";
    EXPECT_EQ(Module1::dirty, "y");
  }
}

struct CheckCase {
  int design;
  const char *v1, *v2, *n1, *n2OrR;
  const char* message;
  const char* cursor;
};

TEST_F(VariancesPanel, ChecksRunInOrderAndTheFirstFailureIsReported) {
  constexpr const char* kNEach = "N for each sample must range from 2-9999";
  constexpr const char* kNegative = "Variance must not be negative";
  constexpr const char* kCorrelation = "Correlation must range from -1.00 thru +1.00";
  constexpr const char* kNThree = "N must be at least 3 for this test";
  const CheckCase cases[] = {
      {kIndependent, "", "", "", "", "Please enter the variance of the 1st sample", "var1Fld"},
      {kIndependent, "", "2", "5", "5", "Please enter the variance of the 1st sample", "var1Fld"},
      {kIndependent, "1", "", "", "", "Please enter the variance of the 2nd sample", "var2Fld"},
      {kIndependent, "1", "2", "", "", "Please enter the N of the 1st sample", "n1fld1"},
      {kIndependent, "1", "2", "5", "", "Please enter the N of the 2nd sample", "n2fld1"},
      {kIndependent, "1", "2", "1", "0", kNEach, "n1fld1"},
      {kIndependent, "1", "2", "10000", "5", kNEach, "n1fld1"},
      {kIndependent, "1", "2", " ", "5", kNEach, "n1fld1"},
      {kIndependent, "1", "2", "5", "1", kNEach, "n2fld1"},
      {kIndependent, "1", "2", "5", "1e30", kNEach, "n2fld1"},
      {kIndependent, "-1", "-2", "5", "1", kNEach, "n2fld1"},
      {kIndependent, "-1", "-2", "5", "5", kNegative, "var1Fld"},
      {kIndependent, "1", "-2", "5", "5", kNegative, "var2Fld"},
      {kRelated, "", "", "", "", "Please enter the variance of the 1st sample", "var1Fld"},
      {kRelated, "1", "", "5", ".5", "Please enter the variance of the 2nd sample", "var2Fld"},
      {kRelated, "1", "2", "", "", "Please enter the sample size", "n1fld1"},
      {kRelated, "1", "2", "5", "", "Please enter the correlation between the two samples",
       "n2fld1"},
      {kRelated, "1", "2", "1", "1.0001", "N must range from 2-9999", "n1fld1"},
      {kRelated, "1", "2", "10000", ".5", "N must range from 2-9999", "n1fld1"},
      // N - 2 degrees of freedom: N 2 passes the range but has none, and is refused before r.
      {kRelated, "1", "1000", "2", ".5", kNThree, "n1fld1"},
      {kRelated, "1", "2", "2.9", "5", kNThree, "n1fld1"},
      {kRelated, "10", "20", "2", "1", kNThree, "n1fld1"},
      {kRelated, "1", "2", "5", "1.0001", kCorrelation, "n2fld1"},
      {kRelated, "-1", "2", "5", "-1.01", kCorrelation, "n2fld1"},
      {kRelated, "-1", "-2", "5", ".5", kNegative, "var1Fld"},
      {kRelated, "1", "-2", "5", ".5", kNegative, "var2Fld"},
      // A negative zero is negative too: as a divisor it would give an infinity of its sign.
      {kIndependent, "-0", "5", "10", "12", kNegative, "var1Fld"},
      {kIndependent, "5", "-.0", "10", "12", kNegative, "var2Fld"},
      {kIndependent, "-1e-400", "5", "10", "12", kNegative, "var1Fld"},
      {kRelated, "-0.000", "5", "10", ".5", kNegative, "var1Fld"},
      {kRelated, "5", "-1e-400", "10", ".5", kNegative, "var2Fld"},
  };
  for (const CheckCase& c : cases) {
    Choose(c.design);
    FillAll(c.v1, c.v2, c.n1, c.n2OrR);
    W().ClearBtn1().SetFocus();
    messages.clear();
    Calculate();
    EXPECT_EQ(messages, std::vector<std::string>{c.message})
        << c.design << ": " << c.v1 << " " << c.v2 << " " << c.n1 << " " << c.n2OrR;
    EXPECT_EQ(FocusedName(), c.cursor) << c.message;
    EXPECT_FALSE(AnyResultShown());
  }
}

TEST_F(VariancesPanel, BoundsOfNAndRPass) {
  struct Passing {
    int design;
    const char *n1, *n2OrR, *df;
  };
  for (const Passing& c :
       {Passing{kIndependent, "2", "9999", "9998,1"}, Passing{kIndependent, "9999", "2", "1,9998"},
        Passing{kIndependent, "2.9", "3.9", "2,1"}, Passing{kRelated, "3", ".5", "1"},
        Passing{kRelated, "9999", "1", "9997"}, Passing{kRelated, "9999", "-1", "9997"}}) {
    Choose(c.design);
    FillAll("3", "7", c.n1, c.n2OrR);
    messages.clear();
    Calculate();
    EXPECT_TRUE(messages.empty()) << LastMessage() << " for " << c.n1 << ", " << c.n2OrR;
    EXPECT_EQ(W().dffld1().Text(), c.df) << c.n1 << ", " << c.n2OrR;
  }
}

TEST_F(VariancesPanel, ValuesThatGiveNoStatisticAreRefused) {
  struct Case {
    int design;
    const char *v1, *v2, *n1, *n2OrR;
  };
  for (const Case& c :
       {Case{kIndependent, "0", "0", "10", "12"}, Case{kRelated, "0", "0", "10", ".5"},
        Case{kRelated, "50", "50", "10", "1"}, Case{kRelated, "50", "50", "10", "-1"}}) {
    Choose(c.design);
    FillAll(c.v1, c.v2, c.n1, c.n2OrR);
    W().ClearBtn1().SetFocus();
    messages.clear();
    Calculate();
    EXPECT_EQ(messages, std::vector<std::string>{"These values give no test statistic"})
        << c.v1 << " " << c.v2 << " " << c.n1 << " " << c.n2OrR;
    EXPECT_EQ(FocusedName(), "var1Fld");
    EXPECT_FALSE(AnyResultShown());
  }
}

// Whatever gives it, a p that is not a number is refused as a statistic that is not one is.
TEST_F(VariancesPanel, APThatIsNotANumberNeverReachesTheResultFields) {
  W().ClearBtn1().SetFocus();
  EXPECT_TRUE(panels::NoStatistic({HUGE_VAL, NAN, 9, 11}, W().var1Fld()));
  EXPECT_EQ(messages, std::vector<std::string>{"These values give no test statistic"});
  EXPECT_EQ(FocusedName(), "var1Fld");
  EXPECT_FALSE(panels::NoStatistic({HUGE_VAL, 0, 9, 11}, W().var1Fld()));
}

TEST_F(VariancesPanel, AZeroDenominatorShowsAnInfiniteStatistic) {
  struct Case {
    int design;
    const char *v1, *v2, *n1, *n2OrR, *df;
  };
  for (const Case& c :
       {Case{kIndependent, "5", "0", "10", "12", "9,11"},
        Case{kIndependent, "0", "5", "10", "12", "11,9"},
        Case{kRelated, "0", "5", "12", ".5", "10"}, Case{kRelated, "10", "20", "12", "1", "10"},
        Case{kRelated, "20", "10", "12", "-1", "10"}}) {
    Choose(c.design);
    FillAll(c.v1, c.v2, c.n1, c.n2OrR);
    messages.clear();
    Calculate();
    EXPECT_TRUE(messages.empty()) << LastMessage();
    EXPECT_EQ(Result().statistic, "+INF") << c.v1 << " " << c.v2 << " " << c.n2OrR;
    EXPECT_EQ(Result().df, c.df);
    EXPECT_EQ(Result().p, ".0001");
  }
}

// A large variance over a tiny one gives an F too long for its field even in its smallest font,
// in any font: it shows in exponent form with its sign and as many digits as fit, rounded on the
// digits of its fixed form, up into the next power of ten where nine digits or fewer fit.
TEST_F(VariancesPanel, ALongFShowsInExponentFormWithItsSign) {
  Type(W().var1Fld(), "999999999");
  Type(W().var2Fld(), ".000001");
  Type(W().n1fld1(), "10");
  Type(W().n2fld1(), "12");
  Calculate();
  ASSERT_TRUE(messages.empty()) << LastMessage();
  const double f = 999999999 / 0.000001;
  const std::string fixed = SignedThreeDecimals(f);
  ASSERT_EQ(fixed, "+999999999000000.000");
  EXPECT_EQ(W().tfld1().HelpTag(), fixed);
  const std::string text = W().tfld1().Text();
  const std::string mantissa = text.substr(0, text.find('E'));
  const int digits = static_cast<int>(std::count_if(mantissa.begin(), mantissa.end(), ::isdigit));
  EXPECT_EQ(text, SignedExponentText(ReadNumber(fixed), digits));
  ExpectAsManyDigitsAsFit(W().tfld1(), fixed, digits);
  EXPECT_EQ(W().dffld1().Text(), "9,11");
  EXPECT_EQ(W().pfld1().Text(), ExpectedPText(ExactTwoSidedF(f, 9, 11)));
  EXPECT_TRUE(Placement(W().tfld1()).Whole());
}

// With N 2 the related test would have 0 degrees of freedom and show t 0 and p .9999 whatever
// the variances; N 3, the smallest with one, gives Student's t with 1 df.
TEST_F(VariancesPanel, TheRelatedTestRefusesTwoPairsAndTakesThree) {
  Choose(kRelated);
  Type(W().var1Fld(), "1");
  Type(W().var2Fld(), "1000");
  Type(W().n1fld1(), "2");
  Type(W().n2fld1(), ".5");
  W().CalcBtn1().SetFocus();
  Calculate();
  EXPECT_EQ(messages, std::vector<std::string>{"N must be at least 3 for this test"});
  EXPECT_EQ(FocusedName(), "n1fld1");
  EXPECT_FALSE(AnyResultShown());

  QTest::keyClick(W().n1fld1().Widget(), Qt::Key_Backspace);
  Type(W().n1fld1(), "3");
  ASSERT_EQ(W().n1fld1().Text(), "3");
  messages.clear();
  Calculate();
  ASSERT_TRUE(messages.empty()) << LastMessage();
  const double t = 999 / std::sqrt(4 * 1000 * (1 - 0.5 * 0.5));
  EXPECT_EQ(Result().statistic, SignedThreeDecimals(t));
  EXPECT_EQ(Result().df, "1");
  EXPECT_TRUE(PAgrees(Result().p, ExactTwoTailedT(t, 1))) << Result().p;
}

TEST_F(VariancesPanel, AValueLeftInTheSecondFieldIsReadUnderTheNewDesign) {
  Choose(kRelated);
  FillAll("65.27", "243.61", "36", ".64");
  Choose(kIndependent);
  EXPECT_EQ(W().n2fld1().Text(), ".64");
  Calculate();
  EXPECT_EQ(LastMessage(), "N for each sample must range from 2-9999");
  EXPECT_EQ(FocusedName(), "n2fld1");
  W().n2fld1().SetText("31");
  Choose(kRelated);
  EXPECT_EQ(W().n2fld1().Text(), "31");
  Calculate();
  EXPECT_EQ(LastMessage(), "Correlation must range from -1.00 thru +1.00");
  EXPECT_EQ(FocusedName(), "n2fld1");
}

TEST_F(VariancesPanel, DesignsRelabelAndHideTheResultButKeepDirtyAndInputs) {
  FillAll("126.81", "35.27", "41", "31");
  Calculate();
  ASSERT_EQ(Module1::dirty, "y");
  Choose(kRelated);
  EXPECT_EQ(Module1::btn, 2);
  EXPECT_FALSE(W().IBtn1().Value());
  EXPECT_EQ(W().ttext1().Text(), "t");
  EXPECT_EQ(W().rtext2().Text(), "r");
  EXPECT_TRUE(W().SepLine3().Visible() && W().SepLine4().Visible());
  EXPECT_FALSE(AnyResultShown());
  EXPECT_EQ(Result().statistic + Result().df + Result().p, "");
  EXPECT_EQ(W().dtail1().Text(), "p x 2") << "only a result recaptions p";
  EXPECT_EQ(Module1::dirty, "y");
  EXPECT_EQ(W().var1Fld().Text() + W().var2Fld().Text() + W().n1fld1().Text(), "126.8135.2741");
  W().n2fld1().SetText("");
  Type(W().n2fld1(), "-.12345");
  EXPECT_EQ(W().n2fld1().Text(), "-.1234") << "a correlation takes six characters";

  Choose(kIndependent);
  EXPECT_EQ(Module1::btn, 1);
  EXPECT_EQ(W().ttext1().Text(), "F");
  EXPECT_EQ(W().rtext2().Text(), "N");
  EXPECT_FALSE(W().SepLine3().Visible() || W().SepLine4().Visible());
  EXPECT_TRUE(W().n2fld1().Visible());
  W().n2fld1().SetText("");
  Type(W().n2fld1(), "12345");
  EXPECT_EQ(W().n2fld1().Text(), "1234");
}

TEST_F(VariancesPanel, TheTabKeyVisitsTheInputsColumnByColumn) {
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  W().var1Fld().SetFocus();
  for (const char* next : {"n1fld1", "var2Fld", "n2fld1"}) {
    QTest::keyClick(W().FocusedControl()->Widget(), Qt::Key_Tab);
    EXPECT_EQ(FocusedName(), next);
  }
  Type(W().var1Fld(), "1234567890");
  EXPECT_EQ(W().var1Fld().Text(), "123456789");
}

TEST_F(VariancesPanel, ShownPAgreesWithTheExactPForRandomInputs) {
  std::mt19937 random(20261211);
  std::uniform_real_distribution<double> variance(0.5, 500), ratio(0.6, 1.6), r(-0.95, 0.95),
      logN(std::log(3.0), std::log(9999.0));
  auto n = [&] { return static_cast<int>(std::exp(logN(random))); };
  auto text = [](double v) { return FixedText(v, 6).substr(0, 8); };
  for (int i = 0; i < 80; ++i) {
    const int design = i % 2 == 0 ? kIndependent : kRelated;
    // As the fields hold them, so that the reference sees the same numbers.
    const std::string v1Text = text(variance(random));
    const std::string v2Text = text(ReadNumber(v1Text) * ratio(random));
    const double v1 = ReadNumber(v1Text), v2 = ReadNumber(v2Text);
    const int n1 = n(), n2 = n();
    const std::string rText = text(r(random)).substr(0, 6);
    Choose(design);
    FillAll(v1Text, v2Text, IntText(n1), design == kIndependent ? IntText(n2) : rText);
    Calculate();
    ASSERT_TRUE(messages.empty()) << LastMessage();
    double exact = 0;
    if (design == kIndependent) {
      exact = v1 > v2 ? ExactTwoSidedF(v1 / v2, n1 - 1, n2 - 1)
                      : ExactTwoSidedF(v2 / v1, n2 - 1, n1 - 1);
      EXPECT_EQ(W().dtail1().Text(), "p x 2");
    } else {
      const double rho = ReadNumber(rText);
      const double t =
          std::fabs(v1 - v2) * std::sqrt(n1 - 2.0) / std::sqrt(4 * v1 * v2 * (1 - rho * rho));
      exact = ExactTwoTailedT(t, n1 - 2);
      EXPECT_EQ(W().dtail1().Text(), "p");
    }
    EXPECT_TRUE(PAgrees(W().pfld1().Text(), exact))
        << W().pfld1().Text() << " against " << exact << " in design " << design << " for "
        << v1Text << " " << v2Text << " " << n1 << " " << (design == 1 ? IntText(n2) : rText);
  }
}

}  // namespace
