// The Correlations panel: two correlations compared, from two independent samples by Fisher's z,
// or two correlations sharing a variable in one sample by a t test.

#include <cmath>
#include <optional>

#include "app/module1.h"
#include "mainwindow/control_wnd.h"
#include "panels/panel_patterns.h"
#include "panels/panel_results.h"
#include "stats/correlations.h"

namespace {

using panels::CountInput;
using panels::NumberInput;
using panels::OutsideNRange;

constexpr const char* kREach = "r for each sample must range from -.9999 to +.9999";

struct CorrelationsDesign {
  std::int64_t btn;
  const char* statisticCaption;
  const char* n22Label;  // n22fld holds N2 or the third correlation, rac
  bool separators;
  const char* r1Tip;
  const char* r2Tip;
  const char* n22Tip;
  int n22Limit;
};

constexpr CorrelationsDesign kIndependent = {1, "z", "N", false, "", "", "", 4};
constexpr CorrelationsDesign kRelated = {2,
                                         "t",
                                         "r",
                                         true,
                                         "r of Variable a and Variable b",
                                         "r of Variable b and Variable c",
                                         "r of Variable a and Variable c",
                                         6};

void SelectDesign(ControlWnd& w, const CorrelationsDesign& design) {
  Module1::btn = design.btn;
  w.ttext2().SetText(design.statisticCaption);
  panels::BlankResults(panels::ResultsOf(w, panels::kCorrelations));
  w.n2text2().SetText(design.n22Label);
  w.SepLine5().SetVisible(design.separators);
  w.SepLine6().SetVisible(design.separators);
  w.r2Fld1().SetHelpTag(design.r1Tip);
  w.r2Fld2().SetHelpTag(design.r2Tip);
  w.n22fld().SetHelpTag(design.n22Tip);
  w.n22fld().SetLimitText(design.n22Limit);
}

bool OutsideRRange(double r) {
  return r < -0.9999 || r > 0.9999;
}

// Computed from correlations that fit exactly (a determinant of 0), the determinant can round to
// a few 1e-16 below zero; correlations typed with four decimals that truly do not fit lie at
// least 1e-12 below it.
constexpr double kDeterminantRounding = 1e-13;

std::optional<TestResult> Independent(ControlWnd& w) {
  const double r1 = NumberInput(w.r2Fld1());
  const double r2 = NumberInput(w.r2Fld2());
  const std::int64_t n1 = CountInput(w.n12fld());
  const std::int64_t n2 = CountInput(w.n22fld());
  // Fisher's z has the variance 1 / (N - 3): below 4 it is infinite or negative.
  constexpr const char* kNFour = "N for each sample must be at least 4 for this test";
  panels::Validation check;
  check.Check(OutsideNRange(n1), w.n12fld(), panels::kNEachSample)
      .Check(OutsideNRange(n2), w.n22fld(), panels::kNEachSample)
      .Check(OutsideRRange(r1), w.r2Fld1(), kREach)
      .Check(OutsideRRange(r2), w.r2Fld2(), kREach)
      .Check(n1 < 4, w.n12fld(), kNFour)
      .Check(n2 < 4, w.n22fld(), kNFour);
  if (check.Failed()) return std::nullopt;
  return correlations::Independent(r1, r2, n1, n2);
}

std::optional<TestResult> Related(ControlWnd& w) {
  const double rab = NumberInput(w.r2Fld1());
  const double rbc = NumberInput(w.r2Fld2());
  const std::int64_t n = CountInput(w.n12fld());
  const double rac = NumberInput(w.n22fld());
  const double det = correlations::Determinant(rab, rbc, rac);
  panels::Validation check;
  check.Check(OutsideNRange(n), w.n12fld(), "N must range from 2-9999")
      .Check(OutsideRRange(rab), w.r2Fld1(), kREach)
      .Check(OutsideRRange(rbc), w.r2Fld2(), kREach)
      .Check(std::abs(rac) > 1.0, w.n22fld(), "Correlation must range from -1.00 thru +1.00")
      // df = N - 3 must be at least 1.
      .Check(n < 4, w.n12fld(), "N must be at least 4 for this test")
      .Check(det < -kDeterminantRounding, w.r2Fld1(),
             "These three correlations cannot occur together");
  if (check.Failed()) return std::nullopt;
  return correlations::Related(rab, rbc, n, rac);
}

}  // namespace

void ControlWnd::IBtn2_Action(fw::RadioButton&) {
  SelectDesign(*this, kIndependent);
}
void ControlWnd::RBtn2_Action(fw::RadioButton&) {
  SelectDesign(*this, kRelated);
}

void ControlWnd::CalcBtn2_Action(fw::PushButton&) {
  if (!panels::DesignChosen({1, 2}, panels::kSelectIndependentOrRelated)) {
    return;
  }
  // No empty tests here: an empty field reads as 0, so an empty N fails its N check.
  const std::optional<TestResult> result = Module1::btn == 1 ? Independent(*this) : Related(*this);
  if (!result || panels::NoStatistic(*result, r2Fld1())) return;
  panels::DisplayResult(panels::ResultsOf(*this, panels::kCorrelations), *result);
}

void ControlWnd::CalcBtn2_Open(fw::PushButton&) {}

void ControlWnd::ClearBtn2_Action(fw::PushButton&) {
  panels::ClearPanel({&r2Fld1(), &r2Fld2(), &n12fld(), &n22fld()},
                     panels::ResultsOf(*this, panels::kCorrelations), IBtn2(), RBtn2());
}
