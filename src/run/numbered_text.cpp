#include "run/numbered_text.h"

#include "run/number_format.h"

namespace peltarix {

NumberedText::NumberedText(std::string_view prefix, std::int64_t number)
    : text_(prefix), prefix_size_(prefix.size()) {
  SetNumber(number);
}

void NumberedText::SetNumber(std::int64_t number) {
  text_.resize(prefix_size_);
  // Every record's points start again at 1.
  if (number >= 0 && number <= 9) {
    text_ += static_cast<char>('0' + number);
  } else {
    AppendInt(text_, number);
  }
}

void NumberedText::Carry() {
  // Nines turn to zeros up to the first digit that is not one; a number of
  // nines only gains a leading 1.
  std::size_t position = text_.size();
  while (position > prefix_size_ && text_[position - 1] == '9') text_[--position] = '0';
  if (position > prefix_size_) {
    ++text_[position - 1];
  } else {
    text_.insert(prefix_size_, 1, '1');
  }
}

}  // namespace peltarix
