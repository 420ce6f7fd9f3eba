// The main() of every widget test: the application object as start-up makes it, then the tests.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "app/app.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  ::testing::InitGoogleTest(&argc, argv);
  fw::Application::SetArguments(argc, argv);
  _EarlyStartup();
  return RUN_ALL_TESTS();
}
