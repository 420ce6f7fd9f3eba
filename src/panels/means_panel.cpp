// The Means panel: a t test of two means, for two independent samples, two related samples or
// one sample against a population mean.

#include <cmath>
#include <optional>

#include "app/module1.h"
#include "mainwindow/control_wnd.h"
#include "panels/panel_patterns.h"
#include "panels/panel_results.h"
#include "stats/means.h"

namespace {

using panels::CountInput;
using panels::NumberInput;
using panels::OutsideNRange;

struct MeansDesign {
  std::int64_t btn;
  const char* firstGroup;
  const char* secondGroup;
  bool secondSampleShown;  // sd2fld and n2fld with their labels
  bool pairSeparator;      // SepLine2, shown while n2fld holds r
  const char* n2Label;
  int n2Limit;
};

constexpr const char* kNegativeSD = "Standard deviation must not be negative";

constexpr MeansDesign kIndependent = {1, "Sample 1", "Sample 2", true, false, "N", 4};
constexpr MeansDesign kRelated = {2, "Sample 1", "Sample 2", true, true, "r", 6};
constexpr MeansDesign kSamplePopulation = {3, "Sample", "Population", false, false, "N", 4};

void SelectDesign(ControlWnd& w, const MeansDesign& design) {
  Module1::btn = design.btn;
  w.GroupBox1().SetCaption(design.firstGroup);
  w.GroupBox2().SetCaption(design.secondGroup);
  w.sd2fld().SetVisible(design.secondSampleShown);
  w.StaticText6().SetVisible(design.secondSampleShown);
  w.n2fld().SetVisible(design.secondSampleShown);
  w.n2text().SetVisible(design.secondSampleShown);
  panels::BlankResults(panels::ResultsOf(w, panels::kMeans));
  w.SepLine1().SetVisible(false);
  w.SepLine2().SetVisible(design.pairSeparator);
  w.n2text().SetText(design.n2Label);
  w.n2fld().SetLimitText(design.n2Limit);
}

// Only a paste can bring a minus sign into an SD field, and a negative SD gives a t of the wrong
// sign (one sample) or size (related samples).
void CheckSDs(panels::Validation& check, ControlWnd& w, double sd1, double sd2) {
  check.NotNegative(sd1, w.sd1fld(), kNegativeSD).NotNegative(sd2, w.sd2fld(), kNegativeSD);
}

std::optional<TestResult> Independent(ControlWnd& w) {
  panels::Validation check;
  check.Filled(w.m1fld(), "Please enter the mean of the 1st sample")
      .Filled(w.m2fld(), "Please enter the mean of the 2nd sample")
      .Filled(w.sd1fld(), "Please enter the standard deviation of the 1st sample")
      .Filled(w.sd2fld(), "Please enter the standard deviation of the 2nd sample")
      .Filled(w.n1fld(), "Please enter the N of the 1st sample")
      .Filled(w.n2fld(), "Please enter the N of the 2nd sample");
  if (check.Failed()) return std::nullopt;
  const double m1 = NumberInput(w.m1fld());
  const double m2 = NumberInput(w.m2fld());
  const double sd1 = NumberInput(w.sd1fld());
  const double sd2 = NumberInput(w.sd2fld());
  const std::int64_t n1 = CountInput(w.n1fld());
  const std::int64_t n2 = CountInput(w.n2fld());
  check.Check(OutsideNRange(n1), w.n1fld(), panels::kNEachSample)
      .Check(OutsideNRange(n2), w.n2fld(), panels::kNEachSample);
  CheckSDs(check, w, sd1, sd2);
  if (check.Failed()) return std::nullopt;
  return means::Independent(m1, m2, sd1, sd2, n1, n2);
}

std::optional<TestResult> Related(ControlWnd& w) {
  panels::Validation check;
  check.Filled(w.m1fld(), "Please enter the mean of the 1st sample")
      .Filled(w.m2fld(), "Please enter the mean of the 2nd sample")
      .Filled(w.sd1fld(), "Please enter the standard deviation of the 1st sample")
      .Filled(w.sd2fld(), "Please enter the standard deviation of the 2nd sample")
      .Filled(w.n1fld(), "Please enter the N of the related sample")
      .Filled(w.n2fld(), "Please enter the correlation between Sample 1 and Sample 2");
  if (check.Failed()) return std::nullopt;
  const double m1 = NumberInput(w.m1fld());
  const double m2 = NumberInput(w.m2fld());
  const double sd1 = NumberInput(w.sd1fld());
  const double sd2 = NumberInput(w.sd2fld());
  const std::int64_t n = CountInput(w.n1fld());
  const double r = NumberInput(w.n2fld());
  check.Check(OutsideNRange(n), w.n1fld(), "N of paired samples must range from 2-9999")
      .Check(std::abs(r) > 1.0, w.n2fld(), "Correlation must range from -1.00 thru +1.00");
  CheckSDs(check, w, sd1, sd2);
  if (check.Failed()) return std::nullopt;
  return means::Related(m1, m2, sd1, sd2, n, r);
}

std::optional<TestResult> SampleVsPopulation(ControlWnd& w) {
  panels::Validation check;
  check.Filled(w.m1fld(), "Please enter the mean of the sample")
      .Filled(w.m2fld(), "Please enter the mean of the population")
      .Filled(w.sd1fld(), "Please enter the standard deviation of the sample")
      .Filled(w.n1fld(), "Please enter the N of the sample");
  if (check.Failed()) return std::nullopt;
  const double m = NumberInput(w.m1fld());
  const double mu = NumberInput(w.m2fld());
  const double s = NumberInput(w.sd1fld());
  const std::int64_t n = CountInput(w.n1fld());
  // One observation gives no degrees of freedom: without this check it would show p .0001.
  check.Check(OutsideNRange(n), w.n1fld(), "N of the sample must range from 2-9999")
      .NotNegative(s, w.sd1fld(), kNegativeSD);
  if (check.Failed()) return std::nullopt;
  return means::SampleVsPopulation(m, mu, s, n);
}

}  // namespace

void ControlWnd::IBtn_Action(fw::RadioButton&) {
  SelectDesign(*this, kIndependent);
}
void ControlWnd::RBtn_Action(fw::RadioButton&) {
  SelectDesign(*this, kRelated);
}
void ControlWnd::SBtn_Action(fw::RadioButton&) {
  SelectDesign(*this, kSamplePopulation);
}

void ControlWnd::CalcBtn_Action(fw::PushButton&) {
  if (!panels::DesignChosen({1, 2, 3},
                            "Select type of mean test and then enter appropriate data")) {
    return;
  }
  const std::optional<TestResult> result = Module1::btn == 1   ? Independent(*this)
                                           : Module1::btn == 2 ? Related(*this)
                                                               : SampleVsPopulation(*this);
  if (!result || panels::NoStatistic(*result, m1fld())) return;
  panels::DisplayResult(panels::ResultsOf(*this, panels::kMeans), *result);
}

void ControlWnd::ClearBtn_Action(fw::PushButton&) {
  panels::ClearPanel({&m1fld(), &m2fld(), &sd1fld(), &sd2fld(), &n1fld(), &n2fld()},
                     panels::ResultsOf(*this, panels::kMeans), IBtn(), RBtn());
}
