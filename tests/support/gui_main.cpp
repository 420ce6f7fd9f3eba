// The main() of every widget test but those in tests/scale: the application object as start-up
// makes it, on a plain desktop at scale 1, then the tests.

#include "support/plain_desktop.h"

int main(int argc, char** argv) {
  return RunWidgetTests(argc, argv);
}
