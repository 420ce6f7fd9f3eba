// The patterns that all six panels share, over a table of the panels: a failed check leaves the
// shown result, a design the panel lacks asks for one, Clear (pressed, or run by entering the
// tab) restores the empty Independent panel after every design, clicks on the buttons leave the
// cursor where it was, and a focused button answers its keys.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/module1.h"
#include "support/panel_fixture.h"
#include "support/user_actions.h"

namespace {

// One panel, with what its copy of each pattern differs in; the lists a panel lacks stay empty.
struct Panel {
  const char* name;
  int tab;
  int designs;  // 1 Independent, 2 Related (Observed-Expected), 3 Sample/Population
  // In the panel's order; the first gets the cursor on Clear.
  std::vector<const char*> inputs;
  // For each design from 1 up: the inputs' texts, which give a result.
  std::vector<std::vector<const char*>> values;
  // The Independent result of those values.
  const char *statistic, *df, *p;
  // A field that, emptied after the result, fails a check, and the message it gives.
  const char *emptied, *emptiedMessage;
  const char* selectDesign;
  // What Clear restores through the Independent button.
  std::vector<std::pair<const char*, const char*>> captions = {};
  std::vector<const char*> shown = {}, hidden = {};
  std::vector<std::pair<const char*, int>> limits = {};
  // Inputs whose tooltip only Related sets.
  std::vector<const char*> untipped = {};
  // The second N field, whose filter reads the design: only digits under Independent.
  const char* designCount = nullptr;
};

void PrintTo(const Panel& panel, std::ostream* out) {
  *out << panel.name;
}

const char kCorrelationSelect[] =
    "Select Independent or Related Correlation test and then enter appropriate data";

const Panel kPanels[] = {
    {
        .name = "Means",
        .tab = 0,
        .designs = 3,
        .inputs = {"m1fld", "sd1fld", "n1fld", "m2fld", "sd2fld", "n2fld"},
        .values = {{"99.67", "13.872", "12", "102.0", "13.995", "14"},
                   {"93.5", "8.15", "14", "97.14", "9.566", ".960"},
                   {"112.2", "10.94", "10", "110.0", "", ""}},
        .statistic = "-0.425",
        .df = "24",
        .p = ".6747",
        .emptied = "n2fld",
        .emptiedMessage = "Please enter the N of the 2nd sample",
        .selectDesign = "Select type of mean test and then enter appropriate data",
        .captions = {{"n2text", "N"}, {"GroupBox1", "Sample 1"}, {"GroupBox2", "Sample 2"}},
        .shown = {"n2fld", "n2text", "sd2fld", "StaticText6"},
        .hidden = {"SepLine2"},
        .limits = {{"n2fld", 4}},
        .designCount = "n2fld",
    },
    {
        .name = "Variances",
        .tab = 1,
        .designs = 2,
        .inputs = {"var1Fld", "var2Fld", "n1fld1", "n2fld1"},
        .values = {{"126.81", "35.27", "41", "31"}, {"65.27", "243.61", "36", ".64"}},
        .statistic = "+3.595",
        .df = "40,30",
        .p = ".0005",
        .emptied = "n1fld1",
        .emptiedMessage = "Please enter the N of the 1st sample",
        .selectDesign =
            "Select Independent or Related Variance test and then enter appropriate data",
        .captions = {{"ttext1", "F"}, {"rtext2", "N"}},
        .hidden = {"SepLine3", "SepLine4"},
        .limits = {{"n2fld1", 4}},
        .designCount = "n2fld1",
    },
    {
        .name = "Correlations",
        .tab = 2,
        .designs = 2,
        .inputs = {"r2Fld1", "n12fld", "r2Fld2", "n22fld"},
        .values = {{".68", "38", ".36", "73"}, {".50", "103", ".20", ".30"}},
        .statistic = "+2.184",
        .df = "",
        .p = ".0289",
        .emptied = "n12fld",
        .emptiedMessage = "N for each sample must range from 2-9999",
        .selectDesign = kCorrelationSelect,
        .captions = {{"ttext2", "z"}, {"n2text2", "N"}},
        .hidden = {"SepLine5", "SepLine6"},
        .limits = {{"n22fld", 4}},
        .untipped = {"r2Fld1", "r2Fld2", "n22fld"},
        .designCount = "n22fld",
    },
    {
        .name = "Proportions",
        .tab = 3,
        .designs = 2,
        .inputs = {"p1fld", "n3fld1", "p2fld", "n3fld2"},
        .values = {{".80", "20", ".40", "20"}, {".60", "15", ".80", "7"}},
        .statistic = "+2.582",
        .df = "",
        .p = ".0098",
        .emptied = "n3fld1",
        .emptiedMessage = "Please enter the N of the 1st sample",
        .selectDesign = kCorrelationSelect,
        .captions = {{"GroupBox7", "Sample 1"}, {"GroupBox8", "Sample 2"}},
        .shown = {"n3fld2", "n3text2"},
        .limits = {{"n3fld2", 4}},
    },
    {
        .name = "Alphas",
        .tab = 4,
        .designs = 2,
        .inputs = {"a1fld", "a2fld", "n4fld1", "n4fld2"},
        .values = {{".78", ".71", "41", "151"}, {".80", ".72", "100", ".50"}},
        .statistic = "+1.318",
        .df = "40,150",
        .p = ".2414",
        .emptied = "n4fld1",
        .emptiedMessage = "Please enter the N of the 1st sample",
        .selectDesign = kCorrelationSelect,
        .captions = {{"ttext4", "F"}, {"n4text2", "N"}},
        .hidden = {"SepLine7", "SepLine8"},
        .limits = {{"n4fld2", 4}},
        .designCount = "n4fld2",
    },
    {
        .name = "AUCs",
        .tab = 5,
        .designs = 2,
        .inputs = {"m5fld1", "sefld1", "m5fld2", "sefld2", "r5Fld"},
        .values = {{".8945", ".03", ".9382", ".026", ""}, {".8945", ".03", ".9382", ".026", ".40"}},
        .statistic = "-1.101",
        .df = "",
        .p = ".2710",
        .emptied = "sefld2",
        .emptiedMessage = "Please enter the standard error of the 2nd AUC",
        .selectDesign = kCorrelationSelect,
        .hidden = {"r5Fld", "rtext5", "SepLine9"},
        .limits = {{"sefld2", 9}, {"r5Fld", 6}},
    },
};

class PanelPatterns : public PanelTest, public ::testing::WithParamInterface<Panel> {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    EnterTab(GetParam().tab);
  }

  fw::TextField& Field(const std::string& name) { return W().Named<fw::TextField>(name); }
  fw::PushButton& Button(const std::string& name) {
    return W().Named<fw::PushButton>(name + TabSuffix(GetParam().tab));
  }
  fw::RadioButton& Radio(const std::string& name) {
    return W().Named<fw::RadioButton>(name + TabSuffix(GetParam().tab));
  }
  std::string Caption(const std::string& name) {
    auto& control = W().Named<fw::Control>(name);
    if (auto* label = dynamic_cast<fw::Label*>(&control)) return label->Caption();
    return dynamic_cast<fw::GroupBox&>(control).Caption();
  }

  void Choose(int design) {
    Radio(design == 1 ? "IBtn" : design == 2 ? "RBtn" : "SBtn").SetValue(true);
  }
  void FillDesign(int design) {
    const Panel& panel = GetParam();
    for (size_t i = 0; i < panel.inputs.size(); ++i) {
      Field(panel.inputs[i]).SetText(panel.values[design - 1][i]);
    }
  }
  void Calculate() { Press(Button("CalcBtn")); }

  TabResults Result() const { return Results(GetParam().tab); }
  // Text, visibility and enabled state of the six result controls.
  std::string ResultState() const {
    const TabResults r = Result();
    std::string state;
    for (fw::Control* control : std::vector<fw::Control*>{
             &r.statistic, &r.df, &r.p, &r.statisticCaption, &r.dfCaption, &r.pCaption}) {
      state += control->Name() + (control->Visible() ? " shown" : " hidden") +
               (control->Enabled() ? " enabled" : " disabled");
      if (auto* field = dynamic_cast<fw::TextField*>(control)) {
        state += " \"" + field->Text() + "\"";
      }
      state += "; ";
    }
    return state;
  }
};

TEST_P(PanelPatterns, AFailedCheckLeavesTheShownResult) {
  const Panel& panel = GetParam();
  FillDesign(1);
  Calculate();
  ASSERT_TRUE(messages.empty()) << LastMessage();
  const std::string shown = ResultState();
  Field(panel.emptied).SetText("");  // text set from code blanks nothing
  Calculate();
  EXPECT_EQ(messages, std::vector<std::string>{panel.emptiedMessage});
  EXPECT_EQ(FocusedName(), panel.emptied);
  EXPECT_EQ(ResultState(), shown);
  const TabResults r = Result();
  EXPECT_EQ(r.statistic.Text(), panel.statistic);
  EXPECT_EQ(r.df.Text(), panel.df);
  EXPECT_EQ(r.p.Text(), panel.p);
  EXPECT_TRUE(r.statistic.Visible() && r.p.Visible() && r.pCaption.Visible());
  EXPECT_EQ(r.df.Visible(), *panel.df != '\0');
  EXPECT_EQ(Module1::dirty, "y");
}

// Only Means has a third design; on the other panels btn 3 is no design of theirs.
TEST_P(PanelPatterns, NoDesignOfThePanelChosenAsksForOne) {
  const Panel& panel = GetParam();
  for (std::int64_t design : {0, 3}) {
    SCOPED_TRACE("btn " + std::to_string(design));
    EnterTab(panel.tab);
    FillDesign(1);
    Module1::btn = design;
    Button("CalcBtn").SetFocus();
    messages.clear();
    Calculate();
    if (design >= 1 && design <= panel.designs) {
      EXPECT_TRUE(messages.empty()) << LastMessage();
      EXPECT_EQ(Module1::dirty, "y");
      continue;
    }
    EXPECT_EQ(messages, std::vector<std::string>{panel.selectDesign});
    EXPECT_EQ(FocusedName(), "CalcBtn" + TabSuffix(panel.tab));
    EXPECT_FALSE(Result().AnyShown());
    EXPECT_EQ(Module1::btn, design);
    EXPECT_EQ(Module1::dirty, "n");
  }
}

// Clear runs the Independent button's handler even while Independent is chosen, so every design
// ends in the same panel; entering the tab presses Clear.
TEST_P(PanelPatterns, ClearAndEnteringTheTabRestoreTheEmptyIndependentPanel) {
  const Panel& panel = GetParam();
  for (bool byTab : {false, true}) {
    for (int design = panel.designs; design >= 1; --design) {
      SCOPED_TRACE(std::string(byTab ? "entering the tab" : "Clear") + " after design " +
                   std::to_string(design));
      messages.clear();
      beeps = 0;
      Choose(design);
      FillDesign(design);
      Calculate();
      ASSERT_TRUE(messages.empty()) << LastMessage();
      ASSERT_TRUE(Result().statistic.Visible());
      Button("CalcBtn").SetFocus();
      if (byTab) {
        EnterTab(panel.tab);
      } else {
        Press(Button("ClearBtn"));
      }

      for (const char* input : panel.inputs) EXPECT_EQ(Field(input).Text(), "") << input;
      const TabResults r = Result();
      EXPECT_EQ(r.statistic.Text() + r.df.Text() + r.p.Text(), "");
      EXPECT_FALSE(r.AnyShown());
      EXPECT_TRUE(r.statistic.Enabled() && r.p.Enabled()) << "Clear only hides";
      EXPECT_TRUE(Radio("IBtn").Value());
      EXPECT_FALSE(Radio("RBtn").Value());
      if (panel.designs == 3) {
        EXPECT_FALSE(Radio("SBtn").Value());
      }
      for (const auto& [name, caption] : panel.captions) EXPECT_EQ(Caption(name), caption) << name;
      for (const char* name : panel.shown) {
        EXPECT_TRUE(W().Named<fw::Control>(name).Visible()) << name;
      }
      for (const char* name : panel.hidden) {
        EXPECT_FALSE(W().Named<fw::Control>(name).Visible()) << name;
      }
      for (const auto& [name, limit] : panel.limits) {
        EXPECT_EQ(Field(name).LimitText(), limit) << name;
      }
      for (const char* name : panel.untipped) EXPECT_EQ(Field(name).HelpTag(), "") << name;
      EXPECT_EQ(Module1::btn, 1);
      EXPECT_EQ(Module1::dirty, "n");
      EXPECT_EQ(FocusedName(), panel.inputs.front());
      if (panel.designCount) {
        Type(Field(panel.designCount), "1.5");
        EXPECT_EQ(Field(panel.designCount).Text(), "15")
            << "only digits reach " << panel.designCount;
        EXPECT_EQ(beeps, 1);
      }
    }
  }
}

// A click on Calculate or on a design button leaves the cursor in the field where the user left
// it, so the next key goes on typing there; a failed check still moves it into its field, and
// Clear into the panel's first field.
TEST_P(PanelPatterns, ClicksOnTheButtonsLeaveTheCursorWhereItWas) {
  const Panel& panel = GetParam();
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  // A field with text, away from the first field and from the one that is emptied below.
  const char* typedInto =
      panel.inputs[1] == std::string(panel.emptied) ? panel.inputs[2] : panel.inputs[1];
  fw::TextField& field = Field(typedInto);
  // The cursor stays at the end of the field's text: a digit typed there is added to it.
  auto expectADigitToLandThere = [&](const char* after) {
    const std::string text = field.Text();
    TypeAtCursor("5");
    EXPECT_EQ(field.Text(), text + "5") << "the digit typed after " << after;
  };
  FillDesign(1);
  field.SetFocus();

  Click(Button("CalcBtn"));
  ASSERT_TRUE(messages.empty()) << LastMessage();
  EXPECT_TRUE(Result().statistic.Visible());
  EXPECT_EQ(FocusedName(), typedInto) << "after a click on Calculate";
  expectADigitToLandThere("Calculate");

  Click(Radio("RBtn"));
  EXPECT_TRUE(Radio("RBtn").Value());
  EXPECT_EQ(Module1::btn, 2);
  EXPECT_EQ(FocusedName(), typedInto) << "after a click on the Related button";
  expectADigitToLandThere("the design switch");
  Click(Radio("IBtn"));
  EXPECT_EQ(Module1::btn, 1);
  EXPECT_EQ(FocusedName(), typedInto) << "after a click on the Independent button";

  Field(panel.emptied).SetText("");
  Click(Button("CalcBtn"));
  EXPECT_EQ(messages, std::vector<std::string>{panel.emptiedMessage});
  EXPECT_EQ(FocusedName(), panel.emptied) << "a failed check";
  Click(Button("ClearBtn"));
  EXPECT_EQ(FocusedName(), panel.inputs.front()) << "Clear";
}

// Once the focus is on a button, its keys work it: Space selects a design button and runs its
// handler, an arrow key moves the selection along the group, Return presses Calculate and Space
// presses Clear.
TEST_P(PanelPatterns, AFocusedButtonAnswersItsKeys) {
  const Panel& panel = GetParam();
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  FillDesign(1);
  Calculate();
  ASSERT_TRUE(Result().statistic.Visible());
  Radio("RBtn").SetFocus();
  PressKey(Qt::Key_Space);
  EXPECT_TRUE(Radio("RBtn").Value());
  EXPECT_FALSE(Radio("IBtn").Value());
  EXPECT_EQ(Module1::btn, 2);
  EXPECT_FALSE(Result().AnyShown()) << "the design switch blanks the result";
  EXPECT_EQ(Result().statistic.Text() + Result().p.Text(), "");
  EXPECT_EQ(Module1::dirty, "y");

  PressKey(Qt::Key_Left);
  EXPECT_TRUE(Radio("IBtn").Value());
  EXPECT_EQ(Module1::btn, 1);
  EXPECT_EQ(FocusedName(), "IBtn" + TabSuffix(panel.tab));

  Button("CalcBtn").SetFocus();
  PressKey(Qt::Key_Return);
  EXPECT_TRUE(messages.empty()) << LastMessage();
  EXPECT_EQ(Result().statistic.Text(), panel.statistic);
  EXPECT_EQ(Result().p.Text(), panel.p);
  EXPECT_EQ(FocusedName(), "CalcBtn" + TabSuffix(panel.tab));

  Button("ClearBtn").SetFocus();
  PressKey(Qt::Key_Space);
  EXPECT_FALSE(Result().AnyShown());
  EXPECT_EQ(Module1::dirty, "n");
  EXPECT_EQ(FocusedName(), panel.inputs.front()) << "Clear";
}

INSTANTIATE_TEST_SUITE_P(SixPanels, PanelPatterns, ::testing::ValuesIn(kPanels),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
