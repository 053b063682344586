#include "run/record_line_writer.h"

#include <stdexcept>

#include "run/number_format.h"

namespace peltarix {

RecordLineWriter& RecordLineWriter::Integer(std::int64_t value) {
  Separate();
  AppendInt(line_, value);
  return *this;
}

RecordLineWriter& RecordLineWriter::Fixed(double value, int decimals) {
  Separate();
  AppendFixed(line_, value, decimals);
  return *this;
}

RecordLineWriter& RecordLineWriter::Quoted(std::string_view text) {
  Separate();
  line_ += '"';
  line_ += text;
  line_ += '"';
  return *this;
}

RecordLineWriter& RecordLineWriter::Raw(std::string_view value) {
  Separate();
  line_ += value;
  return *this;
}

RecordLineWriter& RecordLineWriter::Empty(int count) {
  for (int i = 0; i < count; ++i) Separate();
  return *this;
}

RecordLineWriter& RecordLineWriter::EmptyUntil(int field) {
  if (field < next_field()) {
    throw std::logic_error("record layout: field " + std::to_string(field) + " already written");
  }
  return Empty(field - next_field());
}

}  // namespace peltarix
