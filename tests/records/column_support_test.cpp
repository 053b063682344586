#include "records/column_support.h"

#include <gtest/gtest.h>

namespace peltarix {
namespace {

PlacedColumn At(int floor, double x, double y, double width = 100.0) {
  return {floor, {.min_x = x, .max_x = x + width, .min_y = y, .max_y = y + width}};
}

TEST(ColumnSupportTest, CountsUpperColumnsWhoseCentreLiesInASquareBelow) {
  const struct {
    const char* name;
    std::vector<PlacedColumn> columns;
    std::vector<int> expected;  // per floor: floor, columns, supported
  } cases[] = {
      {"stacked, offset by 40, on the edge, beside",
       {At(1, 0, 0), At(1, 1000, 0), At(1, 2000, 0), At(2, 0, 0), At(2, 1040, 40), At(2, 2050, 0),
        At(2, 3000, 0)},
       {2, 4, 3}},
      {"just past the edge", {At(1, 0, 0), At(2, 50.01, 0)}, {2, 1, 0}},
      {"upper floor without a floor of columns below", {At(2, 0, 0)}, {2, 1, 0}},
      {"third floor over second, first floor alone",
       {At(1, 0, 0), At(2, 0, 0), At(3, 500, 500)},
       {2, 1, 1, 3, 1, 0}},
      {"ground floor only", {At(1, 0, 0)}, {}},
  };
  for (const auto& one : cases) {
    std::vector<int> found;
    for (const ColumnSupport& floor : ComputeColumnSupport(one.columns)) {
      found.insert(found.end(), {floor.floor, floor.columns, floor.supported});
      EXPECT_EQ(floor.unsupported.size(),
                static_cast<std::size_t>(floor.columns - floor.supported));
    }
    EXPECT_EQ(found, one.expected) << one.name;
  }
}

// A damaged source may claim thousands of columns a floor: the squares below
// are searched through a grid, which must find what a plain pass finds.
TEST(ColumnSupportTest, ManyColumnsGiveTheCountOfAPlainPass) {
  std::vector<PlacedColumn> columns;
  for (int k = 0; k < 400; ++k) columns.push_back(At(1, (k % 20) * 300.0, (k / 20) * 300.0));
  for (int k = 0; k < 400; ++k)
    columns.push_back(At(2, (k % 20) * 300.0 + (k % 3) * 60.0, (k / 20) * 300.0));
  const std::vector<ColumnSupport> support = ComputeColumnSupport(columns);
  ASSERT_EQ(support.size(), 1u);
  // Offsets 0 and 60 keep the centre (at 50 and 110) within 0..100 only for 0.
  EXPECT_EQ(support[0].supported, 134);
}

}  // namespace
}  // namespace peltarix
