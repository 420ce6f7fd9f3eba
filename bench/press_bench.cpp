// One Calculate press of each of the 13 designs on the real widgets (headless), on the inputs
// that cost each design most: the largest N where the p of t or F takes longest, and a z just
// inside the range where the normal series needs the most passes; and one press whose t is shown
// in exponent form.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "framework/services.h"
#include "mainwindow/control_wnd.h"

namespace {

struct Press {
  const char* name;
  int tab;
  const char* design;  // the radio button's name
  std::vector<std::pair<const char*, const char*>> inputs;
};

const std::vector<Press>& Presses() {
  static const std::vector<Press> presses = {
      {"Means Independent, df 19996",
       0,
       "IBtn",
       {{"m1fld", "100"},
        {"sd1fld", "15"},
        {"n1fld", "9999"},
        {"m2fld", "100.5"},
        {"sd2fld", "15"},
        {"n2fld", "9999"}}},
      {"Means Related, df 9998",
       0,
       "RBtn",
       {{"m1fld", "100"},
        {"sd1fld", "15"},
        {"n1fld", "9999"},
        {"m2fld", "100.3"},
        {"sd2fld", "15"},
        {"n2fld", ".5"}}},
      {"Means Sample/Population, df 9998",
       0,
       "SBtn",
       {{"m1fld", "100.3"}, {"sd1fld", "15"}, {"n1fld", "9999"}, {"m2fld", "100"}}},
      // A t too long for its field even at the smallest font: the field tries the exponent form
      // with fewer and fewer digits until one fits.
      {"Means Sample/Population, t in exponent form",
       0,
       "SBtn",
       {{"m1fld", "123456789"}, {"sd1fld", ".001"}, {"n1fld", "4"}, {"m2fld", "0"}}},
      {"Variances Independent, F near 1, df 9998,9998",
       1,
       "IBtn1",
       {{"var1Fld", "1.05"}, {"n1fld1", "9999"}, {"var2Fld", "1"}, {"n2fld1", "9999"}}},
      {"Variances Related, df 9997",
       1,
       "RBtn1",
       {{"var1Fld", "1.05"}, {"n1fld1", "9999"}, {"var2Fld", "1"}, {"n2fld1", ".5"}}},
      {"Correlations Independent, z 6.7",
       2,
       "IBtn2",
       {{"r2Fld1", ".1"}, {"n12fld", "9999"}, {"r2Fld2", ".0056"}, {"n22fld", "9999"}}},
      {"Correlations Related, df 9996",
       2,
       "RBtn2",
       {{"r2Fld1", ".5"}, {"n12fld", "9999"}, {"r2Fld2", ".48"}, {"n22fld", ".3"}}},
      {"Proportions Independent, z 6.7",
       3,
       "IBtn3",
       {{"p1fld", ".5237"}, {"n3fld1", "9999"}, {"p2fld", ".4763"}, {"n3fld2", "9999"}}},
      {"Proportions Observed-Expected, z 6.7",
       3,
       "RBtn3",
       {{"p1fld", ".5335"}, {"n3fld1", "9999"}, {"p2fld", ".5"}}},
      {"Alphas Independent, F near 1, df 9998,9998",
       4,
       "IBtn4",
       {{"a1fld", ".80"}, {"n4fld1", "9999"}, {"a2fld", ".79"}, {"n4fld2", "9999"}}},
      {"Alphas Related, df 9997",
       4,
       "RBtn4",
       {{"a1fld", ".80"}, {"n4fld1", "9999"}, {"a2fld", ".79"}, {"n4fld2", ".5"}}},
      {"AUCs Independent, z 6.7",
       5,
       "IBtn5",
       {{"m5fld1", ".9"}, {"sefld1", ".01"}, {"m5fld2", ".8053"}, {"sefld2", ".01"}}},
      {"AUCs Related, z 6.7",
       5,
       "RBtn5",
       {{"m5fld1", ".9"},
        {"sefld1", ".01"},
        {"m5fld2", ".833"},
        {"sefld2", ".01"},
        {"r5Fld", ".5"}}},
  };
  return presses;
}

std::string Suffix(int tab) {
  return tab == 0 ? "" : std::string(1, static_cast<char>('0' + tab));
}

void BM_CalculatePress(benchmark::State& state, const Press& press) {
  ControlWnd& w = ControlWnd::Get();
  w.TabPanel1().SetValue(press.tab);
  w.Named<fw::RadioButton>(press.design).SetValue(true);
  for (const auto& [field, text] : press.inputs) w.Named<fw::TextField>(field).SetText(text);
  std::vector<std::string> messages;
  fw::SetMsgBoxHandler([&](const std::string& text) { messages.push_back(text); });
  const std::string s = Suffix(press.tab);
  fw::PushButton& calculate = w.Named<fw::PushButton>("CalcBtn" + s);
  for (auto _ : state) calculate.Push();
  fw::SetMsgBoxHandler(nullptr);
  if (!messages.empty()) {
    state.SkipWithError(("the press shows a message: " + messages.back()).c_str());
    return;
  }
  // What the press shows, so that the table says it reached a result.
  const std::string df = w.Named<fw::TextField>("dffld" + s).Text();
  state.SetLabel(w.Named<fw::TextField>("tfld" + s).Text() + (df.empty() ? "" : " df " + df) +
                 " p " + w.Named<fw::TextField>("pfld" + s).Text());
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);  // the widgets, without a display
  benchmark::Initialize(&argc, argv);
  fw::Application::SetArguments(argc, argv);
  _EarlyStartup();
  for (const Press& press : Presses()) {
    benchmark::RegisterBenchmark(press.name, BM_CalculatePress, press)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
