// The AUCs panel: both designs, their checks in order, design switches, the tab's field limits,
// and the shown p against the exact p of the standard normal.

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

constexpr int kAUCsTab = 5;

// One panel's input: the Related design also takes r.
struct Input {
  bool related;
  std::string auc1, se1, auc2, se2, r;
};

class AUCsPanel : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    EnterTab(kAUCsTab);
  }
  void ChooseDesign(bool related) { (related ? W().RBtn5() : W().IBtn5()).SetValue(true); }
  // Chooses the design, which empties r, then pastes the values.
  void Enter(const Input& in) {
    ChooseDesign(in.related);
    Fill({{&W().m5fld1(), in.auc1},
          {&W().sefld1(), in.se1},
          {&W().m5fld2(), in.auc2},
          {&W().sefld2(), in.se2},
          {&W().r5Fld(), in.r}});
  }
  void Calculate() { Press(W().CalcBtn5()); }
  ShownResult Result() { return Shown(W().tfld5(), W().dffld5(), W().pfld5()); }
  bool AnyResultShown() { return Results(kAUCsTab).AnyShown(); }
  bool CorrelationShown() {
    return W().r5Fld().Visible() || W().rtext5().Visible() || W().SepLine9().Visible();
  }
};

// z from the values as the fields hold them.
double ExactZ(const Input& in) {
  const double se1 = ReadNumber(in.se1), se2 = ReadNumber(in.se2);
  const double r = in.related ? ReadNumber(in.r) : 0;
  return (ReadNumber(in.auc1) - ReadNumber(in.auc2)) /
         std::sqrt(se1 * se1 + se2 * se2 - 2 * r * se1 * se2);
}

const Input kIndependentExample = {false, ".8945", ".03", ".9382", ".026", ""};

TEST_F(AUCsPanel, WorkedExamplesTypedIntoTheFields) {
  struct Example {
    Input in;
    const char *z, *p;
  };
  const Example examples[] = {
      {kIndependentExample, "-1.101", ".2710"},
      {{true, ".8945", ".03", ".9382", ".026", ".40"}, "-1.416", ".1567"},
      {{true, ".8945", ".03", ".9382", ".026", "-.5"}, "-0.900", ".3680"},
      {{true, ".75", ".03", ".70", ".03", ".5"}, "+1.667", ".0956"},
      {{false, ".8", ".03", ".8", ".03", ""}, "+0.000", ".9999"},
      {{false, ".9", ".01", ".5", ".01", ""}, "+28.284", ".0001"},
      // The second standard error typed in full, and the smallest one the panel takes.
      {{false, ".8945", ".0312", ".9382", "0.0312", ""}, "-0.990", ".3220"},
      {{false, ".5", ".0001", ".5003", ".0001", ""}, "-2.121", ".0339"},
  };
  for (const Example& e : examples) {
    Press(W().ClearBtn5());
    ChooseDesign(e.in.related);
    Type(W().m5fld1(), e.in.auc1);
    Type(W().sefld1(), e.in.se1);
    Type(W().m5fld2(), e.in.auc2);
    Type(W().sefld2(), e.in.se2);
    if (e.in.related) Type(W().r5Fld(), e.in.r);
    const std::string focused = FocusedName();
    Calculate();
    EXPECT_TRUE(messages.empty()) << LastMessage();
    const ShownResult shown = Result();
    EXPECT_EQ(shown.statistic, e.z) << e.in.r;
    EXPECT_EQ(shown.p, e.p) << e.in.r;
    EXPECT_TRUE(PAgrees(shown.p, ExactTwoTailedZ(ExactZ(e.in)))) << shown.p;
    EXPECT_TRUE(shown.statisticShown && shown.pShown);
    EXPECT_TRUE(W().ttext5().Visible() && W().dtail5().Visible());
    EXPECT_TRUE(W().tfld5().Enabled() && W().ttext5().Enabled() && W().pfld5().Enabled());
    EXPECT_FALSE(W().dtail5().Enabled()) << "the p caption keeps its disabled look";
    EXPECT_FALSE(shown.dfShown || W().dftext5().Visible()) << "a z test has no df";
    EXPECT_EQ(shown.df, "");
    EXPECT_EQ(Module1::dirty, "y");
    EXPECT_EQ(FocusedName(), focused);
  }
}

TEST_F(AUCsPanel, ChecksRunInOrderAndTheFirstFailureIsReported) {
  struct CheckCase {
    Input in;
    const char* message;
    const char* cursor;
  };
  constexpr const char* kSE = "SE for each sample must > 0.0001";
  constexpr const char* kAUC = "AUC for each sample must range from .0001 to .9999";
  constexpr const char* kR = "Absolute value of correlation must range from .0001 to .9999";
  const CheckCase cases[] = {
      {{false, "", "", "", "", ""}, "Please enter the AUC of the 1st sample", "m5fld1"},
      {{true, "", "", "", "", ""}, "Please enter the AUC of the 1st sample", "m5fld1"},
      {{false, ".8", "", "", "", ""}, "Please enter the AUC of the 2nd sample", "m5fld2"},
      {{false, ".8", "", ".7", "", ""}, "Please enter the standard error of the 1st AUC", "sefld1"},
      // Empty before range: AUC1 2 is not looked at yet.
      {{false, "2", ".03", ".7", "", ""},
       "Please enter the standard error of the 2nd AUC",
       "sefld2"},
      {{true, ".8", ".03", ".7", ".03", ""}, "Please enter the correlation between AUCs", "r5Fld"},
      {{true, "2", "0", ".7", ".03", ""}, "Please enter the correlation between AUCs", "r5Fld"},
      // SE before AUC.
      {{true, "2", "0", ".7", ".03", ".5"}, kSE, "sefld1"},
      {{false, "2", ".03", ".7", "0", ""}, kSE, "sefld2"},
      {{false, ".8", ".00009", ".7", ".03", ""}, kSE, "sefld1"},
      {{false, ".8", "-.03", ".7", ".03", ""}, kSE, "sefld1"},
      {{false, "1", ".03", ".7", ".03", ""}, kAUC, "m5fld1"},
      {{false, ".00009", ".03", ".7", ".03", ""}, kAUC, "m5fld1"},
      {{false, ".8", ".03", "0", ".03", ""}, kAUC, "m5fld2"},
      {{false, ".8", ".03", ".99991", ".03", ""}, kAUC, "m5fld2"},
      // AUC before r.
      {{true, ".8", ".03", "2", ".03", "0"}, kAUC, "m5fld2"},
      {{true, ".8", ".03", ".7", ".03", "0"}, kR, "r5Fld"},
      {{true, ".8", ".03", ".7", ".03", "1"}, kR, "r5Fld"},
      {{true, ".8", ".03", ".7", ".03", "-1"}, kR, "r5Fld"},
      {{true, ".8", ".03", ".7", ".03", "-.00009"}, kR, "r5Fld"},
      // A blank is not empty; it reads as 0.
      {{true, ".8", ".03", ".7", ".03", " "}, kR, "r5Fld"},
  };
  for (const CheckCase& c : cases) {
    Enter(c.in);
    W().ClearBtn5().SetFocus();
    messages.clear();
    Calculate();
    EXPECT_EQ(messages, std::vector<std::string>{c.message})
        << c.in.auc1 << " " << c.in.se1 << " " << c.in.auc2 << " " << c.in.se2 << " " << c.in.r;
    EXPECT_EQ(FocusedName(), c.cursor) << c.message;
    EXPECT_FALSE(AnyResultShown());
  }
}

TEST_F(AUCsPanel, BoundsPass) {
  const Input passing[] = {
      {false, ".8", ".0001", ".7", ".03", ""},     {false, ".8", ".03", ".7", ".0001", ""},
      {false, ".0001", ".03", ".9999", ".03", ""}, {false, ".9999", ".03", ".0001", ".03", ""},
      {false, ".8", "250", ".7", "9", ""},         {true, ".8", ".03", ".7", ".03", ".0001"},
      {true, ".8", ".03", ".7", ".03", "-.0001"},  {true, ".8", ".03", ".7", ".03", ".9999"},
      {true, ".8", ".03", ".7", ".03", "-.9999"},
  };
  for (const Input& in : passing) {
    Enter(in);
    messages.clear();
    Calculate();
    EXPECT_TRUE(messages.empty()) << LastMessage() << " for " << in.auc1 << " " << in.se1 << " "
                                  << in.auc2 << " " << in.se2 << " " << in.r;
    EXPECT_TRUE(W().tfld5().Visible());
  }
  // r = -.9999: the variance is nearly (SE1 + SE2)^2 = .0036.
  EXPECT_EQ(W().tfld5().Text(), "+1.667");
}

TEST_F(AUCsPanel, IndependentSamplesNeitherTestNorReadR) {
  Enter(kIndependentExample);
  W().r5Fld().SetText("7");  // out of range, and left hidden
  Calculate();
  EXPECT_TRUE(messages.empty()) << LastMessage();
  EXPECT_EQ(W().tfld5().Text(), "-1.101");
}

TEST_F(AUCsPanel, ADesignSwitchHidesTheResultEmptiesROnlyAndKeepsDirty) {
  Enter(kIndependentExample);
  Calculate();
  ASSERT_EQ(Module1::dirty, "y");
  W().m5fld1().SetFocus();
  W().RBtn5().SetValue(true);
  EXPECT_EQ(Module1::btn, 2);
  EXPECT_FALSE(AnyResultShown());
  EXPECT_EQ(W().tfld5().Text(), "");
  EXPECT_EQ(W().pfld5().Text(), "");
  EXPECT_TRUE(W().r5Fld().Visible() && W().rtext5().Visible() && W().SepLine9().Visible());
  EXPECT_EQ(Module1::dirty, "y");
  EXPECT_EQ(FocusedName(), "m5fld1");
  EXPECT_EQ(W().m5fld1().Text(), ".8945");
  EXPECT_EQ(W().sefld1().Text(), ".03");
  EXPECT_EQ(W().m5fld2().Text(), ".9382");
  EXPECT_EQ(W().sefld2().Text(), ".026");
  // Choosing either design again starts r afresh.
  for (bool related : {true, false}) {
    W().r5Fld().SetText(".40");
    ChooseDesign(related);
    EXPECT_EQ(W().r5Fld().Text(), "") << related;
    EXPECT_EQ(CorrelationShown(), related);
    EXPECT_EQ(Module1::btn, related ? 2 : 1);
  }
}

TEST_F(AUCsPanel, AnInfiniteStandardErrorGivesNoStatisticUnlessRIsNegative) {
  // A pasted 1e400 reads as infinity. The variance's cross term is then 0 times infinity, or
  // infinity taken from infinity, unless a negative r adds it; then z is 0.
  for (const char* r : {"", ".5"}) {
    Enter({*r != 0, ".8945", "1e400", ".9382", ".026", r});
    W().CalcBtn5().SetFocus();
    messages.clear();
    Calculate();
    EXPECT_EQ(messages, std::vector<std::string>{"These values give no test statistic"}) << r;
    EXPECT_EQ(FocusedName(), "m5fld1");
    EXPECT_FALSE(AnyResultShown());
  }
  Enter({true, ".8945", "1e400", ".9382", ".026", "-.5"});
  messages.clear();
  Calculate();
  EXPECT_TRUE(messages.empty()) << LastMessage();
  EXPECT_EQ(W().pfld5().Text(), ".9999");
}

TEST_F(AUCsPanel, TypedTextStopsAtEachFieldsLimit) {
  W().RBtn5().SetValue(true);
  for (const char* se : {".026", ".0312", "0.0312", ".0001"}) {
    W().sefld2().SetText("");
    Type(W().sefld2(), se);
    EXPECT_EQ(W().sefld2().Text(), se) << "both standard errors take as much";
  }
  W().sefld2().SetText("");
  for (fw::TextField* field : {&W().m5fld1(), &W().sefld1(), &W().m5fld2(), &W().sefld2()}) {
    Type(*field, "0.12345678");
    EXPECT_EQ(field->Text(), "0.1234567") << field->Name();
  }
  Type(W().r5Fld(), "-.99999");
  EXPECT_EQ(W().r5Fld().Text(), "-.9999");
}

TEST_F(AUCsPanel, OnlyTheSecondAUCCarriesATooltip) {
  EXPECT_EQ(W().m5fld2().HelpTag(), "r of Variable 1 and Variable 3");
  for (fw::TextField* field : {&W().m5fld1(), &W().sefld1(), &W().sefld2(), &W().r5Fld()}) {
    EXPECT_EQ(field->HelpTag(), "") << field->Name();
  }
}

TEST_F(AUCsPanel, TheTabKeyVisitsTheInputsInOrderAndNoResultField) {
  for (bool related : {false, true}) {
    ChooseDesign(related);
    std::vector<std::string> expected = {"m5fld1", "sefld1", "m5fld2", "sefld2"};
    if (related) expected.push_back("r5Fld");
    W().m5fld1().SetFocus();
    std::vector<std::string> stops = {FocusedName()};
    while (stops.size() <= expected.size()) {
      QTest::keyClick(W().Widget()->focusWidget(), Qt::Key_Tab);
      stops.push_back(FocusedName());
    }
    const std::string afterInputs = stops.back();
    stops.pop_back();
    EXPECT_EQ(stops, expected);
    for (const char* result : {"tfld5", "dffld5", "pfld5", "r5Fld"}) {
      EXPECT_NE(afterInputs, result);
    }
  }
}

TEST_F(AUCsPanel, ShownPAgreesWithTheExactPForRandomInputs) {
  std::mt19937 random(20261215);
  std::uniform_real_distribution<double> auc(0.0001, 0.9999), se(0.0001, 0.2), r(0.0001, 0.9999);
  auto text = [](double v) { return FixedText(v, 6).substr(0, 7); };
  for (int i = 0; i < 80; ++i) {
    const bool related = i % 2 == 1;
    const std::string rText = related ? text(i % 4 == 1 ? -r(random) : r(random)) : "";
    const Input in = {related,           text(auc(random)), text(se(random)),
                      text(auc(random)), text(se(random)),  rText};
    Enter(in);
    Calculate();
    ASSERT_TRUE(messages.empty()) << LastMessage() << " for r " << in.r;
    const double z = ExactZ(in);
    EXPECT_TRUE(PAgrees(W().pfld5().Text(), ExactTwoTailedZ(z)))
        << W().pfld5().Text() << " against " << ExactTwoTailedZ(z) << " for z " << z;
  }
}

}  // namespace
