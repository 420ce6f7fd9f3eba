// The Alphas panel: whether two coefficient alphas differ, for two tests given to two independent
// samples (an F ratio) or to one sample (a t that also uses the correlation between the tests).

#include <cmath>
#include <optional>

#include "app/module1.h"
#include "mainwindow/control_wnd.h"
#include "panels/panel_patterns.h"
#include "panels/panel_results.h"
#include "stats/alphas.h"

namespace {

using panels::CountInput;
using panels::NumberInput;
using panels::OutsideNRange;

struct AlphasDesign {
  std::int64_t btn;
  const char* statisticCaption;
  bool showsSecondField;  // n4fld2 and its label; nothing on this panel hides them
  const char* secondLabel;
  bool separators;  // SepLine7 and SepLine8, shown while n4fld2 holds r
  int secondLimit;
};

constexpr AlphasDesign kIndependent = {1, "F", false, "N", false, 4};
constexpr AlphasDesign kRelated = {2, "t", true, "r", true, 6};

void SelectDesign(ControlWnd& w, const AlphasDesign& design) {
  Module1::btn = design.btn;
  panels::BlankResults(panels::ResultsOf(w, panels::kAlphas));
  w.ttext4().SetCaption(design.statisticCaption);
  if (design.showsSecondField) {
    w.n4fld2().SetVisible(true);
    w.n4text2().SetVisible(true);
  }
  w.n4text2().SetCaption(design.secondLabel);
  w.SepLine7().SetVisible(design.separators);
  w.SepLine8().SetVisible(design.separators);
  w.n4fld2().SetLimitText(design.secondLimit);
}

std::optional<TestResult> Independent(ControlWnd& w) {
  panels::Validation check;
  check.Filled(w.a1fld(), "Please enter the coefficient alpha of the 1st Test")
      .Filled(w.a2fld(), "Please enter the coefficient alpha of the 2nd Test")
      .Filled(w.n4fld1(), "Please enter the N of the 1st sample")
      .Filled(w.n4fld2(), "Please enter the N of the 2nd sample");
  if (check.Failed()) return std::nullopt;
  const double a1 = NumberInput(w.a1fld());
  const double a2 = NumberInput(w.a2fld());
  const std::int64_t n1 = CountInput(w.n4fld1());
  const std::int64_t n2 = CountInput(w.n4fld2());
  constexpr const char* kAlphaEach =
      "Coefficient alpha for each test must range from .0001 to .9999";
  check.Check(OutsideNRange(n1), w.n4fld1(), panels::kNEachSample)
      .Check(OutsideNRange(n2), w.n4fld2(), panels::kNEachSample)
      .Check(panels::OutsideUnitRange(a1), w.a1fld(), kAlphaEach)
      .Check(panels::OutsideUnitRange(a2), w.a2fld(), kAlphaEach);
  if (check.Failed()) return std::nullopt;
  return alphas::Independent(a1, a2, n1, n2);
}

std::optional<TestResult> Related(ControlWnd& w) {
  panels::Validation check;
  check.Filled(w.a1fld(), "Please enter the coefficient alpha of the 1st sample")
      .Filled(w.a2fld(), "Please enter the coefficient alpha of the 2nd sample")
      .Filled(w.n4fld1(), "Please enter the N of the 1st sample")
      .Filled(w.n4fld2(), "Please enter the correlation between the two tests");
  if (check.Failed()) return std::nullopt;
  const double a1 = NumberInput(w.a1fld());
  const double a2 = NumberInput(w.a2fld());
  const std::int64_t n = CountInput(w.n4fld1());
  const double r = NumberInput(w.n4fld2());
  constexpr const char* kAlphaEach =
      "Coefficient alpha for each sample must range from .0001 to .9999";
  check.Check(OutsideNRange(n), w.n4fld1(), panels::kNEachSample)
      .Check(n < 3, w.n4fld1(), panels::kNThree)
      .Check(panels::OutsideUnitRange(a1), w.a1fld(), kAlphaEach)
      .Check(panels::OutsideUnitRange(a2), w.a2fld(), kAlphaEach)
      .Check(panels::OutsideUnitRange(std::abs(r)), w.n4fld2(),
             "Absolute value of correlation must range from .0001 to .9999");
  if (check.Failed()) return std::nullopt;
  return alphas::Related(a1, a2, n, r);
}

}  // namespace

void ControlWnd::IBtn4_Action(fw::RadioButton&) {
  SelectDesign(*this, kIndependent);
}
void ControlWnd::RBtn4_Action(fw::RadioButton&) {
  SelectDesign(*this, kRelated);
}

void ControlWnd::CalcBtn4_Action(fw::PushButton&) {
  if (!panels::DesignChosen({1, 2}, panels::kSelectIndependentOrRelated)) {
    return;
  }
  const std::optional<TestResult> result = Module1::btn == 1 ? Independent(*this) : Related(*this);
  if (!result || panels::NoStatistic(*result, a1fld())) return;
  // The p caption keeps "p" in both designs, although the Independent p is two-sided.
  panels::DisplayResult(panels::ResultsOf(*this, panels::kAlphas), *result);
}

void ControlWnd::CalcBtn4_Open(fw::PushButton&) {}

void ControlWnd::ClearBtn4_Action(fw::PushButton&) {
  panels::ClearPanel({&a1fld(), &n4fld1(), &a2fld(), &n4fld2()},
                     panels::ResultsOf(*this, panels::kAlphas), IBtn4(), RBtn4());
}
