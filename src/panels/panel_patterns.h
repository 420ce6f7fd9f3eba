#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "framework/controls.h"
#include "stats/test_result.h"

// The patterns that the six test panels share: how input is read and checked, how a failed check
// is reported, how a result is shown, blanked and cleared.
namespace panels {

// The message of a calculation whose values give no statistic (0 divided by 0 and the like).
inline constexpr const char* kNoStatistic = "These values give no test statistic";

// A field is empty only when its text is exactly empty: a blank is not trimmed away.
bool IsEmpty(const fw::TextField& field);
// The number at the start of the field's text.
double NumberInput(const fw::TextField& field);
// An N: the number truncated toward zero; one that is not a number or does not fit in 64 bits
// becomes the most negative 64-bit integer, which fails every N check.
std::int64_t CountInput(const fw::TextField& field);
// The same rule on a value already read.
std::int64_t CountFromValue(double value);

// The N check of every panel: an N below 2 or above 9999 fails.
inline bool OutsideNRange(std::int64_t n) {
  return n < 2 || n > 9999;
}
inline constexpr const char* kNEachSample = "N for each sample must range from 2-9999";
// The two related tests of a variance and an alpha have N - 2 degrees of freedom: with N 2 they
// would show t 0 and p .9999 whatever the values.
inline constexpr const char* kNThree = "N must be at least 3 for this test";

// The range of an alpha, a proportion, an AUC and the size of a correlation: .0001 and .9999
// pass.
inline bool OutsideUnitRange(double value) {
  return value < 0.0001 || value > 0.9999;
}

// The select-design message that the Correlations, Proportions, Alphas and AUCs panels share.
inline constexpr const char* kSelectIndependentOrRelated =
    "Select Independent or Related Correlation test and then enter appropriate data";

// The message box with the text, then the cursor into the field.
void ValidationFailure(fw::TextField& field, const std::string& text);

// The checks of one Calculate, in their order: the first that fails reports itself and every
// later one is skipped.
class Validation {
 public:
  Validation& Filled(fw::TextField& field, const char* message);
  Validation& Check(bool fails, fw::TextField& field, const char* message);
  // Fails on a value with a minus sign, a negative zero (a pasted -0 or -1e-400) included.
  Validation& NotNegative(double value, fw::TextField& field, const char* message);
  bool Failed() const { return failed_; }

 private:
  bool failed_ = false;
};

// Whether the chosen design (Module1::btn) is one of the panel's; if not, the panel's message.
bool DesignChosen(std::initializer_list<std::int64_t> designs, const char* selectDesignText);

// A statistic or a p that is not a number is reported and stops the calculation, as a failed
// check does, with the cursor in the panel's first input field. Returns whether it stopped.
bool NoStatistic(const TestResult& result, fw::TextField& firstField);

// The result fields of a panel and their captions.
struct Results {
  fw::TextField& statistic;
  fw::Label& statisticCaption;
  fw::TextField& df;
  fw::Label& dfCaption;
  fw::TextField& p;
  fw::Label& pCaption;
};

// Empties the three result fields and hides them and their captions.
void BlankResults(const Results& results);
// Empties the three result fields' texts only.
void EmptyResultTexts(const Results& results);

// Shows p (raised to .0001 when smaller), the statistic and, where the result has them, its
// degrees of freedom (two joined by a comma); then a result is on show (Module1::dirty "y").
// pCaptionText, when given, recaptions p before it is shown.
void DisplayResult(const Results& results, const TestResult& result,
                   const char* pCaptionText = nullptr);

// The Clear of every panel: its inputs and results emptied, the results and their captions
// hidden, Independent selected (whose handler gives back the Independent captions, fields and
// limits), the other design's button cleared (which runs nothing), then no result on show and the
// cursor in the panel's first field.
void ClearPanel(std::initializer_list<fw::TextField*> inputs, const Results& results,
                fw::RadioButton& independent, fw::RadioButton& other);

}  // namespace panels
