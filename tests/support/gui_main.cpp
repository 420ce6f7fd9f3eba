// The main() of every widget test: the application object as start-up makes it, then the tests.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "app/app.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  // The tests measure pixels, frames and fonts as a plain session draws them; a scale, style or
  // theme of the user's desktop would change them (at scale 2 the focus ring and the group boxes
  // are drawn otherwise). This holds however the tests are started, so it is done here, before
  // the application object reads them.
  for (const char* name :
       {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
        "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_USE_PHYSICAL_DPI",
        "QT_FONT_DPI", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME"}) {
    qunsetenv(name);
  }
  ::testing::InitGoogleTest(&argc, argv);
  fw::Application::SetArguments(argc, argv);
  _EarlyStartup();
  return RUN_ALL_TESTS();
}
