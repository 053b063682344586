#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace peltarix {

// A fixed prefix followed by a decimal number that counts up in place:
// record indexes ("1", "2", ...) and numbered keys ("//X1", "//X2", ...),
// built once per converter rather than as a new string per item.
class NumberedText {
 public:
  explicit NumberedText(std::string_view prefix = {}, std::int64_t number = 1);

  // Replaces the number.
  void SetNumber(std::int64_t number);
  // Adds 1 to a number of 0 or more.
  void Next() {
    char& last = text_.back();
    if (last >= '0' && last < '9') {
      ++last;
    } else {
      Carry();
    }
  }

  std::string_view text() const { return text_; }

 private:
  void Carry();

  std::string text_;
  std::size_t prefix_size_;
};

}  // namespace peltarix
