// Random text in every input field of every design, as pasting could bring it: each Calculate
// either shows exactly one message and changes nothing, or shows numbers in their masks.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "app/module1.h"
#include "mainwindow/tab_layouts.h"
#include "support/number_text.h"
#include "support/panel_fixture.h"

namespace {

constexpr int kPressesPerDesign = 1600;

struct Design {
  int tab;
  int btn;
};

class Robustness : public PanelTest, public ::testing::WithParamInterface<Design> {
 protected:
  std::vector<fw::TextField*> Inputs(int tab) {
    std::vector<fw::TextField*> inputs;
    for (const layout::Row& row : *layout::Tabs()[tab]) {
      if (row.cls == fw::ControlClass::TextField && !row.readOnly) {
        inputs.push_back(&W().Named<fw::TextField>(row.name));
      }
    }
    return inputs;
  }
  std::vector<fw::Control*> ResultControls(int tab) {
    const TabResults r = Results(tab);
    return {&r.statistic, &r.df, &r.p, &r.statisticCaption, &r.dfCaption, &r.pCaption};
  }
  std::string Snapshot(const std::vector<fw::Control*>& controls) {
    std::string state = IntText(Module1::btn) + Module1::dirty;
    for (fw::Control* control : controls) {
      state += control->Visible() ? "V" : "h";
      state += control->Enabled() ? "E" : "d";
      if (auto* field = dynamic_cast<fw::TextField*>(control)) state += "[" + field->Text() + "]";
      if (auto* label = dynamic_cast<fw::Label*>(control)) state += "<" + label->Text() + ">";
    }
    return state;
  }
};

std::string RandomText(std::mt19937& random) {
  static const char* const kPieces[] = {
      "",      " ",      "0",     "1",     "2",      "3",      "4",    "-1",    "1.2.3", "--5",
      "5-",    "nan",    "inf",   "-inf",  "1e999",  "1e-300", "9999", "10000", ".9999", "-.9999",
      ".0001", "1",      "0.5",   "-0.5",  ".",      "-",      "+",    "e5",    "1e",    "2.9",
      "1e18",  "9.3e18", "-9e18", "99.67", "13.872", "0.00",   "abc",  "x",     "1,5",   "\t7",
      "-0",    "-.0",    "-1e-400",
  };
  std::uniform_int_distribution<int> kind(0, 9);
  switch (kind(random)) {
    case 0:
    case 1:
    case 2: {  // a plain value, often in range, so that results are shown too
      std::uniform_real_distribution<double> value(-2, 2);
      std::uniform_int_distribution<int> count(2, 9999);
      return random() % 2 ? FixedText(value(random), 6) : IntText(count(random));
    }
    case 3: {  // arbitrary printable characters
      std::uniform_int_distribution<int> length(0, 12), character(32, 126);
      std::string text;
      for (int i = length(random); i > 0; --i) text += static_cast<char>(character(random));
      return text;
    }
    case 4:  // very long
      return std::string(1 + random() % 400, "0123456789.-e"[random() % 13]);
    default: {
      std::uniform_int_distribution<size_t> piece(0, std::size(kPieces) - 1);
      return kPieces[piece(random)];
    }
  }
}

// A value of the kind the field holds: an N in the N fields, else a number between 0 and 1.
std::string PlausibleText(std::mt19937& random, const fw::TextField& field) {
  const bool holdsN = field.Name()[0] == 'n' && field.LimitText() == 4;
  if (holdsN) return IntText(std::uniform_int_distribution<int>(2, 9999)(random));
  return FixedText(std::uniform_real_distribution<double>(0.001, 0.999)(random), 6);
}

// A statistic too long for its field shows in exponent form, with the masked text as its tooltip.
bool InMask(const std::string& name, const std::string& text, const std::string& tooltip) {
  static const std::regex statistic(R"([+-]\d+\.\d{3}|[+-]INF)");
  static const std::regex exponentForm(R"([+-]\d(\.\d+)?E[+-]\d{2,3})");
  if (name.rfind("tfld", 0) == 0 && std::regex_match(text, exponentForm)) {
    return std::regex_match(tooltip, statistic);
  }
  static const std::regex df(R"(\d+(,\d+)?)");
  static const std::regex p(R"(\.\d{4})");
  if (name.rfind("tfld", 0) == 0) return std::regex_match(text, statistic);
  if (name.rfind("dffld", 0) == 0) return std::regex_match(text, df);
  return std::regex_match(text, p) && text >= ".0001" && text <= ".9999";
}

TEST_P(Robustness, EveryPressShowsOneMessageOrNumbersInTheirMasks) {
  const Design design = GetParam();
  EnterTab(design.tab);
  const std::string s = TabSuffix(design.tab);
  auto& independent = W().Named<fw::RadioButton>("IBtn" + s);
  auto& related = W().Named<fw::RadioButton>("RBtn" + s);
  (design.btn == 1 ? independent : design.btn == 2 ? related : W().SBtn()).SetValue(true);
  auto& calculate = W().Named<fw::PushButton>("CalcBtn" + s);
  const auto inputs = Inputs(design.tab);
  const auto results = ResultControls(design.tab);

  std::mt19937 random(1000 * design.tab + design.btn);
  int messagesShown = 0, resultsShown = 0;
  for (int press = 0; press < kPressesPerDesign; ++press) {
    // A third of the presses get values of the right kind everywhere, so results show too.
    const bool plausible = press % 3 == 0;
    for (fw::TextField* field : inputs) {
      field->SetText(plausible ? PlausibleText(random, *field) : RandomText(random));
    }
    const std::string before = Snapshot(results);
    const size_t messagesBefore = messages.size();
    calculate.Push();
    if (messages.size() > messagesBefore) {
      ASSERT_EQ(messages.size(), messagesBefore + 1);
      ASSERT_EQ(Snapshot(results), before) << "after the message " << messages.back();
      ++messagesShown;
      continue;
    }
    ++resultsShown;
    ASSERT_EQ(Module1::dirty, "y");
    for (fw::Control* control : results) {
      auto* field = dynamic_cast<fw::TextField*>(control);
      if (!field || !field->Visible()) continue;
      ASSERT_TRUE(InMask(field->Name(), field->Text(), field->HelpTag()))
          << field->Name() << " shows \"" << field->Text() << "\" after press " << press;
    }
  }
  std::printf("tab %d design %d: %d presses, %d messages, %d results\n", design.tab, design.btn,
              kPressesPerDesign, messagesShown, resultsShown);
  EXPECT_GT(resultsShown, 0);
  EXPECT_GT(messagesShown, 0);
}

INSTANTIATE_TEST_SUITE_P(AllDesigns, Robustness,
                         ::testing::Values(Design{0, 1}, Design{0, 2}, Design{0, 3}, Design{1, 1},
                                           Design{1, 2}, Design{2, 1}, Design{2, 2}, Design{3, 1},
                                           Design{3, 2}, Design{4, 1}, Design{4, 2}, Design{5, 1},
                                           Design{5, 2}),
                         [](const auto& info) {
                           return "Tab" + IntText(info.param.tab) + "Design" +
                                  IntText(info.param.btn);
                         });

}  // namespace
