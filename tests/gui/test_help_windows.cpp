// The help buttons and their windows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>
#include <string>
#include <vector>

#include "app/app.h"
#include "mainwindow/control_wnd.h"
#include "support/hang_guard.h"
#include "support/panel_fixture.h"
#include "support/user_actions.h"
#include "support/window_checks.h"
#include "windows/about_wnd.h"
#include "windows/help_wnd.h"

namespace {

void Click(fw::Canvas& button) {
  QTest::mouseClick(button.Widget(), Qt::LeftButton);
}

// Each menu, then each of its items, as the bar shows them: name, caption and shortcut.
std::vector<std::string> Rows(QMenuBar* bar) {
  std::vector<std::string> rows;
  for (QAction* title : bar->actions()) {
    rows.push_back(title->menu()->objectName().toStdString() + " " + title->text().toStdString());
    for (QAction* item : title->menu()->actions()) {
      rows.push_back("  " + item->objectName().toStdString() + " " +
                     (item->isSeparator() ? "-" : item->text().toStdString()) + " " +
                     item->shortcut().toString().toStdString());
    }
  }
  return rows;
}

void SelectFirstLine(fw::TextArea& area) {
  auto* editor = static_cast<QPlainTextEdit*>(area.Widget());
  QTextCursor cursor(editor->document());
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  editor->setTextCursor(cursor);
}

// How many pixels of the text area as drawn now differ from the same text without its selection.
int SelectionPixels(fw::TextArea& area) {
  auto* editor = static_cast<QPlainTextEdit*>(area.Widget());
  const QImage drawn = editor->grab().toImage();
  const QTextCursor selected = editor->textCursor();
  QTextCursor plain = selected;
  plain.clearSelection();
  editor->setTextCursor(plain);
  const QImage without = editor->grab().toImage();
  editor->setTextCursor(selected);
  int differing = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) differing += drawn.pixel(x, y) != without.pixel(x, y);
  }
  return differing;
}

std::string Heading(const HelpWindow& window) {
  const std::string text = window.EditField1().Text();
  return text.substr(0, text.find('\n'));
}

TEST(HelpWindows, EachButtonShowsItsPanelsHelp) {
  ControlWnd& main = ControlWnd::Get();
  main.Show();
  const char* headings[] = {
      "Quorvane -- Means",
      "Quorvane -- Variances",
      "Quorvane -- Correlations",
      "Quorvane -- Proportions",
      "Quorvane -- Alpha Coefficients",
      "Quorvane -- Areas Under the Curve (AUC)",
  };
  fw::Canvas* buttons[] = {&main.helpBtn(),  &main.helpBtn1(), &main.helpBtn2(),
                           &main.helpBtn3(), &main.helpBtn4(), &main.helpBtn5()};
  for (int tab = 0; tab < 6; ++tab) {
    main.TabPanel1().SetValue(tab);
    Click(*buttons[tab]);
  }
  const HelpWindow* windows[] = {
      fw::Window::Existing<helpWnd>(),  fw::Window::Existing<helpWnd1>(),
      fw::Window::Existing<helpWnd2>(), fw::Window::Existing<helpWnd3>(),
      fw::Window::Existing<helpWnd4>(), fw::Window::Existing<helpWnd5>()};
  for (int tab = 0; tab < 6; ++tab) {
    ASSERT_NE(windows[tab], nullptr) << tab;
    EXPECT_TRUE(windows[tab]->Visible());
    EXPECT_EQ(windows[tab]->Title(), "Quorvane Info");
    EXPECT_EQ(Heading(*windows[tab]), headings[tab]);
  }
}

std::string PlaceText(QPoint at) {
  return std::to_string(at.x()) + ", " + std::to_string(at.y());
}

// Where a window's frame stands on the screen.
std::string PlaceOf(const fw::Window& window) {
  return PlaceText(window.Widget()->pos());
}

// Opened in turn, as the user opens them (each tab clicked, then its help button), the help
// windows stand one step apart: the first 40 points in from the top left corner of the screen's
// free area, each next one 24 points to the right of and below the one before, so that none
// hides the title of another. One opened anew after a close goes one step on from the newest
// one still open, not onto the place of one that is.
TEST(HelpWindows, EachOpensOneStepOnFromTheOneBefore) {
  // As after start-up: the About window has given way to the main window.
  AboutWnd::Get().Hide();
  ControlWnd& main = ControlWnd::Get();
  main.Show();
  auto* tabs = main.TabPanel1().Widget()->findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  fw::Canvas* buttons[] = {&main.helpBtn(),  &main.helpBtn1(), &main.helpBtn2(),
                           &main.helpBtn3(), &main.helpBtn4(), &main.helpBtn5()};
  const auto open = [&](int tab) -> HelpWindow* {
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    EXPECT_EQ(main.TabPanel1().Value(), tab);
    const int before = fw::Window::Count();
    Click(*buttons[tab]);
    EXPECT_EQ(fw::Window::Count(), before + 1) << "a new help window for tab " << tab;
    return &PanelHelp(tab);
  };
  const QPoint first =
      QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(40, 40);
  const QPoint step(24, 24);
  for (int tab = 0; tab < 6; ++tab) {
    const HelpWindow* help = open(tab);
    EXPECT_EQ(PlaceOf(*help), PlaceText(first + tab * step)) << Heading(*help);
  }

  PanelHelp(2).Close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const HelpWindow* again = open(2);
  EXPECT_EQ(PlaceOf(*again), PlaceText(first + 6 * step)) << "one step on from the newest";
}

TEST(HelpWindows, TwoClicksLeaveOneWindow) {
  ControlWnd& main = ControlWnd::Get();
  main.Show();
  Click(main.helpBtn());
  helpWnd* first = fw::Window::Existing<helpWnd>();
  ASSERT_NE(first, nullptr);
  first->Hide();
  const int windows = fw::Window::Count();
  EXPECT_FALSE(main.helpBtn_MouseDown(main.helpBtn(), 3, 3));
  EXPECT_EQ(fw::Window::Existing<helpWnd>(), first);
  EXPECT_TRUE(first->Visible());
  EXPECT_EQ(fw::Window::Count(), windows);
}

// A help window behind the main window comes to the front at the next click on its button.
TEST(HelpWindows, ASecondClickBringsTheHelpWindowToTheFront) {
  ControlWnd& main = ControlWnd::Get();
  Click(main.helpBtn());
  helpWnd* help = fw::Window::Existing<helpWnd>();
  ASSERT_NE(help, nullptr);
  QApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), help->Widget());
  ASSERT_TRUE(ActivateWindow(main));  // the user clicks into the main window
  ASSERT_EQ(QApplication::activeWindow(), main.Widget());
  Click(main.helpBtn());
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), help->Widget());
}

// A help window that the user minimised comes back as it was at the next click on its button, in
// front and with the keys; the click does not leave it iconic, where it could not be seen.
TEST(HelpWindows, AClickOnItsButtonBringsBackAMinimisedHelpWindow) {
  ControlWnd& main = ControlWnd::Get();
  Click(main.helpBtn());
  helpWnd* help = fw::Window::Existing<helpWnd>();
  ASSERT_NE(help, nullptr);
  help->Widget()->showMinimized();
  ASSERT_TRUE(ActivateWindow(main));
  ASSERT_TRUE(help->Widget()->isMinimized());
  for (int click = 1; click <= 2; ++click) {
    SCOPED_TRACE("click " + std::to_string(click));
    Click(main.helpBtn());
    QApplication::processEvents();
    EXPECT_FALSE(help->Widget()->isMinimized());
    EXPECT_FALSE(help->Widget()->windowHandle()->windowState() & Qt::WindowMinimized)
        << "as the platform holds it";
    EXPECT_TRUE(help->Visible());
    EXPECT_EQ(QApplication::activeWindow(), help->Widget());
  }
  EXPECT_EQ(fw::Window::Existing<helpWnd>(), help) << "the same window";
}

TEST(HelpWindows, TypedTextStaysUntilTheWindowIsClosed) {
  helpWnd2& help = helpWnd2::Get();
  const std::string original = help.EditField1().Text();
  auto* editor = static_cast<QPlainTextEdit*>(help.EditField1().Widget());
  editor->moveCursor(QTextCursor::Start);
  help.EditField1().SetFocus();
  QTest::keyClicks(editor, "Note: ");
  EXPECT_EQ(help.EditField1().Text(), "Note: " + original);
  helpWnd2::Get().Hide();
  EXPECT_EQ(helpWnd2::Get().EditField1().Text(), "Note: " + original);
  helpWnd2::Get().Close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(helpWnd2::Get().EditField1().Text(), original);
}

// The help text is the only control of its window and takes no Tab: the key, with or without a
// modifier, leaves the text and the focus as they were, and typing goes on where the cursor was.
TEST(HelpWindows, TheTabKeyLeavesTheTextAsItWas) {
  helpWnd3& help = helpWnd3::Get();
  ASSERT_TRUE(ActivateWindow(help));
  help.EditField1().SetFocus();
  static_cast<QPlainTextEdit*>(help.EditField1().Widget())->moveCursor(QTextCursor::Start);
  const std::string original = help.EditField1().Text();
  for (const auto& [key, modifiers] :
       {std::pair{Qt::Key_Tab, Qt::NoModifier}, std::pair{Qt::Key_Backtab, Qt::ShiftModifier},
        std::pair{Qt::Key_Tab, Qt::ControlModifier}}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    EXPECT_EQ(help.EditField1().Text(), original)
        << QKeySequence(key | modifiers).toString().toStdString();
    EXPECT_TRUE(help.EditField1().HasFocus());
  }
  QTest::keyClicks(QApplication::focusWidget(), "Note: ");
  EXPECT_EQ(help.EditField1().Text(), "Note: " + original);
}

TEST(HelpWindows, ShowTheMainWindowsMenuBarAboveTheirText) {
  helpWnd& help = helpWnd::Get();
  const std::vector<std::string> rows = Rows(BarOf(help));
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front(), "FileMenu &File");
  EXPECT_EQ(rows, Rows(BarOf(ControlWnd::Get())));
  EXPECT_EQ(help.GetMenuBar(), ControlWnd::Get().GetMenuBar());
  EXPECT_TRUE(BarOf(help)->isVisible());
  // The text keeps its place and size in the content area, which begins below the bar.
  auto* content = static_cast<QMainWindow*>(help.Widget())->centralWidget();
  QWidget* text = help.EditField1().Widget();
  EXPECT_EQ(text->parentWidget(), content);
  EXPECT_EQ(text->geometry(), QRect(-1, -1, 551, 498));
  EXPECT_EQ(content->size(), QSize(550, 500));
  EXPECT_EQ(content->y(), BarOf(help)->geometry().bottom() + 1);
  // The title as the platform gets it, with nothing appended.
  EXPECT_EQ(help.Widget()->windowHandle()->title(), "Quorvane Info");
}

// Each help window is 550 by 500, can be closed and minimised but neither maximised nor resized,
// and its text, longer than the window, scrolls up and down; it wraps at the window's width, so
// there is nothing to scroll across.
TEST(HelpWindows, AreFixedInSizeWithATextThatScrollsDown) {
  for (int tab = 0; tab < 6; ++tab) PanelHelp(tab);
  QApplication::processEvents();
  for (int tab = 0; tab < 6; ++tab) {
    HelpWindow* help = &PanelHelp(tab);
    SCOPED_TRACE(Heading(*help));
    EXPECT_TRUE(KeepsContentSize(*help, {550, 500}));
    EXPECT_EQ(TitleButtons(*help), "close minimise");
    auto* editor = static_cast<QPlainTextEdit*>(help->EditField1().Widget());
    ASSERT_TRUE(editor->isVisible());
    EXPECT_GT(editor->blockCount() * editor->fontMetrics().lineSpacing(), 500)
        << "a text that fits the window";
    EXPECT_TRUE(editor->verticalScrollBar()->isVisible());
    EXPECT_GT(editor->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(editor->horizontalScrollBar()->isVisible());
  }
}

TEST(HelpWindows, EditItemsFollowTheHelpTextOfTheirOwnWindow) {
  ControlWnd& main = ControlWnd::Get();
  main.m1fld().SetText("12.5");
  main.m1fld().SetFocus();  // nothing selected there
  helpWnd& help = helpWnd::Get();
  ASSERT_TRUE(ActivateWindow(help));
  help.EditField1().SetFocus();
  SelectFirstLine(help.EditField1());
  QGuiApplication::clipboard()->clear();
  using Enabled = std::vector<bool>;
  //                     Undo   Cut    Copy   Paste  Clear  Select All
  EXPECT_EQ(OfferedEditItems(help), (Enabled{false, true, true, false, true, true}));
  EXPECT_EQ(OfferedEditItems(main), (Enabled{false, false, false, false, false, true}));

  TriggerItem(help, "EditCopy");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "Quorvane -- Means");
  EXPECT_EQ(OfferedEditItems(help), (Enabled{false, true, true, true, true, true}));

  auto* editor = static_cast<QPlainTextEdit*>(help.EditField1().Widget());
  editor->moveCursor(QTextCursor::End);
  EXPECT_EQ(OfferedEditItems(help), (Enabled{false, false, false, true, false, true}));
  TriggerItem(help, "EditPaste");
  EXPECT_TRUE(help.EditField1().Text().ends_with("Quorvane -- Means"));
  EXPECT_TRUE(OfferedEditItems(help)[0]) << "the paste can be undone";
  TriggerItem(help, "EditSelectAll");
  EXPECT_EQ(OfferedEditItems(help), (Enabled{true, true, true, true, true, true}));
  TriggerItem(help, "EditCut");
  EXPECT_EQ(help.EditField1().Text(), "");
  EXPECT_EQ(main.m1fld().Text(), "12.5") << "the main window's field was not touched";

  // The About item is offered here too: it leads back to the panels whatever window is in front.
  OpenMenu(help, "AboutMenu")->hide();
  EXPECT_TRUE(ItemOf(help, "AboutQuorvane")->isEnabled());
  OpenMenu(main, "AboutMenu")->hide();
  EXPECT_TRUE(ItemOf(main, "AboutQuorvane")->isEnabled());
}

// Selected text is drawn so only while the text has the focus; a menu opened over it takes the
// focus for a moment and hides nothing.
TEST(HelpWindows, TheSelectionShowsOnlyWhileTheTextHasTheFocus) {
  ControlWnd& main = ControlWnd::Get();
  helpWnd1& help = helpWnd1::Get();
  ASSERT_TRUE(ActivateWindow(help));
  help.EditField1().SetFocus();
  SelectFirstLine(help.EditField1());
  EXPECT_GT(SelectionPixels(help.EditField1()), 100);

  // A click into the main window.
  ASSERT_TRUE(ActivateWindow(main));
  QTest::mouseClick(main.m1fld().Widget(), Qt::LeftButton);
  ASSERT_TRUE(main.m1fld().HasFocus());
  EXPECT_EQ(SelectionPixels(help.EditField1()), 0);

  ASSERT_TRUE(ActivateWindow(help));
  ASSERT_TRUE(help.EditField1().HasFocus());
  EXPECT_GT(SelectionPixels(help.EditField1()), 100) << "back with the focus";

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
  ASSERT_TRUE(MenuOf(help, "EditMenu")->isVisible());
  EXPECT_GT(SelectionPixels(help.EditField1()), 100) << "under the open Edit menu";
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(help.EditField1().HasFocus());
  EXPECT_GT(SelectionPixels(help.EditField1()), 100) << "the menu closed";
}

// What separates the cells of a column: a tab, or a run of blanks after text or an indent of more
// than the two blanks of a list, as a column is set for a fixed-width font.
const QRegularExpression& CellBreak() {
  static const QRegularExpression cellBreak(
      QStringLiteral(R"(\t|(?<=\S) {2,}(?=\S)|^ {3,}(?=\S))"));
  return cellBreak;
}

// Where the text after each cell break of the line begins, in the text area's pixels.
std::vector<int> CellStarts(QPlainTextEdit& editor, const QTextBlock& line) {
  std::vector<int> starts;
  for (auto breaks = CellBreak().globalMatch(line.text()); breaks.hasNext();) {
    QTextCursor cursor(line);
    cursor.setPosition(line.position() + static_cast<int>(breaks.next().capturedEnd()));
    starts.push_back(editor.cursorRect(cursor).left());
  }
  return starts;
}

// The help texts are shown in a proportional font: every column, the terms under "READING THE
// RESULT" with their explanations as well as the values of the worked examples, starts each of
// its cells at one x on all its lines, and no line of a column is so long that the text area
// wraps it (the rest would start at the left edge). Columns are set with tabs: blanks line up
// only by chance in such a font.
TEST(HelpWindows, TheColumnsOfEachHelpTextLineUp) {
  for (int tab = 0; tab < 6; ++tab) {
    HelpWindow* window = &PanelHelp(tab);
    auto& editor = *static_cast<QPlainTextEdit*>(window->EditField1().Widget());
    SCOPED_TRACE(Heading(*window));
    auto* layout = editor.document()->documentLayout();
    // The lines are laid out for the text area's own width, so that a long one wraps.
    layout->blockBoundingRect(editor.document()->begin());
    const qreal width = editor.document()->begin().layout()->lineAt(0).width();
    ASSERT_GT(width, 400);
    ASSERT_LE(width, editor.viewport()->width());

    // A column: two or more lines in a row that each have a cell break.
    std::vector<QTextBlock> column;
    int columns = 0;
    auto check = [&] {
      if (column.size() >= 2) {
        ++columns;
        std::vector<int> starts;  // of each cell, as its column's first line with it has it
        for (const QTextBlock& line : column) {
          const std::string text = line.text().toStdString();
          layout->blockBoundingRect(line);  // lays the line out
          EXPECT_EQ(line.layout()->lineCount(), 1) << "wrapped: \"" << text << "\"";
          const std::vector<int> cells = CellStarts(editor, line);
          for (size_t cell = 0; cell < cells.size(); ++cell) {
            if (cell == starts.size()) starts.push_back(cells[cell]);
            EXPECT_EQ(cells[cell], starts[cell]) << "cell " << cell + 2 << " of \"" << text << "\"";
          }
          EXPECT_EQ(static_cast<qsizetype>(cells.size()), line.text().count('\t'))
              << "set with blanks: \"" << text << "\"";
        }
      }
      column.clear();
    };
    for (QTextBlock line = editor.document()->begin(); line.isValid(); line = line.next()) {
      if (CellBreak().match(line.text()).hasMatch()) {
        column.push_back(line);
      } else {
        check();
      }
    }
    check();
    // The results explained and the worked examples at least.
    EXPECT_GE(columns, 3);
  }
}

TEST(HelpWindows, QuitFromAHelpWindowEndsTheEventLoop) {
  ControlWnd::Get();
  helpWnd4& help = helpWnd4::Get();
  ASSERT_TRUE(ActivateWindow(help));
  help.EditField1().SetFocus();
  QWidget* text = help.EditField1().Widget();
  QTimer::singleShot(0, text, [text] { QTest::keyClick(text, Qt::Key_Q, Qt::ControlModifier); });
  {
    HangGuard guard("Ctrl+Q in a help window did not end the event loop");
    EXPECT_EQ(TheApp()->Run(), 0) << "Ctrl+Q";
  }
  QAction* quit = ItemOf(help, "FileQuit");
  QTimer::singleShot(0, quit, [quit] { quit->trigger(); });
  HangGuard guard("File > Quit in a help window did not end the event loop");
  EXPECT_EQ(TheApp()->Run(), 0) << "File > Quit";
}

}  // namespace
