#include "support/plain_desktop.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "app/app.h"

void UsePlainDesktop() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  for (const char* name :
       {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
        "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_USE_PHYSICAL_DPI",
        "QT_FONT_DPI", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME"}) {
    qunsetenv(name);
  }
}

int RunWidgetTests(int argc, char** argv, const std::function<void()>& setUpDesktop) {
  // However the tests are started, so before the application object reads the environment.
  UsePlainDesktop();
  if (setUpDesktop) setUpDesktop();
  ::testing::InitGoogleTest(&argc, argv);
  fw::Application::SetArguments(argc, argv);
  // Listing the tests, as the build does to learn them, needs no application object; made, it
  // would fill the build's output with warnings about the session (Qt 6.4 warns of an unset
  // XDG_RUNTIME_DIR, as a root build has).
  if (!GTEST_FLAG_GET(list_tests)) _EarlyStartup();
  return RUN_ALL_TESTS();
}
