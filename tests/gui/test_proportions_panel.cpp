// The Proportions panel: both designs, their checks in order, design switches, the tab's
// tooltips and Tab order, and the shown p against the exact p of the standard normal.

#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "app/module1.h"
#include "support/number_text.h"
#include "support/panel_fixture.h"

namespace {

constexpr int kIndependent = 1;
constexpr int kObservedExpected = 2;

class ProportionsPanel : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    EnterTab(3);
  }
  void Choose(int design) { (design == kIndependent ? W().IBtn3() : W().RBtn3()).SetValue(true); }
  void FillAll(const std::string& p1, const std::string& n1, const std::string& p2,
               const std::string& n2) {
    Fill({{&W().p1fld(), p1}, {&W().n3fld1(), n1}, {&W().p2fld(), p2}, {&W().n3fld2(), n2}});
  }
  ShownResult Result() { return Shown(W().tfld3(), W().dffld3(), W().pfld3()); }
  void Calculate() { Press(W().CalcBtn3()); }
  bool AnyResultShown() { return Results(3).AnyShown(); }
};

TEST_F(ProportionsPanel, WorkedExamplesTypedIntoTheFields) {
  struct Example {
    int design;
    const char *p1, *n1, *p2, *n2;
    const char *z, *p;
  };
  const Example examples[] = {
      {kIndependent, ".80", "20", ".40", "20", "+2.582", ".0098"},
      {kObservedExpected, ".60", "15", ".80", "", "-1.936", ".0528"},
      {kIndependent, ".40", "20", ".80", "20", "-2.582", ".0098"},
      {kIndependent, ".50", "2", ".50", "9999", "+0.000", ".9999"},
      {kIndependent, ".9999", "2", ".0001", "2", "+2.000", ".0455"},
      {kIndependent, ".9999", "9999", ".0001", "9999", "+141.386", ".0001"},
      {kObservedExpected, ".9999", "9999", ".0001", "", "+9998.000", ".0001"},
  };
  for (const Example& e : examples) {
    Press(W().ClearBtn3());
    if (e.design == kObservedExpected) W().n3fld2().SetText("1");  // hidden, so never read
    Choose(e.design);
    Type(W().p1fld(), e.p1);
    Type(W().n3fld1(), e.n1);
    Type(W().p2fld(), e.p2);
    if (e.design == kIndependent) Type(W().n3fld2(), e.n2);
    W().CalcBtn3().SetFocus();
    Calculate();
    EXPECT_TRUE(messages.empty()) << LastMessage();
    const ShownResult shown = Result();
    EXPECT_EQ(shown.statistic, e.z) << e.p1 << " " << e.p2;
    EXPECT_EQ(shown.p, e.p) << e.p1 << " " << e.p2;
    EXPECT_TRUE(shown.statisticShown && shown.pShown);
    EXPECT_TRUE(W().ttext3().Visible() && W().dtail3().Visible());
    EXPECT_TRUE(W().tfld3().Enabled() && W().ttext3().Enabled() && W().pfld3().Enabled());
    EXPECT_FALSE(W().dtail3().Enabled()) << "the p caption keeps its disabled look";
    EXPECT_EQ(W().ttext3().Text(), "z");
    EXPECT_EQ(W().dtail3().Text(), "p");
    EXPECT_FALSE(shown.dfShown || W().dftext3().Visible()) << "the panel has no df";
    EXPECT_EQ(shown.df, "");
    EXPECT_EQ(Module1::dirty, "y");
    EXPECT_EQ(FocusedName(), "CalcBtn3") << "the cursor stays where it was";
  }
}

TEST_F(ProportionsPanel, ChecksRunInOrderAndTheFirstFailureIsReported) {
  struct CheckCase {
    int design;
    const char *p1, *n1, *p2, *n2;
    const char* message;
    const char* cursor;
  };
  constexpr const char* kNEach = "N for each sample must range from 2-9999";
  constexpr const char* kPEach = "proportion for each sample must range from .0001 to .9999";
  constexpr const char* kNObserved = "N for observed proportion must range from 2-9999";
  constexpr const char* kPObserved = "observed proportion must range from .0001 to .9999";
  constexpr const char* kPExpected = "expected proportion must range from .0001 to .9999";
  const CheckCase cases[] = {
      // Every empty test comes before any range check.
      {kIndependent, "", "", "", "", "Please enter the proportion of the 1st sample", "p1fld"},
      {kIndependent, ".5", "", "", "", "Please enter the proportion of the 2nd sample", "p2fld"},
      {kIndependent, ".5", "", ".4", "", "Please enter the N of the 1st sample", "n3fld1"},
      {kIndependent, "1.5", "20", ".4", "", "Please enter the N of the 2nd sample", "n3fld2"},
      // The N checks come before the proportion checks.
      {kIndependent, "0", "1", ".4", "20", kNEach, "n3fld1"},
      {kIndependent, ".5", "0", ".4", "20", kNEach, "n3fld1"},
      {kIndependent, ".5", " ", ".4", "20", kNEach, "n3fld1"},
      {kIndependent, "0", "20", ".4", "1", kNEach, "n3fld2"},
      {kIndependent, ".5", "20", ".4", "10000", kNEach, "n3fld2"},
      {kIndependent, "0", "20", "1", "20", kPEach, "p1fld"},
      {kIndependent, "1", "20", ".4", "20", kPEach, "p1fld"},
      {kIndependent, "-.5", "20", ".4", "20", kPEach, "p1fld"},
      {kIndependent, ".00009", "20", ".4", "20", kPEach, "p1fld"},
      {kIndependent, ".5", "20", "0", "20", kPEach, "p2fld"},
      {kIndependent, ".5", "20", "1", "20", kPEach, "p2fld"},
      {kIndependent, ".5", "20", "-0.2", "20", kPEach, "p2fld"},
      {kIndependent, ".5", "20", ".99991", "20", kPEach, "p2fld"},
      // Observed-Expected never looks at n3fld2, empty or not.
      {kObservedExpected, "", "", "", "", "Please enter the observed proportion", "p1fld"},
      {kObservedExpected, ".5", "", "", "", "Please enter the Expected proportion", "p2fld"},
      {kObservedExpected, ".5", "", ".4", "", "Please enter the total N of the observed proportion",
       "n3fld1"},
      {kObservedExpected, "0", "1", "0", "", kNObserved, "n3fld1"},
      {kObservedExpected, ".5", "10000", ".4", "", kNObserved, "n3fld1"},
      {kObservedExpected, "0", "20", "0", "", kPObserved, "p1fld"},
      {kObservedExpected, "1", "20", ".4", "1", kPObserved, "p1fld"},
      {kObservedExpected, "-.3", "20", ".4", "", kPObserved, "p1fld"},
      {kObservedExpected, ".5", "20", "0", "", kPExpected, "p2fld"},
      {kObservedExpected, ".5", "20", "1", "", kPExpected, "p2fld"},
      {kObservedExpected, ".5", "20", "-.4", "", kPExpected, "p2fld"},
  };
  for (const CheckCase& c : cases) {
    Choose(c.design);
    FillAll(c.p1, c.n1, c.p2, c.n2);
    W().ClearBtn3().SetFocus();
    messages.clear();
    Calculate();
    EXPECT_EQ(messages, std::vector<std::string>{c.message})
        << c.design << ": " << c.p1 << " " << c.n1 << " " << c.p2 << " " << c.n2;
    EXPECT_EQ(FocusedName(), c.cursor) << c.message;
    EXPECT_FALSE(AnyResultShown());
    EXPECT_EQ(W().tfld3().Text(), "");
  }
}

TEST_F(ProportionsPanel, BoundsOfNAndProportionPass) {
  struct Passing {
    int design;
    const char *p1, *n1, *p2, *n2;
  };
  for (const Passing& c : {Passing{kIndependent, ".0001", "2", ".9999", "9999"},
                           Passing{kIndependent, ".9999", "9999", ".0001", "2"},
                           Passing{kObservedExpected, ".0001", "2", ".9999", ""},
                           Passing{kObservedExpected, ".9999", "9999", ".0001", ""}}) {
    Choose(c.design);
    FillAll(c.p1, c.n1, c.p2, c.n2);
    messages.clear();
    Calculate();
    EXPECT_TRUE(messages.empty()) << LastMessage() << " for " << c.p1 << ", " << c.p2;
    EXPECT_TRUE(W().tfld3().Visible());
  }
}

TEST_F(ProportionsPanel, ASecondNWithADecimalPointIsTruncated) {
  FillAll(".80", "20", ".40", "");
  Type(W().n3fld2(), "2.9");
  ASSERT_EQ(W().n3fld2().Text(), "2.9");
  Calculate();
  EXPECT_TRUE(messages.empty()) << LastMessage();
  EXPECT_EQ(W().tfld3().Text(), "+1.270") << "N2 read as 2 (2.9 or 3 give other z values)";
  EXPECT_EQ(W().pfld3().Text(), ".2042");
}

TEST_F(ProportionsPanel, ObservedExpectedHidesTheSecondNAndKeepsEveryInput) {
  FillAll(".80", "20", ".40", "20");
  Calculate();
  ASSERT_EQ(Module1::dirty, "y");
  W().RBtn3().SetValue(true);
  EXPECT_EQ(Module1::btn, 2);
  EXPECT_FALSE(W().IBtn3().Value());
  EXPECT_FALSE(AnyResultShown());
  EXPECT_EQ(Result().statistic + Result().p, "");
  EXPECT_EQ(Module1::dirty, "y");
  EXPECT_FALSE(W().n3fld2().Visible() || W().n3text2().Visible());
  EXPECT_EQ(W().GroupBox7().Caption(), "Observed");
  EXPECT_EQ(W().GroupBox8().Caption(), "Expected");
  EXPECT_EQ(W().p1text().Text() + W().p2text().Text() + W().n3text1().Text(),
            "ProportionProportionN");
  EXPECT_EQ(W().p1fld().Text() + W().n3fld1().Text() + W().p2fld().Text() + W().n3fld2().Text(),
            ".8020.4020");

  // The kept values are read under the new design: po .80, pe .40, N 20.
  Calculate();
  EXPECT_TRUE(messages.empty()) << LastMessage();
  EXPECT_EQ(W().tfld3().Text(), "+3.651");
  EXPECT_EQ(W().pfld3().Text(), ".0003");

  W().IBtn3().SetValue(true);
  EXPECT_EQ(Module1::btn, 1);
  EXPECT_FALSE(AnyResultShown());
  EXPECT_TRUE(W().n3fld2().Visible() && W().n3text2().Visible());
  EXPECT_EQ(W().n3fld2().Text(), "20");
  EXPECT_EQ(W().GroupBox7().Caption(), "Sample 1");
  EXPECT_EQ(W().GroupBox8().Caption(), "Sample 2");
  EXPECT_EQ(W().n3fld2().LimitText(), 4);
}

TEST_F(ProportionsPanel, OnlyTheProportionFieldsCarryTooltips) {
  EXPECT_EQ(W().p1fld().HelpTag(), "r of Variable 1 with Variable 2");
  EXPECT_EQ(W().p2fld().HelpTag(), "r of Variable 1 and Variable 3");
  EXPECT_EQ(W().n3fld1().HelpTag() + W().n3fld2().HelpTag(), "");
}

TEST_F(ProportionsPanel, TheTabKeyVisitsTheInputFieldsInOrderAndSkipsTheResults) {
  // The result fields as a result leaves them, so that a stop among them would be seen.
  for (fw::TextField* result : {&W().tfld3(), &W().pfld3()}) {
    result->SetEnabled(true);
    result->SetVisible(true);
  }
  W().p1fld().SetFocus();
  std::vector<std::string> visited;
  for (int key = 0; key < 4; ++key) {
    QTest::keyClick(W().FocusedControl()->Widget(), Qt::Key_Tab);
    visited.push_back(FocusedName());
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"n3fld1", "p2fld", "n3fld2", "CalcBtn3"}));
}

TEST_F(ProportionsPanel, ShownPAgreesWithTheExactPForRandomInputs) {
  std::mt19937 random(20261214);
  std::uniform_int_distribution<int> tenThousandths(1, 9999), step(-600, 600);
  // Sizes spread evenly on a log scale, so that most p values stay above the display's floor.
  std::uniform_real_distribution<double> logN(std::log(2.0), std::log(9999.0));
  auto n = [&] { return static_cast<int>(std::lround(std::exp(logN(random)))); };
  auto text = [](int k) { return "." + IntText(10000 + k).substr(1); };  // ".0042"
  for (int i = 0; i < 80; ++i) {
    const int design = i % 2 == 0 ? kIndependent : kObservedExpected;
    const int k1 = tenThousandths(random);
    const int k2 = std::clamp(k1 + step(random), 1, 9999);
    const int n1 = n(), n2 = n();
    Choose(design);
    FillAll(text(k1), IntText(n1), text(k2), IntText(n2));
    Calculate();
    ASSERT_TRUE(messages.empty()) << LastMessage();
    const double p1 = k1 / 10000.0, p2 = k2 / 10000.0;
    double z = 0;
    if (design == kIndependent) {
      const double pooled = (p1 * n1 + p2 * n2) / (n1 + n2);
      z = (p1 - p2) / std::sqrt(pooled * (1 - pooled) * (1.0 / n1 + 1.0 / n2));
    } else {
      z = (p1 - p2) / std::sqrt(p2 * (1 - p2) / n1);
    }
    EXPECT_NEAR(ReadNumber(W().tfld3().Text()), z, 0.0005 + 1e-9) << text(k1) << " " << text(k2);
    EXPECT_TRUE(PAgrees(W().pfld3().Text(), ExactTwoTailedZ(z)))
        << W().pfld3().Text() << " against " << ExactTwoTailedZ(z) << " for z " << z;
  }
}

}  // namespace
