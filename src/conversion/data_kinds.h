#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "run/run_context.h"

namespace peltarix {

// The kinds of data a run can convert, in the order they are converted and
// written, which is also the order of the window's check boxes.
enum class DataKind : int { kBasicInfo, kBuildingOutline, kColumns, kPerimeter, kRooms, kRoofs };

inline constexpr std::size_t kDataKindCount = 6;

// A converter appends its records to the context's output; a negative
// status stops the run.
using Converter = int (*)(RunContext& context);

// One data kind as the front ends offer it and the run converts it.
struct DataKindRow {
  DataKind kind;
  std::string_view word;     // in the command line's --kinds list
  std::string_view caption;  // of the window's check box, UTF-8
  Converter convert;
};

// Every data kind, in run order: row i describes DataKind i. Adding a kind
// is one enumerator, one row here and its converter.
extern const std::array<DataKindRow, kDataKindCount> kDataKindRows;

// The kind that `word` names in the --kinds list, in any case of its ASCII
// letters ("Rooms", "ROOMS"); empty for any other text.
[[nodiscard]] std::optional<DataKind> DataKindFromWord(std::string_view word);

// A set of data kinds: the ticked check boxes, the --kinds list.
class DataKindSet {
 public:
  static constexpr DataKindSet None() { return DataKindSet(false); }
  static constexpr DataKindSet All() { return DataKindSet(true); }
  static constexpr DataKindSet Only(DataKind kind) { return None().With(kind); }

  constexpr bool Contains(DataKind kind) const { return ticked_[Index(kind)]; }
  constexpr void Set(DataKind kind, bool ticked = true) { ticked_[Index(kind)] = ticked; }
  // This set with `kind` added.
  constexpr DataKindSet With(DataKind kind) const {
    DataKindSet kinds = *this;
    kinds.Set(kind);
    return kinds;
  }

  constexpr bool operator==(const DataKindSet&) const = default;

 private:
  // No default: a set is none or all by choice, never by accident.
  explicit constexpr DataKindSet(bool ticked) { ticked_.fill(ticked); }
  static constexpr std::size_t Index(DataKind kind) { return static_cast<std::size_t>(kind); }

  std::array<bool, kDataKindCount> ticked_{};
};

}  // namespace peltarix
