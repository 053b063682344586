#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace peltarix {

// Builds one CSV record line field by field: every append writes the comma
// that separates it from the field before, so no caller counts commas.
// Fields are numbered from 1, as the record layouts number them.
class RecordLineWriter {
 public:
  // Appends to `line`, which must hold no field yet. The line must outlive
  // the writer and stay where it is (start no other line meanwhile).
  explicit RecordLineWriter(std::string& line) : line_(line) {}

  // "%d": 12, -3.
  RecordLineWriter& Integer(std::int64_t value);
  // "%.<decimals>f", locale-free: Fixed(400, 6) is "400.000000".
  RecordLineWriter& Fixed(double value, int decimals);
  // The text between double quotes, without escaping: source texts hold none.
  RecordLineWriter& Quoted(std::string_view text);
  // The bytes as they stand: a source value copied untouched, or a constant.
  RecordLineWriter& Raw(std::string_view value);
  // `count` empty fields.
  RecordLineWriter& Empty(int count = 1);
  // Empty fields up to field `field`, which the next append writes. A field
  // already written is a fault of the record's layout.
  RecordLineWriter& EmptyUntil(int field);

  // The number of the field the next append writes.
  int next_field() const { return field_count_ + 1; }

  // Ends the line with "\n" (written as CR LF with the file).
  void EndLine() { line_ += '\n'; }

 private:
  void Separate() {
    if (field_count_++ > 0) line_ += ',';
  }

  std::string& line_;
  int field_count_ = 0;
};

}  // namespace peltarix
