#pragma once

#include <string>
#include <string_view>

#include "run/floor_values.h"

namespace peltarix {

// Helpers for the "//KAI" text ("1F", "2F", "3F") that every per-floor
// record carries.

// The floor field of a record: the "//KAI" text without its last byte
// ("2F" gives "2"). An empty text stays empty. The byte is cut as it stands,
// whatever the text holds.
std::string_view FloorFieldFromKai(std::string_view kai);

// The storey that a "//KAI" text names: 1, 2 or 3 for exactly "1F", "2F"
// or "3F" (byte for byte, case-sensitive); 0 for any other text.
int StoreyOfKai(std::string_view kai);

// Level of the bottom of the storey that `kai` names: level 1, 2 or 3 for
// "1F", "2F", "3F". Any other text selects 0.0: a source that passed
// validation holds only these three, and a bad one must not reach a level
// that belongs to no storey.
double BottomLevelOfKai(const FloorValues& floors, std::string_view kai);

// Level of the top of the storey that `kai` names: level 2, 3 or 4 for
// "1F", "2F", "3F"; 0.0 for any other text.
double TopLevelOfKai(const FloorValues& floors, std::string_view kai);

}  // namespace peltarix
