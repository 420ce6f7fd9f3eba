// The layer over Qt: building a window from a property table, the control behaviours the panels
// rely on, key routing, text limits, window instances and the message box.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "framework/bindings.h"
#include "framework/services.h"
#include "framework/window.h"
#include "support/hang_guard.h"
#include "support/user_actions.h"

namespace {

using fw::ControlClass;

fw::ControlSpec Spec(ControlClass cls, const char* name, const char* parent, int page, int left,
                     int top, int width, int height, int tabIndex, const char* text = "") {
  fw::ControlSpec spec;
  spec.cls = cls;
  spec.name = name;
  spec.parent = parent;
  spec.tabPanelIndex = page;
  spec.left = left, spec.top = top, spec.width = width, spec.height = height;
  spec.tabIndex = tabIndex;
  spec.text = text;
  return spec;
}

std::vector<fw::ControlSpec> TestControls() {
  auto tabs = Spec(ControlClass::TabPanel, "tabs", "", 0, 10, 10, 380, 260, 0, "One\rTwo");
  auto first = Spec(ControlClass::RadioButton, "a1", "tabs", 1, 30, 60, 80, 20, 3, "A1");
  first.value = true;
  auto limited = Spec(ControlClass::TextField, "limited", "tabs", 1, 30, 200, 80, 22, 1);
  limited.maxChars = 4;
  auto filtered = Spec(ControlClass::TextField, "filtered", "tabs", 1, 130, 200, 80, 22, 0);
  return {
      tabs,
      first,
      Spec(ControlClass::RadioButton, "a2", "tabs", 1, 30, 90, 80, 20, 4, "A2"),
      Spec(ControlClass::GroupBox, "group", "tabs", 1, 150, 50, 200, 80, 5, "Group"),
      Spec(ControlClass::RadioButton, "b1", "group", 1, 160, 80, 80, 20, 0, "B1"),
      Spec(ControlClass::RadioButton, "b2", "group", 1, 250, 80, 80, 20, 1, "B2"),
      Spec(ControlClass::PushButton, "push", "tabs", 1, 30, 150, 80, 30, 2, "Push"),
      limited,
      filtered,
      Spec(ControlClass::RadioButton, "c1", "tabs", 2, 30, 60, 80, 20, 0, "C1"),
  };
}

class TestWnd : public fw::Window {
 public:
  static TestWnd& Get() { return Instance<TestWnd>(); }

  void OnPush(fw::PushButton& b) { log.push_back("Action " + b.Name()); }
  void OnOpen(fw::PushButton& b) { log.push_back("Open " + b.Name()); }
  void OnRadio(fw::RadioButton& b) { log.push_back("Action " + b.Name()); }
  void OnChange(fw::TabPanel&) { log.push_back("Change"); }
  bool OnKey(fw::TextField&, const std::string& key) {
    keys.push_back(key);
    return key == "x";  // discards x, passes the rest
  }
  void OnEdited(fw::TextField& f) { edits.push_back(f.Text()); }
  void Event_Open() override { log.push_back("Window Open"); }

  std::vector<std::string> log;
  std::vector<std::string> keys;
  std::vector<std::string> edits;

 protected:
  void Layout() override {
    fw::WindowProperties properties;
    properties.title = "Test";
    properties.width = 400, properties.height = 300;
    ApplyProperties(properties);
  }
  void CreateControls() override {
    for (const auto& spec : TestControls()) CreateControl(spec);
  }
  void BindEvents(fw::Object& control) override {
    static const fw::EventBinding<TestWnd> kBindings[] = {
        {"push", fw::Event::Action, &TestWnd::OnPush},
        {"push", fw::Event::Open, &TestWnd::OnOpen},
        {"a1", fw::Event::Action, &TestWnd::OnRadio},
        {"a2", fw::Event::Action, &TestWnd::OnRadio},
        {"b1", fw::Event::Action, &TestWnd::OnRadio},
        {"b2", fw::Event::Action, &TestWnd::OnRadio},
        {"c1", fw::Event::Action, &TestWnd::OnRadio},
        {"tabs", fw::Event::Change, &TestWnd::OnChange},
        {"filtered", fw::Event::KeyDown, &TestWnd::OnKey},
        {"filtered", fw::Event::Edited, &TestWnd::OnEdited},
    };
    fw::BindAll(*this, control, kBindings);
  }

 private:
  friend class fw::Window;
  TestWnd() = default;
};

class Framework : public ::testing::Test {
 protected:
  void SetUp() override {
    w = &TestWnd::Get();
    w->log.clear();
    fw::SetBeepHandler([this] { ++beeps; });
  }
  void TearDown() override { fw::SetBeepHandler(nullptr); }
  fw::RadioButton& Radio(const char* name) { return w->Named<fw::RadioButton>(name); }
  fw::TextField& Field(const char* name) { return w->Named<fw::TextField>(name); }
  QLineEdit* Edit(const char* name) { return static_cast<QLineEdit*>(Field(name).Widget()); }
  TestWnd* w = nullptr;
  int beeps = 0;
};

TEST_F(Framework, BuildsFromTheTableInOrderWithoutRunningHandlers) {
  TestWnd::Get().Close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
  TestWnd& fresh = TestWnd::Get();
  // The property set selected a1 and tab 0 before the bindings: only the Open events ran.
  EXPECT_EQ(fresh.log, (std::vector<std::string>{"Open push", "Window Open"}));
  ASSERT_EQ(fresh.Objects().size(), TestControls().size());
  EXPECT_EQ(fresh.Objects()[0]->Name(), "tabs");
  EXPECT_EQ(fresh.Named<fw::RadioButton>("b1").Widget()->objectName(), "b1");
  // Window coordinates are mapped into the parent, even inside a group box on a tab.
  QWidget* content = qobject_cast<QMainWindow*>(fresh.Widget())->centralWidget();
  QWidget* b1 = fresh.Named<fw::RadioButton>("b1").Widget();
  EXPECT_EQ(b1->mapTo(content, QPoint(0, 0)), QPoint(160, 80));
  EXPECT_EQ(b1->size(), QSize(80, 20));
}

TEST_F(Framework, PushRunsActionAtOnce) {
  w->Named<fw::PushButton>("push").Push();
  EXPECT_EQ(w->log, (std::vector<std::string>{"Action push"}));
  QTest::mouseClick(w->Named<fw::PushButton>("push").Widget(), Qt::LeftButton);
  EXPECT_EQ(w->log.size(), 2u);
}

TEST_F(Framework, SelectingARadioButtonRunsActionEvenWhenSelectedAndClearsItsContainerOnly) {
  Radio("b1").SetValue(true);
  Radio("c1").SetValue(true);
  w->log.clear();
  Radio("a1").SetValue(true);  // already selected
  Radio("a2").SetValue(true);
  EXPECT_EQ(w->log, (std::vector<std::string>{"Action a1", "Action a2"}));
  EXPECT_FALSE(Radio("a1").Value());
  EXPECT_TRUE(Radio("b1").Value()) << "a group box is a container of its own";
  EXPECT_TRUE(Radio("c1").Value()) << "another tab is another container";
}

TEST_F(Framework, ClearingARadioButtonRunsNothing) {
  Radio("a2").SetValue(false);  // not selected
  Radio("a1").SetValue(false);  // the selected one
  EXPECT_TRUE(w->log.empty());
  EXPECT_FALSE(Radio("a1").Value());
  EXPECT_FALSE(Radio("a2").Value());
}

TEST_F(Framework, AClickSelectsAndRunsAction) {
  w->Show();
  QTest::mouseClick(Radio("a2").Widget(), Qt::LeftButton, {}, QPoint(8, 10));
  EXPECT_TRUE(Radio("a2").Value());
  EXPECT_EQ(w->log, (std::vector<std::string>{"Action a2"}));
}

TEST_F(Framework, TabChangeRunsOnSelection) {
  w->Named<fw::TabPanel>("tabs").SetValue(1);
  w->Named<fw::TabPanel>("tabs").SetValue(1);
  EXPECT_EQ(w->log, (std::vector<std::string>{"Change"}));
  EXPECT_EQ(w->Named<fw::TabPanel>("tabs").Value(), 1);
  EXPECT_TRUE(Radio("a1").Visible()) << "Visible is the control's own flag, not its tab's";
}

TEST_F(Framework, KeyDownSeesTypedKeysAndDiscardsOnTrue) {
  QLineEdit* edit = Edit("filtered");
  Field("filtered").SetFocus();
  QTest::keyClicks(edit, "5x6");
  EXPECT_EQ(Field("filtered").Text(), "56");
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(w->keys, (std::vector<std::string>{"5", "x", "6", "\b", "\r"}));
  EXPECT_EQ(Field("filtered").Text(), "5");
}

TEST_F(Framework, TabReachesKeyDownAndMovesTheFocusWhenPassed) {
  w->Show();
  ASSERT_TRUE(ActivateWindow(*w));
  Field("filtered").SetFocus();
  QTest::keyClick(Edit("filtered"), Qt::Key_Tab);
  EXPECT_EQ(w->keys, (std::vector<std::string>{"\t"}));
  EXPECT_FALSE(Field("filtered").HasFocus());
}

TEST_F(Framework, KeysThatTypeNothingNeverReachKeyDown) {
  Field("filtered").SetText("123");
  QLineEdit* edit = Edit("filtered");
  edit->setCursorPosition(3);
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClick(edit, Qt::Key_F5);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(w->keys.empty());
  EXPECT_EQ(Field("filtered").Text(), "23") << "Home then forward Delete still edit";
  EXPECT_EQ(edit->selectedText(), "23") << "Ctrl+A still selects all";
}

TEST_F(Framework, EditedRunsOnEveryChangeByTheUserAndNeverForTextFromCode) {
  fw::TextField& field = Field("filtered");
  QLineEdit* edit = Edit("filtered");
  field.SetFocus();
  field.SetText("12");
  QTest::keyClicks(edit, "3x");
  QGuiApplication::clipboard()->setText("45");
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  edit->cut();
  EXPECT_EQ(w->edits, (std::vector<std::string>{"123", "12345", "2345", "12345", ""}))
      << "a discarded key, moving and selecting change nothing";
  w->edits.clear();
  field.SetText("678");
  EXPECT_TRUE(w->edits.empty());
}

// An edit of the limited field, which holds `before` with the characters from `from` on (as many
// as `selected`) selected; its limit is 4 unless the case says otherwise.
struct LimitCase {
  const char* name;
  const char* before;
  int from, selected;
  std::function<void(QLineEdit*)> edit;
  const char* after;
  int beeps;
  int limit = 4;
};

void Typed(QLineEdit* edit, const char* text) {
  QTest::keyClicks(edit, text);
}
void Pasted(QLineEdit* edit, const char* text) {
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

const LimitCase kLimitCases[] = {
    {"typing stops at the limit", "", 0, 0, [](QLineEdit* e) { Typed(e, "123456"); }, "1234", 0},
    {"typing stops at the limit of 6", "", 0, 0, [](QLineEdit* e) { Typed(e, "-.12345"); },
     "-.1234", 0, 6},
    {"Backspace shortens a text longer than the limit", "123456", 6, 0,
     [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Backspace); }, "12345", 0},
    {"Delete shortens it", "123456", 0, 0, [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Delete); },
     "23456", 0},
    {"a key over a selected character keeps its length", "123456", 1, 1,
     [](QLineEdit* e) { Typed(e, "7"); }, "173456", 0},
    {"a key that lengthens it is refused", "123456", 6, 0, [](QLineEdit* e) { Typed(e, "7"); },
     "123456", 0},
    {"a key over a selection in a full field", "1234", 1, 1, [](QLineEdit* e) { Typed(e, "9"); },
     "1934", 0},
    {"a paste that fits", "12", 2, 0, [](QLineEdit* e) { Pasted(e, "34"); }, "1234", 0},
    {"a paste that does not fit", "12", 2, 0, [](QLineEdit* e) { Pasted(e, "345"); }, "12", 1},
    {"a paste too long for an empty field", "", 0, 0, [](QLineEdit* e) { Pasted(e, "98765"); }, "",
     1},
    {"a paste into a full field", "1234", 1, 0, [](QLineEdit* e) { Pasted(e, "9"); }, "1234", 1},
    {"a paste over a selection that fits", "1234", 1, 2, [](QLineEdit* e) { Pasted(e, "56"); },
     "1564", 0},
    {"a paste over a selection that does not fit", "1234", 1, 2,
     [](QLineEdit* e) { Pasted(e, "567"); }, "1234", 1},
    {"a paste that shortens a text longer than the limit", "123456", 1, 2,
     [](QLineEdit* e) { Pasted(e, "9"); }, "19456", 0},
};

TEST_F(Framework, TheLimitRefusesOnlyTypingOrPastingPastItAndAPasteWhole) {
  fw::TextField& field = Field("limited");
  QLineEdit* edit = Edit("limited");
  for (const LimitCase& c : kLimitCases) {
    SCOPED_TRACE(c.name);
    field.SetLimitText(c.limit);
    field.SetText(c.before);
    edit->setSelection(c.from, c.selected);
    beeps = 0;
    c.edit(edit);
    EXPECT_EQ(field.Text(), c.after);
    EXPECT_EQ(beeps, c.beeps) << "a refused paste beeps, a refused key does not";
  }
  field.SetText("+12345.678");
  EXPECT_EQ(field.Text(), "+12345.678") << "text from code is never cut";
}

// An undo brings back a text the field held, whatever the limit is now; after it, and after a
// redo, the limit still holds.
TEST_F(Framework, AnUndoBringsATextBackWholeAndTheLimitHoldsAfterItAndAfterARedo) {
  fw::TextField& field = Field("limited");
  QLineEdit* edit = Edit("limited");
  field.SetFocus();
  auto expectLimitHolds = [&](const char* text) {
    EXPECT_EQ(field.Text(), text);
    Typed(edit, "7");
    EXPECT_EQ(field.Text(), text) << "a key past the limit";
  };
  field.SetText("123456");
  edit->end(false);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keySequence(edit, QKeySequence::Undo);
  expectLimitHolds("123456");
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keySequence(edit, QKeySequence::Undo);
  QTest::keySequence(edit, QKeySequence::Redo);
  expectLimitHolds("12345");
  // What was typed under a limit of 6 and undone is not done again under 4.
  field.SetLimitText(6);
  field.SetText("");
  Typed(edit, "123456");
  QTest::keySequence(edit, QKeySequence::Undo);
  ASSERT_EQ(field.Text(), "");
  field.SetLimitText(4);
  QTest::keySequence(edit, QKeySequence::Redo);
  Typed(edit, "12345");
  EXPECT_EQ(field.Text(), "1234");
  EXPECT_EQ(beeps, 0);
}

// A drop is refused as a whole: the source of a moved text must keep it.
TEST_F(Framework, ADropThatDoesNotFitIsRefusedToItsSource) {
  fw::TextField& field = Field("limited");
  for (const auto& [before, after, accepted] :
       {std::tuple{"1234", "1234", false}, std::tuple{"12", "125", true}}) {
    field.SetText(before);
    const bool taken = DropText(field.Widget(), "5", Qt::CopyAction | Qt::MoveAction);
    EXPECT_EQ(field.Text(), after);
    EXPECT_EQ(taken, accepted) << before;
  }
  EXPECT_EQ(beeps, 1);
}

TEST_F(Framework, OneInstancePerClassAndANewOneAfterAClose) {
  EXPECT_EQ(&TestWnd::Get(), w);
  EXPECT_EQ(fw::Window::Existing<TestWnd>(), w);
  w->Close();
  EXPECT_EQ(fw::Window::Existing<TestWnd>(), nullptr);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
  TestWnd& fresh = TestWnd::Get();
  EXPECT_EQ(fresh.log, (std::vector<std::string>{"Open push", "Window Open"}));
  fresh.Hide();
  EXPECT_FALSE(fresh.Visible());
  EXPECT_EQ(&TestWnd::Get(), &fresh) << "hiding keeps the instance";
}

TEST_F(Framework, TabOrderFollowsTabIndexWithinEachParent) {
  QWidget* after = Field("filtered").Widget()->nextInFocusChain();
  while (after && !(after->focusPolicy() & Qt::TabFocus)) after = after->nextInFocusChain();
  EXPECT_EQ(after, Field("limited").Widget());
}

// A Wayland desktop finds the program's name and icon through this name: the base name of the
// desktop file that is installed.
TEST(Application, GoesByTheNameOfTheInstalledDesktopFile) {
  const QFileInfo installed(QString::fromUtf8(QUORVANE_DESKTOP_FILE));
  ASSERT_TRUE(installed.isFile()) << QUORVANE_DESKTOP_FILE;
  EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(),
            installed.completeBaseName().toStdString());
}

// Timers on the real event loop, each beside a clock of the same period: after five ticks of the
// clock a single-shot timer has fired once and stopped, a repeating one has gone on firing.
TEST(Timers, ASingleShotTimerFiresOnceAndARepeatingOneAgain) {
  struct Case {
    int runMode;
    bool once;
  };
  for (const Case c : {Case{fw::Timer::kSingle, true}, Case{fw::Timer::kMultiple, false}}) {
    SCOPED_TRACE(c.runMode);
    fw::Timer timer("Timer1");
    int fired = 0;
    timer.OnAction([&fired](fw::Timer&) { ++fired; });
    timer.SetPeriod(10);
    timer.SetRunMode(c.runMode);
    QEventLoop loop;
    QTimer clock;
    clock.setTimerType(Qt::PreciseTimer);
    int ticks = 0;
    QObject::connect(&clock, &QTimer::timeout, [&] {
      if (++ticks == 5) loop.quit();
    });
    clock.start(10);
    {
      HangGuard guard("the clock beside the timer stopped");
      loop.exec();
    }
    ASSERT_EQ(ticks, 5) << "the loop ran for five periods";
    if (c.once) {
      EXPECT_EQ(fired, 1);
      EXPECT_FALSE(timer.Pending());
      EXPECT_EQ(timer.RunMode(), fw::Timer::kOff);
    } else {
      EXPECT_GT(fired, 1);
      EXPECT_TRUE(timer.Pending());
    }
  }
}

TEST(Services, MessageAndBeepHooksReplaceTheRealOnes) {
  std::vector<std::string> shown;
  int beeps = 0;
  fw::SetMsgBoxHandler([&](const std::string& text) { shown.push_back(text); });
  fw::SetBeepHandler([&] { ++beeps; });
  fw::MsgBox("Hello");
  fw::Beep();
  EXPECT_EQ(shown, (std::vector<std::string>{"Hello"}));
  EXPECT_EQ(beeps, 1);
  fw::SetMsgBoxHandler(nullptr);
  fw::SetBeepHandler(nullptr);
}

TEST(Services, TheRealMessageBoxIsModalAndReturnsWhenDismissed) {
  QString seen;
  QTimer::singleShot(50, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  HangGuard guard("the message box did not return when its OK button was clicked");
  fw::MsgBox("Please enter the N of the 1st sample");
  EXPECT_EQ(seen, "Please enter the N of the 1st sample");
}

}  // namespace
