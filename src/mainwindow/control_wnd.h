#pragma once

#include <string>

#include "framework/bindings.h"
#include "framework/window.h"

// The names and classes of the main window's 151 controls, in the order they are made. Each
// becomes an accessor of ControlWnd named after the control.
#define QV_MAIN_WINDOW_CONTROLS(X) \
  X(TabPanel, TabPanel1)           \
  X(Canvas, Canvas1)               \
  X(GroupBox, GroupBox1)           \
  X(TextField, m1fld)              \
  X(Label, StaticText2)            \
  X(TextField, sd1fld)             \
  X(Label, StaticText3)            \
  X(Separator, SepLine1)           \
  X(TextField, n1fld)              \
  X(Label, StaticText1)            \
  X(GroupBox, GroupBox2)           \
  X(TextField, m2fld)              \
  X(Label, StaticText5)            \
  X(TextField, sd2fld)             \
  X(Label, StaticText6)            \
  X(Separator, SepLine2)           \
  X(TextField, n2fld)              \
  X(Label, n2text)                 \
  X(GroupBox, typeBox)             \
  X(RadioButton, IBtn)             \
  X(RadioButton, RBtn)             \
  X(RadioButton, SBtn)             \
  X(TextField, dffld)              \
  X(Label, dfText)                 \
  X(TextField, tfld)               \
  X(Label, ttext)                  \
  X(TextField, pfld)               \
  X(Label, dtail)                  \
  X(PushButton, CalcBtn)           \
  X(Canvas, helpBtn)               \
  X(PushButton, ClearBtn)          \
  X(GroupBox, GroupBox3)           \
  X(TextField, var1Fld)            \
  X(Label, Var1Text)               \
  X(Separator, SepLine3)           \
  X(TextField, n1fld1)             \
  X(Label, StaticText10)           \
  X(GroupBox, GroupBox4)           \
  X(TextField, var2Fld)            \
  X(Label, StaticText13)           \
  X(Separator, SepLine4)           \
  X(TextField, n2fld1)             \
  X(Label, rtext2)                 \
  X(GroupBox, typeBox1)            \
  X(RadioButton, IBtn1)            \
  X(RadioButton, RBtn1)            \
  X(TextField, dffld1)             \
  X(Label, dftext1)                \
  X(TextField, tfld1)              \
  X(Label, ttext1)                 \
  X(TextField, pfld1)              \
  X(Label, dtail1)                 \
  X(PushButton, CalcBtn1)          \
  X(Canvas, helpBtn1)              \
  X(PushButton, ClearBtn1)         \
  X(GroupBox, GroupBox5)           \
  X(TextField, r2Fld1)             \
  X(Label, r2text1)                \
  X(Separator, SepLine5)           \
  X(TextField, n12fld)             \
  X(Label, n1text2)                \
  X(GroupBox, GroupBox6)           \
  X(TextField, r2Fld2)             \
  X(Label, r2text2)                \
  X(Separator, SepLine6)           \
  X(TextField, n22fld)             \
  X(Label, n2text2)                \
  X(GroupBox, typeBox2)            \
  X(RadioButton, IBtn2)            \
  X(RadioButton, RBtn2)            \
  X(TextField, dffld2)             \
  X(Label, dftext2)                \
  X(TextField, tfld2)              \
  X(Label, ttext2)                 \
  X(TextField, pfld2)              \
  X(Label, dtail2)                 \
  X(PushButton, CalcBtn2)          \
  X(Canvas, helpBtn2)              \
  X(PushButton, ClearBtn2)         \
  X(GroupBox, GroupBox7)           \
  X(TextField, p1fld)              \
  X(Label, p1text)                 \
  X(TextField, n3fld1)             \
  X(Label, n3text1)                \
  X(GroupBox, GroupBox8)           \
  X(TextField, p2fld)              \
  X(Label, p2text)                 \
  X(TextField, n3fld2)             \
  X(Label, n3text2)                \
  X(GroupBox, typeBox3)            \
  X(RadioButton, IBtn3)            \
  X(RadioButton, RBtn3)            \
  X(TextField, dffld3)             \
  X(Label, dftext3)                \
  X(TextField, tfld3)              \
  X(Label, ttext3)                 \
  X(TextField, pfld3)              \
  X(Label, dtail3)                 \
  X(PushButton, CalcBtn3)          \
  X(Canvas, helpBtn3)              \
  X(PushButton, ClearBtn3)         \
  X(GroupBox, GroupBox9)           \
  X(TextField, a1fld)              \
  X(Label, a1text)                 \
  X(Separator, SepLine7)           \
  X(TextField, n4fld1)             \
  X(Label, n4text1)                \
  X(GroupBox, GroupBox10)          \
  X(TextField, a2fld)              \
  X(Label, a2text)                 \
  X(Separator, SepLine8)           \
  X(TextField, n4fld2)             \
  X(Label, n4text2)                \
  X(GroupBox, typeBox31)           \
  X(RadioButton, IBtn4)            \
  X(RadioButton, RBtn4)            \
  X(TextField, dffld4)             \
  X(Label, dftext4)                \
  X(TextField, tfld4)              \
  X(Label, ttext4)                 \
  X(TextField, pfld4)              \
  X(Label, dtail4)                 \
  X(PushButton, CalcBtn4)          \
  X(Canvas, helpBtn4)              \
  X(PushButton, ClearBtn4)         \
  X(GroupBox, GroupBox11)          \
  X(TextField, m5fld1)             \
  X(Label, StaticText15)           \
  X(TextField, sefld1)             \
  X(Label, setext1)                \
  X(GroupBox, GroupBox12)          \
  X(TextField, m5fld2)             \
  X(Label, a2text1)                \
  X(TextField, sefld2)             \
  X(Label, setext2)                \
  X(Separator, SepLine9)           \
  X(TextField, r5Fld)              \
  X(Label, rtext5)                 \
  X(GroupBox, typeBox311)          \
  X(RadioButton, IBtn5)            \
  X(RadioButton, RBtn5)            \
  X(TextField, dffld5)             \
  X(Label, dftext5)                \
  X(TextField, tfld5)              \
  X(Label, ttext5)                 \
  X(TextField, pfld5)              \
  X(Label, dtail5)                 \
  X(PushButton, CalcBtn5)          \
  X(Canvas, helpBtn5)              \
  X(PushButton, ClearBtn5)         \
  X(Label, Label1)

// The main window: the banner and the tab panel with the six test panels. Its state is its
// controls and the two globals of Module1; the panels' handlers are defined in src/panels/.
class ControlWnd : public fw::Window {
 public:
  // The one main window, made (and opened) on first use.
  static ControlWnd& Get() { return fw::Window::Instance<ControlWnd>(); }

#define QV_ACCESSOR(Class, name)    \
  fw::Class& name() const {         \
    return Named<fw::Class>(#name); \
  }
  QV_MAIN_WINDOW_CONTROLS(QV_ACCESSOR)
#undef QV_ACCESSOR

  // The window's own events.
  void Event_Open() override;
  bool Event_KeyDown(const std::string& key) override;
  bool Event_MouseDown(int x, int y) override;
  bool _AboutQuorvane_Action();

  // Tab switching and the banner.
  void TabPanel1_Change(fw::TabPanel& panel);
  void Canvas1_Open(fw::Canvas& canvas);
  bool Canvas1_MouseDown(fw::Canvas& canvas, int x, int y);

  // Means.
  void IBtn_Action(fw::RadioButton& button);
  void RBtn_Action(fw::RadioButton& button);
  void SBtn_Action(fw::RadioButton& button);
  void CalcBtn_Action(fw::PushButton& button);
  void ClearBtn_Action(fw::PushButton& button);

  // Variances.
  void IBtn1_Action(fw::RadioButton& button);
  void RBtn1_Action(fw::RadioButton& button);
  void CalcBtn1_Action(fw::PushButton& button);
  void CalcBtn1_Open(fw::PushButton& button);
  void ClearBtn1_Action(fw::PushButton& button);

  // Correlations.
  void IBtn2_Action(fw::RadioButton& button);
  void RBtn2_Action(fw::RadioButton& button);
  void CalcBtn2_Action(fw::PushButton& button);
  void CalcBtn2_Open(fw::PushButton& button);
  void ClearBtn2_Action(fw::PushButton& button);

  // Proportions.
  void IBtn3_Action(fw::RadioButton& button);
  void RBtn3_Action(fw::RadioButton& button);
  void CalcBtn3_Action(fw::PushButton& button);
  void CalcBtn3_Open(fw::PushButton& button);
  void ClearBtn3_Action(fw::PushButton& button);

  // Alphas.
  void IBtn4_Action(fw::RadioButton& button);
  void RBtn4_Action(fw::RadioButton& button);
  void CalcBtn4_Action(fw::PushButton& button);
  void CalcBtn4_Open(fw::PushButton& button);
  void ClearBtn4_Action(fw::PushButton& button);

  // AUCs.
  void IBtn5_Action(fw::RadioButton& button);
  void RBtn5_Action(fw::RadioButton& button);
  void CalcBtn5_Action(fw::PushButton& button);
  void CalcBtn5_Open(fw::PushButton& button);
  void ClearBtn5_Action(fw::PushButton& button);

  // The input filters of the 27 input fields; true discards the key.
  bool m1fld_KeyDown(fw::TextField& field, const std::string& key);
  bool sd1fld_KeyDown(fw::TextField& field, const std::string& key);
  bool n1fld_KeyDown(fw::TextField& field, const std::string& key);
  bool m2fld_KeyDown(fw::TextField& field, const std::string& key);
  bool sd2fld_KeyDown(fw::TextField& field, const std::string& key);
  bool n2fld_KeyDown(fw::TextField& field, const std::string& key);
  bool var1Fld_KeyDown(fw::TextField& field, const std::string& key);
  bool n1fld1_KeyDown(fw::TextField& field, const std::string& key);
  bool var2Fld_KeyDown(fw::TextField& field, const std::string& key);
  bool n2fld1_KeyDown(fw::TextField& field, const std::string& key);
  bool r2Fld1_KeyDown(fw::TextField& field, const std::string& key);
  bool n12fld_KeyDown(fw::TextField& field, const std::string& key);
  bool r2Fld2_KeyDown(fw::TextField& field, const std::string& key);
  bool n22fld_KeyDown(fw::TextField& field, const std::string& key);
  bool p1fld_KeyDown(fw::TextField& field, const std::string& key);
  bool n3fld1_KeyDown(fw::TextField& field, const std::string& key);
  bool p2fld_KeyDown(fw::TextField& field, const std::string& key);
  bool n3fld2_KeyDown(fw::TextField& field, const std::string& key);
  bool a1fld_KeyDown(fw::TextField& field, const std::string& key);
  bool n4fld1_KeyDown(fw::TextField& field, const std::string& key);
  bool a2fld_KeyDown(fw::TextField& field, const std::string& key);
  bool n4fld2_KeyDown(fw::TextField& field, const std::string& key);
  bool m5fld1_KeyDown(fw::TextField& field, const std::string& key);
  bool sefld1_KeyDown(fw::TextField& field, const std::string& key);
  bool m5fld2_KeyDown(fw::TextField& field, const std::string& key);
  bool sefld2_KeyDown(fw::TextField& field, const std::string& key);
  bool r5Fld_KeyDown(fw::TextField& field, const std::string& key);

  // What the user's other edits of the 27 input fields do: blank the results on show, in the
  // manner of the edited field's filter.
  void InputField_Edited(fw::TextField& field);

  // The help buttons.
  bool helpBtn_MouseDown(fw::Canvas& canvas, int x, int y);
  bool helpBtn1_MouseDown(fw::Canvas& canvas, int x, int y);
  bool helpBtn2_MouseDown(fw::Canvas& canvas, int x, int y);
  bool helpBtn3_MouseDown(fw::Canvas& canvas, int x, int y);
  bool helpBtn4_MouseDown(fw::Canvas& canvas, int x, int y);
  bool helpBtn5_MouseDown(fw::Canvas& canvas, int x, int y);

 protected:
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override;
  void BindEvents(fw::Object& control) override;

 private:
  friend class fw::Window;
  ControlWnd() = default;

  // Each makes its share of the controls, in the fixed order.
  void _CreateControls0();
  void _CreateControls1();
  void _CreateControls2();
  void _CreateControls3();
  void _CreateControls4();
  void _CreateControls5();
  void CreateControlRange(size_t first, size_t count);
};
