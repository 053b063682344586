#pragma once

#include <string>

namespace peltarix::testing {

// A made-up two-storey house with something to locate of every sort:
// columns 3 (kind 7, 1F at 2500, 1500) and 6 (kind 9, 2F at 1200, 800) of
// kinds the target lacks; on 2F one column standing on a 1F column and one
// (at 3000, 3000, centre 3052.5, 3052.5) standing on none; a 1F outline
// twisted into a bow tie crossing at (2000, 2000); room 2 on 2F named ロフト,
// which the kind table lacks; roof 2 (1F, first point 5000, 0) not wooden.
std::string FindingsHouseSource();

}  // namespace peltarix::testing
