#include "conversion/csv_beside_source.h"

#include <filesystem>

#include "platform/native_path.h"

namespace peltarix {

std::string CsvBesideSource(std::string_view source) {
  std::filesystem::path path = NativePath(source);
  if (!path.has_filename()) return {};
  // A leading dot starts a name, not an extension: ".QV" becomes ".QV.csv".
  path.replace_extension(".csv");
  return Utf8Path(path);
}

}  // namespace peltarix
