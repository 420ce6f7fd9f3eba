// The Proportions panel: a z test of two proportions, for two independent samples or an observed
// proportion against an expected one.

#include <optional>

#include "app/module1.h"
#include "mainwindow/control_wnd.h"
#include "panels/panel_patterns.h"
#include "panels/panel_results.h"
#include "stats/proportions.h"

namespace {

using panels::CountInput;
using panels::NumberInput;
using panels::OutsideNRange;

struct ProportionsDesign {
  std::int64_t btn;
  const char* firstGroup;
  const char* secondGroup;
  bool secondNShown;  // n3fld2 with its label; it keeps its text while hidden
};

constexpr ProportionsDesign kIndependent = {1, "Sample 1", "Sample 2", true};
constexpr ProportionsDesign kObservedExpected = {2, "Observed", "Expected", false};

void SelectDesign(ControlWnd& w, const ProportionsDesign& design) {
  Module1::btn = design.btn;
  panels::BlankResults(panels::ResultsOf(w, panels::kProportions));
  w.n3fld2().SetVisible(design.secondNShown);
  w.n3text2().SetVisible(design.secondNShown);
  w.GroupBox7().SetCaption(design.firstGroup);
  w.GroupBox8().SetCaption(design.secondGroup);
}

std::optional<TestResult> Independent(ControlWnd& w) {
  constexpr const char* kPEach = "proportion for each sample must range from .0001 to .9999";
  panels::Validation check;
  check.Filled(w.p1fld(), "Please enter the proportion of the 1st sample")
      .Filled(w.p2fld(), "Please enter the proportion of the 2nd sample")
      .Filled(w.n3fld1(), "Please enter the N of the 1st sample")
      .Filled(w.n3fld2(), "Please enter the N of the 2nd sample");
  if (check.Failed()) return std::nullopt;
  const double p1 = NumberInput(w.p1fld());
  const double p2 = NumberInput(w.p2fld());
  const std::int64_t n1 = CountInput(w.n3fld1());
  const std::int64_t n2 = CountInput(w.n3fld2());
  check.Check(OutsideNRange(n1), w.n3fld1(), panels::kNEachSample)
      .Check(OutsideNRange(n2), w.n3fld2(), panels::kNEachSample)
      .Check(panels::OutsideUnitRange(p1), w.p1fld(), kPEach)
      .Check(panels::OutsideUnitRange(p2), w.p2fld(), kPEach);
  if (check.Failed()) return std::nullopt;
  return proportions::Independent(p1, p2, n1, n2);
}

std::optional<TestResult> ObservedExpected(ControlWnd& w) {
  panels::Validation check;
  check.Filled(w.p1fld(), "Please enter the observed proportion")
      .Filled(w.p2fld(), "Please enter the Expected proportion")
      .Filled(w.n3fld1(), "Please enter the total N of the observed proportion");
  if (check.Failed()) return std::nullopt;
  const double observed = NumberInput(w.p1fld());
  const double expected = NumberInput(w.p2fld());
  const std::int64_t n = CountInput(w.n3fld1());
  check.Check(OutsideNRange(n), w.n3fld1(), "N for observed proportion must range from 2-9999")
      .Check(panels::OutsideUnitRange(observed), w.p1fld(),
             "observed proportion must range from .0001 to .9999")
      .Check(panels::OutsideUnitRange(expected), w.p2fld(),
             "expected proportion must range from .0001 to .9999");
  if (check.Failed()) return std::nullopt;
  return proportions::ObservedExpected(observed, expected, n);
}

}  // namespace

void ControlWnd::IBtn3_Action(fw::RadioButton&) {
  SelectDesign(*this, kIndependent);
}
void ControlWnd::RBtn3_Action(fw::RadioButton&) {
  SelectDesign(*this, kObservedExpected);
}

void ControlWnd::CalcBtn3_Action(fw::PushButton&) {
  if (!panels::DesignChosen({1, 2}, panels::kSelectIndependentOrRelated)) {
    return;
  }
  const std::optional<TestResult> result =
      Module1::btn == 1 ? Independent(*this) : ObservedExpected(*this);
  if (!result || panels::NoStatistic(*result, p1fld())) return;
  panels::DisplayResult(panels::ResultsOf(*this, panels::kProportions), *result);
}

void ControlWnd::CalcBtn3_Open(fw::PushButton&) {}

void ControlWnd::ClearBtn3_Action(fw::PushButton&) {
  panels::ClearPanel({&p1fld(), &n3fld1(), &p2fld(), &n3fld2()},
                     panels::ResultsOf(*this, panels::kProportions), IBtn3(), RBtn3());
}
