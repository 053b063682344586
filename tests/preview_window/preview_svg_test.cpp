#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "preview/plan_layout.h"
#include "preview/plan_style.h"
#include "preview/plan_tooltip.h"
#include "preview/record_fields.h"
#include "preview_window/preview_fixture.h"
#include "qv_generator.h"
#include "records/perimeter_regions.h"
#include "source/c_numbers.h"
#include "support/findings_house.h"
#include "support/qv_text.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

struct SvgElement {
  std::string name;
  std::map<std::string, std::string> attributes;
  std::string text;
  std::string panel;  // the id of the panel group it stands in ("panel-2F")

  double Number(const std::string& attribute) const { return Atof(attributes.at(attribute)); }
};

// Every element of the document with its attributes and text; fails the test
// on any XML error.
std::vector<SvgElement> ParseSvg(const QByteArray& svg) {
  std::vector<SvgElement> elements;
  std::vector<std::size_t> open;
  QXmlStreamReader reader(svg);
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      SvgElement element{reader.name().toString().toStdString(), {}, {}, {}};
      for (const QXmlStreamAttribute& attribute : reader.attributes())
        element.attributes[attribute.name().toString().toStdString()] =
            attribute.value().toString().toStdString();
      if (!open.empty()) element.panel = elements[open.back()].panel;
      const auto id = element.attributes.find("id");
      if (id != element.attributes.end() && id->second.starts_with("panel-"))
        element.panel = id->second;
      open.push_back(elements.size());
      elements.push_back(std::move(element));
    } else if (reader.isEndElement()) {
      open.pop_back();
    } else if (reader.isCharacters() && !open.empty()) {
      elements[open.back()].text += reader.text().toString().toStdString();
    }
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  return elements;
}

std::vector<SvgElement> OfClass(const std::vector<SvgElement>& elements, const std::string& name,
                                const std::string& css_class) {
  std::vector<SvgElement> found;
  for (const SvgElement& element : elements) {
    const auto it = element.attributes.find("class");
    if (element.name == name && it != element.attributes.end() && it->second == css_class)
      found.push_back(element);
  }
  return found;
}

// The panel of the layout an element stands in, by its group's id.
const PlanPanel& PanelOf(const PlanLayout& layout, const SvgElement& element) {
  for (const PlanPanel& panel : layout.panels) {
    const std::string id =
        (panel.roof ? "panel-roof-" : "panel-") + std::to_string(panel.floor) + "F";
    if (id == element.panel) return panel;
  }
  ADD_FAILURE() << "no panel " << element.panel;
  return layout.panels.at(0);
}

// The plan point under a canvas point of the element's panel.
Point PlanOf(const PlanLayout& layout, const SvgElement& element, Point canvas) {
  return PlanPointOf(PanelOf(layout, element), layout.bounds, canvas);
}

// Canvas points as written (two decimals) against the plan points they show.
void ExpectCanvasPoints(const PointList& canvas, const PointList& plan, const PlanPanel& panel,
                        const PlanBounds& bounds) {
  ASSERT_EQ(canvas.size(), plan.size());
  for (std::size_t k = 0; k < plan.size(); ++k) {
    const Point expected = panel.ToCanvas(plan[k], bounds);
    EXPECT_NEAR(canvas[k].x, expected.x, 0.006) << k;
    EXPECT_NEAR(canvas[k].y, expected.y, 0.006) << k;
  }
}

PointList ParsePoints(const std::string& text) {
  PointList points;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t comma = text.find(',', at);
    std::size_t end = text.find(' ', comma);
    if (end == std::string::npos) end = text.size();
    points.push_back({Atof(text.substr(at, comma - at)), Atof(text.substr(comma + 1))});
    at = end + 1;
  }
  return points;
}

TEST(PreviewSvg, ExampleHoldsEveryOutlineRoomAndColumnTheCsvHolds) {
  const testing::ExampleRun example;
  ASSERT_EQ(example.status, 0);
  const std::vector<SvgElement> elements = ParseSvg(example.Svg());
  const PlanLayout layout = LayoutPlan(example.model);
  std::map<std::string, int> record_counts;
  const OutputLines& lines = example.file.run.context.output_lines;
  for (int index = 0; index <= lines.last_line_index(); ++index) {
    const std::string_view line = lines.line(index);
    const std::vector<std::string_view> fields = SplitRecordFields(line);
    ++record_counts[std::string(fields[0])];
    if (fields[0] != "DC010100") continue;
    // The outline of the record's floor, with the points as written.
    PointList written;
    for (int k = 0; k < Atoi(fields[12]); ++k)
      written.push_back({Atof(fields[13 + 3 * k]), Atof(fields[14 + 3 * k])});
    const std::vector<SvgElement> outlines = OfClass(elements, "polygon", "outline");
    int matches = 0;
    for (const SvgElement& outline : outlines) {
      if (outline.panel != "panel-" + std::string(fields[1]) + "F") continue;
      ExpectCanvasPoints(ParsePoints(outline.attributes.at("points")), written,
                         PanelOf(layout, outline), layout.bounds);
      ++matches;
    }
    EXPECT_EQ(matches, 1) << "floor " << fields[1];
  }
  EXPECT_EQ(OfClass(elements, "polygon", "outline").size(), 2u);
  EXPECT_EQ(OfClass(elements, "polygon", "room").size(), record_counts["DC020100"]);
  const std::vector<SvgElement> columns = OfClass(elements, "rect", "column");
  EXPECT_EQ(columns.size(), record_counts["AD020101"]);
  for (const SvgElement& column : columns)
    EXPECT_NEAR(column.Number("width"), column.Number("height"), 0.011);
  EXPECT_EQ(OfClass(elements, "polygon", "roof").size(), record_counts["AB010101"]);
  EXPECT_EQ(OfClass(elements, "polygon", "block left-out").size(), 0u);
}

TEST(PreviewSvg, ExampleIsWellFormedForXmllint) {
  const testing::ExampleRun example;
  testing::TempDir dir;
  const std::string path = dir.File("sample.svg");
  testing::WriteBytes(path, example.svg);
  EXPECT_EQ(std::system(("xmllint --noout --nonet '" + path + "'").c_str()), 0);
}

TEST(PreviewSvg, BlockApartFromTheOutlineIsDrawnInRedWithItsNumber) {
  const std::string source = "QVINFO\n/INIT\n//INIT_FL\n1\nENDSEC\nQVINFOEND\n" +
                             testing::RecordSection("HAICHI_FLOOR", "/FLOORBLK", "2",
                                                    {{{"//KAI", "1"},
                                                      {"//PNUM", "3"},
                                                      {"//X1", "0"},
                                                      {"//Y1", "0"},
                                                      {"//X2", "1000"},
                                                      {"//Y2", "0"},
                                                      {"//X3", "0"},
                                                      {"//Y3", "1000"}},
                                                     {{"//KAI", "1"},
                                                      {"//PNUM", "3"},
                                                      {"//X1", "5000"},
                                                      {"//Y1", "0"},
                                                      {"//X2", "6000"},
                                                      {"//Y2", "0"},
                                                      {"//X3", "5000"},
                                                      {"//Y3", "1000"}}});
  testing::TestRun run(source);
  PerimeterBlocks blocks;
  run.context.perimeter_blocks = &blocks;
  ConvertPerimeterRegions(run.context);
  const std::string svg = RenderPlanSvg(BuildPlanModel(run.context.output_lines, blocks), "t");
  const std::vector<SvgElement> elements =
      ParseSvg(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
  const std::vector<SvgElement> left_out = OfClass(elements, "polygon", "block left-out");
  ASSERT_EQ(left_out.size(), 1u);
  EXPECT_EQ(left_out[0].attributes.at("stroke"), kLeftOutColour);
  const PlanLayout layout = LayoutPlan(BuildPlanModel(run.context.output_lines, blocks));
  const Point corner =
      PlanOf(layout, left_out[0], ParsePoints(left_out[0].attributes.at("points")).front());
  EXPECT_NEAR(corner.x, 5000, 1.0);
  EXPECT_NEAR(corner.y, 0, 1.0);
  EXPECT_EQ(OfClass(elements, "polygon", "block").size(), 1u);
  bool numbered = false;
  for (const SvgElement& element : elements) {
    numbered = numbered || (element.name == "text" && element.text == "2" &&
                            element.attributes.at("fill") == kLeftOutColour);
  }
  EXPECT_TRUE(numbered);
}

TEST(PreviewSvg, RenderingShowsTheRoomColourInsideARoomAndTheBackgroundOutsideTheOutline) {
  const testing::ExampleRun example;
  QSvgRenderer renderer(example.Svg());
  ASSERT_TRUE(renderer.isValid());
  QImage image(renderer.defaultSize(), QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    renderer.render(&painter);
  }
  const PlanLayout layout = LayoutPlan(example.model);
  const PlanPanel& first_floor = layout.panels.at(0);
  ASSERT_EQ(first_floor.title, "1F");
  const auto colour_at = [&](Point plan) {
    const Point canvas = first_floor.ToCanvas(plan, layout.bounds);
    return image.pixelColor(static_cast<int>(canvas.x), static_cast<int>(canvas.y)).name();
  };
  // The 和室 (code 1) spans (5460, 0)-(9100, 3640); the outline's notch
  // leaves (7300, 6500) outside, between grid lines.
  EXPECT_EQ(colour_at({8500, 600}).toStdString(), RoomBandOf(1).fill);
  EXPECT_EQ(colour_at({7300, 6500}).toStdString(), "#fbfbf8");
}

// Even-odd crossing test, written apart from the picture's own.
bool Inside(const PointList& polygon, Point at) {
  bool inside = false;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    const Point a = polygon[k];
    const Point b = polygon[k + 1];
    if ((a.y > at.y) != (b.y > at.y) && at.x < a.x + (at.y - a.y) / (b.y - a.y) * (b.x - a.x))
      inside = !inside;
  }
  return inside;
}

// On the example and on generated houses (rooms piled on one another): no
// two drawn labels meet, and every room name stands inside a room, all four
// corners of its box.
TEST(PreviewSvg, LabelsKeepApartAndRoomNamesStayInsideTheirRooms) {
  std::vector<std::pair<std::string, std::string>> houses = {
      {"example", testing::ReadBytes(PELTARIX_SOURCE_DIR "/examples/sample.QV")}};
  for (const std::size_t bytes : {3000u, 9000u, 20000u})
    houses.push_back({"generated " + std::to_string(bytes), bench::GenerateSource(bytes)});
  for (const auto& [name, source] : houses) {
    const testing::ExampleRun run(source);
    ASSERT_EQ(run.status, 0) << name;
    const PlanLayout layout = LayoutPlan(run.model);
    const std::vector<SvgElement> elements = ParseSvg(run.Svg());
    std::map<std::string, std::vector<SvgElement>> boxes;
    int names = 0;
    for (std::size_t k = 0; k < elements.size(); ++k) {
      const SvgElement& element = elements[k];
      if (element.attributes.count("class") == 0) continue;
      const std::string& css_class = element.attributes.at("class");
      if (css_class == "label-box") boxes[element.panel].push_back(element);
      if (css_class != "room-name") continue;
      ++names;
      // The name, its code and then the box of both.
      const SvgElement& box = elements.at(k + 2);
      ASSERT_EQ(box.attributes.at("class"), "label-box");
      const PlanPanel* panel = nullptr;
      for (const PlanPanel& one : layout.panels)
        if (!one.roof && element.panel == "panel-" + std::to_string(one.floor) + "F") panel = &one;
      ASSERT_NE(panel, nullptr);
      const PlanFloor* floor = nullptr;
      for (const PlanFloor& one : run.model.floors)
        if (one.floor == panel->floor) floor = &one;
      ASSERT_NE(floor, nullptr);
      for (const double x : {box.Number("x"), box.Number("x") + box.Number("width")}) {
        for (const double y : {box.Number("y"), box.Number("y") + box.Number("height")}) {
          const Point plan = PlanPointOf(*panel, layout.bounds, {x, y});
          const bool in_room =
              std::any_of(floor->rooms.begin(), floor->rooms.end(),
                          [&](const PlanRoom& room) { return Inside(room.outline, plan); });
          EXPECT_TRUE(in_room) << name << ": " << element.text << " at " << x << ", " << y;
        }
      }
    }
    EXPECT_GT(names, 0) << name;
    for (const auto& [panel, list] : boxes) {
      for (std::size_t a = 0; a < list.size(); ++a) {
        for (std::size_t b = a + 1; b < list.size(); ++b) {
          const bool apart =
              list[a].Number("x") + list[a].Number("width") <= list[b].Number("x") + 0.01 ||
              list[b].Number("x") + list[b].Number("width") <= list[a].Number("x") + 0.01 ||
              list[a].Number("y") + list[a].Number("height") <= list[b].Number("y") + 0.01 ||
              list[b].Number("y") + list[b].Number("height") <= list[a].Number("y") + 0.01;
          EXPECT_TRUE(apart) << name << " " << panel << ": labels " << a << " and " << b;
        }
      }
    }
  }
}

TEST(PreviewSvg, RoofsArePanelledByTheStoreyTheyCover) {
  const testing::ExampleRun run(testing::FindingsHouseSource());
  ASSERT_EQ(run.status, 0);
  const std::vector<SvgElement> elements = ParseSvg(run.Svg());
  const std::vector<SvgElement> faces = OfClass(elements, "polygon", "roof");
  ASSERT_EQ(faces.size(), 1u);
  EXPECT_EQ(faces[0].panel, "panel-roof-2F");
  const std::vector<SvgElement> left_out = OfClass(elements, "polygon", "non-wooden-roof");
  ASSERT_EQ(left_out.size(), 1u);
  EXPECT_EQ(left_out[0].panel, "panel-roof-1F");
  // One height beside each of the face's four vertices.
  const std::vector<SvgElement> heights = OfClass(elements, "text", "height");
  EXPECT_EQ(heights.size(), 4u);
  for (const SvgElement& height : heights) EXPECT_EQ(height.panel, "panel-roof-2F");
}

// Each located item is marked where the source places it (compared in plan
// units, within what two decimals of a canvas pixel leave).
TEST(PreviewSvg, FindingsAreMarkedWhereTheyStand) {
  const testing::ExampleRun run(testing::FindingsHouseSource());
  ASSERT_EQ(run.status, 0);
  const std::vector<SvgElement> elements = ParseSvg(run.Svg());
  const PlanLayout layout = LayoutPlan(run.model);
  const double tolerance = 0.01 / layout.scale;
  const auto expect_at = [&](const SvgElement& mark, Point canvas, Point plan) {
    const Point at = PlanOf(layout, mark, canvas);
    EXPECT_NEAR(at.x, plan.x, tolerance) << mark.attributes.at("class");
    EXPECT_NEAR(at.y, plan.y, tolerance) << mark.attributes.at("class");
  };
  const std::vector<SvgElement> columns = OfClass(elements, "rect", "unconverted-column");
  ASSERT_EQ(columns.size(), 2u);
  const std::vector<std::pair<std::string, Point>> column_places = {{"panel-1F", {2500, 1500}},
                                                                    {"panel-2F", {1200, 800}}};
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const SvgElement& mark = columns[k];
    EXPECT_EQ(mark.panel, column_places[k].first);
    expect_at(
        mark,
        {mark.Number("x") + mark.Number("width") / 2, mark.Number("y") + mark.Number("height") / 2},
        column_places[k].second);
  }
  const std::vector<SvgElement> twist = OfClass(elements, "circle", "twist");
  ASSERT_EQ(twist.size(), 1u);
  EXPECT_EQ(twist[0].panel, "panel-1F");
  expect_at(twist[0], {twist[0].Number("cx"), twist[0].Number("cy")}, {2000, 2000});
  const std::vector<SvgElement> rings = OfClass(elements, "circle", "unsupported-column");
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0].panel, "panel-2F");
  EXPECT_NEAR(PlanOf(layout, rings[0], {rings[0].Number("cx"), rings[0].Number("cy")}).x, 3052.5,
              tolerance);
  const std::vector<SvgElement> roof = OfClass(elements, "polygon", "non-wooden-roof");
  ASSERT_EQ(roof.size(), 1u);
  ExpectCanvasPoints(ParsePoints(roof.at(0).attributes.at("points")),
                     {{5000, 0}, {7000, 0}, {7000, 1000}, {5000, 1000}, {5000, 0}},
                     PanelOf(layout, roof.at(0)), layout.bounds);
  // The hatching of the ロフト (2F, 0..3000 x 0..2000) stays inside it.
  const std::vector<SvgElement> hatching = OfClass(elements, "line", "unknown-kind");
  EXPECT_GT(hatching.size(), 10u);
  for (const SvgElement& line : hatching) {
    EXPECT_EQ(line.panel, "panel-2F");
    for (const auto& [x, y] : {std::pair{"x1", "y1"}, std::pair{"x2", "y2"}}) {
      const Point end = PlanOf(layout, line, {line.Number(x), line.Number(y)});
      EXPECT_TRUE(end.x >= -tolerance && end.x <= 3000 + tolerance) << end.x;
      EXPECT_TRUE(end.y >= -tolerance && end.y <= 2000 + tolerance) << end.y;
    }
  }
}

}  // namespace
}  // namespace peltarix
