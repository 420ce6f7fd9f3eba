// The program under the qt6ct platform theme with its "darker" colour scheme, as a desktop set up
// with qt6ct starts it, and while the user switches the scheme in qt6ct. This executable has a
// main() of its own: every other widget test runs without a platform theme.

#include <gtest/gtest.h>

#include "support/desktop_themes.h"
#include "support/plain_desktop.h"
#include "support/program_colours.h"

namespace {

constexpr int kStartFont = 11;

TEST(Qt6ctTheme, TheDarkerSchemeFromTheStartLeavesEveryWindowsLook) {
  AwaitQt6ct(kStartFont);
  ExpectProgramColours("under qt6ct's darker scheme");
}

// qt6ct takes in a changed configuration while the program runs; the new font shows when.
TEST(Qt6ctTheme, SchemesSwitchedWhileTheWindowsShowLeaveTheirLook) {
  AwaitQt6ct(kStartFont);
  ExpectProgramColours("under qt6ct's darker scheme");
  SwitchQt6ct(false, 10);
  AwaitQt6ct(10);
  ExpectProgramColours("after qt6ct switched to the style's colours");
  SwitchQt6ct(true, 12);
  AwaitQt6ct(12);
  ExpectProgramColours("after qt6ct switched back to its darker scheme");
}

}  // namespace

int main(int argc, char** argv) {
  return RunWidgetTests(argc, argv, [] { UseQt6ct(true, kStartFont); });
}
