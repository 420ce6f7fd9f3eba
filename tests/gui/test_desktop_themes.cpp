// A dark desktop's colours, handed to the program as a platform theme hands them, leave every
// window as its properties draw it.

#include <gtest/gtest.h>

#include "support/desktop_themes.h"
#include "support/program_colours.h"

namespace {

TEST(DarkDesktop, ColoursHandedOverBeforeTheWindowsAreMadeLeaveTheirLook) {
  HandOverDarkTheme();
  ExpectProgramColours("under a dark theme from the start");
}

TEST(DarkDesktop, ColoursChangedWhileTheWindowsShowLeaveTheirLook) {
  ExpectProgramColours("on a plain desktop");
  HandOverDarkTheme();
  ExpectProgramColours("after the desktop turned dark");
}

TEST(DarkDesktop, ASwitchOfTheDesktopToADarkThemeLeavesTheLook) {
  ExpectProgramColours("on a plain desktop");
  SwitchToDarkTheme();
  ExpectProgramColours("after the desktop switched to a dark theme");
}

}  // namespace
