#pragma once

namespace peltarix {

// An axis-parallel box; edges and corners belong to it.
struct Box {
  double min_x = 0.0;
  double max_x = 0.0;
  double min_y = 0.0;
  double max_y = 0.0;
};

}  // namespace peltarix
