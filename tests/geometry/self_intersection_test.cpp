#include "geometry/self_intersection.h"

#include <gtest/gtest.h>

namespace peltarix {
namespace {

struct SelfIntersectionCase {
  const char* name;
  PointList polygon;
  bool flagged;
};

TEST(CheckSelfIntersection, FlagsTwistsConstrictionsAndTooFewPoints) {
  const SelfIntersectionCase cases[] = {
      {"square", {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}}, false},
      {"square, other way round", {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}, false},
      {"bow-tie", {{0, 0}, {10, 10}, {10, 0}, {0, 10}, {0, 0}}, true},
      {"rectilinear bow-tie", {{0, 0}, {0, 10}, {10, 10}, {10, 20}, {5, 20}, {5, 0}, {0, 0}}, true},
      {"two squares joined at one corner",
       {{0, 0}, {0, 10}, {10, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}, {10, 0}, {0, 0}},
       true},
      {"L-shape", {{0, 0}, {0, 20}, {10, 20}, {10, 10}, {20, 10}, {20, 0}, {0, 0}}, false},
      {"outline with a vertex in a straight edge",
       {{0, 0}, {0, 10}, {10, 10}, {20, 10}, {20, 0}, {10, 0}, {0, 0}},
       false},
      {"dent touching the opposite edge within tolerance",
       {{0, 0}, {0, 10}, {4, 10}, {4, 0.05}, {6, 0.05}, {6, 10}, {10, 10}, {10, 0}, {0, 0}},
       true},
      {"triangle", {{0, 0}, {0, 10}, {10, 0}, {0, 0}}, false},
      {"flat triangle", {{0, 0}, {5, 0}, {10, 0}, {0, 0}}, true},
      {"three points", {{0, 0}, {0, 10}, {0, 0}}, true},
      {"one point", {{0, 0}}, true},
      {"no points", {}, true},
  };
  for (const SelfIntersectionCase& c : cases) {
    EXPECT_EQ(CheckSelfIntersection(c.polygon, 0.1), c.flagged) << c.name;
  }
}

}  // namespace
}  // namespace peltarix
