// The drawing list of the plan picture and its SVG.

#include "preview/plan_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview/plan_style.h"

namespace peltarix {
namespace {

PointList Rectangle(double width, double height) {
  return {{0, 0}, {width, 0}, {width, height}, {0, height}, {0, 0}};
}

// One floor: a 4 x 3 m 洋室 (code 101) inside its outline.
PlanModel OneRoomHouse() {
  PlanFloor floor;
  floor.floor = 1;
  floor.has_outline = true;
  floor.outline = Rectangle(4000, 3000);
  floor.rooms.push_back({.kind_code = 101, .name = "\x97\x6d\x8e\xba", .outline = floor.outline});
  PlanModel model;
  model.floors.push_back(floor);
  return model;
}

TEST(PlanDrawing, RegionsFollowTheLayoutAndCoverEveryItemInOrder) {
  const PlanModel model = OneRoomHouse();
  const PlanLayout layout = LayoutPlan(model);
  const PlanDrawing drawing = DrawPlan(model, layout, "house.QV");
  EXPECT_EQ(drawing.title, "PELTARIX プレビュー house.QV");
  EXPECT_EQ(drawing.width, layout.width);
  ASSERT_EQ(drawing.regions.size(), layout.panels.size() + 1);
  std::size_t next = 0;
  for (std::size_t k = 0; k < drawing.regions.size(); ++k) {
    const DrawRegion& region = drawing.regions[k];
    EXPECT_EQ(region.first_item, next) << region.id;
    EXPECT_GT(region.end_item, region.first_item) << region.id;
    next = region.end_item;
    if (k < layout.panels.size()) {
      EXPECT_EQ(region.title, layout.panels[k].title);
    }
  }
  EXPECT_EQ(next, drawing.items.size());
  EXPECT_EQ(drawing.regions.front().id, "panel-1F");
  EXPECT_EQ(drawing.regions.back().id, "legend");
  EXPECT_EQ(drawing.regions.back().title, "凡例");
}

TEST(PlanDrawing, RoomIsACanvasPolygonInItsBandColourWithNameCodeAndArea) {
  const PlanModel model = OneRoomHouse();
  const PlanLayout layout = LayoutPlan(model);
  const PlanDrawing drawing = DrawPlan(model, layout, "");
  std::vector<const DrawShape*> rooms;
  for (const DrawItem& item : drawing.items) {
    const auto* shape = std::get_if<DrawShape>(&item);
    if (shape != nullptr && shape->css_class == "room") rooms.push_back(shape);
  }
  ASSERT_EQ(rooms.size(), 1u);
  const DrawShape& room = *rooms[0];
  EXPECT_EQ(room.kind, ShapeKind::kPolygon);
  EXPECT_TRUE(room.style.filled);
  EXPECT_EQ(HexOf(room.style.fill), RoomBandOf(101).fill);
  EXPECT_EQ(room.title, "洋室 / コード 101 / 12.00 m²");
  ASSERT_EQ(room.points.size(), 5u);
  const PlanPanel& panel = layout.panels.front();
  EXPECT_EQ(room.points[2], panel.ToCanvas({4000, 3000}, layout.bounds));
}

TEST(PlanDrawing, SvgWritesEachKindOfItemWithItsStyleAndEscapedText) {
  PlanDrawing drawing{.width = 120, .height = 80, .title = "a<b"};
  DrawStyle filled{.filled = true, .fill = {255, 0, 16}, .fill_opacity = 0.5};
  DrawStyle dashed{.stroked = true, .stroke = {0, 0, 0}, .stroke_width = 1.25, .dash = {5, 3}};
  DrawStyle rounded{.stroked = true, .stroke = {1, 2, 3}, .stroke_width = 4, .round_ends = true};
  drawing.items = {
      DrawShape{.points = {{0, 0}, {10, 0}, {10, 5}},
                .style = filled,
                .css_class = "room",
                .title = "x&y"},
      DrawShape{.kind = ShapeKind::kPolyline, .points = {{1, 2}, {3, 4}}, .style = dashed},
      DrawShape{.kind = ShapeKind::kPolyline, .points = {{1, 2}, {3, 4}, {5, 6}}, .style = rounded},
      DrawShape{.kind = ShapeKind::kRect, .points = {{2, 3}, {12, 8}}, .corner_radius = 6},
      DrawShape{.kind = ShapeKind::kCircle, .points = {{7, 8}}, .radius = 2.5, .style = dashed},
      DrawLabel{.at = {5, 6},
                .size = 11,
                .fill = {0x1b, 0x1b, 0x1b},
                .bold = true,
                .anchor = TextAnchor::kEnd,
                .text = "<&'>",
                .css_class = "room-name"},
  };
  drawing.regions = {{.id = "panel-1F", .first_item = 1, .end_item = 3}};
  const std::string svg = SvgOfDrawing(drawing);
  const std::vector<std::string> expected = {
      "<title>a&lt;b</title>\n<rect x=\"0\" y=\"0\" width=\"120\" height=\"80\" "
      "fill=\"#ffffff\"/>\n"
      "<polygon class=\"room\" points=\"0,0 10,0 10,5\" fill=\"#ff0010\" fill-opacity=\"0.5\" "
      "stroke=\"none\">\n<title>x&amp;y</title>\n</polygon>\n<g id=\"panel-1F\">\n",
      "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" fill=\"none\" stroke=\"#000000\" "
      "stroke-width=\"1.25\" stroke-dasharray=\"5,3\"/>\n",
      "<polyline points=\"1,2 3,4 5,6\" fill=\"none\" stroke=\"#010203\" stroke-width=\"4\" "
      "stroke-linejoin=\"round\" stroke-linecap=\"round\"/>\n</g>\n",
      "<rect x=\"2\" y=\"3\" width=\"10\" height=\"5\" rx=\"6\" fill=\"none\" stroke=\"none\"/>\n",
      "<circle cx=\"7\" cy=\"8\" r=\"2.5\" fill=\"none\" stroke=\"#000000\"",
      "<text class=\"room-name\" x=\"5\" y=\"6\" font-size=\"11\" font-weight=\"bold\" "
      "fill=\"#1b1b1b\" text-anchor=\"end\">&lt;&amp;&apos;&gt;</text>\n</svg>\n",
  };
  std::size_t from = 0;
  for (const std::string& part : expected) {
    const std::size_t at = svg.find(part, from);
    ASSERT_NE(at, std::string::npos) << part << "\nin\n" << svg;
    from = at + part.size();
  }
}

TEST(PlanDrawing, ColoursRoundTripThroughTheirHexText) {
  for (const Rgb colour : {Rgb{0, 0, 0}, Rgb{255, 255, 255}, Rgb{0x1b, 0x6e, 0xf0}})
    EXPECT_EQ(RgbOf(HexOf(colour)), colour) << HexOf(colour);
  EXPECT_EQ(HexOf({0xd6, 0x28, 0x28}), "#d62828");
  EXPECT_EQ(RgbOf("#D62828"), (Rgb{0xd6, 0x28, 0x28}));
  for (const char* text : {"", "none", "#12345", "#12345g", "123456"})
    EXPECT_EQ(RgbOf(text), Rgb{}) << text;
}

}  // namespace
}  // namespace peltarix
