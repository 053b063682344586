#include "preview/plan_style.h"

#include <array>
#include <cmath>

#include "run/number_format.h"

namespace peltarix {
namespace {

constexpr std::array kRoomBands = {
    RoomBand{0, 0, "#ffc94d", "未分類"},
    RoomBand{1, 74, "#c9dfa0", "和室・床の間・押入"},
    RoomBand{101, 120, "#f7d7ae", "洋室・居室"},
    RoomBand{141, 152, "#b6d9f2", "水回り・収納"},
    RoomBand{160, 199, "#ddd0ef", "ホール・階段・吹抜"},
    RoomBand{300, 399, "#a9ddd3", "浴室・玄関・土間"},
    RoomBand{500, 999, "#dcdcdc", "外部"},
};
// Codes between the bands belong to no kind the table gives.
constexpr RoomBand kOtherBand{-1, -1, "#eeeeee", "その他"};

constexpr std::array kColumnStyles = {
    ColumnStyle{ColumnKind::kStorey, "#1f4e9c", "管柱"},
    ColumnStyle{ColumnKind::kThrough, "#7b2cbf", "通し柱"},
    ColumnStyle{ColumnKind::kRound, "#138a7d", "丸柱"},
    ColumnStyle{ColumnKind::kHalf, "#e07a1f", "半柱"},
    ColumnStyle{ColumnKind::kQuarter, "#8d5b3a", "1/4柱"},
};

}  // namespace

std::span<const RoomBand> RoomBands() { return kRoomBands; }

const RoomBand& RoomBandOf(int kind_code) {
  for (const RoomBand& band : kRoomBands) {
    if (kind_code >= band.first_code && kind_code <= band.last_code) return band;
  }
  return kOtherBand;
}

std::string AreaText(double area) {
  if (!std::isfinite(area)) return "—";
  return FormatFixed(area / 1.0e6, 2) + " m²";
}

std::span<const ColumnStyle> ColumnStyles() { return kColumnStyles; }

const ColumnStyle& ColumnStyleOf(ColumnKind kind) {
  for (const ColumnStyle& style : kColumnStyles) {
    if (style.kind == kind) return style;
  }
  return kColumnStyles.front();
}

}  // namespace peltarix
