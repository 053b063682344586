#include "run/record_line_writer.h"

#include <stdexcept>
#include <string>

namespace peltarix {

RecordLineWriter& RecordLineWriter::Empty(int count) {
  if (count <= 0) return *this;
  // The first field of a line has no comma before it.
  const std::size_t commas = static_cast<std::size_t>(count) - (field_count_ == 0 ? 1 : 0);
  char* const out = lines_.Reserve(commas);
  std::memset(out, ',', commas);
  lines_.Commit(out + commas);
  field_count_ += count;
  return *this;
}

void RecordLineWriter::ThrowFieldWritten(int field) {
  throw std::logic_error("record layout: field " + std::to_string(field) + " already written");
}

}  // namespace peltarix
