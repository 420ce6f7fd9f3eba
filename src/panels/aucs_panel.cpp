// The AUCs panel: a z test of two areas under ROC curves, from two independent samples or from
// the same cases (related, with the correlation r between the two AUCs).

#include <cmath>
#include <optional>

#include "app/module1.h"
#include "mainwindow/control_wnd.h"
#include "panels/panel_patterns.h"
#include "panels/panel_results.h"
#include "stats/aucs.h"

namespace {

using panels::NumberInput;

constexpr const char* kSEEach = "SE for each sample must > 0.0001";
constexpr const char* kAUCEach = "AUC for each sample must range from .0001 to .9999";

// Both designs keep the AUCs and SEs but start r afresh; only the Related one shows it.
void SelectDesign(ControlWnd& w, std::int64_t design, bool correlationShown) {
  Module1::btn = design;
  panels::BlankResults(panels::ResultsOf(w, panels::kAUCs));
  w.r5Fld().SetText("");
  w.r5Fld().SetVisible(correlationShown);
  w.rtext5().SetVisible(correlationShown);
  w.SepLine9().SetVisible(correlationShown);
}

// The checks of either design in their order, then z and p; nothing when a check fails.
std::optional<TestResult> Compare(ControlWnd& w, bool related) {
  panels::Validation check;
  check.Filled(w.m5fld1(), "Please enter the AUC of the 1st sample")
      .Filled(w.m5fld2(), "Please enter the AUC of the 2nd sample")
      .Filled(w.sefld1(), "Please enter the standard error of the 1st AUC")
      .Filled(w.sefld2(), "Please enter the standard error of the 2nd AUC");
  if (related) check.Filled(w.r5Fld(), "Please enter the correlation between AUCs");
  if (check.Failed()) return std::nullopt;
  const double auc1 = NumberInput(w.m5fld1());
  const double auc2 = NumberInput(w.m5fld2());
  const double se1 = NumberInput(w.sefld1());
  const double se2 = NumberInput(w.sefld2());
  // Independent samples are uncorrelated; the hidden r field is not read then.
  const double r = related ? NumberInput(w.r5Fld()) : 0.0;
  check.Check(se1 < 0.0001, w.sefld1(), kSEEach)
      .Check(se2 < 0.0001, w.sefld2(), kSEEach)
      .Check(panels::OutsideUnitRange(auc1), w.m5fld1(), kAUCEach)
      .Check(panels::OutsideUnitRange(auc2), w.m5fld2(), kAUCEach);
  if (related) {
    check.Check(panels::OutsideUnitRange(std::abs(r)), w.r5Fld(),
                "Absolute value of correlation must range from .0001 to .9999");
  }
  if (check.Failed()) return std::nullopt;
  return aucs::Compare(auc1, auc2, se1, se2, r);
}

}  // namespace

void ControlWnd::IBtn5_Action(fw::RadioButton&) {
  SelectDesign(*this, 1, false);
}
void ControlWnd::RBtn5_Action(fw::RadioButton&) {
  SelectDesign(*this, 2, true);
}

void ControlWnd::CalcBtn5_Action(fw::PushButton&) {
  if (!panels::DesignChosen({1, 2}, panels::kSelectIndependentOrRelated)) {
    return;
  }
  const std::optional<TestResult> result = Compare(*this, Module1::btn == 2);
  if (!result || panels::NoStatistic(*result, m5fld1())) return;
  panels::DisplayResult(panels::ResultsOf(*this, panels::kAUCs), *result);  // z and p only: no df
}

void ControlWnd::CalcBtn5_Open(fw::PushButton&) {}

void ControlWnd::ClearBtn5_Action(fw::PushButton&) {
  panels::ClearPanel({&m5fld1(), &sefld1(), &m5fld2(), &sefld2(), &r5Fld()},
                     panels::ResultsOf(*this, panels::kAUCs), IBtn5(), RBtn5());
}
