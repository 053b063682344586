#include "records/floor_text.h"

namespace peltarix {

std::string_view FloorFieldFromKai(std::string_view kai) {
  if (kai.empty()) return kai;
  return kai.substr(0, kai.size() - 1);
}

int StoreyOfKai(std::string_view kai) {
  if (kai == "1F") return 1;
  if (kai == "2F") return 2;
  if (kai == "3F") return 3;
  return 0;
}

double BottomLevelOfKai(const FloorValues& floors, std::string_view kai) {
  const int storey = StoreyOfKai(kai);
  return storey == 0 ? 0.0 : floors.level[storey];
}

double TopLevelOfKai(const FloorValues& floors, std::string_view kai) {
  const int storey = StoreyOfKai(kai);
  return storey == 0 ? 0.0 : floors.level[storey + 1];
}

}  // namespace peltarix
