#include "conversion/data_kinds.h"

#include <algorithm>

#include "records/basic_info.h"
#include "records/building_outline.h"
#include "records/columns.h"
#include "records/perimeter_regions.h"
#include "records/roof_regions.h"
#include "records/rooms_and_storage.h"

namespace peltarix {

constexpr std::array<DataKindRow, kDataKindCount> kDataKindRows = {{
    {DataKind::kBasicInfo, "basic", "基本情報", ConvertBasicInfo},
    {DataKind::kBuildingOutline, "outline", "建物概要", ConvertBuildingOutline},
    {DataKind::kColumns, "columns", "柱", ConvertColumns},
    {DataKind::kPerimeter, "perimeter", "外周", ConvertPerimeterRegions},
    {DataKind::kRooms, "rooms", "部屋", ConvertRoomsAndStorage},
    {DataKind::kRoofs, "roofs", "屋根", ConvertRoofRegions},
}};

constexpr bool RowsFollowTheEnumeration() {
  for (std::size_t i = 0; i < kDataKindRows.size(); ++i) {
    if (static_cast<std::size_t>(kDataKindRows[i].kind) != i) return false;
  }
  return true;
}
static_assert(RowsFollowTheEnumeration(), "row i of kDataKindRows must describe DataKind i");

std::optional<DataKind> DataKindFromWord(std::string_view word) {
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  for (const DataKindRow& row : kDataKindRows) {
    if (std::ranges::equal(word, row.word, {}, lower)) return row.kind;
  }
  return std::nullopt;
}

}  // namespace peltarix
