#pragma once

#include <span>
#include <vector>

#include "geometry/box.h"
#include "run/plan_findings.h"

namespace peltarix {

// A converted column as written: its floor and its square, from its position
// to the position plus its section widths.
struct PlacedColumn {
  int floor = 0;
  Box square;
};

// For each floor above the first that has columns, how many of them stand
// with their centre within (edges included) the square of a column of the
// floor below. Floors without columns are left out.
std::vector<ColumnSupport> ComputeColumnSupport(std::span<const PlacedColumn> columns);

}  // namespace peltarix
