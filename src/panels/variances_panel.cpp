// The Variances panel: a test of two variances, an F ratio for two independent samples or a t
// for two related samples.

#include <cmath>
#include <optional>

#include "app/module1.h"
#include "mainwindow/control_wnd.h"
#include "panels/panel_patterns.h"
#include "panels/panel_results.h"
#include "stats/variances.h"

namespace {

using panels::CountInput;
using panels::NumberInput;
using panels::OutsideNRange;

constexpr const char* kVariance1 = "Please enter the variance of the 1st sample";
constexpr const char* kVariance2 = "Please enter the variance of the 2nd sample";
constexpr const char* kNegativeVariance = "Variance must not be negative";

struct VariancesDesign {
  std::int64_t btn;
  const char* statisticCaption;
  const char* pCaption;  // the F test doubles a one-sided p
  bool pairSeparators;   // SepLine3 and SepLine4, shown while n2fld1 holds r
  const char* n2Label;
  int n2Limit;
};

constexpr VariancesDesign kIndependent = {1, "F", "p x 2", false, "N", 4};
constexpr VariancesDesign kRelated = {2, "t", "p", true, "r", 6};

const VariancesDesign& ChosenDesign() {
  return Module1::btn == 1 ? kIndependent : kRelated;
}

void SelectDesign(ControlWnd& w, const VariancesDesign& design) {
  Module1::btn = design.btn;
  w.ttext1().SetText(design.statisticCaption);
  panels::BlankResults(panels::ResultsOf(w, panels::kVariances));
  w.n2fld1().SetVisible(true);
  w.rtext2().SetText(design.n2Label);
  w.SepLine3().SetVisible(design.pairSeparators);
  w.SepLine4().SetVisible(design.pairSeparators);
  w.n2fld1().SetLimitText(design.n2Limit);
}

// Only a paste can bring a minus sign into a variance field, and a negative variance gives no
// ratio to test.
void CheckNotNegative(panels::Validation& check, ControlWnd& w, double v1, double v2) {
  check.NotNegative(v1, w.var1Fld(), kNegativeVariance)
      .NotNegative(v2, w.var2Fld(), kNegativeVariance);
}

std::optional<TestResult> Independent(ControlWnd& w) {
  panels::Validation check;
  check.Filled(w.var1Fld(), kVariance1)
      .Filled(w.var2Fld(), kVariance2)
      .Filled(w.n1fld1(), "Please enter the N of the 1st sample")
      .Filled(w.n2fld1(), "Please enter the N of the 2nd sample");
  if (check.Failed()) return std::nullopt;
  const double v1 = NumberInput(w.var1Fld());
  const double v2 = NumberInput(w.var2Fld());
  const std::int64_t n1 = CountInput(w.n1fld1());
  const std::int64_t n2 = CountInput(w.n2fld1());
  check.Check(OutsideNRange(n1), w.n1fld1(), panels::kNEachSample)
      .Check(OutsideNRange(n2), w.n2fld1(), panels::kNEachSample);
  CheckNotNegative(check, w, v1, v2);
  if (check.Failed()) return std::nullopt;
  return variances::Independent(v1, v2, n1, n2);
}

std::optional<TestResult> Related(ControlWnd& w) {
  panels::Validation check;
  check.Filled(w.var1Fld(), kVariance1)
      .Filled(w.var2Fld(), kVariance2)
      .Filled(w.n1fld1(), "Please enter the sample size")
      .Filled(w.n2fld1(), "Please enter the correlation between the two samples");
  if (check.Failed()) return std::nullopt;
  const double v1 = NumberInput(w.var1Fld());
  const double v2 = NumberInput(w.var2Fld());
  const std::int64_t n = CountInput(w.n1fld1());
  const double r = NumberInput(w.n2fld1());
  check.Check(OutsideNRange(n), w.n1fld1(), "N must range from 2-9999")
      .Check(n < 3, w.n1fld1(), panels::kNThree)
      .Check(std::abs(r) > 1.0, w.n2fld1(), "Correlation must range from -1.00 thru +1.00");
  CheckNotNegative(check, w, v1, v2);
  if (check.Failed()) return std::nullopt;
  return variances::Related(v1, v2, n, r);
}

}  // namespace

void ControlWnd::IBtn1_Action(fw::RadioButton&) {
  SelectDesign(*this, kIndependent);
}
void ControlWnd::RBtn1_Action(fw::RadioButton&) {
  SelectDesign(*this, kRelated);
}

void ControlWnd::CalcBtn1_Action(fw::PushButton&) {
  if (!panels::DesignChosen(
          {1, 2}, "Select Independent or Related Variance test and then enter appropriate data")) {
    return;
  }
  const std::optional<TestResult> result = Module1::btn == 1 ? Independent(*this) : Related(*this);
  if (!result || panels::NoStatistic(*result, var1Fld())) return;
  const VariancesDesign& design = ChosenDesign();
  ttext1().SetText(design.statisticCaption);
  panels::DisplayResult(panels::ResultsOf(*this, panels::kVariances), *result, design.pCaption);
}

void ControlWnd::CalcBtn1_Open(fw::PushButton&) {}

void ControlWnd::ClearBtn1_Action(fw::PushButton&) {
  panels::ClearPanel({&var1Fld(), &var2Fld(), &n1fld1(), &n2fld1()},
                     panels::ResultsOf(*this, panels::kVariances), IBtn1(), RBtn1());
}
