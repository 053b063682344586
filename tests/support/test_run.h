#pragma once

#include <array>
#include <string>
#include <vector>

#include "run/progress_log.h"
#include "run/run_context.h"
#include "source/source_index.h"

namespace peltarix::testing {

// A log view that keeps the lines, for assertions.
class CapturedLog : public LogView {
 public:
  void AppendLine(std::string line) override { lines.push_back(std::move(line)); }
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
    std::vector<std::string> lines;
    for (int index = 1; index <= context.last_line_index(); ++index) {
      lines.emplace_back(context.output_lines.line(index));
    }
    return lines;
  }

  CapturedLog log;
  RunContext context;
};

// Sets the storeys as validation and ComputeFloorLevels leave them: `level`
// as FloorValues holds it, level[1] being the foundation height.
inline void SetLevels(RunContext& context, int floor_count, const std::array<double, 5>& level) {
  context.floors.floor_count = floor_count;
  context.floors.foundation_height = level[1];
  context.floors.level = level;
}

// Three storeys of 2800 on a foundation of 500.
inline constexpr std::array<double, 5> kThreeStoreyLevels = {0.0, 500.0, 3300.0, 6100.0, 8900.0};

}  // namespace peltarix::testing
