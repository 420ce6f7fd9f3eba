// The help buttons and their windows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include "mainwindow/control_wnd.h"
#include "windows/help_wnd.h"

namespace {

void Click(fw::Canvas& button) {
  QTest::mouseClick(button.Widget(), Qt::LeftButton);
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

}  // namespace
