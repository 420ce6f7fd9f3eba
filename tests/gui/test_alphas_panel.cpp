// The Alphas panel: both designs with their checks in order, values read under the other design
// after a switch, and the shown p against the exact p of F and of Student's t.

#include <gtest/gtest.h>

#include <QTest>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "app/module1.h"
#include "support/number_text.h"
#include "support/panel_fixture.h"

namespace {

enum Design { kIndependent = 1, kRelated = 2 };

class AlphasPanel : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    EnterTab(4);
  }
  void Choose(Design design) { (design == kRelated ? W().RBtn4() : W().IBtn4()).SetValue(true); }
  // The second N field holds N2 under Independent and r under Related.
  void FillAll(const std::string& a1, const std::string& a2, const std::string& n1,
               const std::string& second) {
    Fill({{&W().a1fld(), a1}, {&W().a2fld(), a2}, {&W().n4fld1(), n1}, {&W().n4fld2(), second}});
  }
  ShownResult Result() { return Shown(W().tfld4(), W().dffld4(), W().pfld4()); }
  bool AnyResultShown() { return Results(4).AnyShown(); }
  void Calculate() { Press(W().CalcBtn4()); }
};

TEST_F(AlphasPanel, WorkedExamplesTypedIntoTheFields) {
  struct Example {
    Design design;
    const char *a1, *a2, *n1, *second;
    const char *statistic, *df, *p;
  };
  const Example examples[] = {
      {kIndependent, ".78", ".71", "41", "151", "+1.318", "40,150", ".2414"},
      {kIndependent, ".71", ".78", "151", "41", "+1.318", "40,150", ".2414"},
      {kRelated, ".80", ".72", "100", ".50", "+1.932", "98", ".0562"},
      {kRelated, ".82", ".89", "27", ".74", "-1.849", "25", ".0763"},
      {kRelated, ".80", ".72", "100", "-.50", "+1.932", "98", ".0562"},
      // Equal alphas: the first df is that of test 2, and the two-sided p stays below 1.
      {kIndependent, ".80", ".80", "2", "101", "+1.000", "100,1", ".6394"},
      {kIndependent, ".80", ".80", "101", "2", "+1.000", "1,100", ".6394"},
      {kRelated, ".80", ".72", "3", ".50", "+0.195", "1", ".8773"},
      {kIndependent, ".9999", ".0001", "9999", "9999", "+9999.000", "9998,9998", ".0001"},
  };
  for (const Example& e : examples) {
    Press(W().ClearBtn4());
    Choose(e.design);
    Type(W().a1fld(), e.a1);
    Type(W().a2fld(), e.a2);
    Type(W().n4fld1(), e.n1);
    Type(W().n4fld2(), e.second);
    Calculate();
    SCOPED_TRACE(std::string(e.a1) + " " + e.a2 + " " + e.n1 + " " + e.second);
    EXPECT_TRUE(messages.empty()) << LastMessage();
    const ShownResult shown = Result();
    EXPECT_EQ(shown.statistic, e.statistic);
    EXPECT_EQ(shown.df, e.df);
    EXPECT_EQ(shown.p, e.p);
    EXPECT_TRUE(shown.statisticShown && shown.dfShown && shown.pShown);
    EXPECT_EQ(W().ttext4().Caption(), e.design == kRelated ? "t" : "F");
    EXPECT_EQ(W().dtail4().Caption(), "p");
    EXPECT_TRUE(W().ttext4().Visible() && W().dftext4().Visible() && W().dtail4().Visible());
    EXPECT_TRUE(W().tfld4().Enabled() && W().dffld4().Enabled() && W().pfld4().Enabled() &&
                W().ttext4().Enabled() && W().dftext4().Enabled());
    EXPECT_FALSE(W().dtail4().Enabled()) << "the p caption keeps its disabled look";
    EXPECT_EQ(FocusedName(), "n4fld2") << "the cursor stays where it was";
    EXPECT_EQ(Module1::dirty, "y");
  }
}

TEST_F(AlphasPanel, ChecksRunInOrderAndTheFirstFailureIsReported) {
  struct CheckCase {
    Design design;
    const char *a1, *a2, *n1, *second;
    const char* message;
    const char* cursor;
  };
  constexpr const char* kN = "N for each sample must range from 2-9999";
  constexpr const char* kTestAlpha =
      "Coefficient alpha for each test must range from .0001 to .9999";
  constexpr const char* kSampleAlpha =
      "Coefficient alpha for each sample must range from .0001 to .9999";
  constexpr const char* kR = "Absolute value of correlation must range from .0001 to .9999";
  constexpr const char* kNThree = "N must be at least 3 for this test";
  const CheckCase cases[] = {
      {kIndependent, "", "", "", "", "Please enter the coefficient alpha of the 1st Test", "a1fld"},
      {kIndependent, ".8", "", "", "", "Please enter the coefficient alpha of the 2nd Test",
       "a2fld"},
      {kIndependent, ".8", ".7", "", "50", "Please enter the N of the 1st sample", "n4fld1"},
      // Every empty field is reported before any range, even an alpha out of range.
      {kIndependent, "5", ".7", "1", "", "Please enter the N of the 2nd sample", "n4fld2"},
      {kIndependent, "5", ".7", "1", "1", kN, "n4fld1"},
      {kIndependent, "5", ".7", "10000", "50", kN, "n4fld1"},
      {kIndependent, "5", ".7", " ", "50", kN, "n4fld1"},
      {kIndependent, "5", ".7", "50", "0", kN, "n4fld2"},
      {kIndependent, "5", ".7", "50", "10000", kN, "n4fld2"},
      {kIndependent, "0", "5", "50", "50", kTestAlpha, "a1fld"},
      {kIndependent, "1", ".7", "50", "50", kTestAlpha, "a1fld"},
      {kIndependent, ".8", "0", "50", "50", kTestAlpha, "a2fld"},
      {kIndependent, ".8", ".99991", "50", "50", kTestAlpha, "a2fld"},
      {kRelated, "", "", "", "", "Please enter the coefficient alpha of the 1st sample", "a1fld"},
      {kRelated, ".8", "", "", "", "Please enter the coefficient alpha of the 2nd sample", "a2fld"},
      {kRelated, ".8", ".7", "", ".5", "Please enter the N of the 1st sample", "n4fld1"},
      {kRelated, "5", ".7", "1", "", "Please enter the correlation between the two tests",
       "n4fld2"},
      {kRelated, "5", ".7", "1", "0", kN, "n4fld1"},
      {kRelated, "5", ".7", "10000", ".5", kN, "n4fld1"},
      // N - 2 degrees of freedom: N 2 passes the range but has none, and is refused before the
      // alphas and r.
      {kRelated, ".8", ".7", "2", ".5", kNThree, "n4fld1"},
      {kRelated, "5", ".7", "2.9", "0", kNThree, "n4fld1"},
      {kRelated, "0", "5", "50", "0", kSampleAlpha, "a1fld"},
      {kRelated, ".8", "1", "50", "0", kSampleAlpha, "a2fld"},
      {kRelated, ".8", ".7", "50", "0", kR, "n4fld2"},
      {kRelated, ".8", ".7", "50", "-1", kR, "n4fld2"},
      {kRelated, ".8", ".7", "50", "1", kR, "n4fld2"},
      {kRelated, ".8", ".7", "50", "-.00009", kR, "n4fld2"},
  };
  for (const CheckCase& c : cases) {
    Choose(c.design);
    FillAll(c.a1, c.a2, c.n1, c.second);
    W().ClearBtn4().SetFocus();
    messages.clear();
    Calculate();
    EXPECT_EQ(messages, std::vector<std::string>{c.message})
        << c.design << ": " << c.a1 << " " << c.a2 << " " << c.n1 << " " << c.second;
    EXPECT_EQ(FocusedName(), c.cursor) << c.message;
    EXPECT_FALSE(AnyResultShown());
  }
}

TEST_F(AlphasPanel, BoundsOfNAlphaAndRPass) {
  struct Passing {
    Design design;
    const char *a1, *a2, *n1, *second;
  };
  const Passing cases[] = {
      {kIndependent, ".0001", ".9999", "2", "9999"}, {kIndependent, ".9999", ".0001", "9999", "2"},
      {kIndependent, ".8", ".7", "2.9", "3"},        {kRelated, ".0001", ".9999", "3", ".5"},
      {kRelated, ".8", ".7", "9999", ".0001"},       {kRelated, ".8", ".7", "50", "-.0001"},
      {kRelated, ".8", ".7", "50", ".9999"},         {kRelated, ".8", ".7", "50", "-.9999"},
  };
  for (const Passing& c : cases) {
    Choose(c.design);
    FillAll(c.a1, c.a2, c.n1, c.second);
    messages.clear();
    Calculate();
    EXPECT_TRUE(messages.empty()) << LastMessage() << " for " << c.a1 << " " << c.a2 << " " << c.n1
                                  << " " << c.second;
    EXPECT_TRUE(W().tfld4().Visible() && W().pfld4().Visible());
  }
}

TEST_F(AlphasPanel, DesignsRelabelTheSecondFieldAndTheStatistic) {
  W().RBtn4().SetValue(true);
  EXPECT_EQ(Module1::btn, 2);
  EXPECT_FALSE(W().IBtn4().Value());
  EXPECT_EQ(W().ttext4().Caption(), "t");
  EXPECT_EQ(W().n4text2().Caption(), "r");
  EXPECT_EQ(W().n4fld2().LimitText(), 6);
  EXPECT_TRUE(W().SepLine7().Visible() && W().SepLine8().Visible());
  EXPECT_TRUE(W().n4fld2().Visible() && W().n4text2().Visible());
  EXPECT_EQ(W().GroupBox9().Caption(), "Test 1");
  EXPECT_EQ(W().GroupBox10().Caption(), "Test 2");
  Type(W().n4fld2(), "-.5");
  EXPECT_EQ(W().n4fld2().Text(), "-.5") << "r takes a sign under Related";

  W().IBtn4().SetValue(true);
  EXPECT_EQ(Module1::btn, 1);
  EXPECT_EQ(W().ttext4().Caption(), "F");
  EXPECT_EQ(W().n4text2().Caption(), "N");
  EXPECT_EQ(W().n4fld2().LimitText(), 4);
  EXPECT_FALSE(W().SepLine7().Visible() || W().SepLine8().Visible());
  EXPECT_TRUE(W().n4fld2().Visible() && W().n4text2().Visible());
}

// With N 2 the related test would have 0 degrees of freedom and show t 0 and p .9999 whatever
// the alphas; N 3, the smallest with one, gives Student's t with 1 df.
TEST_F(AlphasPanel, TheRelatedTestRefusesTwoSubjectsAndTakesThree) {
  Choose(kRelated);
  Type(W().a1fld(), ".9");
  Type(W().a2fld(), ".1");
  Type(W().n4fld1(), "2");
  Type(W().n4fld2(), ".5");
  W().CalcBtn4().SetFocus();
  Calculate();
  EXPECT_EQ(messages, std::vector<std::string>{"N must be at least 3 for this test"});
  EXPECT_EQ(FocusedName(), "n4fld1");
  EXPECT_FALSE(AnyResultShown());

  QTest::keyClick(W().n4fld1().Widget(), Qt::Key_Backspace);
  Type(W().n4fld1(), "3");
  ASSERT_EQ(W().n4fld1().Text(), "3");
  messages.clear();
  Calculate();
  ASSERT_TRUE(messages.empty()) << LastMessage();
  const double t = (0.9 - 0.1) / std::sqrt(4 * (1 - 0.9) * (1 - 0.1) * (1 - 0.5 * 0.5));
  EXPECT_EQ(Result().statistic, SignedThreeDecimals(t));
  EXPECT_EQ(Result().df, "1");
  EXPECT_TRUE(PAgrees(Result().p, ExactTwoTailedT(t, 1))) << Result().p;
}

TEST_F(AlphasPanel, AValueLeftInTheSecondFieldIsReadUnderTheNewDesign) {
  FillAll(".78", ".71", "41", "151");
  Calculate();
  ASSERT_EQ(W().tfld4().Text(), "+1.318");
  W().RBtn4().SetValue(true);
  EXPECT_FALSE(AnyResultShown());
  EXPECT_EQ(W().tfld4().Text() + W().dffld4().Text() + W().pfld4().Text(), "");
  EXPECT_EQ(Module1::dirty, "y") << "a design switch keeps dirty";
  EXPECT_EQ(W().n4fld2().Text(), "151");
  Calculate();
  EXPECT_EQ(messages, std::vector<std::string>{
                          "Absolute value of correlation must range from .0001 to .9999"});
  EXPECT_EQ(FocusedName(), "n4fld2");

  FillAll(".80", ".72", "100", ".50");
  W().IBtn4().SetValue(true);
  messages.clear();
  Calculate();
  EXPECT_EQ(messages, std::vector<std::string>{"N for each sample must range from 2-9999"});
  EXPECT_EQ(FocusedName(), "n4fld2") << ".50 read as N2 = 0";
}

TEST_F(AlphasPanel, GroupBoxesHoldTheirFieldsAndOnlyTheAlphaFieldsCarryTooltips) {
  for (fw::Control* control :
       {static_cast<fw::Control*>(&W().a1fld()), static_cast<fw::Control*>(&W().n4fld1()),
        static_cast<fw::Control*>(&W().SepLine7())}) {
    EXPECT_EQ(control->Widget()->parentWidget(), W().GroupBox9().Widget()) << control->Name();
  }
  for (fw::Control* control :
       {static_cast<fw::Control*>(&W().a2fld()), static_cast<fw::Control*>(&W().n4fld2()),
        static_cast<fw::Control*>(&W().SepLine8())}) {
    EXPECT_EQ(control->Widget()->parentWidget(), W().GroupBox10().Widget()) << control->Name();
  }
  EXPECT_EQ(W().IBtn4().Widget()->parentWidget(), W().typeBox31().Widget());
  EXPECT_EQ(W().a1fld().HelpTag(), "r of Variable 1 with Variable 2");
  EXPECT_EQ(W().a2fld().HelpTag(), "r of Variable 1 and Variable 3");
  EXPECT_EQ(W().n4fld1().HelpTag() + W().n4fld2().HelpTag(), "");

  // Within each group box the Tab key goes from the alpha field to the N field.
  for (auto [from, to] : {std::pair{&W().a1fld(), "n4fld1"}, std::pair{&W().a2fld(), "n4fld2"}}) {
    from->SetFocus();
    QTest::keyClick(from->Widget(), Qt::Key_Tab);
    EXPECT_EQ(FocusedName(), to);
  }
  Type(W().a1fld(), ".123456789");
  EXPECT_EQ(W().a1fld().Text(), ".12345678") << "a tenth character is refused";
}

TEST_F(AlphasPanel, ShownPAgreesWithTheExactPForRandomInputs) {
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> alpha(6000, 9500), step(-400, 400), r(-9999, 9999);
  std::uniform_int_distribution<int> n(3, 2000);
  auto fourDecimals = [](double v) { return FixedText(v, 4); };
  for (int i = 0; i < 60; ++i) {
    const Design design = i % 2 == 0 ? kIndependent : kRelated;
    const int k1 = alpha(random);
    const std::string a1 = fourDecimals(k1 / 10000.0);
    const std::string a2 = fourDecimals((k1 + step(random)) / 10000.0);
    const int n1 = n(random), n2 = n(random);
    int rk = r(random);
    if (rk == 0) rk = 1;
    const std::string second = design == kRelated ? fourDecimals(rk / 10000.0) : IntText(n2);
    Choose(design);
    FillAll(a1, a2, IntText(n1), second);
    Calculate();
    ASSERT_TRUE(messages.empty()) << LastMessage();
    // The exact reference from the values as the fields hold them.
    const double x1 = ReadNumber(a1), x2 = ReadNumber(a2);
    double exact = 0;
    if (design == kIndependent) {
      // The test with the larger alpha has the smaller 1 - alpha: its df comes first.
      const bool firstLarger = x1 > x2;
      const double F = firstLarger ? (1 - x2) / (1 - x1) : (1 - x1) / (1 - x2);
      const int df1 = (firstLarger ? n1 : n2) - 1, df2 = (firstLarger ? n2 : n1) - 1;
      exact = ExactTwoSidedF(F, df1, df2);
      EXPECT_EQ(W().dffld4().Text(), IntText(df1) + "," + IntText(df2));
    } else {
      const double rho = ReadNumber(second), df = n1 - 2;
      const double t =
          (x1 - x2) * std::sqrt(df) / std::sqrt(4 * (1 - x1) * (1 - x2) * (1 - rho * rho));
      exact = ExactTwoTailedT(t, df);
    }
    EXPECT_TRUE(PAgrees(W().pfld4().Text(), exact))
        << W().pfld4().Text() << " against " << exact << " for " << a1 << " " << a2 << " " << n1
        << " " << second;
  }
}

}  // namespace
