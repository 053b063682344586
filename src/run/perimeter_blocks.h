#pragma once

#include <vector>

#include "geometry/point.h"

namespace peltarix {

// One perimeter block as the perimeter converter read it from the source,
// and whether it became part of its floor's outline. A picture of the run
// draws them over the merged outline, so that a block that vanished shows.
struct PerimeterBlock {
  int number = 0;  // the block's number in the source, from 1
  int floor = 0;
  PointList points;  // closed, in the source's order
  bool left_out = false;
};

using PerimeterBlocks = std::vector<PerimeterBlock>;

}  // namespace peltarix
