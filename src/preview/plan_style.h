#pragma once

#include <span>
#include <string>
#include <string_view>

#include "preview/plan_model.h"

namespace peltarix {

// Colours and captions of the plan picture, shared by the SVG and the
// window's tooltips.

struct RoomBand {
  int first_code;
  int last_code;
  std::string_view fill;  // "#rrggbb"
  std::string_view caption;
};

// The room kind codes in bands of like rooms, each with its fill colour;
// code 0 (a name the kind table does not know) has a band of its own, in a
// colour that stands out.
std::span<const RoomBand> RoomBands();
const RoomBand& RoomBandOf(int kind_code);

struct ColumnStyle {
  ColumnKind kind;
  std::string_view fill;
  std::string_view caption;
};

std::span<const ColumnStyle> ColumnStyles();
const ColumnStyle& ColumnStyleOf(ColumnKind kind);

// An area in square millimetres as square metres with two decimals, "—"
// when damaged coordinates make it infinite.
std::string AreaText(double area);

inline constexpr std::string_view kLeftOutColour = "#d62828";
inline constexpr std::string_view kOutlineColour = "#1b1b1b";
inline constexpr std::string_view kBlockColour = "#5a6b7d";
inline constexpr std::string_view kEaveColour = "#0b6e4f";
inline constexpr std::string_view kUnknownKindHatchColour = "#b07a00";
inline constexpr std::string_view kUnsupportedColour = "#6a3fb5";
inline constexpr std::string_view kBackgroundColour = "#ffffff";
// Japanese faces first, as found on Linux, Windows and macOS.
inline constexpr std::string_view kFontFamily =
    "'IPAGothic', 'IPAPGothic', 'Noto Sans CJK JP', 'Yu Gothic', 'Meiryo', "
    "'Hiragino Sans', 'MS Gothic', sans-serif";

}  // namespace peltarix
