#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "conversion/data_kinds.h"

namespace peltarix::cli {

// The words of --kinds, in the order of the window's check boxes.
inline constexpr std::string_view kKindWords[] = {"basic",     "outline", "columns",
                                                  "perimeter", "rooms",   "roofs"};

// A comma-separated subset of kKindWords; the empty list ticks none.
// Empty when a word is unknown.
std::optional<DataKindSet> ParseKinds(std::string_view list);

// SOURCE with its extension replaced by ".csv" (added when it has none).
std::string DefaultDestination(const std::string& source);

}  // namespace peltarix::cli
