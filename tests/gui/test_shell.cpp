// Start-up, the About window giving way to the main window, the menu bar and the pictures.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/menubar1.h"
#include "app/module1.h"
#include "app/pictures.h"
#include "mainwindow/control_wnd.h"
#include "support/hang_guard.h"
#include "support/user_actions.h"
#include "support/window_checks.h"
#include "windows/about_wnd.h"
#include "windows/help_wnd.h"

namespace {

void DeleteClosedWindows() {
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

TEST(StartUp, OnlyTheAboutWindowExistsUntilItGivesWay) {
  EXPECT_EQ(Module1::btn, 0);
  EXPECT_EQ(Module1::dirty, "");
  ASSERT_NE(TheApp(), nullptr);
  EXPECT_EQ(TheApp()->Version().shortVersion, "3.0");
  EXPECT_EQ(TheApp()->Version().name, "Quorvane");
  EXPECT_EQ(QApplication::applicationVersion(), "3.0");
  _LateStartup();
  AboutWnd* about = fw::Window::Existing<AboutWnd>();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->Visible());
  EXPECT_EQ(fw::Window::Existing<ControlWnd>(), nullptr);
  EXPECT_EQ(fw::Window::Count(), 1);
  EXPECT_EQ(about->Timer1().Period(), 4000);
  EXPECT_EQ(about->Timer1().RunMode(), fw::Timer::kSingle);
  EXPECT_TRUE(about->Timer1().Pending());
  EXPECT_EQ(Module1::btn, 0);
}

// The timer counts its 4000 ms once, and never fires before they are up.
TEST(StartUp, TheAboutTimerRunsOnceAndNeverEarly) {
  _LateStartup();
  const QTimer* timer = AboutWnd::Get().Timer1().QtTimer();
  EXPECT_TRUE(timer->isActive());
  EXPECT_TRUE(timer->isSingleShot());
  EXPECT_EQ(timer->interval(), 4000);
  EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
}

// The path that the other tests take a short cut through: left alone, the About window gives way
// when its own timer fires on the event loop.
TEST(StartUp, LeftAloneTheAboutWindowGivesWayOnTheEventLoop) {
  _LateStartup();
  QEventLoop loop;
  QTimer look;
  QObject::connect(&look, &QTimer::timeout, [&loop] {
    if (fw::Window::Existing<ControlWnd>()) loop.quit();
  });
  look.start(20);
  {
    HangGuard guard("the About window did not give way by itself");
    loop.exec();
  }
  EXPECT_FALSE(AboutWnd::Get().Visible());
  EXPECT_TRUE(ControlWnd::Get().Visible());
  EXPECT_EQ(ControlWnd::Get().TabPanel1().Value(), 0);
  EXPECT_FALSE(AboutWnd::Get().Timer1().Pending());
}

TEST(StartUp, TheTimerGivesWayToTheMainWindow) {
  _LateStartup();
  AboutWnd::Get().Timer1().Fire();
  EXPECT_FALSE(AboutWnd::Get().Visible());
  ControlWnd* main = fw::Window::Existing<ControlWnd>();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->Visible());
  EXPECT_EQ(main->TabPanel1().Value(), 0);
  EXPECT_EQ(Module1::btn, 1);
  EXPECT_EQ(Module1::dirty, "n");
  EXPECT_EQ(main->Title(), "Quorvane");
  EXPECT_EQ(main->Widget()->windowHandle()->title(), "Quorvane") << "as the platform gets it";
}

TEST(StartUp, AKeyOrAClickGivesWayAtOnce) {
  _LateStartup();
  QTest::keyClick(AboutWnd::Get().Widget(), Qt::Key_Space);
  EXPECT_FALSE(AboutWnd::Get().Visible());
  ASSERT_NE(fw::Window::Existing<ControlWnd>(), nullptr);
  EXPECT_TRUE(ControlWnd::Get().Visible());

  AboutWnd::Get().Show();
  QTest::mouseClick(AboutWnd::Get().Widget(), Qt::LeftButton);
  EXPECT_FALSE(AboutWnd::Get().Visible());
}

// Any key gives way, also one that types nothing; a modifier pressed alone is no key yet.
TEST(StartUp, EveryKeyButALoneModifierGivesWay) {
  _LateStartup();
  QWidget* about = AboutWnd::Get().Widget();
  for (Qt::Key modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt}) {
    QTest::keyClick(about, modifier);
    EXPECT_TRUE(AboutWnd::Get().Visible()) << QKeySequence(modifier).toString().toStdString();
  }
  EXPECT_EQ(fw::Window::Existing<ControlWnd>(), nullptr);
  const Qt::Key keys[] = {Qt::Key_Left,     Qt::Key_Down, Qt::Key_F1,     Qt::Key_F5,
                          Qt::Key_PageDown, Qt::Key_Home, Qt::Key_Escape, Qt::Key_Insert};
  for (Qt::Key key : keys) {
    AboutWnd::Get().Show();
    QTest::keyClick(about, key);
    EXPECT_FALSE(AboutWnd::Get().Visible()) << QKeySequence(key).toString().toStdString();
    ASSERT_NE(fw::Window::Existing<ControlWnd>(), nullptr);
    EXPECT_TRUE(ControlWnd::Get().Visible());
  }
}

// Runs the event loop while the key goes to the widget, as the first thing the loop does; a loop
// that the key does not end fails the test long before ctest gives up.
int RunWithKey(QWidget* widget, QKeyCombination key, const std::string& what) {
  QTimer::singleShot(
      0, widget, [widget, key] { QTest::keyClick(widget, key.key(), key.keyboardModifiers()); });
  HangGuard guard(what + " did not end the event loop");
  return TheApp()->Run();
}

TEST(StartUp, CtrlQInTheAboutWindowQuits) {
  _LateStartup();
  QWidget* about = AboutWnd::Get().Widget();
  ASSERT_TRUE(ActivateWindow(about));
  EXPECT_EQ(RunWithKey(about, Qt::ControlModifier | Qt::Key_Q, "Ctrl+Q at start"), 0);
}

TEST(MainWindow, CtrlQInTheAboutWindowShownFromTheMenuQuits) {
  _LateStartup();
  AboutWnd::Get().Timer1().Fire();
  ControlWnd& main = ControlWnd::Get();
  TriggerItem(main, "AboutQuorvane");
  QWidget* about = AboutWnd::Get().Widget();
  ASSERT_TRUE(about->isVisible());
  // In front of the main window, so that only its own keys can serve the shortcut.
  ASSERT_TRUE(ActivateWindow(about));
  ASSERT_EQ(QApplication::activeWindow(), about);
  EXPECT_EQ(RunWithKey(about, Qt::ControlModifier | Qt::Key_Q, "Ctrl+Q after Label > Quorvane"), 0);
}

// The About window cannot be closed; on show over the other windows it stops no Quit.
TEST(MainWindow, CtrlQInAHelpWindowQuitsWhileTheAboutWindowIsOnShow) {
  _LateStartup();
  AboutWnd::Get().Timer1().Fire();
  ControlWnd& main = ControlWnd::Get();
  helpWnd& help = helpWnd::Get();
  TriggerItem(main, "AboutQuorvane");
  ASSERT_TRUE(ActivateWindow(help));
  help.EditField1().SetFocus();
  ASSERT_TRUE(AboutWnd::Get().Visible()) << "only the main window sends it away";
  EXPECT_EQ(RunWithKey(help.EditField1().Widget(), Qt::ControlModifier | Qt::Key_Q,
                       "Ctrl+Q in a help window with the About window on show"),
            0);
}

TEST(StartUp, AnEarlyKeyThenTheTimerMakesNoSecondMainWindow) {
  _LateStartup();
  QTest::keyClick(AboutWnd::Get().Widget(), Qt::Key_A);
  ControlWnd* first = fw::Window::Existing<ControlWnd>();
  ASSERT_NE(first, nullptr);
  first->TabPanel1().SetValue(3);
  // The About item after the early dismissal, then the timer hides it again.
  EXPECT_TRUE(first->HandleMenuItem("AboutQuorvane"));
  EXPECT_TRUE(AboutWnd::Get().Visible());
  AboutWnd::Get().Timer1().Fire();
  EXPECT_FALSE(AboutWnd::Get().Visible());
  EXPECT_EQ(fw::Window::Existing<ControlWnd>(), first);
  EXPECT_EQ(first->TabPanel1().Value(), 3) << "the same main window, shown again";
  EXPECT_EQ(fw::Window::Count(), 2);
}

// An early key in the About window, then a close of the main window with its close button.
void CloseTheMainWindowAfterAnEarlyKey() {
  AboutWnd* about = fw::Window::Existing<AboutWnd>();
  ASSERT_NE(about, nullptr) << "start-up made no About window";
  QTest::keyClick(about->Widget(), Qt::Key_A);
  ControlWnd* main = fw::Window::Existing<ControlWnd>();
  ASSERT_NE(main, nullptr);
  main->TabPanel1().SetValue(2);
  Module1::dirty = "y";
  QCloseEvent close;  // what the close button sends
  QApplication::sendEvent(main->Widget()->windowHandle(), &close);
  ASSERT_EQ(fw::Window::Existing<ControlWnd>(), nullptr) << "the close went through";
}

TEST(StartUp, AMainWindowClosedBeforeTheTimerIsMadeAnew) {
  _LateStartup();
  CloseTheMainWindowAfterAnEarlyKey();
  DeleteClosedWindows();
  EXPECT_EQ(fw::Window::Existing<ControlWnd>(), nullptr);
  AboutWnd::Get().Timer1().Fire();
  ControlWnd* fresh = fw::Window::Existing<ControlWnd>();
  ASSERT_NE(fresh, nullptr);
  EXPECT_TRUE(fresh->Visible());
  EXPECT_EQ(fresh->TabPanel1().Value(), 0);
  EXPECT_EQ(Module1::dirty, "n") << "its Open ran again";
}

// The same on the event loop, started as the program starts: the run goes on while the About
// timer is still to come, with no window on show, until the timer brings a new main window.
TEST(StartUp, AMainWindowClosedBeforeTheTimerIsMadeAnewOnTheEventLoop) {
  constexpr int kNewMainWindowShown = 7;  // the loop's result when the look below ends it
  bool closed = false;
  TheApp()->Initialise(_LateStartup);
  QTimer::singleShot(0, qApp, [&closed] {
    CloseTheMainWindowAfterAnEarlyKey();
    if (::testing::Test::HasFatalFailure()) {
      QApplication::exit(1);
    } else {
      closed = true;
    }
  });
  QTimer look;
  QObject::connect(&look, &QTimer::timeout, [&closed] {
    ControlWnd* fresh = fw::Window::Existing<ControlWnd>();
    if (closed && fresh && fresh->Visible()) QApplication::exit(kNewMainWindowShown);
  });
  look.start(20);
  int ended = 0;
  {
    HangGuard guard("no new main window came after the About timer");
    ended = TheApp()->Run();
  }
  ASSERT_TRUE(closed);
  EXPECT_EQ(ended, kNewMainWindowShown) << "the run ended before the timer made a new main window";
  ControlWnd* fresh = fw::Window::Existing<ControlWnd>();
  ASSERT_NE(fresh, nullptr);
  EXPECT_TRUE(fresh->Visible());
  EXPECT_EQ(fresh->TabPanel1().Value(), 0);
  EXPECT_EQ(Module1::dirty, "n") << "its Open ran";
  EXPECT_FALSE(AboutWnd::Get().Visible());
  EXPECT_FALSE(AboutWnd::Get().Timer1().Pending());
}

// The About window holds the picture and the copyright line, in a window without frame or title.
TEST(StartUp, TheAboutWindowShowsTheCopyrightLineWithoutAFrame) {
  _LateStartup();
  AboutWnd& about = AboutWnd::Get();
  const std::string copyright = TheApp()->Version().copyright;
  ASSERT_FALSE(copyright.empty());
  EXPECT_EQ(about.Label1().Text(), copyright);
  EXPECT_NE(about.Label1().Text(), "Quorvane") << "the copyright line, not the name";
  EXPECT_TRUE(about.Label1().Visible());
  EXPECT_FALSE(about.Canvas1().Backdrop().IsNull());
  EXPECT_TRUE(about.Widget()->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(about.Title(), "");
  EXPECT_EQ(about.Widget()->frameGeometry(), about.Widget()->geometry());
  // A passing picture that no taskbar or window switcher lists, centred and in front.
  EXPECT_EQ(about.Widget()->windowType(), Qt::SplashScreen);
  EXPECT_EQ(about.Widget()->geometry().center(),
            QGuiApplication::primaryScreen()->availableGeometry().center());
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), about.Widget());
}

// The About window's canvas, 419 by 69, shows the 414 by 70 banner at its own size from its
// top-left corner, every pixel as the picture file holds it; stretched to the canvas, every letter
// would be resampled and soft. Beside it the window's white shows through.
TEST(StartUp, TheAboutWindowDrawsTheBannerPixelForPixel) {
  _LateStartup();
  AboutWnd& about = AboutWnd::Get();
  const QImage shot = about.Widget()->grab().toImage();
  const QImage banner(":/Quorvane.png");
  ASSERT_EQ(banner.size(), QSize(414, 70));
  const QRect place = InContent(about, about.Canvas1().Widget());
  ASSERT_EQ(place.size(), QSize(419, 69));
  const QPoint content = ContentOf(about)->mapTo(about.Widget(), QPoint(0, 0));
  int compared = 0;
  EXPECT_EQ(PixelsApart(shot, place.translated(content), banner, &compared), 0);
  EXPECT_EQ(compared, 414 * 69) << "the canvas shows all of the banner but its last row";
  ExpectWhite(about, {place.adjusted(414, 0, 0, 0)});
}

// 459 by 200 on white, with no button to close, minimise or resize it. The white is the window's
// own: it shows round the picture and the copyright line in the window as drawn.
TEST(StartUp, TheAboutWindowIsAFixedWhiteRectangleWithoutButtons) {
  _LateStartup();
  AboutWnd& about = AboutWnd::Get();
  QApplication::processEvents();
  EXPECT_TRUE(KeepsContentSize(about, {459, 200}));
  EXPECT_EQ(TitleButtons(about), "");
  // Above the picture (20, 41, 419 x 69), below the copyright line (31, 110, 397 x 20) and beside
  // both.
  ExpectWhite(about, {QRect(0, 0, 459, 41), QRect(0, 130, 459, 70), QRect(0, 0, 20, 200),
                      QRect(439, 0, 20, 200)});
}

// With the main window closed, a help window keeps the run going; its About item leads back to the
// panels, through the About window, which makes a new main window when it gives way.
TEST(MainWindow, TheAboutItemOfAHelpWindowLeadsBackToAClosedMainWindow) {
  _LateStartup();
  QTest::keyClick(AboutWnd::Get().Widget(), Qt::Key_Space);
  QTest::mouseClick(ControlWnd::Get().helpBtn().Widget(), Qt::LeftButton);
  helpWnd* help = fw::Window::Existing<helpWnd>();
  ASSERT_NE(help, nullptr);
  ControlWnd::Get().Close();
  DeleteClosedWindows();
  ASSERT_EQ(fw::Window::Existing<ControlWnd>(), nullptr);
  ChooseItem(*help, "AboutMenu", "AboutQuorvane");
  EXPECT_TRUE(AboutWnd::Get().Visible());
  QTest::keyClick(AboutWnd::Get().Widget(), Qt::Key_Space);
  EXPECT_FALSE(AboutWnd::Get().Visible());
  ControlWnd* fresh = fw::Window::Existing<ControlWnd>();
  ASSERT_NE(fresh, nullptr);
  EXPECT_TRUE(fresh->Visible());
  EXPECT_EQ(Module1::btn, 1) << "it opened as new";
  EXPECT_EQ(Module1::dirty, "n");
  EXPECT_TRUE(help->Visible()) << "the help window stays";
}

// A main window that the user minimised comes back when the About window gives way to it: the About
// window goes, and the panels are on screen, not left iconic with nothing else to show.
TEST(MainWindow, TheAboutWindowGivesWayToAMinimisedMainWindowByShowingIt) {
  _LateStartup();
  QTest::keyClick(AboutWnd::Get().Widget(), Qt::Key_Space);
  ControlWnd& main = ControlWnd::Get();
  QTest::mouseClick(main.helpBtn().Widget(), Qt::LeftButton);
  helpWnd& help = helpWnd::Get();
  main.Widget()->showMinimized();
  ASSERT_TRUE(main.Widget()->isMinimized());
  ChooseItem(help, "AboutMenu", "AboutQuorvane");
  QApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), AboutWnd::Get().Widget());
  QTest::keyClick(QApplication::activeWindow(), Qt::Key_Space);
  QApplication::processEvents();
  EXPECT_FALSE(AboutWnd::Get().Visible());
  EXPECT_EQ(fw::Window::Existing<ControlWnd>(), &main);
  EXPECT_FALSE(main.Widget()->isMinimized());
  EXPECT_FALSE(main.Widget()->windowHandle()->windowState() & Qt::WindowMinimized);
  EXPECT_EQ(QApplication::activeWindow(), main.Widget());
}

// The About window shown from the menu stands alone once the user closes the main window under it.
// It then has the keys, as at start-up: any key sends it away and makes a new main window, and
// Ctrl+Q quits.
TEST(MainWindow, TheAboutWindowLeftAloneByAClosedMainWindowTakesTheKeys) {
  _LateStartup();
  AboutWnd::Get().Timer1().Fire();
  ChooseItem(ControlWnd::Get(), "AboutMenu", "AboutQuorvane");
  QApplication::processEvents();
  ASSERT_TRUE(ActivateWindow(ControlWnd::Get()));  // the user goes for its close button
  ControlWnd::Get().Close();
  DeleteClosedWindows();
  ASSERT_EQ(fw::Window::Existing<ControlWnd>(), nullptr);
  ASSERT_TRUE(AboutWnd::Get().Visible());
  ASSERT_EQ(QApplication::activeWindow(), AboutWnd::Get().Widget()) << "no window has the keys";
  QTest::keyClick(QApplication::activeWindow(), Qt::Key_Escape);
  EXPECT_FALSE(AboutWnd::Get().Visible());
  ControlWnd* fresh = fw::Window::Existing<ControlWnd>();
  ASSERT_NE(fresh, nullptr);
  EXPECT_TRUE(fresh->Visible());
  EXPECT_EQ(Module1::dirty, "n") << "it opened as new";

  ChooseItem(*fresh, "AboutMenu", "AboutQuorvane");
  fresh->Close();
  DeleteClosedWindows();
  ASSERT_EQ(QApplication::activeWindow(), AboutWnd::Get().Widget());
  EXPECT_EQ(RunWithKey(QApplication::activeWindow(), Qt::ControlModifier | Qt::Key_Q,
                       "Ctrl+Q in the About window left alone"),
            0);
}

// 550 by 500 on white: a window the user can close and minimise, but neither maximise nor resize.
TEST(MainWindow, IsAFixedWhiteWindowWithCloseAndMinimiseButtons) {
  ControlWnd& main = ControlWnd::Get();
  QApplication::processEvents();
  EXPECT_TRUE(KeepsContentSize(main, {550, 500}));
  EXPECT_EQ(TitleButtons(main), "close minimise");
  // Beside the tab panel (17, 61, 501 x 419), below it, and left of the banner (56, -10).
  ExpectWhite(main, {QRect(0, 0, 17, 500), QRect(518, 0, 32, 500), QRect(0, 480, 550, 20),
                     QRect(0, 0, 56, 61)});
}

TEST(MainWindow, AKeyOrClickInItHidesTheAboutWindowShownOverIt) {
  _LateStartup();
  AboutWnd::Get().Timer1().Fire();
  ControlWnd& main = ControlWnd::Get();
  main._AboutQuorvane_Action();
  ASSERT_TRUE(AboutWnd::Get().Visible());
  QTest::mouseClick(main.GroupBox1().Widget(), Qt::LeftButton);
  EXPECT_FALSE(AboutWnd::Get().Visible());
  main._AboutQuorvane_Action();
  main.m1fld().SetFocus();
  QTest::keyClick(main.m1fld().Widget(), Qt::Key_5);
  EXPECT_FALSE(AboutWnd::Get().Visible());
  EXPECT_EQ(main.m1fld().Text(), "5") << "the key is otherwise handled as usual";
  main._AboutQuorvane_Action();
  QTest::keyClick(main.m1fld().Widget(), Qt::Key_Left);
  EXPECT_FALSE(AboutWnd::Get().Visible()) << "a key that types nothing";
  EXPECT_EQ(static_cast<QLineEdit*>(main.m1fld().Widget())->cursorPosition(), 0);
}

// Records which text fields receive the keyboard focus.
class FocusTrace : public QObject {
 public:
  FocusTrace() { QApplication::instance()->installEventFilter(this); }
  ~FocusTrace() override { QApplication::instance()->removeEventFilter(this); }

  std::vector<std::string> fields;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn && qobject_cast<QLineEdit*>(watched)) {
      fields.push_back(watched->objectName().toStdString());
    }
    return false;
  }
};

// Every panel's Clear ends by putting the cursor into its first field, so a Clear run while the
// window opens leaves a field holding the focus, or handing it on as the window comes to the front.
TEST(MainWindow, OpensWithMeansSelectedAndNoClearRun) {
  _LateStartup();
  FocusTrace trace;
  AboutWnd::Get().Timer1().Fire();
  ControlWnd& main = ControlWnd::Get();
  QApplication::processEvents();
  EXPECT_TRUE(main.Widget()->isActiveWindow()) << "the window the user meets is in front";
  for (fw::Object* object : main.Objects()) {
    if (auto* field = dynamic_cast<fw::TextField*>(object)) {
      EXPECT_FALSE(field->HasFocus()) << field->Name() << " holds the cursor";
    }
  }
  EXPECT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
  EXPECT_EQ(trace.fields, std::vector<std::string>{}) << "fields that took the cursor";
  EXPECT_EQ(Module1::btn, 1);
  EXPECT_EQ(Module1::dirty, "n");
  EXPECT_EQ(main.Objects().size(), 151u);
  EXPECT_EQ(main.TabPanel1().TabCount(), 6);
  const char* captions[] = {"Means", "Variances", "Correlations", "Proportions", "Alphas", "AUCs"};
  for (int tab = 0; tab < 6; ++tab) EXPECT_EQ(main.TabPanel1().TabCaption(tab), captions[tab]);
  EXPECT_FALSE(main.tfld().Visible());
  EXPECT_FALSE(main.SepLine1().Visible());
  EXPECT_TRUE(main.IBtn().Value());
  EXPECT_EQ(main.Objects().front()->Name(), "TabPanel1");
  EXPECT_EQ(main.Objects().back()->Name(), "Label1");
  EXPECT_FALSE(main.Canvas1().Backdrop().IsNull());
  EXPECT_FALSE(main.helpBtn3().Backdrop().IsNull());
  EXPECT_FALSE(main.Canvas1_MouseDown(main.Canvas1(), 5, 5)) << "the banner does nothing";
}

TEST(MainWindow, EnteringATabClearsThatPanelOnly) {
  ControlWnd& main = ControlWnd::Get();
  main.m1fld().SetText("1");
  main.var1Fld().SetText("2");
  main.a1fld().SetText(".5");
  main.RBtn4().SetValue(true);
  Module1::dirty = "y";
  main.TabPanel1().SetValue(4);
  EXPECT_EQ(main.a1fld().Text(), "");
  EXPECT_TRUE(main.IBtn4().Value());
  EXPECT_EQ(Module1::btn, 1);
  EXPECT_EQ(Module1::dirty, "n");
  EXPECT_TRUE(main.a1fld().HasFocus());
  EXPECT_EQ(main.m1fld().Text(), "1") << "no other panel's Clear ran";
  EXPECT_EQ(main.var1Fld().Text(), "2");
}

// A turn of the mouse wheel over the tabs, on the way to a field, changes no tab and so throws
// away nothing that was typed; a click on a tab still chooses it.
TEST(MainWindow, TheWheelOverTheTabsKeepsTheTabAndWhatWasTyped) {
  ControlWnd& main = ControlWnd::Get();
  main.Show();
  ASSERT_TRUE(ActivateWindow(main));
  main.m1fld().SetFocus();
  QTest::keyClicks(main.m1fld().Widget(), "99.67");
  main.m2fld().SetFocus();
  QTest::keyClicks(main.m2fld().Widget(), "102.0");
  auto* tabs = main.TabPanel1().Widget()->findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  const QPoint over = tabs->tabRect(0).center();
  for (int notches : {-1, -1, 1, 1, 3}) {
    QWheelEvent wheel(over, tabs->mapToGlobal(over), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(tabs, &wheel);
  }
  EXPECT_EQ(main.TabPanel1().Value(), 0);
  EXPECT_EQ(main.m1fld().Text(), "99.67");
  EXPECT_EQ(main.m2fld().Text(), "102.0");
  QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
  EXPECT_EQ(main.TabPanel1().Value(), 1);
}

TEST(MainWindow, EveryControlCarriesItsNameForTestsAndScreenReaders) {
  for (fw::Object* object : ControlWnd::Get().Objects()) {
    auto* control = dynamic_cast<fw::Control*>(object);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Widget()->objectName().toStdString(), object->Name());
  }
}

// A push button with the keyboard focus shows a ring just inside its outline; the caption and
// the rest of the face stay as they were.
TEST(MainWindow, TheFocusedPushButtonIsRinged) {
  ControlWnd& main = ControlWnd::Get();
  ASSERT_TRUE(ActivateWindow(main));
  main.RBtn().SetFocus();  // the Tab key's stop before Calculate
  for (fw::PushButton* button : {&main.CalcBtn(), &main.ClearBtn()}) {
    const QImage plain = button->Widget()->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(button->HasFocus()) << button->Name();
    const QImage focused = button->Widget()->grab().toImage();
    ASSERT_EQ(focused.size(), plain.size());
    const int w = plain.width(), h = plain.height();
    // Two pixels in from each side, halfway along it.
    for (QPoint ring : {QPoint(1, h / 2), QPoint(2, h / 2), QPoint(w - 3, h / 2), QPoint(w / 2, 1),
                        QPoint(w / 2, 2), QPoint(w / 2, h - 3)}) {
      const QColor was = plain.pixelColor(ring), now = focused.pixelColor(ring);
      EXPECT_NE(now.name().toStdString(), was.name().toStdString())
          << button->Name() << " at " << ring.x() << "," << ring.y();
      EXPECT_GT(now.blue() - now.red(), 80) << "a coloured ring, not a shade of grey";
    }
    int changed = 0, dark = 0;
    for (int y = 5; y < h - 5; ++y) {
      for (int x = 5; x < w - 5; ++x) {
        changed += plain.pixel(x, y) != focused.pixel(x, y);
        dark += qGray(plain.pixel(x, y)) < 100;
      }
    }
    EXPECT_EQ(changed, 0) << button->Name() << ": the face and caption stay";
    EXPECT_GT(dark, 0) << "the caption is there";
  }
}

// A group box shows its page inside its frame: away from the frame, the caption and the controls
// over it, every pixel is the page's own colour.
TEST(MainWindow, GroupBoxesAreUnfilled) {
  ControlWnd& main = ControlWnd::Get();
  QWidget* page = main.TabPanel1().Page(0);
  const QImage shot = page->grab().toImage();
  for (fw::GroupBox* box : {&main.GroupBox1(), &main.GroupBox2(), &main.typeBox()}) {
    const QRect frame = box->Widget()->geometry();
    const QRgb pageColour = shot.pixel(frame.left() - 4, frame.center().y());
    std::vector<QRect> over;
    for (QObject* child : page->children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget && widget != box->Widget() && widget->isVisibleTo(page)) {
        over.push_back(widget->geometry().adjusted(-1, -1, 1, 1));
      }
    }
    // The frame's top line, found where it is drawn: near the right end, past the rounded corner
    // and clear of the caption, whose height follows the machine's font.
    int frameTop = frame.top();
    while (frameTop < frame.bottom() && shot.pixel(frame.right() - 4, frameTop) == pageColour)
      ++frameTop;
    ASSERT_LT(frameTop, frame.center().y()) << box->Name() << ": no top line of its frame";
    int seen = 0, filled = 0;
    const QRect inside(QPoint(frame.left() + 4, frameTop + 3), frame.bottomRight() - QPoint(4, 4));
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
      for (int x = inside.left(); x <= inside.right(); ++x) {
        const QPoint at(x, y);
        if (std::any_of(over.begin(), over.end(), [&](const QRect& r) { return r.contains(at); })) {
          continue;
        }
        ++seen;
        filled += shot.pixel(at) != pageColour;
      }
    }
    EXPECT_GT(seen, 100) << box->Name();
    EXPECT_EQ(filled, 0) << box->Name() << " is filled";
    EXPECT_NE(shot.pixel(frame.left() + 1, frame.center().y()), pageColour) << "the frame stays";
    int caption = 0;
    for (int y = frame.top(); y < frameTop; ++y) {
      for (int x = frame.left(); x < frame.right(); ++x) caption += qGray(shot.pixel(x, y)) < 100;
    }
    EXPECT_EQ(caption > 0, !box->Caption().empty()) << box->Name();
  }
}

// The lines that some designs show between the rows of a sample run across the whole width of
// their place, as a horizontal rule; none is a mark across its height.
TEST(MainWindow, TheSeparatorsAreHorizontalLines) {
  ControlWnd& main = ControlWnd::Get();
  std::set<std::string> seen;
  for (int tab = 0; tab < 6; ++tab) {
    main.TabPanel1().SetValue(tab);
    QWidget* page = main.TabPanel1().Page(tab);
    for (fw::Object* object : main.Objects()) {
      auto* design = dynamic_cast<fw::RadioButton*>(object);
      if (!design || !page->isAncestorOf(design->Widget())) continue;
      QTest::mouseClick(design->Widget(), Qt::LeftButton);
      ASSERT_TRUE(design->Value()) << design->Name();
      const QImage shot = page->grab().toImage();
      for (fw::Object* other : main.Objects()) {
        auto* line = dynamic_cast<fw::Separator*>(other);
        if (!line || !line->Widget()->isVisible()) continue;
        seen.insert(line->Name());
        const QRect place(line->Widget()->mapTo(page, QPoint(0, 0)), line->Widget()->size());
        // Dark: the line's shade, well apart from the light page round it.
        const auto dark = [&](int x, int y) {
          return qGray(shot.pixel(place.left() + x, place.top() + y)) < 200;
        };
        int longestRow = 0, longestColumn = 0;
        for (int y = 0; y < place.height(); ++y) {
          int row = 0;
          for (int x = 0; x < place.width(); ++x) row += dark(x, y);
          longestRow = std::max(longestRow, row);
        }
        for (int x = 0; x < place.width(); ++x) {
          int column = 0;
          for (int y = 0; y < place.height(); ++y) column += dark(x, y);
          longestColumn = std::max(longestColumn, column);
        }
        EXPECT_GE(longestRow, place.width() * 9 / 10) << line->Name() << " in " << design->Name();
        EXPECT_LT(longestColumn, place.height()) << line->Name() << " in " << design->Name();
      }
    }
  }
  EXPECT_EQ(seen, (std::set<std::string>{"SepLine2", "SepLine3", "SepLine4", "SepLine5", "SepLine6",
                                         "SepLine7", "SepLine8", "SepLine9"}));
}

TEST(MenuBar, IsMadeOnceAndSharedWithTheMainWindow) {
  MenuBar1& bar = GetMenuBar1();
  EXPECT_EQ(&GetMenuBar1(), &bar);
  EXPECT_EQ(TheApp()->GetMenuBar(), &bar);
  EXPECT_EQ(ControlWnd::Get().GetMenuBar(), &bar);
}

TEST(MenuBar, HoldsFileEditAndTheAboutMenu) {
  struct Expected {
    const char* menu;
    const char* item;
    const char* caption;
    const char* shortcut;
  };
  const Expected rows[] = {
      {"FileMenu", "FileQuit", "Quit", "Cmd+Q"},
      {"EditMenu", "EditUndo", "&Undo", "Cmd+Z"},
      {"EditMenu", "UntitledMenu1", "-", ""},
      {"EditMenu", "EditCut", "Cu&t", "Cmd+X"},
      {"EditMenu", "EditCopy", "&Copy", "Cmd+C"},
      {"EditMenu", "EditPaste", "&Paste", "Cmd+V"},
      {"EditMenu", "EditClear", "Clear", ""},
      {"EditMenu", "UntitledMenu0", "-", ""},
      {"EditMenu", "EditSelectAll", "Select &All", "Cmd+A"},
      {"AboutMenu", "AboutQuorvane", " Quorvane", ""},
  };
  MenuBar1& bar = GetMenuBar1();
  ASSERT_EQ(bar.Count(), 3u);
  EXPECT_EQ(bar.Item(0).Value(), "&File");
  EXPECT_EQ(bar.Item(1).Value(), "&Edit");
  EXPECT_EQ(bar.Item(2).Value(), "Label");
  size_t total = 0;
  for (size_t m = 0; m < bar.Count(); ++m) total += bar.Item(m).Count();
  EXPECT_EQ(total, std::size(rows));
  for (const Expected& row : rows) {
    fw::MenuItem* item = bar.Child(row.menu)->Child(row.item);
    ASSERT_NE(item, nullptr) << row.item;
    EXPECT_EQ(item->Value(), row.caption);
    EXPECT_EQ(item->Shortcut(), row.shortcut);
    EXPECT_TRUE(item->AutoEnabled());
  }
  EXPECT_EQ(bar.Child("FileMenu")->Child("FileQuit")->ItemKind(), fw::MenuItem::Kind::Quit);
  // The main window shows it with the platform's shortcut keys.
  QAction* quit = ItemOf(ControlWnd::Get(), "FileQuit");
  ASSERT_NE(quit, nullptr);
  EXPECT_EQ(quit->shortcut(), QKeySequence("Ctrl+Q"));
}

TEST(MenuBar, TheAboutItemShowsTheAboutWindow) {
  _LateStartup();
  AboutWnd::Get().Timer1().Fire();
  ControlWnd& main = ControlWnd::Get();
  ASSERT_FALSE(AboutWnd::Get().Visible());
  ChooseItem(main, "AboutMenu", "AboutQuorvane");
  EXPECT_TRUE(AboutWnd::Get().Visible());
  EXPECT_EQ(fw::Window::Count(), 2) << "the same About window, shown again";
}

// Shown already but behind a help window, the About window comes to the front when the About item
// is chosen there (in the main window any click or key would hide it first).
TEST(MenuBar, TheAboutItemBringsTheAboutWindowToTheFront) {
  _LateStartup();
  QTest::keyClick(AboutWnd::Get().Widget(), Qt::Key_Space);
  QTest::mouseClick(ControlWnd::Get().helpBtn().Widget(), Qt::LeftButton);
  helpWnd& help = helpWnd::Get();
  ChooseItem(help, "AboutMenu", "AboutQuorvane");
  QWidget* about = AboutWnd::Get().Widget();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), about);
  ASSERT_TRUE(ActivateWindow(help));  // the user clicks into the help window
  ASSERT_TRUE(about->isVisible());
  ASSERT_EQ(QApplication::activeWindow(), help.Widget());
  ChooseItem(help, "AboutMenu", "AboutQuorvane");
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), about);
}

TEST(MenuBar, FileQuitEndsTheEventLoop) {
  ControlWnd& main = ControlWnd::Get();
  ASSERT_TRUE(ActivateWindow(main));
  QTimer::singleShot(0, main.Widget(), [&main] { ChooseItem(main, "FileMenu", "FileQuit"); });
  HangGuard guard("File > Quit did not end the event loop");
  EXPECT_EQ(TheApp()->Run(), 0);
}

// Each Edit item on a field that holds "12.5" with the cursor at its end, and "7" on the clipboard.
TEST(MenuBar, EditItemsActOnTheFocusedField) {
  struct Case {
    const char* item;
    std::function<void(QLineEdit&)> prepare;
    const char* textAfter;
    const char* clipboardAfter;
    const char* selectedAfter;
  };
  const auto selectAll = [](QLineEdit& e) { QTest::keyClick(&e, Qt::Key_A, Qt::ControlModifier); };
  const Case cases[] = {
      {"EditUndo", [](QLineEdit& e) { QTest::keyClick(&e, Qt::Key_3); }, "12.5", "7", ""},
      {"EditCut", selectAll, "", "12.5", ""},
      {"EditCopy", selectAll, "12.5", "12.5", "12.5"},
      {"EditPaste", [](QLineEdit&) {}, "12.57", "7", ""},
      {"EditClear", selectAll, "", "7", ""},
      {"EditSelectAll", [](QLineEdit&) {}, "12.5", "7", "12.5"},
  };
  ControlWnd& main = ControlWnd::Get();
  ASSERT_TRUE(ActivateWindow(main));
  auto* edit = static_cast<QLineEdit*>(main.m1fld().Widget());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    main.m1fld().SetText("12.5");
    main.m1fld().SetFocus();
    QGuiApplication::clipboard()->setText("7");
    c.prepare(*edit);
    ChooseItem(main, "EditMenu", c.item);
    EXPECT_EQ(main.m1fld().Text(), c.textAfter);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.clipboardAfter);
    EXPECT_EQ(edit->selectedText().toStdString(), c.selectedAfter);
    EXPECT_TRUE(main.m1fld().HasFocus());
  }
}

// A text that the Edit items work on, a panel's input field or a help window's text: the text
// given to it, the part of it that the user selects and the key that takes the cursor to its
// start (with Home).
struct EditTarget {
  const char* what;
  fw::Window* window;
  fw::Control* control;
  std::string initial;
  Qt::KeyboardModifiers toStart;
  int from, length;
};

std::string TextOf(fw::Control& control) {
  if (auto* field = dynamic_cast<fw::TextField*>(&control)) return field->Text();
  return dynamic_cast<fw::TextArea&>(control).Text();
}

void SetTextOf(fw::Control& control, const std::string& text) {
  if (auto* field = dynamic_cast<fw::TextField*>(&control)) {
    field->SetText(text);
  } else {
    dynamic_cast<fw::TextArea&>(control).SetText(text);
  }
}

std::string SelectedIn(fw::Control& control) {
  if (auto* line = qobject_cast<QLineEdit*>(control.Widget())) {
    return line->selectedText().toStdString();
  }
  const QString selected =
      static_cast<QPlainTextEdit*>(control.Widget())->textCursor().selectedText();
  return QString(selected).replace(QChar::ParagraphSeparator, '\n').toStdString();
}

std::vector<EditTarget> EditTargets() {
  ControlWnd& main = ControlWnd::Get();
  helpWnd& help = helpWnd::Get();
  return {
      {"the Means panel's first field", &main, &main.m1fld(), "12.345", Qt::NoModifier, 1, 3},
      // The start of the text, over several lines, so that a message shows what went wrong.
      {"the Means help text", &help, &help.EditField1(), help.EditField1().Text().substr(0, 90),
       Qt::ControlModifier, 12, 3},
  };
}

// With part of a text selected by the keys, each Edit item chosen from the menu acts on that part
// alone and leaves the rest; Undo takes back the last edit only; Select All selects the whole.
// The clipboard holds "7" before each item.
TEST(MenuBar, EditItemsActOnTheSelectedPartAlone) {
  // What the text, the clipboard and the selection are after the item, from the text before it
  // split round the selected part.
  using S = const std::string&;
  struct Case {
    const char* item;
    // The user's edits before the item, with the part selected.
    std::function<void(QWidget*)> before;
    std::function<std::string(S head, S part, S tail)> textAfter, clipboardAfter, selectedAfter;
  };
  const auto none = [](QWidget*) {};
  const auto seven = [](S, S, S) { return std::string("7"); };
  const auto nothing = [](S, S, S) { return std::string(); };
  const auto thePart = [](S, S part, S) { return part; };
  const auto whole = [](S head, S part, S tail) { return head + part + tail; };
  const auto withoutThePart = [](S head, S, S tail) { return head + tail; };
  const Case cases[] = {
      {"EditCut", none, withoutThePart, thePart, nothing},
      {"EditCopy", none, whole, thePart, thePart},
      {"EditPaste", none, [](S head, S, S tail) { return head + "7" + tail; }, seven, nothing},
      {"EditClear", none, withoutThePart, seven, nothing},
      // The part typed over with 8, then 9 typed after a click of Right: Undo takes the 9 back.
      {"EditUndo",
       [](QWidget* w) {
         QTest::keyClick(w, Qt::Key_8);
         QTest::keyClick(w, Qt::Key_Right);
         QTest::keyClick(w, Qt::Key_9);
       },
       [](S head, S, S tail) { return head + "8" + tail; }, seven, nothing},
      {"EditSelectAll", none, whole, seven, whole},
  };
  for (const EditTarget& target : EditTargets()) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(target.what) + ", " + c.item);
      target.window->Show();
      QApplication::processEvents();
      fw::Control& control = *target.control;
      SetTextOf(control, target.initial);
      control.SetFocus();
      QWidget* widget = control.Widget();
      QTest::keyClick(widget, Qt::Key_Home, target.toStart);
      for (int i = 0; i < target.from; ++i) QTest::keyClick(widget, Qt::Key_Right);
      for (int i = 0; i < target.length; ++i) {
        QTest::keyClick(widget, Qt::Key_Right, Qt::ShiftModifier);
      }
      const std::string& text = target.initial;
      const std::string head = text.substr(0, target.from);
      const std::string part = text.substr(target.from, target.length);
      const std::string tail = text.substr(target.from + target.length);
      ASSERT_EQ(SelectedIn(control), part);
      QGuiApplication::clipboard()->setText("7");
      c.before(widget);

      ChooseItem(*target.window, "EditMenu", c.item);
      EXPECT_EQ(TextOf(control), c.textAfter(head, part, tail));
      EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
                c.clipboardAfter(head, part, tail));
      EXPECT_EQ(SelectedIn(control), c.selectedAfter(head, part, tail));
      EXPECT_TRUE(control.HasFocus());
    }
  }
}

// In an empty text only Paste is offered, and only while the clipboard holds text: there is
// nothing to undo, cut, copy, clear or select.
TEST(MenuBar, AnEmptyTextOffersOnlyPaste) {
  using Offered = std::vector<bool>;
  for (const EditTarget& target : EditTargets()) {
    SCOPED_TRACE(target.what);
    target.window->Show();
    QApplication::processEvents();
    SetTextOf(*target.control, "");
    target.control->SetFocus();
    QGuiApplication::clipboard()->setText("7");
    //                                          Undo   Cut    Copy   Paste  Clear  Select All
    EXPECT_EQ(OfferedEditItems(*target.window), (Offered{false, false, false, true, false, false}));
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(OfferedEditItems(*target.window), Offered(6, false)) << "an empty clipboard";
  }
}

// A result field can be selected and copied, but the menu offers nothing that would change it.
TEST(MenuBar, AResultFieldOffersOnlySelectAllAndCopy) {
  ControlWnd& main = ControlWnd::Get();
  ASSERT_TRUE(ActivateWindow(main));
  main.m1fld().SetText("99.67");
  main.sd1fld().SetText("13.872");
  main.n1fld().SetText("12");
  main.m2fld().SetText("102.0");
  main.sd2fld().SetText("13.995");
  main.n2fld().SetText("14");
  main.CalcBtn().Push();
  ASSERT_EQ(main.tfld().Text(), "-0.425");
  QTest::mouseClick(main.tfld().Widget(), Qt::LeftButton);
  ASSERT_TRUE(main.tfld().HasFocus());
  QGuiApplication::clipboard()->setText("7");
  using Enabled = std::vector<bool>;
  //                         Undo   Cut    Copy   Paste  Clear  Select All
  EXPECT_EQ(OfferedEditItems(main), (Enabled{false, false, false, false, false, true}));
  ChooseItem(main, "EditMenu", "EditSelectAll");
  EXPECT_EQ(OfferedEditItems(main), (Enabled{false, false, true, false, false, true}));
  ChooseItem(main, "EditMenu", "EditCopy");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "-0.425");
  EXPECT_EQ(main.tfld().Text(), "-0.425");
}

TEST(Pictures, AreLoadedOnceAndKept) {
  const int before = fw::Picture::LoadCount();
  fw::Picture first = Help();
  fw::Picture banner = Quorvane();
  EXPECT_FALSE(first.IsNull());
  EXPECT_EQ(first.Width(), 30);
  EXPECT_EQ(banner.Width(), 414);
  EXPECT_EQ(banner.Height(), 70);
  Help();
  Quorvane();
  EXPECT_EQ(fw::Picture::LoadCount(), before + 2);
}

}  // namespace
