#pragma once

// Whether every window draws in the program's own colours, for the widget tests: black System
// text on the windows' white grounds, and light buttons, tabs, menus and message boxes with black
// captions. What is judged is what the real widgets draw, never the palette they hold.

#include <string>

// Makes and shows the main, About and help windows where they are not made yet, lets the events
// run out and checks what each draws, also an open menu, a tooltip and the message box that a
// Calculate with empty fields brings. WHEN names the moment in the failures.
void ExpectProgramColours(const std::string& when);
