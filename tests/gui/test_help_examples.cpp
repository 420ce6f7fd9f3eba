// Every worked example of the help texts, typed into its panel, shows the numbers that the
// example's own lines give.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "support/number_text.h"
#include "support/panel_fixture.h"
#include "windows/help_wnd.h"

namespace {

struct Example {
  int tab;
  int number;  // "Example 2:" in the tab's help text
  int design;  // 1 Independent, 2 Related or Observed-Expected, 3 Sample/Population
  std::vector<std::pair<std::string, std::string>> inputs;  // field name, text
};

const std::vector<Example>& Examples() {
  static const std::vector<Example> examples = {
      {0,
       1,
       1,
       {{"m1fld", "99.67"},
        {"sd1fld", "13.872"},
        {"n1fld", "12"},
        {"m2fld", "102.0"},
        {"sd2fld", "13.995"},
        {"n2fld", "14"}}},
      {0,
       2,
       2,
       {{"m1fld", "93.5"},
        {"sd1fld", "8.15"},
        {"n1fld", "14"},
        {"m2fld", "97.14"},
        {"sd2fld", "9.566"},
        {"n2fld", ".960"}}},
      {0, 3, 3, {{"m1fld", "112.2"}, {"sd1fld", "10.94"}, {"n1fld", "10"}, {"m2fld", "110.0"}}},
      {1, 1, 1, {{"var1Fld", "126.81"}, {"n1fld1", "41"}, {"var2Fld", "35.27"}, {"n2fld1", "31"}}},
      {1, 2, 2, {{"var1Fld", "65.27"}, {"n1fld1", "36"}, {"var2Fld", "243.61"}, {"n2fld1", ".64"}}},
      {2, 1, 1, {{"r2Fld1", ".68"}, {"n12fld", "38"}, {"r2Fld2", ".36"}, {"n22fld", "73"}}},
      {2, 2, 2, {{"r2Fld1", ".50"}, {"n12fld", "103"}, {"r2Fld2", ".20"}, {"n22fld", ".30"}}},
      {2, 3, 2, {{"r2Fld1", ".955"}, {"n12fld", "5"}, {"r2Fld2", ".52"}, {"n22fld", ".37"}}},
      {3, 1, 1, {{"p1fld", ".80"}, {"n3fld1", "20"}, {"p2fld", ".40"}, {"n3fld2", "20"}}},
      {3, 2, 2, {{"p1fld", ".60"}, {"n3fld1", "15"}, {"p2fld", ".80"}}},
      {4, 1, 1, {{"a1fld", ".78"}, {"n4fld1", "41"}, {"a2fld", ".71"}, {"n4fld2", "151"}}},
      {4, 2, 2, {{"a1fld", ".80"}, {"n4fld1", "100"}, {"a2fld", ".72"}, {"n4fld2", ".50"}}},
      {4, 3, 2, {{"a1fld", ".82"}, {"n4fld1", "27"}, {"a2fld", ".89"}, {"n4fld2", ".74"}}},
      {5, 1, 1, {{"m5fld1", ".8945"}, {"sefld1", ".03"}, {"m5fld2", ".9382"}, {"sefld2", ".026"}}},
      {5,
       2,
       2,
       {{"m5fld1", ".8945"},
        {"sefld1", ".03"},
        {"m5fld2", ".9382"},
        {"sefld2", ".026"},
        {"r5Fld", ".40"}}},
  };
  return examples;
}

std::string HelpText(int tab) {
  switch (tab) {
    case 0:
      return helpWnd::Get().EditField1().Text();
    case 1:
      return helpWnd1::Get().EditField1().Text();
    case 2:
      return helpWnd2::Get().EditField1().Text();
    case 3:
      return helpWnd3::Get().EditField1().Text();
    case 4:
      return helpWnd4::Get().EditField1().Text();
    default:
      return helpWnd5::Get().EditField1().Text();
  }
}

// The words of one worked example: from its "Example N:" line to the next example or heading,
// split at blanks, with the brackets around a number taken off.
std::vector<std::string> ExampleWords(const std::string& help, int number) {
  const std::string start = "Example " + IntText(number) + ":";
  // A heading starts at the margin and is in capitals: "NOTES", "RELATED CORRELATIONS".
  auto heading = [](const std::string& line) {
    return !line.empty() && std::isupper(static_cast<unsigned char>(line[0])) &&
           std::none_of(line.begin(), line.end(), [](unsigned char c) { return std::islower(c); });
  };
  std::vector<std::string> words;
  std::istringstream lines(help);
  bool inside = false;
  for (std::string line; std::getline(lines, line);) {
    line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    if (line.starts_with("Example ")) {
      inside = line.starts_with(start);
    } else if (heading(line)) {
      inside = false;
    }
    if (!inside) continue;
    std::istringstream split(line);
    for (std::string word; split >> word;) {
      if (word.starts_with('(')) word.erase(0, 1);
      if (word.ends_with(')')) word.pop_back();
      words.push_back(word);
    }
  }
  return words;
}

class HelpExamples : public PanelTest {};

TEST_F(HelpExamples, EachExampleGivesTheNumbersItsPanelShows) {
  for (const Example& example : Examples()) {
    EnterTab(example.tab);
    const std::string s = TabSuffix(example.tab);
    const std::string radio = example.design == 1   ? "IBtn" + s
                              : example.design == 2 ? "RBtn" + s
                                                    : "SBtn";
    W().Named<fw::RadioButton>(radio).SetValue(true);
    for (const auto& [field, text] : example.inputs) Type(W().Named<fw::TextField>(field), text);
    W().Named<fw::PushButton>("CalcBtn" + s).Push();
    ASSERT_TRUE(messages.empty()) << LastMessage();

    const std::vector<std::string> words = ExampleWords(HelpText(example.tab), example.number);
    const std::string where =
        " in example " + IntText(example.number) + " of the help of tab " + IntText(example.tab);
    ASSERT_FALSE(words.empty()) << "no lines" << where;
    auto given = [&](const std::string& number) {
      return std::find(words.begin(), words.end(), number) != words.end();
    };
    for (const auto& [field, text] : example.inputs) EXPECT_TRUE(given(text)) << text << where;
    std::string statistic = W().Named<fw::TextField>("tfld" + s).Text();
    if (statistic[0] == '+') statistic.erase(0, 1);  // the texts leave out the plus sign
    const std::string p = W().Named<fw::TextField>("pfld" + s).Text();
    EXPECT_TRUE(given(statistic)) << statistic << where;
    EXPECT_TRUE(given(p)) << p << where;
    const auto& df = W().Named<fw::TextField>("dffld" + s);
    if (df.Visible()) {
      EXPECT_TRUE(given(df.Text())) << df.Text() << where;
    }
  }
}

}  // namespace
