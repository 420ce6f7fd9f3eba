#pragma once

// The program's own colours for everything that the windows' properties leave to the framework;
// never included outside src/framework.

class QPalette;

namespace fw::detail {

// Black text on light grounds, light buttons and menus, a blue selection: the same on every
// desktop, whatever its theme.
const QPalette& ProgramPalette();

// Makes the program's palette the application's, also for each kind of control that a platform
// theme may give colours of its own, and for tooltips. Changes nothing where it holds already.
void PinProgramPalette();

}  // namespace fw::detail
