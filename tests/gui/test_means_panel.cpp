// The Means panel: the three designs, their checks in order, design switches, and the shown p
// against the exact p of Student's t.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cmath>
#include <random>

#include "app/module1.h"
#include "support/number_text.h"
#include "support/panel_fixture.h"
#include "support/user_actions.h"

namespace {

class MeansPanel : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    EnterTab(0);
  }
  // 1 Independent, 2 Related, 3 Sample/Population.
  void Choose(int design) {
    (design == 1 ? W().IBtn() : design == 2 ? W().RBtn() : W().SBtn()).SetValue(true);
  }
  ShownResult Result() { return Shown(W().tfld(), W().dffld(), W().pfld()); }
  void Calculate() { Press(W().CalcBtn()); }
  bool AnyResultShown() { return Results(0).AnyShown(); }
};

TEST_F(MeansPanel, WorkedExamplesTypedIntoTheFields) {
  struct Example {
    int design;
    const char *m1, *sd1, *n1, *m2, *sd2, *n2;
    const char *t, *df, *p;
  };
  const Example examples[] = {
      {1, "99.67", "13.872", "12", "102.0", "13.995", "14", "-0.425", "24", ".6747"},
      {2, "93.5", "8.15", "14", "97.14", "9.566", ".960", "-4.744", "13", ".0004"},
      {3, "112.2", "10.94", "10", "110.0", "", "", "+0.636", "9", ".5407"},
  };
  for (const Example& e : examples) {
    Press(W().ClearBtn());
    Choose(e.design);
    Type(W().m1fld(), e.m1);
    Type(W().sd1fld(), e.sd1);
    Type(W().n1fld(), e.n1);
    Type(W().m2fld(), e.m2);
    if (e.design != 3) {
      Type(W().sd2fld(), e.sd2);
      Type(W().n2fld(), e.n2);
    }
    Calculate();
    EXPECT_TRUE(messages.empty()) << LastMessage();
    const ShownResult shown = Result();
    EXPECT_EQ(shown.statistic, e.t);
    EXPECT_EQ(shown.df, e.df);
    EXPECT_EQ(shown.p, e.p);
    EXPECT_TRUE(shown.statisticShown && shown.dfShown && shown.pShown);
    EXPECT_TRUE(W().ttext().Visible() && W().dfText().Visible() && W().dtail().Visible());
    EXPECT_TRUE(W().tfld().Enabled() && W().ttext().Enabled() && W().dfText().Enabled());
    EXPECT_FALSE(W().dtail().Enabled()) << "the p caption keeps its disabled look";
    EXPECT_EQ(Module1::dirty, "y");
  }
}

struct CheckCase {
  int design;
  const char *m1, *sd1, *n1, *m2, *sd2, *n2;
  const char* message;
  const char* cursor;
};

TEST_F(MeansPanel, ChecksRunInOrderAndTheFirstFailureIsReported) {
  constexpr const char* kNegativeSD = "Standard deviation must not be negative";
  const CheckCase cases[] = {
      {1, "", "", "", "", "", "", "Please enter the mean of the 1st sample", "m1fld"},
      {1, "1", "", "", "2", "1", "", "Please enter the standard deviation of the 1st sample",
       "sd1fld"},
      {1, "1", "1", "", "2", "", "", "Please enter the standard deviation of the 2nd sample",
       "sd2fld"},
      {1, "1", "1", "", "2", "1", "", "Please enter the N of the 1st sample", "n1fld"},
      {1, "1", "1", "5", "", "1", "5", "Please enter the mean of the 2nd sample", "m2fld"},
      {1, "1", "", "5", "", "1", "5", "Please enter the mean of the 2nd sample", "m2fld"},
      {1, "1", "1", "1", "2", "1", "5", "N for each sample must range from 2-9999", "n1fld"},
      {1, "1", "1", "5", "2", "1", "1", "N for each sample must range from 2-9999", "n2fld"},
      {1, "1", "1", "10000", "2", "1", "5", "N for each sample must range from 2-9999", "n1fld"},
      {1, "1", "1", " ", "2", "1", "5", "N for each sample must range from 2-9999", "n1fld"},
      {2, "1", "", "5", "", "1", ".5", "Please enter the mean of the 2nd sample", "m2fld"},
      {2, "1", "1", "5", "2", "", ".5", "Please enter the standard deviation of the 2nd sample",
       "sd2fld"},
      {2, "1", "1", "", "2", "1", "", "Please enter the N of the related sample", "n1fld"},
      {2, "1", "1", "5", "2", "1", "", "Please enter the correlation between Sample 1 and Sample 2",
       "n2fld"},
      {2, "1", "1", "1", "2", "1", "1.01", "N of paired samples must range from 2-9999", "n1fld"},
      {2, "1", "1", "5", "2", "1", "1.01", "Correlation must range from -1.00 thru +1.00", "n2fld"},
      {2, "1", "1", "5", "2", "1", "-1.01", "Correlation must range from -1.00 thru +1.00",
       "n2fld"},
      {3, "", "", "", "", "", "", "Please enter the mean of the sample", "m1fld"},
      {3, "1", "", "", "", "", "", "Please enter the mean of the population", "m2fld"},
      {3, "1", "", "", "2", "", "", "Please enter the standard deviation of the sample", "sd1fld"},
      {3, "1", "1", "", "2", "", "", "Please enter the N of the sample", "n1fld"},
      {3, "1", "1", "1", "2", "", "", "N of the sample must range from 2-9999", "n1fld"},
      {3, "1", "1", "0", "2", "", "", "N of the sample must range from 2-9999", "n1fld"},
      {3, "1", "1", "1e30", "2", "", "", "N of the sample must range from 2-9999", "n1fld"},
      // A negative SD, which only a paste brings, after the design's other checks; a negative
      // zero is negative too.
      {1, "1", "-1", "1", "2", "1", "5", "N for each sample must range from 2-9999", "n1fld"},
      {1, "1", "-1", "5", "2", "-1", "5", kNegativeSD, "sd1fld"},
      {1, "1", "1", "5", "2", "-0", "5", kNegativeSD, "sd2fld"},
      {2, "1", "-1", "5", "2", "1", "1.01", "Correlation must range from -1.00 thru +1.00",
       "n2fld"},
      {2, "93.5", "-8.15", "14", "97.14", "9.566", ".960", kNegativeSD, "sd1fld"},
      {2, "93.5", "8.15", "14", "97.14", "-.0", ".960", kNegativeSD, "sd2fld"},
      {3, "1", "-1", "1", "2", "", "", "N of the sample must range from 2-9999", "n1fld"},
      {3, "112.2", "-10.94", "10", "110.0", "", "", kNegativeSD, "sd1fld"},
      {3, "112.2", "-1e-400", "10", "110.0", "", "", kNegativeSD, "sd1fld"},
      {3, "112.2", "-0.000", "10", "110.0", "-1", "", kNegativeSD, "sd1fld"},
  };
  for (const CheckCase& c : cases) {
    Choose(c.design);
    FillMeans(c.m1, c.sd1, c.n1, c.m2, c.sd2, c.n2);
    W().ClearBtn().SetFocus();
    messages.clear();
    Calculate();
    EXPECT_EQ(messages, std::vector<std::string>{c.message}) << c.design << " " << c.n1;
    EXPECT_EQ(FocusedName(), c.cursor) << c.message;
    EXPECT_FALSE(W().tfld().Visible());
  }
}

TEST_F(MeansPanel, BoundsOfNAndRPass) {
  struct Passing {
    int design;
    const char *n1, *n2;
  };
  for (const Passing& c :
       {Passing{1, "2", "9999"}, Passing{1, "9999", "2"}, Passing{1, "2.9", "3"},
        Passing{2, "5", "1"}, Passing{2, "5", "-1"}, Passing{3, "2", ""}, Passing{3, "9999", ""}}) {
    Choose(c.design);
    FillMeans("10", "2", c.n1, "11", "3", c.n2);
    messages.clear();
    Calculate();
    EXPECT_TRUE(messages.empty()) << LastMessage() << " for " << c.n1 << ", " << c.n2;
    EXPECT_TRUE(W().tfld().Visible());
  }
  EXPECT_EQ(W().dffld().Text(), "9998");
}

TEST_F(MeansPanel, AValueLeftInTheSecondNFieldIsReadUnderTheNewDesign) {
  W().RBtn().SetValue(true);
  FillMeans("93.5", "8.15", "14", "97.14", "9.566", ".960");
  W().IBtn().SetValue(true);
  EXPECT_EQ(W().n2fld().Text(), ".960");
  Calculate();
  EXPECT_EQ(LastMessage(), "N for each sample must range from 2-9999");
  EXPECT_EQ(FocusedName(), "n2fld");
  W().n2fld().SetText("31");
  W().RBtn().SetValue(true);
  Calculate();
  EXPECT_EQ(LastMessage(), "Correlation must range from -1.00 thru +1.00");
}

TEST_F(MeansPanel, DesignsRelabelAndShowTheirFields) {
  W().RBtn().SetValue(true);
  EXPECT_EQ(Module1::btn, 2);
  EXPECT_EQ(W().n2text().Text(), "r");
  EXPECT_EQ(W().n2fld().LimitText(), 6);
  EXPECT_TRUE(W().SepLine2().Visible());
  EXPECT_FALSE(W().SepLine1().Visible());
  W().SBtn().SetValue(true);
  EXPECT_EQ(Module1::btn, 3);
  EXPECT_FALSE(W().RBtn().Value());
  EXPECT_EQ(W().GroupBox1().Caption(), "Sample");
  EXPECT_EQ(W().GroupBox2().Caption(), "Population");
  EXPECT_FALSE(W().sd2fld().Visible() || W().StaticText6().Visible() || W().n2fld().Visible() ||
               W().n2text().Visible() || W().SepLine2().Visible());
  EXPECT_EQ(W().n2fld().LimitText(), 4);
}

// A click on a design button captions both groups with that design's names, whatever design
// came before.
TEST_F(MeansPanel, AClickOnADesignCaptionsBothGroups) {
  W().Show();
  struct Step {
    fw::RadioButton& button;
    const char *first, *second;
  };
  const Step steps[] = {{W().SBtn(), "Sample", "Population"},
                        {W().RBtn(), "Sample 1", "Sample 2"},
                        {W().SBtn(), "Sample", "Population"},
                        {W().IBtn(), "Sample 1", "Sample 2"},
                        {W().RBtn(), "Sample 1", "Sample 2"}};
  for (const Step& step : steps) {
    SCOPED_TRACE("after a click on " + step.button.Name());
    Click(step.button);
    ASSERT_TRUE(step.button.Value());
    EXPECT_EQ(W().GroupBox1().Caption(), step.first);
    EXPECT_EQ(W().GroupBox2().Caption(), step.second);
  }
}

TEST_F(MeansPanel, SampleAgainstPopulationReadsNeitherHiddenField) {
  W().SBtn().SetValue(true);
  FillMeans("112.2", "10.94", "10", "110.0", "-1", "");
  Calculate();
  EXPECT_TRUE(messages.empty()) << LastMessage();
  EXPECT_EQ(W().tfld().Text(), "+0.636");
}

TEST_F(MeansPanel, ADesignSwitchHidesTheResultAndKeepsDirty) {
  FillMeans("99.67", "13.872", "12", "102.0", "13.995", "14");
  Calculate();
  ASSERT_EQ(Module1::dirty, "y");
  W().RBtn().SetValue(true);
  EXPECT_FALSE(AnyResultShown());
  EXPECT_EQ(W().tfld().Text(), "");
  EXPECT_EQ(Module1::dirty, "y");
}

TEST_F(MeansPanel, ValuesThatGiveNoStatisticAreRefused) {
  struct Case {
    int design;
    const char *m1, *sd1, *n1, *m2, *sd2, *n2;
  };
  for (const Case& c :
       {Case{1, "5", "0", "10", "5", "0", "10"}, Case{2, "5", "3", "10", "5", "3", "1"},
        Case{3, "5", "0", "10", "5", "", ""}}) {
    Choose(c.design);
    FillMeans(c.m1, c.sd1, c.n1, c.m2, c.sd2, c.n2);
    W().ClearBtn().SetFocus();
    messages.clear();
    Calculate();
    EXPECT_EQ(messages, std::vector<std::string>{"These values give no test statistic"});
    EXPECT_EQ(FocusedName(), "m1fld");
    EXPECT_FALSE(W().tfld().Visible());
  }
}

TEST_F(MeansPanel, ZeroSpreadWithDifferentMeansShowsAnInfiniteT) {
  FillMeans("6", "0", "10", "5", "0", "10");
  Calculate();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(W().tfld().Text(), "+INF");
  EXPECT_EQ(W().pfld().Text(), ".0001");
}

// Large means with small spreads give a t too long for its field at the field's own font.
TEST_F(MeansPanel, ALongTShowsWithItsSignAndLeadingDigits) {
  FillMeans("1745", "1", "9999", "0", "1", "9999");
  Calculate();
  ASSERT_TRUE(messages.empty()) << LastMessage();
  const double df = 9999 + 9999 - 2;
  const double t = 1745 / std::sqrt((9998 * 1.0 + 9998 * 1.0) / df * (2.0 / 9999));
  EXPECT_EQ(W().tfld().Text(), SignedThreeDecimals(t));
  EXPECT_EQ(W().tfld().Text(), "+123383.964");
  EXPECT_EQ(W().pfld().Text(), ExpectedPText(ExactTwoTailedT(t, df)));
  EXPECT_EQ(W().dffld().Text(), "19996");
  const TextPlacement at = Placement(W().tfld());
  EXPECT_TRUE(at.Whole()) << at.start << " to " << at.end << " in " << at.left << " to "
                          << at.right;
}

TEST_F(MeansPanel, TheTabKeyVisitsTheInputsInOrderAndFieldsKeepTheirLimits) {
  FillMeans("99.67", "13.872", "12", "102.0", "13.995", "14");
  Calculate();  // the result fields are on show and enabled, and still no Tab stop
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  W().m1fld().SetFocus();
  // Then every design button by its TabIndex (8, 9 and 28), the push buttons among them.
  for (const char* next : {"sd1fld", "n1fld", "m2fld", "sd2fld", "n2fld", "IBtn", "RBtn", "CalcBtn",
                           "ClearBtn", "SBtn"}) {
    QTest::keyClick(W().FocusedControl()->Widget(), Qt::Key_Tab);
    EXPECT_EQ(FocusedName(), next);
  }
  Press(W().ClearBtn());
  Type(W().m1fld(), "1234567890");
  EXPECT_EQ(W().m1fld().Text(), "123456789");
  Type(W().n1fld(), "12345");
  EXPECT_EQ(W().n1fld().Text(), "1234");
  W().RBtn().SetValue(true);
  Type(W().n2fld(), ".123456");
  EXPECT_EQ(W().n2fld().Text(), ".12345");
}

TEST_F(MeansPanel, ShownPAgreesWithTheExactPForRandomInputs) {
  std::mt19937 random(20261210);
  std::uniform_real_distribution<double> mean(-50, 50), sd(0.5, 30), r(-0.99, 0.99);
  std::uniform_int_distribution<int> n(2, 9999);
  for (int i = 0; i < 60; ++i) {
    const int design = 1 + i % 3;
    const double m1 = mean(random), m2 = m1 + mean(random) / 20, sd1 = sd(random), sd2 = sd(random),
                 rho = r(random);
    const int n1 = n(random), n2 = n(random);
    Choose(design);
    auto text = [](double v) { return FixedText(v, 6).substr(0, 8); };
    FillMeans(text(m1).c_str(), text(sd1).c_str(), IntText(n1).c_str(), text(m2).c_str(),
            text(sd2).c_str(), design == 2 ? text(rho).c_str() : IntText(n2).c_str());
    Calculate();
    ASSERT_TRUE(messages.empty()) << LastMessage();
    // The exact reference from the values as the fields hold them.
    const double a1 = ReadNumber(text(m1)), a2 = ReadNumber(text(m2)), s1 = ReadNumber(text(sd1)),
                 s2 = ReadNumber(text(sd2)), q = ReadNumber(text(rho));
    double t = 0, df = 0;
    if (design == 1) {
      df = n1 + n2 - 2;
      t = (a1 - a2) /
          std::sqrt(((n1 - 1) * s1 * s1 + (n2 - 1) * s2 * s2) / df * (1.0 / n1 + 1.0 / n2));
    } else if (design == 2) {
      df = n1 - 1;
      t = (a1 - a2) / std::sqrt((s1 * s1 + s2 * s2 - 2 * q * s1 * s2) / n1);
    } else {
      df = n1 - 1;
      t = (a1 - a2) / (s1 / std::sqrt(static_cast<double>(n1)));
    }
    EXPECT_TRUE(PAgrees(W().pfld().Text(), ExactTwoTailedT(t, df)))
        << W().pfld().Text() << " against " << ExactTwoTailedT(t, df) << " for t " << t;
  }
}

}  // namespace
