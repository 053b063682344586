#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "run/number_format.h"
#include "run/output_lines.h"

namespace peltarix {

// Builds one CSV record line field by field: every append writes the comma
// that separates it from the field before, so no caller counts commas.
// Fields are numbered from 1, as the record layouts number them.
class RecordLineWriter {
 public:
  // Appends to the line that `lines` started last, which must hold no field
  // yet; start no other line while writing.
  explicit RecordLineWriter(OutputLines& lines) : lines_(lines) {}

  // "%d": 12, -3.
  RecordLineWriter& Integer(std::int64_t value) {
    char* const out = Field(kMaxIntLength);
    lines_.Commit(std::to_chars(out, out + kMaxIntLength, value).ptr);
    return *this;
  }
  // "%.<decimals>f", locale-free: Fixed(400, 6) is "400.000000".
  RecordLineWriter& Fixed(double value, int decimals) {
    lines_.Commit(WriteFixed(Field(MaxFixedLength(decimals)), value, decimals));
    return *this;
  }
  // The text between double quotes, without escaping: source texts hold none.
  RecordLineWriter& Quoted(std::string_view text) {
    char* const out = Field(text.size() + 2);
    *out = '"';
    Copy(text, out + 1);
    out[text.size() + 1] = '"';
    lines_.Commit(out + text.size() + 2);
    return *this;
  }
  // The bytes as they stand: a source value copied untouched, or a constant.
  RecordLineWriter& Raw(std::string_view value) {
    char* const out = Field(value.size());
    Copy(value, out);
    lines_.Commit(out + value.size());
    return *this;
  }
  // `count` fields written as one constant text with the commas between
  // them, e.g. RawFields("0,0", 2).
  RecordLineWriter& RawFields(std::string_view fields, int count) {
    Raw(fields);
    field_count_ += count - 1;
    return *this;
  }
  // `count` empty fields.
  RecordLineWriter& Empty(int count = 1);
  // Empty fields up to field `field`, which the next append writes. A field
  // already written is a fault of the record's layout.
  RecordLineWriter& EmptyUntil(int field) {
    if (field < next_field()) ThrowFieldWritten(field);
    if (field > next_field()) Empty(field - next_field());
    return *this;
  }

  // The number of the field the next append writes.
  int next_field() const { return field_count_ + 1; }

  // Ends the line with "\n" (written as CR LF with the file).
  void EndLine() { lines_.Append('\n'); }

 private:
  // Room for the separating comma and `bytes`; writes the comma and returns
  // where the field goes.
  char* Field(std::size_t bytes) {
    char* out = lines_.Reserve(bytes + 1);
    if (field_count_++ > 0) *out++ = ',';
    return out;
  }
  [[noreturn]] static void ThrowFieldWritten(int field);
  static void Copy(std::string_view text, char* out) {
    if (!text.empty()) std::memcpy(out, text.data(), text.size());
  }

  OutputLines& lines_;
  int field_count_ = 0;
};

}  // namespace peltarix
