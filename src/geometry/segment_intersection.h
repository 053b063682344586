#pragma once

#include <optional>

#include "geometry/point.h"

namespace peltarix {

// Where two segments meet within the tolerance; empty when they do not, when
// they are parallel (collinear overlaps included: that is OverlapSegments'
// business) or when either is shorter than the tolerance.
std::optional<Point> IntersectSegments(const Segment& first, const Segment& second,
                                       double tolerance);

enum class OverlapCode : int {
  kShared = 0,        // on one line and sharing a stretch
  kNotCollinear = 1,  // not on one line
  kApart = 2,         // on one line but apart
  kTouching = 3,      // on one line, touching end to end at one point
};

struct Overlap {
  OverlapCode code = OverlapCode::kNotCollinear;
  // The shared stretch, in the direction of the first segment (kShared);
  // the first segment itself for kNotCollinear.
  Segment piece;
};

// Whether two segments lie on one line and share a stretch. Empty when either
// segment's ends coincide within the tolerance.
std::optional<Overlap> OverlapSegments(const Segment& first, const Segment& second,
                                       double tolerance);

}  // namespace peltarix
