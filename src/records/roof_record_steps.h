#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/roof_outline.h"
#include "run/numbered_text.h"
#include "run/record_line_writer.h"
#include "run/run_context.h"

namespace peltarix {

// Within this distance the two end points of an eave edge count as one point.
inline constexpr double kEaveTolerance = 0.01;

// One point of a roof outline together with the edge that leaves it.
struct RoofOutlinePoint {
  std::string_view x_text;  // as the source holds it, written to the record unchanged
  std::string_view y_text;
  RoofPoint plan;                 // the texts read as numbers
  bool starts_eave_edge = false;  // the edge to the next point is an eave
};

// The values of one wooden roof region ("/YANE" record) that its record
// is computed from.
struct RoofRegionSource {
  std::string_view kai;                   // "//KAI" as held
  std::int64_t pitch_value = 0;           // "//KOBAI" read as an integer, times 10
  RoofPoint reference_point;              // midpoint of the reference line
  std::int64_t point_count = 0;           // "//PNUM" as read; may be 0 or negative
  RoofPoint first_point;                  // point 1, read whatever the point count
  std::vector<RoofOutlinePoint> outline;  // points 1 .. point count; empty unless positive
};

// The values of roof region `index_text` ("/YANE" record).
RecordValues RoofRecord(const RunContext& context, std::string_view index_text);

// Reads the "//KAI", pitch, reference line and point count of a roof region.
// The outline stays empty: see ReadRoofOutline.
RoofRegionSource ReadRoofRegionHead(const RecordValues& roof);

// The keys of the outline points, counted up in place, kept from roof to
// roof.
struct RoofOutlineKeys {
  NumberedText x{"//X"};
  NumberedText y{"//Y"};
  NumberedText eave{"//YANE_LINEATTR"};
};

// Reads points 1 .. region.point_count (none unless positive) with their
// edge attributes.
void ReadRoofOutline(const RecordValues& roof, RoofOutlineKeys& keys, RoofRegionSource& region);

// The line through the roof's first eave edge, from which the heights rise.
struct EaveLine {
  // End points of the eave edge; both point 1 when the roof has no usable
  // eave edge.
  RoofPoint a;
  RoofPoint b;
  // False when no edge is an eave or its end points coincide: every
  // distance is then 0 and every height the floor level.
  bool usable = false;

  double DistanceOf(RoofPoint point) const;
};

// The first edge (in outline order, the closing edge from the last point
// to point 1 included) whose attribute marks an eave.
EaveLine FindEaveLine(const RoofRegionSource& region);

// The outline point that tells on which side of the eave the roof rises:
// the start of the first edge that is not an eave, or its end when the edge
// before it is an eave. Point 1 when every edge is an eave.
RoofPoint FindReferenceVertex(const RoofRegionSource& region);

// The direction in which the roof falls, as the record's three fields with
// the blanks that lead the second and third, e.g. {"0.0", " -1.0", " 0.0"}.
std::array<std::string_view, 3> FallDirectionFields(const EaveLine& eave,
                                                    RoofPoint reference_vertex);

// Appends the point count field and the outline points with their heights,
// the first point repeated at the end, without the line end.
void AppendOutlinePoints(RecordLineWriter& record, const RoofRegionSource& region,
                         const EaveLine& eave, double eave_height);

}  // namespace peltarix
