#pragma once

// The menu bar, drag and drop and the choice of window, worked as the user works them, for the
// widget tests.

#include <gtest/gtest.h>

#include <QPoint>
#include <Qt>
#include <vector>

#include "framework/window.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Makes the window the active one as the user's click into it does: the window system activates
// it, and the focus goes back to the control that last had it there. Waits until the window has
// become active; a failure when it does not.
::testing::AssertionResult ActivateWindow(QWidget* window);
::testing::AssertionResult ActivateWindow(const fw::Window& window);

QMenuBar* BarOf(const fw::Window& window);
QMenu* MenuOf(const fw::Window& window, const char* menu);
QAction* ItemOf(const fw::Window& window, const char* item);
// The centre of a menu's title in the bar, in the bar's own pixels.
QPoint TitleCentre(const fw::Window& window, const char* menu);

// Opens the menu with a click on its title in the window's menu bar, as the user does, so that its
// items take the enabled states they show; nullptr when the bar has no such menu.
QMenu* OpenMenu(const fw::Window& window, const char* menu);
// Chooses an item as the user does: a click opens its menu, the arrow keys move to the item and
// Return activates it. An item that the open menu does not offer fails the test.
void ChooseItem(const fw::Window& window, const char* menu, const char* item);
// Triggers the item's action as its menu or shortcut does, without opening the menu.
void TriggerItem(const fw::Window& window, const char* item);

// Whether each Edit item is enabled now: Undo, Cut, Copy, Paste, Clear, Select All.
std::vector<bool> EditItemStates(const fw::Window& window);
// The same as the Edit menu offers them when the user opens it, which closes again.
std::vector<bool> OfferedEditItems(const fw::Window& window);

// Opens the widget's context menu as a right click on it does and chooses, with the arrow keys
// and Return, the item whose text begins so ("&Paste"). False, with the menu closed again, when
// the menu does not offer it; a menu without such an item fails the test.
bool ChooseFromContextMenu(QWidget* target, const char* item);

// Drags text onto the widget and drops it there near its right end; whether the drop was taken.
bool DropText(QWidget* target, const char* text, Qt::DropActions actions = Qt::CopyAction);
