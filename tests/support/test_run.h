#pragma once

#include <string>
#include <vector>

#include "run/progress_log.h"
#include "run/run_context.h"
#include "source/source_index.h"

namespace peltarix::testing {

// A log view that keeps the lines, for assertions.
class CapturedLog : public LogView {
 public:
  void AppendLine(const std::string& line) override { lines.push_back(line); }
  void ShowNow() override { ++show_count; }
  void Clear() override { lines.clear(); }

  std::vector<std::string> lines;
  int show_count = 0;
};

// A run context over an in-memory source text, for converter tests: no
// files, no validation; set `context.floors` as the test needs.
struct TestRun {
  explicit TestRun(std::string qv_text = {}) : context(log) {
    context.SetSource(SourceIndex(SourceSnapshot(std::move(qv_text))));
  }

  const std::vector<std::string>& log_lines() const { return log.lines; }
  // The record lines after the header slot, each ending in "\n".
  std::vector<std::string> records() const {
    return {context.output_lines.begin() + 1, context.output_lines.end()};
  }

  CapturedLog log;
  RunContext context;
};

}  // namespace peltarix::testing
