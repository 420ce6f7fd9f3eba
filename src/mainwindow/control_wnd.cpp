#include "mainwindow/control_wnd.h"

#include "app/menubar1.h"
#include "app/module1.h"
#include "mainwindow/tab_layouts.h"
#include "windows/about_wnd.h"

namespace {

using fw::Event;

// Which handler each control's events reach; the rest of the controls have none.
const fw::EventBinding<ControlWnd> kBindings[] = {
    {"TabPanel1", Event::Change, &ControlWnd::TabPanel1_Change},
    {"Canvas1", Event::Open, &ControlWnd::Canvas1_Open},
    {"Canvas1", Event::MouseDown, &ControlWnd::Canvas1_MouseDown},
    {"m1fld", Event::KeyDown, &ControlWnd::m1fld_KeyDown},
    {"m1fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"sd1fld", Event::KeyDown, &ControlWnd::sd1fld_KeyDown},
    {"sd1fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"n1fld", Event::KeyDown, &ControlWnd::n1fld_KeyDown},
    {"n1fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"m2fld", Event::KeyDown, &ControlWnd::m2fld_KeyDown},
    {"m2fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"sd2fld", Event::KeyDown, &ControlWnd::sd2fld_KeyDown},
    {"sd2fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"n2fld", Event::KeyDown, &ControlWnd::n2fld_KeyDown},
    {"n2fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"IBtn", Event::Action, &ControlWnd::IBtn_Action},
    {"RBtn", Event::Action, &ControlWnd::RBtn_Action},
    {"SBtn", Event::Action, &ControlWnd::SBtn_Action},
    {"CalcBtn", Event::Action, &ControlWnd::CalcBtn_Action},
    {"helpBtn", Event::MouseDown, &ControlWnd::helpBtn_MouseDown},
    {"ClearBtn", Event::Action, &ControlWnd::ClearBtn_Action},
    {"var1Fld", Event::KeyDown, &ControlWnd::var1Fld_KeyDown},
    {"var1Fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"n1fld1", Event::KeyDown, &ControlWnd::n1fld1_KeyDown},
    {"n1fld1", Event::Edited, &ControlWnd::InputField_Edited},
    {"var2Fld", Event::KeyDown, &ControlWnd::var2Fld_KeyDown},
    {"var2Fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"n2fld1", Event::KeyDown, &ControlWnd::n2fld1_KeyDown},
    {"n2fld1", Event::Edited, &ControlWnd::InputField_Edited},
    {"IBtn1", Event::Action, &ControlWnd::IBtn1_Action},
    {"RBtn1", Event::Action, &ControlWnd::RBtn1_Action},
    {"CalcBtn1", Event::Action, &ControlWnd::CalcBtn1_Action},
    {"CalcBtn1", Event::Open, &ControlWnd::CalcBtn1_Open},
    {"helpBtn1", Event::MouseDown, &ControlWnd::helpBtn1_MouseDown},
    {"ClearBtn1", Event::Action, &ControlWnd::ClearBtn1_Action},
    {"r2Fld1", Event::KeyDown, &ControlWnd::r2Fld1_KeyDown},
    {"r2Fld1", Event::Edited, &ControlWnd::InputField_Edited},
    {"n12fld", Event::KeyDown, &ControlWnd::n12fld_KeyDown},
    {"n12fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"r2Fld2", Event::KeyDown, &ControlWnd::r2Fld2_KeyDown},
    {"r2Fld2", Event::Edited, &ControlWnd::InputField_Edited},
    {"n22fld", Event::KeyDown, &ControlWnd::n22fld_KeyDown},
    {"n22fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"IBtn2", Event::Action, &ControlWnd::IBtn2_Action},
    {"RBtn2", Event::Action, &ControlWnd::RBtn2_Action},
    {"CalcBtn2", Event::Action, &ControlWnd::CalcBtn2_Action},
    {"CalcBtn2", Event::Open, &ControlWnd::CalcBtn2_Open},
    {"helpBtn2", Event::MouseDown, &ControlWnd::helpBtn2_MouseDown},
    {"ClearBtn2", Event::Action, &ControlWnd::ClearBtn2_Action},
    {"p1fld", Event::KeyDown, &ControlWnd::p1fld_KeyDown},
    {"p1fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"n3fld1", Event::KeyDown, &ControlWnd::n3fld1_KeyDown},
    {"n3fld1", Event::Edited, &ControlWnd::InputField_Edited},
    {"p2fld", Event::KeyDown, &ControlWnd::p2fld_KeyDown},
    {"p2fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"n3fld2", Event::KeyDown, &ControlWnd::n3fld2_KeyDown},
    {"n3fld2", Event::Edited, &ControlWnd::InputField_Edited},
    {"IBtn3", Event::Action, &ControlWnd::IBtn3_Action},
    {"RBtn3", Event::Action, &ControlWnd::RBtn3_Action},
    {"CalcBtn3", Event::Action, &ControlWnd::CalcBtn3_Action},
    {"CalcBtn3", Event::Open, &ControlWnd::CalcBtn3_Open},
    {"helpBtn3", Event::MouseDown, &ControlWnd::helpBtn3_MouseDown},
    {"ClearBtn3", Event::Action, &ControlWnd::ClearBtn3_Action},
    {"a1fld", Event::KeyDown, &ControlWnd::a1fld_KeyDown},
    {"a1fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"n4fld1", Event::KeyDown, &ControlWnd::n4fld1_KeyDown},
    {"n4fld1", Event::Edited, &ControlWnd::InputField_Edited},
    {"a2fld", Event::KeyDown, &ControlWnd::a2fld_KeyDown},
    {"a2fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"n4fld2", Event::KeyDown, &ControlWnd::n4fld2_KeyDown},
    {"n4fld2", Event::Edited, &ControlWnd::InputField_Edited},
    {"IBtn4", Event::Action, &ControlWnd::IBtn4_Action},
    {"RBtn4", Event::Action, &ControlWnd::RBtn4_Action},
    {"CalcBtn4", Event::Action, &ControlWnd::CalcBtn4_Action},
    {"CalcBtn4", Event::Open, &ControlWnd::CalcBtn4_Open},
    {"helpBtn4", Event::MouseDown, &ControlWnd::helpBtn4_MouseDown},
    {"ClearBtn4", Event::Action, &ControlWnd::ClearBtn4_Action},
    {"m5fld1", Event::KeyDown, &ControlWnd::m5fld1_KeyDown},
    {"m5fld1", Event::Edited, &ControlWnd::InputField_Edited},
    {"sefld1", Event::KeyDown, &ControlWnd::sefld1_KeyDown},
    {"sefld1", Event::Edited, &ControlWnd::InputField_Edited},
    {"m5fld2", Event::KeyDown, &ControlWnd::m5fld2_KeyDown},
    {"m5fld2", Event::Edited, &ControlWnd::InputField_Edited},
    {"sefld2", Event::KeyDown, &ControlWnd::sefld2_KeyDown},
    {"sefld2", Event::Edited, &ControlWnd::InputField_Edited},
    {"r5Fld", Event::KeyDown, &ControlWnd::r5Fld_KeyDown},
    {"r5Fld", Event::Edited, &ControlWnd::InputField_Edited},
    {"IBtn5", Event::Action, &ControlWnd::IBtn5_Action},
    {"RBtn5", Event::Action, &ControlWnd::RBtn5_Action},
    {"CalcBtn5", Event::Action, &ControlWnd::CalcBtn5_Action},
    {"CalcBtn5", Event::Open, &ControlWnd::CalcBtn5_Open},
    {"helpBtn5", Event::MouseDown, &ControlWnd::helpBtn5_MouseDown},
    {"ClearBtn5", Event::Action, &ControlWnd::ClearBtn5_Action},
};

constexpr size_t kControlsPerStep = 30;

}  // namespace

void ControlWnd::Layout() {
  SetMenuBar(GetMenuBar1());
  // A titled, fixed-size document window with close and minimise buttons, on white.
  ApplyProperties({.title = "Quorvane",
                   .width = 550,
                   .height = 500,
                   .hasBackgroundColor = true,
                   .backgroundColor = 0xFFFFFF});
}

void ControlWnd::CreateControls() {
  _CreateControls0();
  _CreateControls1();
  _CreateControls2();
  _CreateControls3();
  _CreateControls4();
  _CreateControls5();
}

void ControlWnd::CreateControlRange(size_t first, size_t count) {
  const auto& controls = layout::MainWindowControls();
  for (size_t i = first; i < first + count && i < controls.size(); ++i) CreateControl(controls[i]);
}

void ControlWnd::_CreateControls0() {
  CreateControlRange(0 * kControlsPerStep, kControlsPerStep);
}
void ControlWnd::_CreateControls1() {
  CreateControlRange(1 * kControlsPerStep, kControlsPerStep);
}
void ControlWnd::_CreateControls2() {
  CreateControlRange(2 * kControlsPerStep, kControlsPerStep);
}
void ControlWnd::_CreateControls3() {
  CreateControlRange(3 * kControlsPerStep, kControlsPerStep);
}
void ControlWnd::_CreateControls4() {
  CreateControlRange(4 * kControlsPerStep, kControlsPerStep);
}
void ControlWnd::_CreateControls5() {
  CreateControlRange(5 * kControlsPerStep, kControlsPerStep);
}

void ControlWnd::BindEvents(fw::Object& control) {
  fw::BindAll(*this, control, kBindings);
}

void ControlWnd::AddMenuHandlers() {
  AddMenuHandler("AboutQuorvane", [this] { return _AboutQuorvane_Action(); });
}

void ControlWnd::Event_Open() {
  Module1::dirty = "n";
  Module1::btn = 1;
}

// A key press or click in the main window sends away the About window shown over it.
bool ControlWnd::Event_KeyDown(const std::string&) {
  if (auto* about = fw::Window::Existing<AboutWnd>()) about->Hide();
  return false;
}

bool ControlWnd::Event_MouseDown(int, int) {
  if (auto* about = fw::Window::Existing<AboutWnd>()) about->Hide();
  return false;
}

bool ControlWnd::_AboutQuorvane_Action() {
  AboutWnd::Get().Show();
  return true;
}

void ControlWnd::TabPanel1_Change(fw::TabPanel&) {
  // Entering a panel clears it: inputs empty, results hidden, Independent chosen.
  if (TabPanel1().Value() == 0) ClearBtn().Push();
  if (TabPanel1().Value() == 1) ClearBtn1().Push();
  if (TabPanel1().Value() == 2) ClearBtn2().Push();
  if (TabPanel1().Value() == 3) ClearBtn3().Push();
  if (TabPanel1().Value() == 4) ClearBtn4().Push();
  if (TabPanel1().Value() == 5) ClearBtn5().Push();
}

void ControlWnd::Canvas1_Open(fw::Canvas&) {}

bool ControlWnd::Canvas1_MouseDown(fw::Canvas&, int, int) {
  return false;
}
