#pragma once

// The reference model of the source lookups: a literal scan of the file's
// bytes, one line at a time, exactly as a reader that opens the file in text
// mode and calls fgets with a 256-byte buffer would do it. Slow and plain on
// purpose; the indexed lookups must give the same values on every file.

#include <string>
#include <string_view>

#include "source/c_numbers.h"

namespace peltarix::testing {

class LiteralReader {
 public:
  // `bytes` as stored on disk; text-mode reading folds CR LF and stops at 1A.
  explicit LiteralReader(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\x1a') break;
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
      text_ += bytes[i];
    }
  }

  bool eof() const { return eof_; }

  // fgets(buffer, 256, file), then the trailing LF removed; the empty line
  // when nothing is left. The end-of-file flag is set when a read runs into
  // the end of the data.
  std::string ReadLine() {
    std::string line;
    while (line.size() < 255) {
      if (pos_ >= text_.size()) {
        eof_ = true;
        return line;
      }
      const char c = text_[pos_++];
      if (c == '\n') return line;
      line += c;
    }
    return line;
  }

 private:
  std::string text_;
  std::size_t pos_ = 0;
  bool eof_ = false;
};

inline std::string LiteralLookupValue(std::string_view file, const std::string& section,
                                      const std::string& group, const std::string& key,
                                      const std::string& index) {
  LiteralReader reader(file);
  const std::string section_end = section + "END";
  std::string value;
  bool taken = false;
  bool in_records = section == "QVINFO";
  int step = 3;
  std::string line;
  for (;;) {
    switch (step) {
      case 3:
        if (taken || reader.eof()) return value;
        if (reader.ReadLine() == section) step = in_records ? 5 : 4;
        break;
      case 4:
        if (reader.eof()) return value;
        line = reader.ReadLine();
        if (line == section_end) return value;
        if (line == "QVDTDTL") {
          in_records = true;
          step = 5;
        }
        break;
      case 5:
        if (taken || reader.eof()) return value;
        line = reader.ReadLine();
        if (line == section_end) {
          step = 3;
        } else if (line == group) {
          if (!index.empty() && reader.ReadLine() != index) break;
          step = 6;
        }
        break;
      case 6:
        if (reader.eof()) return value;
        line = reader.ReadLine();
        if (line == section_end || line == "ENDSEC" || line == "QVDTDTLEND") {
          step = 5;
        } else if (line == key) {
          value = reader.ReadLine();
          taken = true;
          return value;
        }
        break;
    }
  }
}

inline int LiteralLookupCount(std::string_view file, const std::string& section,
                              const std::string& key) {
  LiteralReader reader(file);
  const std::string section_end = section + "END";
  std::string count;
  bool found = false;
  int step = 3;
  std::string line;
  for (;;) {
    switch (step) {
      case 3:
        if (found || reader.eof()) return Atoi(count);
        if (reader.ReadLine() == section) step = 4;
        break;
      case 4:
        if (found) return Atoi(count);
        if (reader.eof()) {
          step = 3;
          break;
        }
        line = reader.ReadLine();
        if (line == section_end) step = 3;
        if (line == "QVDTSMR") step = 5;
        break;
      case 5:
        if (reader.eof()) {
          step = 4;
          break;
        }
        line = reader.ReadLine();
        if (line == section_end || line == "QVDTSMREND") {
          step = 4;
        } else if (line == key) {
          count = reader.ReadLine();
          found = true;
          step = 4;
        }
        break;
    }
  }
}

}  // namespace peltarix::testing
