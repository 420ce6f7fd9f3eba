// The help texts read as a user reads them. Each worked example is typed as it is printed: the
// design that its heading names is clicked, the values of its rows and columns are typed into the
// fields that the row and the column name, and Calculate shows what its result line states.
// Every range that a text states is the panel's own, and every field length that a text states is
// the field's limit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/number_text.h"
#include "support/panel_fixture.h"
#include "windows/help_wnd.h"

namespace {

using Inputs = std::vector<std::pair<std::string, std::string>>;  // field name, text

// The worked examples as this program's help is to give them, written out apart from the help
// texts: a text that printed wrong inputs together with the results that they give still fails.
struct Anchor {
  int tab;
  int number;          // "Example 2:" in the tab's help text
  std::string design;  // as its heading and its radio button name it
  Inputs inputs;
  double statistic;  // to more places than the result line prints; the exact p is taken of it
  std::string df;    // as the panel shows it; empty for a z
};

const std::vector<Anchor>& Anchors() {
  static const std::vector<Anchor> anchors = {
      {0,
       1,
       "Independent",
       {{"m1fld", "99.67"},
        {"m2fld", "102.0"},
        {"sd1fld", "13.872"},
        {"sd2fld", "13.995"},
        {"n1fld", "12"},
        {"n2fld", "14"}},
       -0.424913,
       "24"},
      {0,
       2,
       "Related",
       {{"m1fld", "93.5"},
        {"m2fld", "97.14"},
        {"sd1fld", "8.15"},
        {"sd2fld", "9.566"},
        {"n1fld", "14"},
        {"n2fld", ".960"}},
       -4.74402,
       "13"},
      {0,
       3,
       "Sample/Population",
       {{"m1fld", "112.2"}, {"m2fld", "110.0"}, {"sd1fld", "10.94"}, {"n1fld", "10"}},
       0.635924,
       "9"},
      {1,
       1,
       "Independent",
       {{"var1Fld", "126.81"}, {"var2Fld", "35.27"}, {"n1fld1", "41"}, {"n2fld1", "31"}},
       3.59541,
       "40,30"},
      // The related test of two variances takes 1 - r squared (Pitman and Morgan's t).
      {1,
       2,
       "Related",
       {{"var1Fld", "65.27"}, {"var2Fld", "243.61"}, {"n1fld1", "36"}, {"n2fld1", ".64"}},
       5.36637,
       "34"},
      {2,
       1,
       "Independent",
       {{"r2Fld1", ".68"}, {"r2Fld2", ".36"}, {"n12fld", "38"}, {"n22fld", "73"}},
       2.18447,
       ""},
      {2,
       2,
       "Related",
       {{"r2Fld1", ".50"}, {"r2Fld2", ".20"}, {"n12fld", "103"}, {"n22fld", ".30"}},
       2.88964,
       "100"},
      {2,
       3,
       "Related",
       {{"r2Fld1", ".955"}, {"r2Fld2", ".52"}, {"n12fld", "5"}, {"n22fld", ".37"}},
       1.77632,
       "2"},
      {3,
       1,
       "Independent",
       {{"p1fld", ".80"}, {"p2fld", ".40"}, {"n3fld1", "20"}, {"n3fld2", "20"}},
       2.58199,
       ""},
      {3,
       2,
       "Observed-Expected",
       {{"p1fld", ".60"}, {"p2fld", ".80"}, {"n3fld1", "15"}},
       -1.93649,
       ""},
      {4,
       1,
       "Independent",
       {{"a1fld", ".78"}, {"a2fld", ".71"}, {"n4fld1", "41"}, {"n4fld2", "151"}},
       1.31818,
       "40,150"},
      {4,
       2,
       "Related",
       {{"a1fld", ".80"}, {"a2fld", ".72"}, {"n4fld1", "100"}, {"n4fld2", ".50"}},
       1.93218,
       "98"},
      {4,
       3,
       "Related",
       {{"a1fld", ".82"}, {"a2fld", ".89"}, {"n4fld1", "27"}, {"n4fld2", ".74"}},
       -1.84903,
       "25"},
      {5,
       1,
       "Independent",
       {{"m5fld1", ".8945"}, {"m5fld2", ".9382"}, {"sefld1", ".03"}, {"sefld2", ".026"}},
       -1.10079,
       ""},
      {5,
       2,
       "Related",
       {{"m5fld1", ".8945"},
        {"m5fld2", ".9382"},
        {"sefld1", ".03"},
        {"sefld2", ".026"},
        {"r5Fld", ".40"}},
       -1.41633,
       ""},
  };
  return anchors;
}

// Which field a value of an example goes into: by the tab, the design, the label of its row and
// the heading of its column, as the panel's groups are captioned. A value given in the prose as
// "name = value" has no column.
struct CellField {
  int tab;
  std::string design, row, column, field;
};

const std::vector<CellField>& CellFields() {
  static const std::vector<CellField> cells = {
      {0, "Independent", "Mean", "Sample 1", "m1fld"},
      {0, "Independent", "Mean", "Sample 2", "m2fld"},
      {0, "Independent", "Standard Deviation", "Sample 1", "sd1fld"},
      {0, "Independent", "Standard Deviation", "Sample 2", "sd2fld"},
      {0, "Independent", "N", "Sample 1", "n1fld"},
      {0, "Independent", "N", "Sample 2", "n2fld"},
      {0, "Related", "Mean", "Sample 1", "m1fld"},
      {0, "Related", "Mean", "Sample 2", "m2fld"},
      {0, "Related", "Standard Deviation", "Sample 1", "sd1fld"},
      {0, "Related", "Standard Deviation", "Sample 2", "sd2fld"},
      {0, "Related", "N (pairs) / r", "Sample 1", "n1fld"},
      {0, "Related", "N (pairs) / r", "Sample 2", "n2fld"},
      {0, "Sample/Population", "Mean", "Sample", "m1fld"},
      {0, "Sample/Population", "Mean", "Population", "m2fld"},
      {0, "Sample/Population", "Standard Deviation", "Sample", "sd1fld"},
      {0, "Sample/Population", "N", "Sample", "n1fld"},
      {1, "Independent", "Variance", "Sample 1", "var1Fld"},
      {1, "Independent", "Variance", "Sample 2", "var2Fld"},
      {1, "Independent", "N", "Sample 1", "n1fld1"},
      {1, "Independent", "N", "Sample 2", "n2fld1"},
      {1, "Related", "Variance", "Sample 1", "var1Fld"},
      {1, "Related", "Variance", "Sample 2", "var2Fld"},
      {1, "Related", "N / r", "Sample 1", "n1fld1"},
      {1, "Related", "N / r", "Sample 2", "n2fld1"},
      {2, "Independent", "r", "Sample 1", "r2Fld1"},
      {2, "Independent", "r", "Sample 2", "r2Fld2"},
      {2, "Independent", "N", "Sample 1", "n12fld"},
      {2, "Independent", "N", "Sample 2", "n22fld"},
      {2, "Related", "r", "Sample 1", "r2Fld1"},
      {2, "Related", "r", "Sample 2", "r2Fld2"},
      {2, "Related", "N / r", "Sample 1", "n12fld"},
      {2, "Related", "N / r", "Sample 2", "n22fld"},
      {2, "Related", "r1 (a with b)", "", "r2Fld1"},
      {2, "Related", "r2 (b with c)", "", "r2Fld2"},
      {2, "Related", "r3 (a with c)", "", "n22fld"},
      {2, "Related", "N", "", "n12fld"},
      {3, "Independent", "Proportion", "Sample 1", "p1fld"},
      {3, "Independent", "Proportion", "Sample 2", "p2fld"},
      {3, "Independent", "N", "Sample 1", "n3fld1"},
      {3, "Independent", "N", "Sample 2", "n3fld2"},
      {3, "Observed-Expected", "Proportion", "Observed", "p1fld"},
      {3, "Observed-Expected", "Proportion", "Expected", "p2fld"},
      {3, "Observed-Expected", "N", "Observed", "n3fld1"},
      {4, "Independent", "Alpha", "Test 1", "a1fld"},
      {4, "Independent", "Alpha", "Test 2", "a2fld"},
      {4, "Independent", "N", "Test 1", "n4fld1"},
      {4, "Independent", "N", "Test 2", "n4fld2"},
      {4, "Related", "Alpha", "Test 1", "a1fld"},
      {4, "Related", "Alpha", "Test 2", "a2fld"},
      {4, "Related", "N / r", "Test 1", "n4fld1"},
      {4, "Related", "N / r", "Test 2", "n4fld2"},
      {5, "Independent", "AUC", "Sample 1", "m5fld1"},
      {5, "Independent", "AUC", "Sample 2", "m5fld2"},
      {5, "Independent", "Standard Error", "Sample 1", "sefld1"},
      {5, "Independent", "Standard Error", "Sample 2", "sefld2"},
      {5, "Related", "AUC", "Sample 1", "m5fld1"},
      {5, "Related", "AUC", "Sample 2", "m5fld2"},
      {5, "Related", "Standard Error", "Sample 1", "sefld1"},
      {5, "Related", "Standard Error", "Sample 2", "sefld2"},
      {5, "Related", "r", "Sample 2", "r5Fld"},
  };
  return cells;
}

// An input that an example's prose says again, and the field whose value it must be: the first
// group of the expression is the number.
struct Restated {
  int tab;
  int number;
  std::string expression;
  std::string field;
};

const std::vector<Restated>& RestatedInputs() {
  static const std::vector<Restated> restated = {
      {1, 2, R"(one sample of (\d+) subjects)", "n1fld1"},
      {2, 2, R"(For (\d+) students)", "n12fld"},
      {2, 2, R"(IQ correlates (\.\d+) with GPA)", "r2Fld1"},
      {2, 2, R"(SAT correlates (\.\d+) with GPA)", "r2Fld2"},
      {2, 2, R"(IQ and SAT correlate (\.\d+))", "n22fld"},
      {4, 2, R"(one sample of (\d+) subjects)", "n4fld1"},
      {4, 3, R"(one sample of (\d+) subjects)", "n4fld1"},
      {5, 2, R"(an estimated r of (\.\d+))", "r5Fld"},
  };
  return restated;
}

std::string HelpText(int tab) {
  return PanelHelp(tab).EditField1().Text();
}

std::string Trimmed(const std::string& text) {
  const size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return "";
  return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

// One blank for every run of blanks, tabs and line ends, so that a sentence reads as one line.
std::string OneLine(const std::string& text) {
  return Trimmed(std::regex_replace(text, std::regex(R"([ \t\r\n]+)"), " "));
}

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::istringstream split(line);
  for (std::string part; std::getline(split, part, separator);) parts.push_back(part);
  if (line.ends_with(separator)) parts.emplace_back();
  return parts;
}

// The numbers of the examples in a help text, in their order.
std::vector<int> ExampleNumbers(const std::string& help) {
  static const std::regex heading(R"((^|\n)Example (\d+):)");
  std::vector<int> numbers;
  for (auto m = std::sregex_iterator(help.begin(), help.end(), heading);
       m != std::sregex_iterator(); ++m) {
    numbers.push_back(std::stoi((*m)[2]));
  }
  return numbers;
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

bool IsResultLine(const std::string& line) {
  return Trimmed(line).starts_with("Result:");
}

// The "name = value" pairs of a line, in their order: "t = +0.636    df = 9    p = .5407" gives
// t, df and p; a name may hold blanks ("p x 2", "r1 (a with b)").
std::vector<std::pair<std::string, std::string>> Pairs(const std::string& line) {
  static const std::regex pair(R"((\S[^=]*?)\s+=\s+(\S+))");
  std::vector<std::pair<std::string, std::string>> pairs;
  for (auto m = std::sregex_iterator(line.begin(), line.end(), pair); m != std::sregex_iterator();
       ++m) {
    pairs.emplace_back((*m)[1], (*m)[2]);
  }
  return pairs;
}

bool IsNumber(const std::string& text) {
  static const std::regex number(R"([-+]?(\d+\.?\d*|\.\d+))");
  return std::regex_match(text, number);
}

// A worked example as its lines give it.
struct PrintedExample {
  std::string design;  // the heading's first word: "Example 1: Independent" gives Independent
  struct Value {
    std::string row, column, text;
  };
  std::vector<Value> values;  // from the table, row by row, and from "name = number" in the prose
  std::string prose;          // the heading and every other line outside the table and the result
  std::vector<std::pair<std::string, std::string>> results;  // the result line's pairs
};

// The table of an example begins with its column headings, a line that starts with a tab; each
// of its rows gives a label, then a value under each heading, an empty cell where there is none.
PrintedExample Parse(const std::vector<std::string>& lines) {
  PrintedExample example;
  const std::string heading = lines.at(0).substr(lines.at(0).find(':') + 1);
  const std::string design = Trimmed(heading);
  example.design = design.substr(0, design.find_first_of(" .("));
  std::vector<std::string> columns;
  for (const std::string& line : lines) {
    if (line.starts_with('\t')) {
      columns = Split(line, '\t');
    } else if (line.find('\t') != std::string::npos && !columns.empty()) {
      const std::vector<std::string> cells = Split(line, '\t');
      for (size_t cell = 1; cell < cells.size(); ++cell) {
        if (cells[cell].empty()) continue;
        example.values.push_back({Trimmed(cells[0]),
                                  cell < columns.size() ? columns[cell] : "(no heading)",
                                  cells[cell]});
      }
    } else if (IsResultLine(line)) {
      const std::string rest = Trimmed(line).substr(7);
      for (const auto& pair : Pairs(rest)) example.results.push_back(pair);
    } else {
      columns.clear();
      example.prose += line + "\n";
      for (const auto& [name, value] : Pairs(line)) {
        if (IsNumber(value)) example.values.push_back({name, "", value});
      }
    }
  }
  example.prose = OneLine(example.prose);
  return example;
}

// The text that a user types for a printed value: the input filters take no plus sign.
std::string Typed(const std::string& printed) {
  return printed.starts_with('+') ? printed.substr(1) : printed;
}

class HelpExamples : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    W().Show();
  }

  // The design button of the tab that bears the design's name.
  fw::RadioButton* DesignButton(int tab, const std::string& design) {
    std::vector<std::string> names = {"IBtn" + TabSuffix(tab), "RBtn" + TabSuffix(tab)};
    if (tab == 0) names.push_back("SBtn");
    for (const std::string& name : names) {
      auto& button = W().Named<fw::RadioButton>(name);
      if (button.Caption() == design) return &button;
    }
    ADD_FAILURE() << "no design button \"" << design << "\" on tab " << tab;
    return nullptr;
  }

  // The tab entered, the design's button clicked and the inputs typed with the keys, each into
  // the field clicked first. Whether each field took its whole text.
  bool Enter(int tab, const std::string& design, const Inputs& inputs) {
    EnterTab(tab);
    fw::RadioButton* button = DesignButton(tab, design);
    if (!button) return false;
    Click(*button);
    EXPECT_TRUE(button->Value()) << design;
    bool whole = true;
    for (const auto& [name, text] : inputs) {
      auto& field = W().Named<fw::TextField>(name);
      Click(field);
      EXPECT_EQ(FocusedName(), name);
      TypeAtCursor(text);
      whole = whole && field.Text() == text;
    }
    return whole;
  }

  void Calculate(int tab) {
    messages.clear();
    Click(W().Named<fw::PushButton>("CalcBtn" + TabSuffix(tab)));
  }
};

// The exact p of an anchor's statistic: of F when it has two degrees of freedom, of z when none.
double ExactP(const Anchor& anchor) {
  const size_t comma = anchor.df.find(',');
  if (anchor.df.empty()) return ExactTwoTailedZ(anchor.statistic);
  if (comma == std::string::npos) return ExactTwoTailedT(anchor.statistic, std::stod(anchor.df));
  return ExactTwoSidedF(anchor.statistic, std::stod(anchor.df.substr(0, comma)),
                        std::stod(anchor.df.substr(comma + 1)));
}

// The fields that the printed values go into, each named by the value's row and column on the
// tab under the example's design.
Inputs FieldsOf(int tab, const PrintedExample& example) {
  Inputs inputs;
  for (const auto& value : example.values) {
    const auto cell =
        std::find_if(CellFields().begin(), CellFields().end(), [&](const CellField& c) {
          return c.tab == tab && c.design == example.design && c.row == value.row &&
                 c.column == value.column;
        });
    if (cell == CellFields().end()) {
      ADD_FAILURE() << "no field for the row \"" << value.row << "\" and the column \""
                    << value.column << "\" in the " << example.design << " design";
      continue;
    }
    EXPECT_TRUE(std::none_of(inputs.begin(), inputs.end(),
                             [&](const auto& input) { return input.first == cell->field; }))
        << cell->field << " given twice";
    inputs.emplace_back(cell->field, value.text);
  }
  return inputs;
}

// The prose that says an input of the example again says the table's value. Records each
// restatement that the prose holds.
void ExpectProseAsTheTable(int tab, int number, const PrintedExample& example, const Inputs& inputs,
                           std::set<const Restated*>& found) {
  std::map<std::string, std::string> given(inputs.begin(), inputs.end());
  for (const Restated& restated : RestatedInputs()) {
    if (restated.tab != tab || restated.number != number) continue;
    std::smatch match;
    if (!std::regex_search(example.prose, match, std::regex(restated.expression))) continue;
    found.insert(&restated);
    EXPECT_TRUE(given.count(restated.field) &&
                ReadNumber(match[1].str()) == ReadNumber(given[restated.field]))
        << "the prose says \"" << match[0] << "\", the table gives " << restated.field << " "
        << given[restated.field];
  }
}

int Decimals(const std::string& number) {
  const size_t point = number.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(number.size() - point - 1);
}

// Whether a stated result is the shown one to the places that the statement prints: written as
// the field writes it (its sign, its leading zero or none) and rounded to as many decimals as the
// statement has, which are no more than the field shows. A shown value that lies halfway between
// two such roundings (-0.425 to two places) is itself rounded, so the exact result decides.
::testing::AssertionResult StatedAsShown(const std::string& stated, const std::string& shown,
                                         double exact) {
  const int decimals = Decimals(stated);
  if (decimals > Decimals(shown)) {
    return ::testing::AssertionFailure()
           << "\"" << stated << "\" states more places than the panel's \"" << shown << "\"";
  }
  static const std::regex half("50*");
  const bool halfway = decimals < Decimals(shown) &&
                       std::regex_match(shown.substr(shown.find('.') + 1 + decimals), half);
  std::string rounded = FixedText(halfway ? exact : ReadNumber(shown), decimals);
  if (shown.starts_with('+') && !rounded.starts_with('-')) rounded.insert(0, "+");
  if (shown.starts_with('.') && rounded.starts_with("0.")) rounded.erase(0, 1);
  if (rounded == stated) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << stated << "\" is not the panel's \"" << shown
                                       << "\" to " << decimals << " decimals";
}

// The result line names each result by its caption on the panel ("p x 2" and the like for p) and
// gives it as the panel's field shows it, to the places that the line prints, the sign of the
// statistic included; and the panel's result is the example's own.
void ExpectShownAsStated(const PrintedExample& example, const TabResults& shown,
                         const Anchor& anchor) {
  auto stated = [&](auto named) {
    std::vector<std::string> values;
    for (const auto& [name, value] : example.results) {
      if (named(name)) values.push_back(value);
    }
    return values;
  };
  auto expectOne = [](const std::vector<std::string>& values, const std::string& field,
                      double exact, const std::string& name) {
    ASSERT_EQ(values.size(), 1u) << "one " << name << " stated; the panel shows " << field;
    EXPECT_TRUE(StatedAsShown(values.front(), field, exact)) << name;
  };
  const std::string caption = shown.statisticCaption.Text();
  expectOne(stated([&](const std::string& name) { return name == caption; }),
            shown.statistic.Text(), anchor.statistic, caption);
  expectOne(stated([](const std::string& name) { return name.starts_with('p'); }), shown.p.Text(),
            ExactP(anchor), "p");
  EXPECT_EQ(
      stated([](const std::string& name) { return name == "df"; }),
      shown.df.Visible() ? std::vector<std::string>{shown.df.Text()} : std::vector<std::string>{})
      << "df = " << shown.df.Text();

  EXPECT_EQ(shown.statistic.Text(), SignedThreeDecimals(anchor.statistic));
  EXPECT_EQ(shown.df.Visible() ? shown.df.Text() : "", anchor.df);
  EXPECT_TRUE(PAgrees(shown.p.Text(), ExactP(anchor)))
      << shown.p.Text() << " against the exact " << ExactP(anchor);
}

TEST_F(HelpExamples, EachExampleTypedAsPrintedShowsItsStatedResult) {
  std::set<const Anchor*> found;
  std::set<const Restated*> restatedFound;
  for (int tab = 0; tab < 6; ++tab) {
    const std::string help = HelpText(tab);
    for (int number : ExampleNumbers(help)) {
      SCOPED_TRACE("example " + IntText(number) + " of the help of tab " + IntText(tab));
      const auto anchor = std::find_if(Anchors().begin(), Anchors().end(), [&](const Anchor& a) {
        return a.tab == tab && a.number == number;
      });
      if (anchor == Anchors().end()) {
        ADD_FAILURE() << "no such example is known";
        continue;
      }
      found.insert(&*anchor);
      const PrintedExample example = Parse(ExampleLines(help, number));
      EXPECT_EQ(example.design, anchor->design) << "the design of the heading";

      const Inputs inputs = FieldsOf(tab, example);
      std::map<std::string, double> printed, known;
      for (const auto& [field, text] : inputs) printed[field] = ReadNumber(text);
      for (const auto& [field, text] : anchor->inputs) known[field] = ReadNumber(text);
      EXPECT_EQ(printed, known) << "the example's inputs";
      ExpectProseAsTheTable(tab, number, example, inputs, restatedFound);

      EXPECT_TRUE(Enter(tab, example.design, inputs)) << "a field refused a printed value";
      Calculate(tab);
      if (!messages.empty()) {
        ADD_FAILURE() << "Calculate said: " << LastMessage();
        continue;
      }
      ExpectShownAsStated(example, Results(tab), *anchor);
    }
  }
  for (const Anchor& anchor : Anchors()) {
    EXPECT_TRUE(found.count(&anchor))
        << "no example " << anchor.number << " in the help of tab " << anchor.tab;
  }
  for (const Restated& restated : RestatedInputs()) {
    EXPECT_TRUE(restatedFound.count(&restated))
        << "example " << restated.number << " of tab " << restated.tab
        << " no longer says: " << restated.expression;
  }
}

// A range that a help text states, known by the words just before it, and the fields of the
// designs that it speaks of.
struct StatedRange {
  int tab;
  std::string before;
  std::vector<std::pair<std::string, std::string>> targets;  // design, field
  // The other inputs while a target is tried; when empty, those of the design's first example.
  Inputs others = {};
  // At either end of the range the statistic is 0 / 0 whatever the other inputs, which the panel
  // reports as such after the range has passed the value.
  bool noStatisticAtTheEnds = false;
};

// The three correlations of a related test all 0, so that either compared one can reach its end
// and still occur together with the others.
const Inputs kUncorrelated = {{"r2Fld1", "0"}, {"r2Fld2", "0"}, {"n12fld", "103"}, {"n22fld", "0"}};

const std::vector<StatedRange>& StatedRanges() {
  static const std::vector<StatedRange> ranges = {
      {0, "Each N must be", {{"Independent", "n1fld"}, {"Independent", "n2fld"}}},
      {0, "the correlation between the two measures,", {{"Related", "n2fld"}}},
      {0, "The N of the pairs must be", {{"Related", "n1fld"}}},
      {0, "The N of the sample must be", {{"Sample/Population", "n1fld"}}},
      {1, "Each N must be", {{"Independent", "n1fld1"}, {"Independent", "n2fld1"}}},
      {1, "between the two measures,", {{"Related", "n2fld1"}}},
      {1, "N must be", {{"Related", "n1fld1"}}},
      {2, "Each r must be", {{"Independent", "r2Fld1"}, {"Independent", "r2Fld2"}}},
      {2, "and each N must be", {{"Independent", "n12fld"}, {"Independent", "n22fld"}}},
      {2,
       "The two compared correlations must each be",
       {{"Related", "r2Fld1"}, {"Related", "r2Fld2"}},
       kUncorrelated},
      // A correlation of a with c of 1 or -1 makes c the same variable as a or its mirror image.
      {2, "and the third", {{"Related", "n22fld"}}, kUncorrelated, true},
      {2, "N must be", {{"Related", "n12fld"}}},
      {3,
       "Proportions must be",
       {{"Independent", "p1fld"},
        {"Independent", "p2fld"},
        {"Observed-Expected", "p1fld"},
        {"Observed-Expected", "p2fld"}}},
      {3,
       "and each N",
       {{"Independent", "n3fld1"}, {"Independent", "n3fld2"}, {"Observed-Expected", "n3fld1"}}},
      {4,
       "Alphas must be",
       {{"Independent", "a1fld"},
        {"Independent", "a2fld"},
        {"Related", "a1fld"},
        {"Related", "a2fld"}}},
      {4, "and each N", {{"Independent", "n4fld1"}, {"Independent", "n4fld2"}}},
      {4, "In the Related design N must be", {{"Related", "n4fld1"}}},
      {4, "and the correlation must be", {{"Related", "n4fld2"}}},
      {5,
       "Each AUC must be",
       {{"Independent", "m5fld1"},
        {"Independent", "m5fld2"},
        {"Related", "m5fld1"},
        {"Related", "m5fld2"}}},
      {5,
       "and each standard error",
       {{"Independent", "sefld1"},
        {"Independent", "sefld2"},
        {"Related", "sefld1"},
        {"Related", "sefld2"}}},
      {5, "In the Related design r must be", {{"Related", "r5Fld"}}},
  };
  return ranges;
}

// One end of a stated range as printed ("-1.00", "9999"), and the next value beyond it at the
// printed precision.
struct End {
  std::string printed;
  std::string beyond;
};

End EndOf(const std::string& printed, int outward) {
  const int decimals = Decimals(printed);
  std::string beyond =
      FixedText(ReadNumber(printed) + outward * std::pow(10.0, -decimals), decimals);
  // Written as short as a user writes it: 1.0000 as 1, 0.0000 as 0.
  if (beyond.find('.') != std::string::npos) {
    beyond.erase(beyond.find_last_not_of('0') + 1);
    if (beyond.ends_with('.')) beyond.pop_back();
  }
  if (beyond == "-0") beyond = "0";
  return {printed, beyond};
}

std::string Negated(const std::string& printed) {
  if (printed == "0") return printed;
  return printed.starts_with('-') ? printed.substr(1) : "-" + Typed(printed);
}

// Every range that a help text states ("from 2 to 9999", "from -1.00 to +1.00", "at least 4 (at
// most 9999)", "from .0001 to .9999 in absolute value") is the panel's: typed into each field that
// it speaks of, with the other inputs valid, each end of the range gives a result, and the next
// value beyond it at the printed precision is refused with the cursor in that field (or cannot be
// typed at all). A stated range that the list above does not know fails too.
TEST_F(HelpExamples, EveryStatedRangeIsThePanelsOwn) {
  static const std::regex range(
      R"((from|at least) ([-+]?\d*\.?\d+)(?: to ([-+]?\d*\.?\d+))?(?: \(at most (\d+)\))?)"
      R"(( in absolute value)?)");
  std::set<const StatedRange*> found;
  for (int tab = 0; tab < 6; ++tab) {
    const std::string text = OneLine(HelpText(tab));
    for (auto m = std::sregex_iterator(text.begin(), text.end(), range);
         m != std::sregex_iterator(); ++m) {
      const std::string before = Trimmed(text.substr(0, m->position()));
      const std::string where = "\"..." +
                                before.substr(before.size() - std::min<size_t>(before.size(), 50)) +
                                " " + m->str() + "\" in the help of tab " + IntText(tab);
      SCOPED_TRACE(where);
      // The longest known words before it: "Each N must be" rather than "N must be".
      const StatedRange* known = nullptr;
      for (const StatedRange& r : StatedRanges()) {
        if (r.tab == tab && before.ends_with(r.before) &&
            (!known || r.before.size() > known->before.size())) {
          known = &r;
        }
      }
      if (!known) {
        ADD_FAILURE() << "no fields known for this range";
        continue;
      }
      found.insert(known);

      std::vector<End> ends = {EndOf((*m)[2], -1)};
      const std::string upper = (*m)[3].matched ? (*m)[3] : (*m)[4];
      if (!upper.empty()) ends.push_back(EndOf(upper, +1));
      if ((*m)[5].matched) {
        for (const End& end : std::vector<End>(ends)) {
          ends.push_back({Negated(end.printed), Negated(end.beyond)});
        }
      }

      for (const auto& [design, field] : known->targets) {
        const auto example = std::find_if(Anchors().begin(), Anchors().end(), [&](const Anchor& a) {
          return a.tab == tab && a.design == design;
        });
        ASSERT_NE(example, Anchors().end()) << design;
        auto try_ = [&](const std::string& value) {
          Inputs inputs;
          for (const auto& input : known->others.empty() ? example->inputs : known->others) {
            if (input.first != field) inputs.push_back(input);
          }
          inputs.emplace_back(field, value);
          const bool whole = Enter(tab, design, inputs);
          Calculate(tab);
          return whole;
        };
        for (const End& end : ends) {
          const std::string trace = design + " design, " + field + " ";
          if (!try_(Typed(end.printed))) {
            ADD_FAILURE() << trace << end.printed << " cannot be typed";
            continue;
          }
          if (known->noStatisticAtTheEnds) {
            EXPECT_EQ(messages, std::vector<std::string>{"These values give no test statistic"})
                << trace << end.printed;
            EXPECT_NE(FocusedName(), field) << trace << end.printed;
          } else {
            EXPECT_TRUE(messages.empty()) << trace << end.printed << ": " << LastMessage();
            EXPECT_TRUE(Results(tab).statistic.Visible()) << trace << end.printed;
          }
          if (try_(end.beyond)) {
            EXPECT_EQ(messages.size(), 1u) << trace << end.beyond << " was taken";
            EXPECT_EQ(FocusedName(), field) << trace << end.beyond << ": " << LastMessage();
          }
        }
      }
    }
  }
  for (const StatedRange& r : StatedRanges()) {
    EXPECT_TRUE(found.count(&r)) << "no longer stated in tab " << r.tab << ": " << r.before;
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
    const std::string text = OneLine(HelpText(tab));
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
