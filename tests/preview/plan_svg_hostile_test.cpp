// Plan pictures of records no sound run writes: the SVG still comes out
// whole, in bounded time, with finite numbers only.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview/plan_model.h"
#include "preview/plan_svg.h"

namespace peltarix {
namespace {

std::string OutlineRecord(const std::string& points, const std::string& count) {
  return "\"DC010100\",1,1,0,0,30,\"\",0,\"\",0,\"\",0," + count + "," + points + "1\n";
}

TEST(PlanSvgHostile, FarAwayHugeAndNotANumberCoordinatesGiveAWholeDocument) {
  const std::vector<std::vector<std::string>> cases = {
      // A small house 1e20 from the origin: adding a grid step changes nothing there.
      {OutlineRecord("1e20,1e20,0,1.00000000000001e20,1e20,0,1e20,1e20,0,", "3")},
      {OutlineRecord("-1e308,0,0,1e308,1e308,0,nan,inf,0,", "3")},
      {OutlineRecord("", "2147483647"),
       "\"AD020101\",1,2,0,0,30,\"\",0,\"\",0,\"\",0,0,0,nan,-5,1,0,,,,,,x,y,0,inf,-inf,0\n",
       "\"AB010101\",1,3,0,0,30,\"\",0,\"\",0,\"\",0,0,40,1,0,0,0,nan, nan, 0,-7\n"},
  };
  for (const std::vector<std::string>& lines : cases) {
    const std::string svg = RenderPlanSvg(BuildPlanModel(lines, {}), "<&\"'>");
    EXPECT_LT(svg.size(), 100000u);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf\""), std::string::npos);
    EXPECT_NE(svg.find("&lt;&amp;&quot;&apos;&gt;"), std::string::npos);
  }
}

}  // namespace
}  // namespace peltarix
