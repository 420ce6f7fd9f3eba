// The input filters: which keys each field passes in each design, how a key or any other edit of
// the user blanks the results on show, and the keys that never reach a filter.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/module1.h"
#include "support/panel_fixture.h"
#include "support/user_actions.h"

namespace {

using FieldOf = fw::TextField& (ControlWnd::*)() const;
using RadioOf = fw::RadioButton& (ControlWnd::*)() const;

// Nested sets: each passes the keys of the one before it and more.
enum KeySet { kNone, kCount, kDecimal, kSigned, kNever };
enum Blanking { kFull, kText };

struct FieldCase {
  const char* name;
  FieldOf field;
  int tab;
  RadioOf design;  // nullptr: Independent, as entering the tab leaves it
  int btn;
  KeySet keys;
  Blanking blanking;
};

const FieldCase kFields[] = {
    {"m1fld", &ControlWnd::m1fld, 0, nullptr, 1, kDecimal, kFull},
    {"sd1fld", &ControlWnd::sd1fld, 0, nullptr, 1, kDecimal, kFull},
    {"n1fld", &ControlWnd::n1fld, 0, nullptr, 1, kCount, kFull},
    {"m2fld", &ControlWnd::m2fld, 0, nullptr, 1, kDecimal, kFull},
    {"sd2fld", &ControlWnd::sd2fld, 0, nullptr, 1, kDecimal, kFull},
    {"n2fld Independent", &ControlWnd::n2fld, 0, nullptr, 1, kCount, kFull},
    {"n2fld Related", &ControlWnd::n2fld, 0, &ControlWnd::RBtn, 2, kSigned, kFull},
    {"n2fld Sample/Population", &ControlWnd::n2fld, 0, &ControlWnd::SBtn, 3, kNone, kFull},
    {"var1Fld", &ControlWnd::var1Fld, 1, nullptr, 1, kDecimal, kText},
    {"n1fld1", &ControlWnd::n1fld1, 1, nullptr, 1, kCount, kFull},
    {"var2Fld", &ControlWnd::var2Fld, 1, nullptr, 1, kDecimal, kText},
    {"n2fld1 Independent", &ControlWnd::n2fld1, 1, nullptr, 1, kCount, kFull},
    {"n2fld1 Related", &ControlWnd::n2fld1, 1, &ControlWnd::RBtn1, 2, kSigned, kFull},
    {"r2Fld1", &ControlWnd::r2Fld1, 2, nullptr, 1, kSigned, kText},
    {"n12fld", &ControlWnd::n12fld, 2, nullptr, 1, kCount, kFull},
    {"r2Fld2", &ControlWnd::r2Fld2, 2, nullptr, 1, kSigned, kText},
    {"n22fld Independent", &ControlWnd::n22fld, 2, nullptr, 1, kCount, kFull},
    {"n22fld Related", &ControlWnd::n22fld, 2, &ControlWnd::RBtn2, 2, kSigned, kFull},
    {"p1fld", &ControlWnd::p1fld, 3, nullptr, 1, kSigned, kText},
    {"n3fld1", &ControlWnd::n3fld1, 3, nullptr, 1, kCount, kFull},
    {"p2fld", &ControlWnd::p2fld, 3, nullptr, 1, kSigned, kText},
    {"n3fld2", &ControlWnd::n3fld2, 3, nullptr, 1, kDecimal, kFull},
    {"a1fld", &ControlWnd::a1fld, 4, nullptr, 1, kDecimal, kText},
    {"n4fld1", &ControlWnd::n4fld1, 4, nullptr, 1, kCount, kFull},
    {"a2fld", &ControlWnd::a2fld, 4, nullptr, 1, kDecimal, kText},
    {"n4fld2 Independent", &ControlWnd::n4fld2, 4, nullptr, 1, kCount, kFull},
    {"n4fld2 Related", &ControlWnd::n4fld2, 4, &ControlWnd::RBtn4, 2, kSigned, kFull},
    {"m5fld1", &ControlWnd::m5fld1, 5, nullptr, 1, kDecimal, kFull},
    {"sefld1", &ControlWnd::sefld1, 5, nullptr, 1, kDecimal, kFull},
    {"m5fld2", &ControlWnd::m5fld2, 5, nullptr, 1, kDecimal, kText},
    {"sefld2", &ControlWnd::sefld2, 5, nullptr, 1, kDecimal, kFull},
    {"r5Fld", &ControlWnd::r5Fld, 5, &ControlWnd::RBtn5, 2, kSigned, kFull},
};

struct KeyCase {
  const char* name;
  Qt::Key key;
  KeySet firstSetPassing;
  const char* textAfterPass;  // typed after "12"
  char character = 0;         // the character the key types, where it is not the key's own
};

// "e" and "E" would let an exponent in ("1e5"); no field takes them. The codes on either side
// of the ones a field takes ("+" 43, "," 44, "/" 47, ":" 58) are refused everywhere: a range
// test one off at its edge would let "1:5" in, read as 1.
const KeyCase kKeys[] = {
    {"0", Qt::Key_0, kCount, "120"},      {"5", Qt::Key_5, kCount, "125"},
    {"9", Qt::Key_9, kCount, "129"},      {"Backspace", Qt::Key_Backspace, kCount, "1"},
    {"Tab", Qt::Key_Tab, kCount, "12"},   {".", Qt::Key_Period, kDecimal, "12."},
    {"-", Qt::Key_Minus, kSigned, "12-"}, {"blank", Qt::Key_Space, kNever, ""},
    {"+", Qt::Key_Plus, kNever, ""},      {",", Qt::Key_Comma, kNever, ""},
    {"/", Qt::Key_Slash, kNever, ""},     {":", Qt::Key_Colon, kNever, ""},
    {"x", Qt::Key_X, kNever, ""},         {"Return", Qt::Key_Return, kNever, ""},
    {"e", Qt::Key_E, kNever, ""},         {"E", Qt::Key_E, kNever, "", 'E'},
};

// Everything of a panel's results that a filter may change, and what it must leave alone.
struct ResultState {
  std::string statistic, df, p;
  bool fieldsShown[3];
  bool captionsShown[3];
  bool enabled[6];
  std::string captions[3];

  bool operator==(const ResultState&) const = default;
};

class InputFilters : public PanelTest {
 protected:
  fw::TextField& FieldOfCase(const FieldCase& c) { return (W().*c.field)(); }

  // The tab and design of the case, and its field holding "12" with the cursor at the end.
  fw::TextField& Enter(const FieldCase& c) {
    EnterTab(c.tab);
    if (c.design) (W().*c.design)().SetValue(true);
    Module1::btn = c.btn;  // as the design's button sets it
    fw::TextField& field = FieldOfCase(c);
    field.SetText("12");
    field.SetFocus();
    return field;
  }

  // A result on show in the panel, as a Calculate leaves it.
  void ShowResult(int tab, const std::string& dirty = "y") {
    const TabResults r = Results(tab);
    for (fw::TextField* field : {&r.statistic, &r.df, &r.p}) {
      field->SetText("+1.234");
      field->SetVisible(true);
      field->SetEnabled(true);
    }
    for (fw::Label* caption : {&r.statisticCaption, &r.dfCaption, &r.pCaption}) {
      caption->SetVisible(true);
      caption->SetEnabled(true);
    }
    Module1::dirty = dirty;
  }

  ResultState State(int tab) {
    const TabResults r = Results(tab);
    const fw::TextField &t = r.statistic, &df = r.df, &p = r.p;
    const fw::Label &tc = r.statisticCaption, &dfc = r.dfCaption, &pc = r.pCaption;
    return {t.Text(),
            df.Text(),
            p.Text(),
            {t.Visible(), df.Visible(), p.Visible()},
            {tc.Visible(), dfc.Visible(), pc.Visible()},
            {t.Enabled(), df.Enabled(), p.Enabled(), tc.Enabled(), dfc.Enabled(), pc.Enabled()},
            {tc.Text(), dfc.Text(), pc.Text()}};
  }

  // The panel's results as they are now, blanked in the manner of the case's field.
  ResultState Blanked(const FieldCase& c) {
    ResultState blanked = State(c.tab);
    blanked.statistic = blanked.df = blanked.p = "";
    if (c.blanking == kFull) {
      for (bool& shown : blanked.fieldsShown) shown = false;
      for (bool& shown : blanked.captionsShown) shown = false;
    }
    return blanked;
  }

  static void Click(fw::TextField& field, Qt::Key key,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(field.Widget(), key, modifiers);
  }

  // The Means panel's Independent result on show (df 24), the field holding its text from FillMeans
  // or the one given, with the focus and the cursor at its end; the result as shown.
  ShownResult MeansResultOnShowAndCursorAtTheEndOf(fw::TextField& field,
                                                   const char* text = nullptr) {
    EnterTab(0);
    FillMeans("12", "13.872", "12", "10", "13.995", "14");
    Press(W().CalcBtn());
    if (text) field.SetText(text);
    field.SetFocus();
    Click(field, Qt::Key_End);
    return Shown(W().tfld(), W().dffld(), W().pfld());
  }
};

TEST_F(InputFilters, EachFieldPassesOnlyItsSetInEachDesign) {
  for (const FieldCase& c : kFields) {
    for (const KeyCase& k : kKeys) {
      fw::TextField& field = Enter(c);
      const int beepsBefore = beeps;
      if (k.character) {
        QTest::keyClick(field.Widget(), k.character);
      } else {
        Click(field, k.key);
      }
      const bool passes = c.keys >= k.firstSetPassing;
      SCOPED_TRACE(std::string(c.name) + ", key " + k.name);
      EXPECT_EQ(beeps - beepsBefore, passes ? 0 : 1);
      EXPECT_EQ(field.Text(), passes ? k.textAfterPass : "12");
    }
  }
}

TEST_F(InputFilters, AResultOnShowIsBlankedInTheFieldsMannerByEveryKey) {
  for (const FieldCase& c : kFields) {
    fw::TextField& field = Enter(c);
    ShowResult(c.tab);
    const ResultState blanked = Blanked(c);
    // Accepted everywhere but Sample/Population, refused, and the two keys that pass without
    // typing a character. With the cursor at the start Backspace and Tab change no text, so only
    // the filter can blank the result.
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_5, "5"}, {Qt::Key_X, "x"}, {Qt::Key_Tab, "Tab"}, {Qt::Key_Backspace, "Backspace"}};
    for (const auto& [key, name] : keys) {
      SCOPED_TRACE(std::string(c.name) + ", key " + name);
      ShowResult(c.tab);
      static_cast<QLineEdit*>(field.Widget())->setCursorPosition(0);
      Click(field, key);
      EXPECT_EQ(State(c.tab), blanked);
      EXPECT_EQ(Module1::dirty, "y");
    }
  }
}

// The filters judge single keys, not the text they make: a second point or a minus after digits
// is typed as any other key of the set.
TEST_F(InputFilters, TextsThatAreNoNumberCanBeTypedIntoASignedField) {
  for (const FieldCase& c : kFields) {
    if (c.keys != kSigned) continue;
    for (const std::string text : {"1.2.3", "5-", "-.-"}) {
      SCOPED_TRACE(std::string(c.name) + ", " + text);
      fw::TextField& field = Enter(c);
      field.SetText("");
      const int beepsBefore = beeps;
      Type(field, text);
      EXPECT_EQ(field.Text(), text.substr(0, field.LimitText())) << "as far as the limit allows";
      EXPECT_EQ(beeps, beepsBefore);
    }
  }
}

TEST_F(InputFilters, WithNoResultOnShowNoResultControlChanges) {
  for (const FieldCase& c : kFields) {
    fw::TextField& field = Enter(c);
    ShowResult(c.tab, "n");
    const ResultState before = State(c.tab);
    for (Qt::Key key : {Qt::Key_5, Qt::Key_X, Qt::Key_Backspace}) Click(field, key);
    EXPECT_EQ(State(c.tab), before) << c.name;
    EXPECT_EQ(Module1::dirty, "n");
  }
}

// n2fld under Sample/Population refuses every key that reaches it, so a key that reached it
// would beep. A key that edits the text blanks the result as every edit does (below).
TEST_F(InputFilters, CursorKeysAndShortcutsReachNoFilter) {
  EnterTab(0);
  W().SBtn().SetValue(true);
  fw::TextField& field = W().n2fld();
  field.SetText("123");
  ShowResult(0);
  const ResultState shown = State(0);
  auto* edit = static_cast<QLineEdit*>(field.Widget());

  Click(field, Qt::Key_Left);
  Click(field, Qt::Key_Home);
  Click(field, Qt::Key_End);
  EXPECT_EQ(edit->cursorPosition(), 3);
  Click(field, Qt::Key_F2);
  Click(field, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(edit->selectedText().toStdString(), "123");
  EXPECT_EQ(State(0), shown) << "moving and selecting change no text";
  Click(field, Qt::Key_Left);
  Click(field, Qt::Key_Delete);
  EXPECT_EQ(field.Text(), "12");
  Click(field, Qt::Key_Home);
  Click(field, Qt::Key_Delete);
  EXPECT_EQ(field.Text(), "2");
  EXPECT_EQ(beeps, 0);
}

TEST_F(InputFilters, AKeyOfSeveralCharactersIsJudgedByItsFirst) {
  EnterTab(0);
  fw::TextField& n1 = W().n1fld();
  EXPECT_FALSE(W().n1fld_KeyDown(n1, "5x"));
  EXPECT_EQ(beeps, 0);
  EXPECT_TRUE(W().n1fld_KeyDown(n1, "x5"));
  EXPECT_EQ(beeps, 1);
}

// The second N fields follow btn only while their own tab is selected.
TEST_F(InputFilters, ASecondNFieldOffItsTabRefusesEveryKey) {
  EnterTab(0);
  Module1::btn = 1;
  EXPECT_TRUE(W().n2fld1_KeyDown(W().n2fld1(), "5"));
  EXPECT_TRUE(W().n22fld_KeyDown(W().n22fld(), "5"));
  EXPECT_TRUE(W().n4fld2_KeyDown(W().n4fld2(), "5"));
  EXPECT_FALSE(W().n2fld_KeyDown(W().n2fld(), "5"));
  EXPECT_EQ(beeps, 3);
}

// An edit of the user other than a typed key, made on a field that holds "12" with the cursor at
// its end; prepare runs before the result is shown.
struct EditCase {
  const char* name;
  std::function<void(fw::TextField&)> prepare;
  std::function<void(ControlWnd&, fw::TextField&)> edit;
  const char* textAfter;
};

void Key(fw::TextField& field, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(field.Widget(), key, modifiers);
}

const auto kNothing = [](fw::TextField&) {};
const auto kSelectAll = [](fw::TextField& f) { Key(f, Qt::Key_A, Qt::ControlModifier); };
const auto kPasteFive = [](fw::TextField& f) {
  QGuiApplication::clipboard()->setText("5");
  Key(f, Qt::Key_V, Qt::ControlModifier);
};

const EditCase kEdits[] = {
    {"Ctrl+V", kNothing,
     [](ControlWnd&, fw::TextField& f) {
       QGuiApplication::clipboard()->setText("50");
       Key(f, Qt::Key_V, Qt::ControlModifier);
     },
     "1250"},
    {"Ctrl+X", kSelectAll,
     [](ControlWnd&, fw::TextField& f) { Key(f, Qt::Key_X, Qt::ControlModifier); }, ""},
    {"Delete", kNothing,
     [](ControlWnd&, fw::TextField& f) {
       Key(f, Qt::Key_Home);
       Key(f, Qt::Key_Delete);
     },
     "2"},
    {"Ctrl+Z", kPasteFive,
     [](ControlWnd&, fw::TextField& f) { Key(f, Qt::Key_Z, Qt::ControlModifier); }, "12"},
    {"Edit menu Paste", kNothing,
     [](ControlWnd& w, fw::TextField&) {
       QGuiApplication::clipboard()->setText("7");
       TriggerItem(w, "EditPaste");
     },
     "127"},
    {"Edit menu Clear", kSelectAll,
     [](ControlWnd& w, fw::TextField&) { TriggerItem(w, "EditClear"); }, ""},
    {"Edit menu Cut", kSelectAll,
     [](ControlWnd& w, fw::TextField&) { TriggerItem(w, "EditCut"); }, ""},
    {"Edit menu Undo", kPasteFive,
     [](ControlWnd& w, fw::TextField&) { TriggerItem(w, "EditUndo"); }, "12"},
    {"drop", kNothing, [](ControlWnd&, fw::TextField& f) { DropText(f.Widget(), "9"); }, "129"},
};

TEST_F(InputFilters, EveryEditOfTheUserBlanksAResultInTheFieldsMannerAsAKeyDoes) {
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  for (const FieldCase& c : kFields) {
    for (const EditCase& e : kEdits) {
      SCOPED_TRACE(std::string(c.name) + ", " + e.name);
      fw::TextField& field = Enter(c);
      if (!field.Visible()) break;  // n2fld under Sample/Population takes no focus
      ASSERT_TRUE(field.HasFocus());
      e.prepare(field);
      ShowResult(c.tab);
      const ResultState blanked = Blanked(c);
      e.edit(W(), field);
      EXPECT_EQ(field.Text(), e.textAfter);
      EXPECT_EQ(State(c.tab), blanked);
      EXPECT_EQ(Module1::dirty, "y");
      EXPECT_EQ(beeps, 0) << "an edit is not filtered";
    }
  }
}

TEST_F(InputFilters, EditsWithNoResultOnShowAndTextFromCodeBlankNothing) {
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  for (const FieldCase& c : kFields) {
    fw::TextField& field = Enter(c);
    ShowResult(c.tab);
    const ResultState shown = State(c.tab);
    field.SetText("-0");
    EXPECT_EQ(State(c.tab), shown) << c.name << ": text set from code";
    if (!field.Visible()) continue;
    ShowResult(c.tab, "n");
    for (const EditCase& e : kEdits) {
      e.prepare(field);
      e.edit(W(), field);
    }
    EXPECT_EQ(State(c.tab), shown) << c.name << ": edits while no result is on show";
  }
}

TEST_F(InputFilters, AKeyOrAPasteAfterARealResultHidesIt) {
  struct Case {
    const char* name;
    FieldOf field;
    std::function<void(fw::TextField&)> edit;
    const char* textAfter;
  };
  const Case cases[] = {
      {"a key", &ControlWnd::n2fld, [this](fw::TextField& f) { Type(f, "5"); }, "145"},
      {"Ctrl+V", &ControlWnd::m1fld,
       [](fw::TextField& f) {
         f.SetFocus();
         QGuiApplication::clipboard()->setText("50");
         Key(f, Qt::Key_V, Qt::ControlModifier);
       },
       "99.6750"},
  };
  for (const Case& c : cases) {
    EnterTab(0);
    FillMeans("99.67", "13.872", "12", "102.0", "13.995", "14");
    Press(W().CalcBtn());
    ASSERT_EQ(W().tfld().Text(), "-0.425");
    c.edit((W().*c.field)());
    EXPECT_EQ((W().*c.field)().Text(), c.textAfter);
    const ShownResult shown = Shown(W().tfld(), W().dffld(), W().pfld());
    EXPECT_EQ(shown.statistic + shown.df + shown.p, "") << c.name;
    EXPECT_FALSE(shown.statisticShown || shown.dfShown || shown.pShown) << c.name;
    EXPECT_FALSE(W().ttext().Visible() || W().dfText().Visible() || W().dtail().Visible());
    EXPECT_TRUE(W().tfld().Enabled()) << "blanking leaves Enabled alone";
    EXPECT_EQ(Module1::dirty, "y");
  }
}

// The four fields that hold r under Related and an N under Independent keep an r typed under
// Related when the design changes, longer than the N's limit of 4; the user can still shorten it.
TEST_F(InputFilters, BackspaceAndDeleteShortenAnRLeftLongerThanTheLimitOfAnN) {
  struct Case {
    FieldOf field;
    int tab;
    RadioOf related, independent;
  };
  const Case cases[] = {
      {&ControlWnd::n2fld, 0, &ControlWnd::RBtn, &ControlWnd::IBtn},
      {&ControlWnd::n2fld1, 1, &ControlWnd::RBtn1, &ControlWnd::IBtn1},
      {&ControlWnd::n22fld, 2, &ControlWnd::RBtn2, &ControlWnd::IBtn2},
      {&ControlWnd::n4fld2, 4, &ControlWnd::RBtn4, &ControlWnd::IBtn4},
  };
  for (const Case& c : cases) {
    EnterTab(c.tab);
    fw::TextField& field = (W().*c.field)();
    SCOPED_TRACE(field.Name());
    (W().*c.related)().SetValue(true);
    Type(field, "-0.960");
    (W().*c.independent)().SetValue(true);
    ASSERT_EQ(field.LimitText(), 4);
    ASSERT_EQ(field.Text(), "-0.960");
    Key(field, Qt::Key_End);
    Key(field, Qt::Key_Backspace);
    EXPECT_EQ(field.Text(), "-0.96");
    Key(field, Qt::Key_Home);
    Key(field, Qt::Key_Delete);
    EXPECT_EQ(field.Text(), "0.96");
    Key(field, Qt::Key_End);
    Type(field, "5");
    EXPECT_EQ(field.Text(), "0.96") << "a key past the limit is still refused";
  }
  EXPECT_EQ(beeps, 0);
}

// Each way of pasting, into a field that has the focus and its cursor at the end of its text.
// False when the way's menu does not offer Paste, as neither menu does while the clipboard holds
// no text.
struct PasteCase {
  const char* name;
  std::function<bool(ControlWnd&, fw::TextField&, const char*)> paste;
};

std::vector<PasteCase> Pastes() {
  std::vector<PasteCase> pastes = {
      {"Ctrl+V",
       [](ControlWnd&, fw::TextField& f, const char* text) {
         QGuiApplication::clipboard()->setText(text);
         Key(f, Qt::Key_V, Qt::ControlModifier);
         return true;
       }},
      {"Edit menu Paste",
       [](ControlWnd& w, fw::TextField&, const char* text) {
         QGuiApplication::clipboard()->setText(text);
         if (!OfferedEditItems(w)[3]) return false;
         ChooseItem(w, "EditMenu", "EditPaste");
         return true;
       }},
      {"context menu Paste",
       [](ControlWnd&, fw::TextField& f, const char* text) {
         QGuiApplication::clipboard()->setText(text);
         return ChooseFromContextMenu(f.Widget(), "&Paste");
       }},
      {"drop",
       [](ControlWnd&, fw::TextField& f, const char* text) {
         DropText(f.Widget(), text);
         return true;
       }},
  };
  // The selection that a middle click pastes is kept by X11 and the like; the offscreen platform
  // keeps none, and there the click pastes nothing at all.
  if (QGuiApplication::clipboard()->supportsSelection()) {
    pastes.push_back({"middle click", [](ControlWnd&, fw::TextField& f, const char* text) {
                        QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
                        const QPoint end(f.Widget()->width() - 4, f.Widget()->height() / 2);
                        QTest::mouseClick(f.Widget(), Qt::MiddleButton, {}, end);
                        return true;
                      }});
  }
  return pastes;
}

// A paste cut short to the limit would be another number: 12000 would become 1200.
TEST_F(InputFilters, APasteThatDoesNotFitIsRefusedWholeWithABeepAndLeavesTheResultOnShow) {
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  const std::pair<FieldOf, const char*> tooLong[] = {
      {&ControlWnd::n1fld, "12000"},
      {&ControlWnd::m1fld, "123456789012345"},
      {&ControlWnd::n1fld, " 120\r\n"},  // too long once trimmed too
  };
  for (const PasteCase& paste : Pastes()) {
    for (const auto& [fieldOf, text] : tooLong) {
      fw::TextField& field = (W().*fieldOf)();
      SCOPED_TRACE(paste.name + (", " + field.Name()));
      const ShownResult before = MeansResultOnShowAndCursorAtTheEndOf(field);
      ASSERT_EQ(before.df, "24");
      const int beepsBefore = beeps;
      ASSERT_TRUE(paste.paste(W(), field, text));
      EXPECT_EQ(field.Text(), "12");
      EXPECT_EQ(beeps, beepsBefore + 1);
      const ShownResult after = Shown(W().tfld(), W().dffld(), W().pfld());
      EXPECT_EQ(after.statistic + after.df + after.p, before.statistic + before.df + before.p);
      EXPECT_TRUE(after.statisticShown && after.dfShown && after.pShown);
      // A paste that fits is taken as it is, through no filter: "." is no key of an N.
      ASSERT_TRUE(paste.paste(W(), field, ".5"));
      EXPECT_EQ(field.Text(), "12.5");
      EXPECT_EQ(beeps, beepsBefore + 1);
      EXPECT_FALSE(W().tfld().Visible()) << "an edit hides the result";
    }
  }
}

// What a paste brings must be a number as the fields hold one: text that holds anything else would
// be read as another number without a word ("abc" as 0, "12,5" as 12).
TEST_F(InputFilters, APasteThatHoldsNoNumberIsRefusedWholeWithABeepAndLeavesTheResultOnShow) {
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  const char* const refused[] = {"abc", "12,5", "", "   ", "1e5", "+3", "12 5"};
  for (const PasteCase& paste : Pastes()) {
    for (const char* text : refused) {
      for (FieldOf fieldOf : {&ControlWnd::m1fld, &ControlWnd::n1fld}) {
        fw::TextField& field = (W().*fieldOf)();
        SCOPED_TRACE(paste.name + (", \"" + (text + ("\" into " + field.Name()))));
        const ShownResult before = MeansResultOnShowAndCursorAtTheEndOf(field);
        ASSERT_EQ(before.df, "24");
        const int beepsBefore = beeps;
        const bool reached = paste.paste(W(), field, text);
        if (!reached) {
          EXPECT_STREQ(text, "") << "only an empty clipboard keeps Paste out of a menu";
        }
        EXPECT_EQ(field.Text(), "12");
        EXPECT_EQ(beeps, beepsBefore + (reached ? 1 : 0));
        const ShownResult after = Shown(W().tfld(), W().dffld(), W().pfld());
        EXPECT_EQ(after.statistic + after.df + after.p, before.statistic + before.df + before.p);
        EXPECT_TRUE(after.statisticShown && after.dfShown && after.pShown);
        EXPECT_TRUE(messages.empty());
      }
    }
  }
}

// A copied cell brings white space round its number, a line end at least; the number goes in
// without it, and the limit judges the number alone. Whatever the keys of a field, a paste that
// holds only digits, points and minus signs goes in as it is, and Calculate reads it as a typed
// text: 2.9 as an N of 2.
TEST_F(InputFilters, APasteGoesInWithoutTheWhiteSpaceRoundItAndCalculateReadsIt) {
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  struct Case {
    FieldOf field;
    const char* before;
    const char* pasted;
    const char* after;
    const char* df;  // from n1 + n2 - 2, with n2 = 14
  };
  const Case cases[] = {
      {&ControlWnd::m1fld, "", "12.5\n", "12.5", "24"},
      {&ControlWnd::m1fld, "", "\t12.5\t", "12.5", "24"},
      {&ControlWnd::m1fld, "", " 12.5 ", "12.5", "24"},
      {&ControlWnd::m1fld, "", "12.5\r\n", "12.5", "24"},
      {&ControlWnd::m1fld, "", "-2.3", "-2.3", "24"},  // no key types a minus into a mean
      {&ControlWnd::m1fld, "", "1.2.3", "1.2.3", "24"},
      {&ControlWnd::n1fld, "", "2.9", "2.9", "14"},
      {&ControlWnd::n1fld, "12", "\t34\r\n", "1234", "1246"},  // fits once trimmed
  };
  for (const PasteCase& paste : Pastes()) {
    for (const Case& c : cases) {
      fw::TextField& field = (W().*c.field)();
      SCOPED_TRACE(paste.name + (", \"" + (c.pasted + ("\" into " + field.Name()))));
      ASSERT_TRUE(MeansResultOnShowAndCursorAtTheEndOf(field, c.before).statisticShown);
      ASSERT_TRUE(paste.paste(W(), field, c.pasted));
      EXPECT_EQ(field.Text(), c.after);
      EXPECT_EQ(beeps, 0);
      EXPECT_FALSE(W().tfld().Visible()) << "an edit hides the result";
      Press(W().CalcBtn());
      EXPECT_TRUE(messages.empty()) << LastMessage();
      EXPECT_EQ(W().dffld().Text(), c.df);
    }
  }
}

TEST_F(InputFilters, EveryInputFieldRefusesAPasteOfLettersAndTakesATrimmedNumber) {
  for (const FieldCase& c : kFields) {
    fw::TextField& field = Enter(c);
    if (!field.Visible()) continue;  // n2fld under Sample/Population takes no focus
    SCOPED_TRACE(c.name);
    const int beepsBefore = beeps;
    QGuiApplication::clipboard()->setText("x");
    Key(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.Text(), "12");
    EXPECT_EQ(beeps, beepsBefore + 1);
    QGuiApplication::clipboard()->setText(" 5\n");
    Key(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.Text(), "125");
    EXPECT_EQ(beeps, beepsBefore + 1);
  }
}

// An undo takes back the paste alone, not the keys typed before it, as it does a paste of
// QLineEdit's own.
TEST_F(InputFilters, AnUndoTakesBackAPasteAloneBetweenTypedKeys) {
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
  for (const PasteCase& paste : Pastes()) {
    if (paste.name == std::string("drop")) continue;  // a drop leaves its text selected
    SCOPED_TRACE(paste.name);
    EnterTab(0);
    fw::TextField& field = W().m1fld();
    field.SetFocus();
    Type(field, "1");
    ASSERT_TRUE(paste.paste(W(), field, " 2\n"));
    Type(field, "3");
    ASSERT_EQ(field.Text(), "123");
    Key(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.Text(), "12");
    Key(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.Text(), "1");
    Key(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.Text(), "");
  }
  EXPECT_EQ(beeps, 0);
}

}  // namespace
