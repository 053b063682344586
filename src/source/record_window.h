#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "source/source_index.h"

namespace peltarix {

// The first lines of one record's key scan, up to its terminator, with the
// first position of each text among them. A converter asks for every key of
// one record in a row; the record is read once, and each key is then found
// by its hash instead of by comparing it with the record's lines.
class RecordWindow {
 public:
  // Lines a window holds at most; records of the file hold a few dozen.
  static constexpr std::size_t kMaxLines = 64;

  // How the key scan from the window's start ends for one key.
  enum class Outcome {
    kKey,         // the key line stands in the window
    kTerminator,  // a record terminator comes first
    kEndOfFile,   // the file ends first
    kBeyond,      // neither within the window's lines: scan on from `end()`
  };

  // Reads the key scan that starts at `start`, stopping at `section_end`,
  // "ENDSEC" or "QVDTDTLEND". `owner` and `node` name the record.
  void Open(const SourceIndex& source, std::size_t start, std::string_view section_end,
            const void* owner, std::uint32_t node);
  bool Holds(const void* owner, std::uint32_t node) const {
    return owner == owner_ && node == node_;
  }

  // Where the scan for `key` ends; with kKey, `key_line` receives the key
  // line's position.
  Outcome Find(std::string_view key, std::size_t& key_line) const;

  std::size_t end() const { return end_; }

 private:
  static constexpr std::size_t kSlots = 2 * kMaxLines;  // a power of two
  static constexpr std::uint32_t kFree = UINT32_MAX;

  const SourceIndex* source_ = nullptr;
  const void* owner_ = nullptr;
  std::uint32_t node_ = 0;
  std::size_t end_ = 0;  // the line after the window's last
  Outcome stop_ = Outcome::kEndOfFile;
  std::array<std::uint32_t, kSlots> hashes_{};
  std::array<std::uint32_t, kSlots> lines_{};  // kFree in an empty slot
};

}  // namespace peltarix
