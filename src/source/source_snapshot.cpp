#include "source/source_snapshot.h"

#include <limits>
#include <stdexcept>

namespace peltarix {
namespace {

// What a text-mode read delivers: CR LF becomes LF, and a byte 1A marks the
// end of the file (anything after it is never read).
std::string TextModeBytes(std::string bytes) {
  const std::size_t eof_mark = bytes.find('\x1a');
  if (eof_mark != std::string::npos) bytes.resize(eof_mark);
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text.push_back(bytes[i]);
  }
  return text;
}

}  // namespace

SourceSnapshot::SourceSnapshot(std::string bytes) : text_(TextModeBytes(std::move(bytes))) {
  if (text_.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("source file too large");
  }
  const std::size_t size = text_.size();
  std::size_t pos = 0;
  std::size_t last_piece_length = 0;
  bool last_piece_ended_at_lf = false;
  while (pos < size) {
    // One read: up to 255 bytes, or up to and including the next LF.
    std::size_t length = 0;
    while (length < kMaxLineBytes && pos + length < size && text_[pos + length] != '\n') ++length;
    const bool ends_at_lf =
        length < kMaxLineBytes && pos + length < size && text_[pos + length] == '\n';
    line_starts_.push_back(static_cast<std::uint32_t>(pos));
    line_lengths_.push_back(static_cast<std::uint32_t>(length));
    pos += length + (ends_at_lf ? 1 : 0);
    last_piece_length = length;
    last_piece_ended_at_lf = ends_at_lf;
  }
  // A read that stops at the end of the data before its buffer is full meets
  // the end of the file; one that stopped at LF or a full buffer does not.
  last_line_reaches_eof_ =
      !line_starts_.empty() && !last_piece_ended_at_lf && last_piece_length < kMaxLineBytes;
}

}  // namespace peltarix
