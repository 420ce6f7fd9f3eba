// Every worked example of the help texts, typed into its panel, shows the numbers that the
// example's own lines give, written as the panel writes them; every field length that a help
// text states is the field's own limit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>
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

// The lines of one worked example: from its "Example N:" line to the next example or heading.
std::vector<std::string> ExampleLines(const std::string& help, int number) {
  const std::string start = "Example " + IntText(number) + ":";
  // A heading starts at the margin and is in capitals: "NOTES", "RELATED CORRELATIONS".
  auto heading = [](const std::string& line) {
    return !line.empty() && std::isupper(static_cast<unsigned char>(line[0])) &&
           std::none_of(line.begin(), line.end(), [](unsigned char c) { return std::islower(c); });
  };
  std::vector<std::string> example;
  std::istringstream lines(help);
  bool inside = false;
  for (std::string line; std::getline(lines, line);) {
    line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    if (line.starts_with("Example ")) {
      inside = line.starts_with(start);
    } else if (heading(line)) {
      inside = false;
    }
    if (inside) example.push_back(line);
  }
  return example;
}

// The words of the lines, split at blanks, with the brackets around a number taken off.
std::vector<std::string> Words(const std::vector<std::string>& lines) {
  std::vector<std::string> words;
  for (const std::string& line : lines) {
    std::istringstream split(line);
    for (std::string word; split >> word;) {
      if (word.starts_with('(')) word.erase(0, 1);
      if (word.ends_with(')')) word.pop_back();
      words.push_back(word);
    }
  }
  return words;
}

// The "name = value" pairs of the example's "Result:" line, in their order:
// "t = +0.636    df = 9    p = .5407" gives t, df and p; a name may hold blanks ("p x 2").
std::vector<std::pair<std::string, std::string>> ResultPairs(
    const std::vector<std::string>& lines) {
  static const std::regex pair(R"((\S[^=]*?)\s+=\s+(\S+))");
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const std::string& line : lines) {
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos || line.compare(start, 7, "Result:") != 0) continue;
    const std::string rest = line.substr(start + 7);
    for (auto m = std::sregex_iterator(rest.begin(), rest.end(), pair); m != std::sregex_iterator();
         ++m) {
      pairs.emplace_back((*m)[1], (*m)[2]);
    }
  }
  return pairs;
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

    const std::vector<std::string> lines = ExampleLines(HelpText(example.tab), example.number);
    const std::vector<std::string> words = Words(lines);
    const std::string where =
        " in example " + IntText(example.number) + " of the help of tab " + IntText(example.tab);
    ASSERT_FALSE(words.empty()) << "no lines" << where;
    auto given = [&](const std::string& number) {
      return std::find(words.begin(), words.end(), number) != words.end();
    };
    for (const auto& [field, text] : example.inputs) EXPECT_TRUE(given(text)) << text << where;

    // The result line names each result by its caption on the panel ("p x 2" and the like for
    // p) and writes it as the panel's field shows it, the sign of the statistic included.
    const auto pairs = ResultPairs(lines);
    auto stated = [&](auto named) {
      std::vector<std::string> values;
      for (const auto& [name, value] : pairs) {
        if (named(name)) values.push_back(value);
      }
      return values;
    };
    const std::string caption = W().Named<fw::Label>("ttext" + s).Text();
    const std::string statistic = W().Named<fw::TextField>("tfld" + s).Text();
    EXPECT_EQ(stated([&](const std::string& name) { return name == caption; }),
              std::vector<std::string>{statistic})
        << caption << " = " << statistic << where;
    const std::string p = W().Named<fw::TextField>("pfld" + s).Text();
    EXPECT_EQ(stated([](const std::string& name) { return name.starts_with('p'); }),
              std::vector<std::string>{p})
        << "p = " << p << where;
    const auto& df = W().Named<fw::TextField>("dffld" + s);
    EXPECT_EQ(stated([](const std::string& name) { return name == "df"; }),
              df.Visible() ? std::vector<std::string>{df.Text()} : std::vector<std::string>{})
        << "df = " << df.Text() << where;
  }
}

// A field length that a help text states, known by the words just before its number, and the
// fields it speaks of.
struct StatedLength {
  int tab;
  std::string before;
  std::vector<std::string> fields;
};

const std::vector<StatedLength>& StatedLengths() {
  static const std::vector<StatedLength> stated = {
      {0, "Means and standard deviations take up to", {"m1fld", "sd1fld", "m2fld", "sd2fld"}},
      {0, "characters, N up to", {"n1fld", "n2fld"}},
      {1, "Variances take up to", {"var1Fld", "var2Fld"}},
      {1, "characters, N up to", {"n1fld1", "n2fld1"}},
      {3, "each N from 2 to 9999 (up to", {"n3fld1", "n3fld2"}},
      {4, "each N from 2 to 9999 (up to", {"n4fld1", "n4fld2"}},
      {5, "Each AUC and each standard error takes up to", {"m5fld1", "sefld1", "m5fld2", "sefld2"}},
      {5, "and r takes up to", {"r5Fld"}},
  };
  return stated;
}

// Every "takes up to 9 characters", "up to 4 digits" and the like in a help text is the real
// limit of the fields it speaks of, as the panel is entered (the Independent design). A stated
// length that the list above does not know fails too, so that none goes unchecked.
TEST_F(HelpExamples, EveryStatedFieldLengthIsTheFieldsLimit) {
  static const std::regex length(R"((\d+) (characters?|digits?)\b)");
  std::set<const StatedLength*> found;
  for (int tab = 0; tab < 6; ++tab) {
    EnterTab(tab);
    // One blank for every run of blanks, tabs and line ends, so a sentence reads as one line.
    const std::string text = std::regex_replace(HelpText(tab), std::regex(R"([ \t\r\n]+)"), " ");
    for (auto m = std::sregex_iterator(text.begin(), text.end(), length);
         m != std::sregex_iterator(); ++m) {
      std::string before = text.substr(0, m->position());
      if (before.ends_with(' ')) before.pop_back();
      const std::string where = "\"..." +
                                before.substr(before.size() - std::min<size_t>(before.size(), 50)) +
                                " " + m->str() + "\" in the help of tab " + IntText(tab);
      const auto known = std::find_if(
          StatedLengths().begin(), StatedLengths().end(),
          [&](const StatedLength& l) { return l.tab == tab && before.ends_with(l.before); });
      if (known == StatedLengths().end()) {
        ADD_FAILURE() << "no fields known for " << where;
        continue;
      }
      found.insert(&*known);
      for (const std::string& field : known->fields) {
        EXPECT_EQ(IntText(W().Named<fw::TextField>(field).LimitText()), (*m)[1].str())
            << field << " for " << where;
      }
    }
  }
  for (const StatedLength& l : StatedLengths()) {
    EXPECT_TRUE(found.count(&l)) << "no longer stated in tab " << l.tab << ": " << l.before;
  }
}

}  // namespace
