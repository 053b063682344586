#include "conversion/file_heading.h"

namespace peltarix {

std::string FileHeadingLine(std::string_view source_name, std::string_view destination_name) {
  std::string line = "QVファイル：";
  line += source_name;
  line += " → CSVファイル：";
  line += destination_name;
  return line;
}

}  // namespace peltarix
