#include "support/user_actions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>

::testing::AssertionResult ActivateWindow(QWidget* window) {
  window->activateWindow();
  // The window system delivers the activation as an event of its own, so it takes effect on the
  // event loop; a window that is not on show never becomes active.
  if (QTest::qWaitFor([window] { return QApplication::activeWindow() == window; })) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "the window \"" << window->windowTitle().toStdString()
                                       << "\" did not become the active one";
}

::testing::AssertionResult ActivateWindow(const fw::Window& window) {
  return ActivateWindow(window.Widget());
}

QMenuBar* BarOf(const fw::Window& window) {
  return static_cast<QMainWindow*>(window.Widget())->menuBar();
}

QMenu* MenuOf(const fw::Window& window, const char* menu) {
  return BarOf(window)->findChild<QMenu*>(menu);
}

QAction* ItemOf(const fw::Window& window, const char* item) {
  return BarOf(window)->findChild<QAction*>(item);
}

QPoint TitleCentre(const fw::Window& window, const char* menu) {
  return BarOf(window)->actionGeometry(MenuOf(window, menu)->menuAction()).center();
}

QMenu* OpenMenu(const fw::Window& window, const char* menu) {
  QMenu* opened = MenuOf(window, menu);
  if (opened) QTest::mouseClick(BarOf(window), Qt::LeftButton, {}, TitleCentre(window, menu));
  return opened;
}

void ChooseItem(const fw::Window& window, const char* menuName, const char* itemName) {
  QMenu* menu = OpenMenu(window, menuName);
  ASSERT_NE(menu, nullptr) << menuName;
  ASSERT_TRUE(menu->isVisible()) << menuName << " did not open";
  auto* item = menu->findChild<QAction*>(itemName);
  ASSERT_NE(item, nullptr) << itemName;
  const bool offered = item->isEnabled();
  for (qsizetype step = 0; offered && menu->activeAction() != item && step < menu->actions().size();
       ++step) {
    QTest::keyClick(menu, Qt::Key_Down);
  }
  const bool reached = menu->activeAction() == item;
  if (!offered || !reached) menu->hide();
  ASSERT_TRUE(offered) << itemName << " is disabled";
  ASSERT_TRUE(reached) << itemName << " cannot be reached with the arrow keys";
  QTest::keyClick(menu, Qt::Key_Return);
  EXPECT_FALSE(menu->isVisible()) << "the menu closes";
}

void TriggerItem(const fw::Window& window, const char* item) {
  QAction* action = ItemOf(window, item);
  ASSERT_NE(action, nullptr) << item;
  action->trigger();
}

std::vector<bool> EditItemStates(const fw::Window& window) {
  std::vector<bool> enabled;
  for (const char* name :
       {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
    enabled.push_back(ItemOf(window, name)->isEnabled());
  }
  return enabled;
}

std::vector<bool> OfferedEditItems(const fw::Window& window) {
  QMenu* edit = OpenMenu(window, "EditMenu");
  std::vector<bool> enabled = EditItemStates(window);
  edit->hide();
  return enabled;
}

bool ChooseFromContextMenu(QWidget* target, const char* itemText) {
  const QPoint at = target->rect().center();
  QContextMenuEvent request(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
  QApplication::sendEvent(target, &request);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  EXPECT_NE(menu, nullptr) << "no context menu opened";
  if (!menu) return false;
  QAction* item = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->text().startsWith(QString::fromUtf8(itemText))) item = action;
  }
  EXPECT_NE(item, nullptr) << itemText;
  if (!item || !item->isEnabled()) {
    menu->close();
    return false;
  }
  for (qsizetype step = 0; menu->activeAction() != item && step < menu->actions().size(); ++step) {
    QTest::keyClick(menu, Qt::Key_Down);
  }
  if (menu->activeAction() != item) {
    ADD_FAILURE() << itemText << " cannot be reached with the arrow keys";
    menu->close();
    return false;
  }
  QTest::keyClick(menu, Qt::Key_Return);
  EXPECT_FALSE(menu->isVisible()) << "the menu closes";
  return true;
}

bool DropText(QWidget* target, const char* text, Qt::DropActions actions) {
  QMimeData data;
  data.setText(text);
  const QPoint at(target->width() - 4, target->height() / 2);
  QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}
