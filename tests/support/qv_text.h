#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace peltarix::testing {

// Lines joined with "\n", for writing test sources readably.
inline std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (const std::string_view line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

// A "QVINFO" section for a building that passes validation unless a test
// replaces one of its values: `overrides` are (key, value) pairs, and a
// value of "<none>" leaves the key out.
std::string InfoSection(
    std::initializer_list<std::pair<std::string_view, std::string_view>> overrides = {});

}  // namespace peltarix::testing
