#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "preview/plan_layout.h"
#include "preview/plan_style.h"
#include "preview/record_fields.h"
#include "preview_window/preview_fixture.h"
#include "records/perimeter_regions.h"
#include "source/c_numbers.h"
#include "support/qv_text.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

struct SvgElement {
  std::string name;
  std::map<std::string, std::string> attributes;
  std::string text;
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
      SvgElement element{reader.name().toString().toStdString(), {}, {}};
      for (const QXmlStreamAttribute& attribute : reader.attributes())
        element.attributes[attribute.name().toString().toStdString()] =
            attribute.value().toString().toStdString();
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

}  // namespace
}  // namespace peltarix
