#pragma once

#include <QTimer>
#include <string>

// For a test that waits on the event loop (a modal box, the application's loop until Quit): if
// the loop has not come back long after it should, fails the test with WHAT and ends its
// process, which a loop that never returns leaves no other way to end. The time is far above any
// run's, however busy the machine, and well below the test's time-out.
class HangGuard {
 public:
  explicit HangGuard(std::string what);
  HangGuard(const HangGuard&) = delete;
  HangGuard& operator=(const HangGuard&) = delete;

 private:
  std::string what_;
  QTimer timer_;
};
