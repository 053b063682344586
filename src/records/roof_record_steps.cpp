#include "records/roof_record_steps.h"

#include <cmath>

#include "records/record_layouts.h"
#include "source/c_numbers.h"

namespace peltarix {

namespace {

constexpr std::string_view kSection = "YANEFUSE";
constexpr std::string_view kGroup = "/YANE";

// Reads the point that `keys` name and moves them on to the next one.
RoofOutlinePoint ReadOutlinePoint(const RecordValues& roof, RoofOutlineKeys& keys) {
  RoofOutlinePoint point;
  point.x_text = roof.Value(keys.x.text());
  point.y_text = roof.Value(keys.y.text());
  point.plan = {Atof(point.x_text), Atof(point.y_text)};
  point.starts_eave_edge = roof.Value(keys.eave.text()) == "1";
  keys.x.Next();
  keys.y.Next();
  keys.eave.Next();
  return point;
}

// The point that the edge leaving outline[position] ends at: the next one,
// or point 1 for the closing edge.
const RoofOutlinePoint& OutlinePointAfter(const std::vector<RoofOutlinePoint>& outline,
                                          std::size_t position) {
  return outline[(position + 1) % outline.size()];
}

}  // namespace

RecordValues RoofRecord(const RunContext& context, std::string_view index_text) {
  return context.Record(kSection, kGroup, index_text);
}

RoofRegionSource ReadRoofRegionHead(const RecordValues& roof) {
  RoofRegionSource region;
  region.kai = roof.Value("//KAI");
  // The source gives the rise per 10 units of run, the record per 100; a
  // fraction is dropped before scaling ("4.5" gives 40). Wide, so that no
  // pitch text overflows.
  region.pitch_value = static_cast<std::int64_t>(Atoi(roof.Value("//KOBAI"))) * 10;
  const double x1 = Atof(roof.Value("//YANE_KX1"));
  const double x2 = Atof(roof.Value("//YANE_KX2"));
  const double y1 = Atof(roof.Value("//YANE_KY1"));
  const double y2 = Atof(roof.Value("//YANE_KY2"));
  region.reference_point = {(x1 + x2) * 0.5, (y1 + y2) * 0.5};
  region.point_count = Atoi(roof.Value("//PNUM"));
  return region;
}

void ReadRoofOutline(const RecordValues& roof, RoofOutlineKeys& keys, RoofRegionSource& region) {
  keys.x.SetNumber(1);
  keys.y.SetNumber(1);
  keys.eave.SetNumber(1);
  region.outline.clear();
  if (region.point_count > 0) region.outline.reserve(static_cast<std::size_t>(region.point_count));
  for (std::int64_t number = 1; number <= region.point_count; ++number) {
    region.outline.push_back(ReadOutlinePoint(roof, keys));
  }
  // Point 1 also serves a roof without outline points, as the reference
  // vertex and the end of its missing eave edge.
  region.first_point =
      region.outline.empty() ? ReadOutlinePoint(roof, keys).plan : region.outline.front().plan;
}

double EaveLine::DistanceOf(RoofPoint point) const {
  if (!usable) {
    return 0.0;
  }
  return DistanceToEaveLine(a, b, point, kEaveTolerance).value_or(0.0);
}

EaveLine FindEaveLine(const RoofRegionSource& region) {
  EaveLine eave;
  const std::vector<RoofOutlinePoint>& outline = region.outline;
  for (std::size_t position = 0; position < outline.size(); ++position) {
    if (outline[position].starts_eave_edge) {
      const RoofPoint a = outline[position].plan;
      const RoofPoint b = OutlinePointAfter(outline, position).plan;
      if (!EavePointsCoincide(a, b, kEaveTolerance)) {
        eave.a = a;
        eave.b = b;
        eave.usable = true;
        return eave;
      }
      break;  // only the first eave edge counts, even when it has no length
    }
  }
  eave.a = region.first_point;
  eave.b = region.first_point;
  return eave;
}

RoofPoint FindReferenceVertex(const RoofRegionSource& region) {
  const std::vector<RoofOutlinePoint>& outline = region.outline;
  if (outline.empty()) {
    return region.first_point;
  }
  bool previous_is_eave = outline.back().starts_eave_edge;
  for (std::size_t position = 0; position < outline.size(); ++position) {
    if (outline[position].starts_eave_edge) {
      previous_is_eave = true;
      continue;
    }
    // When the edge before this one is an eave, this edge starts on the eave
    // line; its end is taken instead, which lies off it.
    return previous_is_eave ? OutlinePointAfter(outline, position).plan : outline[position].plan;
  }
  return region.first_point;
}

std::array<std::string_view, 3> FallDirectionFields(const EaveLine& eave,
                                                    RoofPoint reference_vertex) {
  const double dx = std::fabs(eave.a.x - eave.b.x);
  const double dy = std::fabs(eave.a.y - eave.b.y);
  // The roof falls from the reference vertex's side towards the eave. Ties
  // go to the negative direction, and an eave at 45 degrees counts as
  // running along y.
  if (dx > dy) {
    if (reference_vertex.y >= (eave.a.y + eave.b.y) * 0.5) return {"0.0", " -1.0", " 0.0"};
    return {"0.0", " 1.0", " 0.0"};
  }
  if (reference_vertex.x >= (eave.a.x + eave.b.x) * 0.5) return {"-1.0", " 0.0", " 0.0"};
  return {"1.0", " 0.0", " 0.0"};
}

void AppendOutlinePoints(RecordLineWriter& record, const RoofRegionSource& region,
                         const EaveLine& eave, double eave_height) {
  // The count includes the repeated first point; wide, so that the largest
  // "//PNUM" does not overflow. A negative count is followed by one empty
  // field, a count of 0 by a point of three empty fields.
  const PointListLayout& layout = kRoofLayout.outline;
  record.EmptyUntil(layout.count).Integer(region.point_count + 1).EmptyUntil(layout.first_point);
  if (region.point_count < 0) {
    record.Empty();
    return;
  }
  if (region.outline.empty()) {
    record.Empty(3);
    return;
  }
  const double pitch = static_cast<double>(region.pitch_value);
  // The point that ends an eave edge lies on the eave line too. The flag is
  // flipped rather than set, so after two eave edges in a row the next point
  // is measured again; on a straight eave that still gives the eave height.
  bool after_eave = false;
  double first_height = 0.0;  // saved for the repetition of point 1
  for (const RoofOutlinePoint& point : region.outline) {
    double height = eave_height;
    if (point.starts_eave_edge || after_eave) {
      after_eave = !after_eave;
    } else {
      height = (eave.DistanceOf(point.plan) * pitch) * 0.01 + eave_height;
    }
    if (&point == &region.outline.front()) first_height = height;
    record.Raw(point.x_text).Raw(point.y_text).Fixed(height, 6);
  }
  // The outline closes on point 1.
  record.Raw(region.outline.front().x_text).Raw(region.outline.front().y_text);
  record.Fixed(first_height, 6);
}

}  // namespace peltarix
