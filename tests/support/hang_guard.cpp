#include "support/hang_guard.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

HangGuard::HangGuard(std::string what) : what_(std::move(what)) {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    ADD_FAILURE() << what_ << " (the event loop was still waiting after 30 s)";
    std::fflush(stdout);
    std::_Exit(EXIT_FAILURE);
  });
  timer_.start(std::chrono::seconds(30));
}
