#include "support/panel_fixture.h"

#include <QTest>
#include <algorithm>
#include <cmath>

#include "framework/services.h"
#include "framework/text_services.h"

void PanelTest::SetUp() {
  fw::SetMsgBoxHandler([this](const std::string& text) { messages.push_back(text); });
  fw::SetBeepHandler([this] { ++beeps; });
  window_ = &ControlWnd::Get();
}

void PanelTest::TearDown() {
  fw::SetMsgBoxHandler(nullptr);
  fw::SetBeepHandler(nullptr);
}

void PanelTest::EnterTab(int tab) {
  if (W().TabPanel1().Value() == tab) {
    // Already there: go round another tab so that entering it runs its Clear, as a click does.
    W().TabPanel1().SetValue(tab == 0 ? 1 : 0);
  }
  W().TabPanel1().SetValue(tab);
}

void PanelTest::Fill(std::initializer_list<std::pair<fw::TextField*, std::string>> entries) {
  for (const auto& [field, text] : entries) field->SetText(text);
}

void PanelTest::Type(fw::TextField& field, const std::string& text) {
  field.SetFocus();
  QTest::keyClicks(field.Widget(), QString::fromStdString(text));
}

std::string PanelTest::FocusedName() const {
  const fw::Control* focused = window_->FocusedControl();
  return focused ? focused->Name() : "";
}

ShownResult Shown(fw::TextField& statistic, fw::TextField& df, fw::TextField& p) {
  return {statistic.Text(), df.Text(), p.Text(), statistic.Visible(), df.Visible(), p.Visible()};
}

std::string ExpectedPText(double exactP) {
  return fw::Format(std::max(exactP, 0.0001), ".0000");
}

bool PAgrees(const std::string& shown, double exactP) {
  const double expected = std::max(exactP, 0.0001);
  return std::fabs(fw::Val(shown) - expected) <= 0.00005 + 1e-9;
}
