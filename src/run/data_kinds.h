#pragma once

namespace peltarix {

// The six kinds of data a run can convert, in the order they are converted
// and written.
struct DataKinds {
  bool basic_info = true;
  bool building_outline = true;
  bool columns = true;
  bool perimeter = true;
  bool rooms = true;
  bool roofs = true;

  static DataKinds None() { return {false, false, false, false, false, false}; }
};

}  // namespace peltarix
