#include "preview/plan_hatch.h"

#include <algorithm>
#include <cmath>

namespace peltarix {
namespace {

// A room a hundred metres across at a spacing of a few hundred millimetres
// takes a few hundred lines; more means a damaged outline.
constexpr double kMaxLines = 2000.0;

// Where the edges cross the line y - x = c, ordered along it. An edge counts
// from its lower end up to but not including its upper one, so that a line
// through a vertex is crossed once where the outline passes through and
// twice or not at all where it only touches.
std::vector<double> Crossings(const PointList& polygon, double c) {
  std::vector<double> xs;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    const Point a = polygon[k];
    const Point b = polygon[k + 1];
    const double fa = a.y - a.x - c;
    const double fb = b.y - b.x - c;
    if ((fa > 0.0) == (fb > 0.0)) continue;
    xs.push_back(a.x + (b.x - a.x) * fa / (fa - fb));
  }
  std::sort(xs.begin(), xs.end());
  return xs;
}

}  // namespace

std::vector<Segment> HatchLines(const PointList& polygon, double spacing) {
  std::vector<Segment> lines;
  if (polygon.size() < 4 || !(spacing > 0.0)) return lines;
  double low = polygon.front().y - polygon.front().x;
  double high = low;
  for (const Point& point : polygon) {
    low = std::min(low, point.y - point.x);
    high = std::max(high, point.y - point.x);
  }
  // Lines y - x = c lie spacing * sqrt(2) apart in c for `spacing` between them.
  const double step = spacing * std::sqrt(2.0);
  if (!std::isfinite(low) || !std::isfinite(high) || (high - low) / step > kMaxLines) return lines;
  for (double k = std::floor(low / step) + 1.0; k * step < high; k += 1.0) {
    const double c = k * step;
    const std::vector<double> xs = Crossings(polygon, c);
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
      lines.push_back({{xs[i], xs[i] + c}, {xs[i + 1], xs[i + 1] + c}});
  }
  return lines;
}

}  // namespace peltarix
