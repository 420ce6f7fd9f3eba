// The main() of every widget test: the application object as start-up makes it, then the tests.

#include <gtest/gtest.h>

#include "app/app.h"
#include "support/plain_desktop.h"

int main(int argc, char** argv) {
  // However the tests are started, so before the application object reads the environment.
  UsePlainDesktop();
  ::testing::InitGoogleTest(&argc, argv);
  fw::Application::SetArguments(argc, argv);
  _EarlyStartup();
  return RUN_ALL_TESTS();
}
