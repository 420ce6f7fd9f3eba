// Every worked example of the help texts, typed into its panel, shows the numbers the text gives.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/number_text.h"
#include "support/panel_fixture.h"
#include "windows/help_wnd.h"

namespace {

struct Example {
  int tab;
  int design;  // 1 Independent, 2 Related or Observed-Expected, 3 Sample/Population
  std::vector<std::pair<std::string, std::string>> inputs;  // field name, text
};

const std::vector<Example>& Examples() {
  static const std::vector<Example> examples = {
      {0,
       1,
       {{"m1fld", "99.67"},
        {"sd1fld", "13.872"},
        {"n1fld", "12"},
        {"m2fld", "102.0"},
        {"sd2fld", "13.995"},
        {"n2fld", "14"}}},
      {0,
       2,
       {{"m1fld", "93.5"},
        {"sd1fld", "8.15"},
        {"n1fld", "14"},
        {"m2fld", "97.14"},
        {"sd2fld", "9.566"},
        {"n2fld", ".960"}}},
      {0, 3, {{"m1fld", "112.2"}, {"sd1fld", "10.94"}, {"n1fld", "10"}, {"m2fld", "110.0"}}},
      {1, 1, {{"var1Fld", "126.81"}, {"n1fld1", "41"}, {"var2Fld", "35.27"}, {"n2fld1", "31"}}},
      {1, 2, {{"var1Fld", "65.27"}, {"n1fld1", "36"}, {"var2Fld", "243.61"}, {"n2fld1", ".64"}}},
      {2, 1, {{"r2Fld1", ".68"}, {"n12fld", "38"}, {"r2Fld2", ".36"}, {"n22fld", "73"}}},
      {2, 2, {{"r2Fld1", ".50"}, {"n12fld", "103"}, {"r2Fld2", ".20"}, {"n22fld", ".30"}}},
      {2, 2, {{"r2Fld1", ".955"}, {"n12fld", "5"}, {"r2Fld2", ".52"}, {"n22fld", ".37"}}},
      {3, 1, {{"p1fld", ".80"}, {"n3fld1", "20"}, {"p2fld", ".40"}, {"n3fld2", "20"}}},
      {3, 2, {{"p1fld", ".60"}, {"n3fld1", "15"}, {"p2fld", ".80"}}},
      {4, 1, {{"a1fld", ".78"}, {"n4fld1", "41"}, {"a2fld", ".71"}, {"n4fld2", "151"}}},
      {4, 2, {{"a1fld", ".80"}, {"n4fld1", "100"}, {"a2fld", ".72"}, {"n4fld2", ".50"}}},
      {4, 2, {{"a1fld", ".82"}, {"n4fld1", "27"}, {"a2fld", ".89"}, {"n4fld2", ".74"}}},
      {5, 1, {{"m5fld1", ".8945"}, {"sefld1", ".03"}, {"m5fld2", ".9382"}, {"sefld2", ".026"}}},
      {5,
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

std::string Suffix(int tab) {
  return tab == 0 ? "" : IntText(tab);
}

class HelpExamples : public PanelTest {};

TEST_F(HelpExamples, TheHelpTextsGiveTheNumbersThePanelsShow) {
  for (const Example& example : Examples()) {
    EnterTab(example.tab);
    const std::string s = Suffix(example.tab);
    const std::string radio = example.design == 1   ? "IBtn" + s
                              : example.design == 2 ? "RBtn" + s
                                                    : "SBtn";
    W().Named<fw::RadioButton>(radio).SetValue(true);
    for (const auto& [field, text] : example.inputs) Type(W().Named<fw::TextField>(field), text);
    W().Named<fw::PushButton>("CalcBtn" + s).Push();
    ASSERT_TRUE(messages.empty()) << LastMessage();

    const std::string help = HelpText(example.tab);
    std::string statistic = W().Named<fw::TextField>("tfld" + s).Text();
    if (statistic[0] == '+') statistic.erase(0, 1);  // the texts leave out the plus sign
    const auto& df = W().Named<fw::TextField>("dffld" + s);
    const std::string p = W().Named<fw::TextField>("pfld" + s).Text();
    const std::string where = " in the help of tab " + IntText(example.tab);
    EXPECT_NE(help.find(statistic), std::string::npos) << statistic << where;
    EXPECT_NE(help.find(p), std::string::npos) << p << where;
    if (df.Visible()) {
      EXPECT_NE(help.find("df = " + df.Text()), std::string::npos) << df.Text() << where;
    }
  }
}

}  // namespace
