#pragma once

#include <cstdint>
#include <string>

// The state that the six test panels share.
struct Module1 {
  // The design chosen on the panel in use: 1 Independent, 2 Related (Observed-Expected on the
  // Proportions panel), 3 Sample/Population; 0 until the main window opens.
  static std::int64_t btn;
  // "y" while a result is on show, "n" after the main window opens and after Clear.
  static std::string dirty;
};
