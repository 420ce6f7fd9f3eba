// The Edit menu reached from another menu, by the pointer or by keys, in the main window and in a
// help window: its items follow, and act on, the text control that the user left the focus in.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "mainwindow/control_wnd.h"
#include "support/user_actions.h"
#include "windows/help_wnd.h"

namespace {

// The ways from an open File menu to the Edit menu.
enum class Way { SlideThePointer, AltFEscAltE, AltFRight };

std::string WayName(Way way) {
  switch (way) {
    case Way::SlideThePointer:
      return "File clicked, pointer slid onto Edit";
    case Way::AltFEscAltE:
      return "Alt+F, Esc, Alt+E";
    case Way::AltFRight:
      return "Alt+F, Right";
  }
  return "";
}

// Opens File and goes on to Edit as the user does, the keys going where the platform sends them:
// to the focused control, the open menu, or the bar while it holds the focus.
void OpenEditThroughFile(const fw::Window& window, Way way) {
  QMenuBar* bar = BarOf(window);
  QMenu* file = MenuOf(window, "FileMenu");
  if (way == Way::SlideThePointer) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, TitleCentre(window, "FileMenu"));
    ASSERT_TRUE(file->isVisible());
    // A move of the real pointer reaches the open menu, which hands it to the bar.
    // The pointer starts on File, so that the slide is a move wherever an earlier one ended.
    QWindow* handle = window.Widget()->windowHandle();
    QTest::mouseMove(handle, bar->mapTo(window.Widget(), TitleCentre(window, "FileMenu")));
    QTest::mouseMove(handle, bar->mapTo(window.Widget(), TitleCentre(window, "EditMenu")));
  } else {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(file->isVisible());
    if (way == Way::AltFRight) {
      QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    } else {
      QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
      ASSERT_FALSE(file->isVisible());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
    }
  }
  ASSERT_TRUE(MenuOf(window, "EditMenu")->isVisible()) << WayName(way);
  ASSERT_FALSE(file->isVisible());
}

// Chooses an item of the open Edit menu with a click on it.
void ClickItem(const fw::Window& window, const char* item) {
  QMenu* edit = MenuOf(window, "EditMenu");
  QAction* action = ItemOf(window, item);
  QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(action).center());
  ASSERT_FALSE(edit->isVisible());
}

using Offered = std::vector<bool>;

// The main window: a number typed into a field after a click into it, so that the typing can be
// undone, and the clipboard holds text; once with nothing selected, once with the number selected
// by Shift+Home, which the trip through the menu bar must leave selected.
TEST(EditMenuFromAnotherMenu, FollowsTheFieldTheUserLeftTheFocusIn) {
  for (Way way : {Way::SlideThePointer, Way::AltFEscAltE, Way::AltFRight}) {
    for (bool selected : {false, true}) {
      const std::string what = WayName(way) + (selected ? ", the number selected" : "");
      ControlWnd& main = ControlWnd::Get();
      ASSERT_TRUE(ActivateWindow(main));
      main.m1fld().SetText("");
      main.sd1fld().SetText("2");
      QTest::mouseClick(main.m1fld().Widget(), Qt::LeftButton);
      QTest::keyClicks(main.m1fld().Widget(), "12.5");
      if (selected) QTest::keyClick(main.m1fld().Widget(), Qt::Key_Home, Qt::ShiftModifier);
      QGuiApplication::clipboard()->setText("7");

      OpenEditThroughFile(main, way);
      //                                       Undo  Cut       Copy      Paste Clear     Select All
      EXPECT_EQ(EditItemStates(main), (Offered{true, selected, selected, true, selected, true}))
          << what;
      ClickItem(main, selected ? "EditCut" : "EditSelectAll");
      auto* field = static_cast<QLineEdit*>(main.m1fld().Widget());
      if (selected) {
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "12.5") << what;
        EXPECT_EQ(main.m1fld().Text(), "") << what;
      } else {
        EXPECT_EQ(field->selectedText().toStdString(), "12.5") << what;
      }
      // The user goes on typing where they were.
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
      EXPECT_EQ(main.m1fld().Text(), "3") << what;
      EXPECT_EQ(main.sd1fld().Text(), "2") << what;
    }
  }
}

// A help window: a line of its text selected, nothing typed.
TEST(EditMenuFromAnotherMenu, FollowsTheHelpTextOfItsOwnWindow) {
  ControlWnd& main = ControlWnd::Get();
  main.m1fld().SetText("12.5");
  main.m1fld().SetFocus();
  helpWnd3& help = helpWnd3::Get();
  const std::string original = help.EditField1().Text();
  for (Way way : {Way::SlideThePointer, Way::AltFEscAltE, Way::AltFRight}) {
    help.EditField1().SetText(original);
    ASSERT_TRUE(ActivateWindow(help));
    auto* text = static_cast<QPlainTextEdit*>(help.EditField1().Widget());
    help.EditField1().SetFocus();
    QTextCursor cursor(text->document());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    QGuiApplication::clipboard()->clear();

    OpenEditThroughFile(help, way);
    //                                 Undo   Cut   Copy  Paste  Clear Select All
    EXPECT_EQ(EditItemStates(help), (Offered{false, true, true, false, true, true}))
        << WayName(way);
    ClickItem(help, "EditCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "Quorvane -- Proportions")
        << WayName(way);
    QTest::keyClicks(QApplication::focusWidget(), "N");
    EXPECT_EQ(help.EditField1().Text(), "N" + original.substr(original.find('\n'))) << WayName(way);
  }
  EXPECT_EQ(main.m1fld().Text(), "12.5");
}

}  // namespace
