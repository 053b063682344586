#pragma once

#include <array>

namespace peltarix {

// The building's storeys as the run computes them before any converter runs.
struct FloorValues {
  int floor_count = 0;  // 1 to 3 once validation has passed
  double foundation_height = 0.0;
  // level[1] is the bottom of storey 1 (the foundation height), level[n + 1]
  // the top of storey n; level[0] is unused.
  std::array<double, 5> level{};
};

}  // namespace peltarix
