#include "conversion/file_heading.h"

#include "run/shown_path.h"

namespace peltarix {

std::string FileHeadingLine(std::string_view source_name, std::string_view destination_name) {
  std::string line = "QVファイル：";
  line += ShownPath(source_name);
  line += " → CSVファイル：";
  line += ShownPath(destination_name);
  return line;
}

}  // namespace peltarix
