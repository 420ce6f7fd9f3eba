#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fw {

// A fault in the program's own tables (a missing control, a handler bound to the wrong class):
// thrown, never caught, so that it shows at once.
[[noreturn]] inline void ProgramError(std::initializer_list<std::string_view> parts) {
  std::string message;
  for (std::string_view part : parts) message.append(part);
  throw std::logic_error(message);
}

}  // namespace fw
