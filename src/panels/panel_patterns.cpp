#include "panels/panel_patterns.h"

#include <cmath>
#include <limits>

#include "app/module1.h"
#include "framework/services.h"
#include "framework/text_services.h"

namespace panels {

bool IsEmpty(const fw::TextField& field) {
  return field.Text().empty();
}

double NumberInput(const fw::TextField& field) {
  return fw::Val(field.Text());
}

std::int64_t CountInput(const fw::TextField& field) {
  return CountFromValue(fw::Val(field.Text()));
}

std::int64_t CountFromValue(double read) {
  const double value = std::trunc(read);
  // 2^63 is the first double past the largest 64-bit integer.
  constexpr double kLimit = 9223372036854775808.0;
  if (std::isnan(value) || value >= kLimit || value < -kLimit) {
    return std::numeric_limits<std::int64_t>::min();
  }
  return static_cast<std::int64_t>(value);
}

void ValidationFailure(fw::TextField& field, const std::string& text) {
  fw::MsgBox(text);
  field.SetFocus();
}

Validation& Validation::Filled(fw::TextField& field, const char* message) {
  return Check(IsEmpty(field), field, message);
}

Validation& Validation::Check(bool fails, fw::TextField& field, const char* message) {
  if (!failed_ && fails) {
    failed_ = true;
    ValidationFailure(field, message);
  }
  return *this;
}

Validation& Validation::NotNegative(double value, fw::TextField& field, const char* message) {
  return Check(std::signbit(value), field, message);
}

bool DesignChosen(std::initializer_list<std::int64_t> designs, const char* selectDesignText) {
  for (std::int64_t design : designs) {
    if (Module1::btn == design) return true;
  }
  fw::MsgBox(selectDesignText);
  return false;
}

bool NoStatistic(const TestResult& result, fw::TextField& firstField) {
  if (!std::isnan(result.statistic) && !std::isnan(result.p)) return false;
  ValidationFailure(firstField, kNoStatistic);
  return true;
}

void EmptyResultTexts(const Results& results) {
  results.df.SetText("");
  results.statistic.SetText("");
  results.p.SetText("");
}

void BlankResults(const Results& results) {
  EmptyResultTexts(results);
  for (fw::Control* control :
       {static_cast<fw::Control*>(&results.df), static_cast<fw::Control*>(&results.statistic),
        static_cast<fw::Control*>(&results.p), static_cast<fw::Control*>(&results.dfCaption),
        static_cast<fw::Control*>(&results.statisticCaption),
        static_cast<fw::Control*>(&results.pCaption)}) {
    control->SetVisible(false);
  }
}

void DisplayResult(const Results& results, const TestResult& result, const char* pCaptionText) {
  results.p.SetEnabled(true);
  results.p.SetVisible(true);
  const double p = 0.0001 > result.p ? 0.0001 : result.p;
  results.p.SetText(fw::Format(p, ".0000"));
  if (pCaptionText) results.pCaption.SetText(pCaptionText);
  results.pCaption.SetVisible(true);  // it keeps its disabled look
  results.statistic.SetEnabled(true);
  results.statistic.SetVisible(true);
  results.statistic.SetText(fw::Format(result.statistic, "+####.000"));
  results.statisticCaption.SetEnabled(true);
  results.statisticCaption.SetVisible(true);
  if (result.df) {
    std::string dfText = fw::Str(*result.df);
    if (result.df2) dfText += "," + fw::Str(*result.df2);
    results.df.SetEnabled(true);
    results.df.SetVisible(true);
    results.df.SetText(dfText);
    results.dfCaption.SetEnabled(true);
    results.dfCaption.SetVisible(true);
  }
  Module1::dirty = "y";
}

void ClearPanel(std::initializer_list<fw::TextField*> inputs, const Results& results,
                fw::RadioButton& independent, fw::RadioButton& other) {
  for (fw::TextField* field : inputs) field->SetText("");
  BlankResults(results);
  independent.SetValue(true);
  other.SetValue(false);
  Module1::btn = 1;
  Module1::dirty = "n";
  (*inputs.begin())->SetFocus();
}

}  // namespace panels
