// The real message box that a failed check raises, as the user meets it: nothing stands in for
// it here, so Calculate waits in the box until a key sends it away.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <string>

#include "mainwindow/control_wnd.h"
#include "support/hang_guard.h"
#include "support/user_actions.h"
#include "windows/about_wnd.h"

namespace {

// What the box showed, as the user saw it while it was up.
struct SeenBox {
  bool shown = false;
  std::string text, title, buttons;
  bool modal = false;
  QWidget* parent = nullptr;
  QWindow* transientParent = nullptr;
};

QMessageBox* ShownBox() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(top);
    if (box && box->isVisible() && QApplication::activeWindow() == box) return box;
  }
  return nullptr;
}

// Once the box is up and has the keys, notes what it shows and presses Return, as the user would.
// It looks on the event loop that the box runs: at once, then every 10 ms for five seconds at most.
// Looks still due when it goes are dropped.
class BoxAnswerer {
 public:
  BoxAnswerer() { Look(0, 500); }
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  SeenBox seen;

 private:
  void Look(int afterMs, int looksLeft) {
    QTimer::singleShot(afterMs, &context_, [this, looksLeft] {
      QMessageBox* box = ShownBox();
      if (!box) {
        if (looksLeft > 1) Look(10, looksLeft - 1);
        return;
      }
      Note(*box);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
  }

  void Note(QMessageBox& box) {
    seen.shown = true;
    seen.text = box.text().toStdString();
    seen.title = box.windowTitle().toStdString();
    for (QAbstractButton* button : box.buttons()) {
      if (!seen.buttons.empty()) seen.buttons += " ";
      seen.buttons += button->text().remove('&').toStdString();
    }
    seen.modal = box.isModal() && QApplication::activeModalWidget() == &box;
    seen.parent = box.parentWidget();
    seen.transientParent = box.windowHandle()->transientParent();
  }

  QObject context_;
};

// Calculate clicked on the empty Means panel: the box asks for the first mean, has one button, OK,
// bears the program's name and belongs to the main window, whose handler raised it, so that it
// stays over that window; once dismissed, the cursor goes to the field it asked for. So also when
// the About window, shown again from the menu, was in front when the user clicked.
TEST(MessageBox, AFailedCheckAsksInABoxOfTheMainWindowWithOneOKButton) {
  for (bool aboutInFront : {false, true}) {
    SCOPED_TRACE(aboutInFront ? "the About window in front" : "the main window in front");
    ControlWnd& main = ControlWnd::Get();
    main.Show();
    main.TabPanel1().SetValue(1);
    main.TabPanel1().SetValue(0);  // the empty Means panel
    if (aboutInFront) {
      ChooseItem(main, "AboutMenu", "AboutQuorvane");
      QApplication::processEvents();
      ASSERT_EQ(QApplication::activeWindow(), AboutWnd::Get().Widget());
    } else {
      QApplication::processEvents();
      ASSERT_EQ(QApplication::activeWindow(), main.Widget());
    }
    BoxAnswerer answerer;
    const SeenBox& seen = answerer.seen;
    {
      HangGuard guard("the message box did not go at the Return key");
      QTest::mouseClick(main.CalcBtn().Widget(), Qt::LeftButton);
    }
    ASSERT_TRUE(seen.shown) << "no message box came up and took the keys";
    EXPECT_EQ(seen.text, "Please enter the mean of the 1st sample");
    EXPECT_EQ(seen.buttons, "OK");
    EXPECT_EQ(seen.title, "Quorvane");
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.parent, main.Widget());
    EXPECT_EQ(seen.transientParent, main.Widget()->windowHandle()) << "as the platform holds it";
    EXPECT_EQ(ShownBox(), nullptr) << "the box is gone";
    EXPECT_TRUE(main.m1fld().HasFocus());
  }
}

}  // namespace
