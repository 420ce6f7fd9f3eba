#pragma once

// Desktops whose theme would hand the program other colours than its own, for the widget tests:
// a dark palette handed over in process, and the qt6ct platform theme with a colour scheme of the
// test's choosing.

class QPalette;

// A dark desktop's colours: light text on dark grounds, dark buttons and menus.
QPalette DarkDesktopPalette();

// Hands the application a dark desktop's colours as a platform theme does: one palette for the
// whole program and one for each kind of control that the theme colours on its own.
void HandOverDarkTheme();
// Switches the desktop to a dark theme as Qt passes a switch on while the program's own palette
// stands: that palette stays, every window hears of the change, and then the theme's colours for
// tooltips take their place.
void SwitchToDarkTheme();

// Sets the process up, before the application object is made, to take its look from the qt6ct
// platform theme, configured in a folder of its own for this run: the "darker" colour scheme or
// no scheme of its own (the style's light colours), and a general font of FONT_POINTS.
void UseQt6ct(bool dark, int fontPoints);
// Writes another configuration, as the user's change in qt6ct does while the program runs.
void SwitchQt6ct(bool dark, int fontPoints);
// Waits until qt6ct has taken its configuration in, as the application's font shows, then lets
// the program answer the change; a configuration that never arrives fails with the HangGuard.
void AwaitQt6ct(int fontPoints);
