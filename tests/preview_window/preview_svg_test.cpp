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
      if (outline.attributes.at("id") != "outline-" + std::string(fields[1]) + "F") continue;
      EXPECT_EQ(ParsePoints(outline.attributes.at("points")), written);
      ++matches;
    }
    EXPECT_EQ(matches, 1) << "floor " << fields[1];
  }
  EXPECT_EQ(OfClass(elements, "polygon", "outline").size(), 2u);
  EXPECT_EQ(OfClass(elements, "polygon", "room").size(), record_counts["DC020100"]);
  const std::vector<SvgElement> columns = OfClass(elements, "rect", "column");
  EXPECT_EQ(columns.size(), record_counts["AD020101"]);
  for (const SvgElement& column : columns)
    EXPECT_EQ(column.attributes.at("width"), column.attributes.at("height"));
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
  EXPECT_EQ(ParsePoints(left_out[0].attributes.at("points")).front(), (Point{5000, 0}));
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

// Each located item is marked where the source places it, in plan units.
TEST(PreviewSvg, FindingsAreMarkedWhereTheyStand) {
  const testing::ExampleRun run(testing::FindingsHouseSource());
  ASSERT_EQ(run.status, 0);
  const std::vector<SvgElement> elements = ParseSvg(run.Svg());
  std::vector<std::tuple<std::string, double, double>> columns;
  for (const SvgElement& mark : OfClass(elements, "rect", "unconverted-column")) {
    columns.emplace_back(mark.panel, mark.Number("x") + mark.Number("width") / 2,
                         mark.Number("y") + mark.Number("height") / 2);
  }
  EXPECT_EQ(columns, (std::vector<std::tuple<std::string, double, double>>{
                         {"panel-1F", 2500, 1500}, {"panel-2F", 1200, 800}}));
  const std::vector<SvgElement> twist = OfClass(elements, "circle", "twist");
  ASSERT_EQ(twist.size(), 1u);
  EXPECT_EQ(twist[0].panel, "panel-1F");
  EXPECT_EQ(Point(twist[0].Number("cx"), twist[0].Number("cy")), (Point{2000, 2000}));
  const std::vector<SvgElement> rings = OfClass(elements, "circle", "unsupported-column");
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0].panel, "panel-2F");
  EXPECT_NEAR(rings[0].Number("cx"), 3052.5, 0.01);
  const std::vector<SvgElement> roof = OfClass(elements, "polygon", "non-wooden-roof");
  ASSERT_EQ(roof.size(), 1u);
  EXPECT_EQ(ParsePoints(roof.at(0).attributes.at("points")),
            (PointList{{5000, 0}, {7000, 0}, {7000, 1000}, {5000, 1000}, {5000, 0}}));
  // The hatching of the ロフト (2F, 0..3000 x 0..2000) stays inside it.
  int hatch_lines = 0;
  for (const SvgElement& line : elements) {
    if (line.name != "line" || line.panel != "panel-2F" || line.attributes.count("x1") == 0 ||
        line.attributes.count("class") != 0 || line.attributes.count("stroke") != 0)
      continue;
    ++hatch_lines;
    for (const char* x : {"x1", "x2"})
      EXPECT_TRUE(line.Number(x) >= -0.01 && line.Number(x) <= 3000.01);
    for (const char* y : {"y1", "y2"})
      EXPECT_TRUE(line.Number(y) >= -0.01 && line.Number(y) <= 2000.01);
  }
  EXPECT_GT(hatch_lines, 10);
}

}  // namespace
}  // namespace peltarix
