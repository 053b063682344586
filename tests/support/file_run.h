#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "conversion/data_kinds.h"
#include "conversion/transcript.h"
#include "support/temp_dir.h"
#include "support/test_run.h"

namespace peltarix::testing {

// 15 December 2008, 09:05:07: banners and the header date stay the same.
inline std::optional<std::tm> FixedTime() {
  std::tm time{};
  time.tm_year = 2008 - 1900;
  time.tm_mon = 11;
  time.tm_mday = 15;
  time.tm_hour = 9;
  time.tm_min = 5;
  time.tm_sec = 7;
  return time;
}

// One press of the execute button on source bytes written to a temporary
// file, with the transcript the user sees.
struct FileRun {
  explicit FileRun(const std::string& source_bytes) {
    WriteBytes(source, source_bytes);
    run.context.clock = FixedTime;
    run.context.source_file_path = source;
    run.context.destination_file_path = destination;
  }
  int Execute(const DataKindSet& kinds = DataKindSet::All()) {
    return RunWithTranscript(run.context, kinds);
  }
  std::string Csv() const { return ReadBytes(destination); }
  // Names in the run's folder that a file replace left behind.
  std::vector<std::string> LeftoverTempFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with(".peltarix-")) names.push_back(name);
    }
    return names;
  }
  const std::vector<std::string>& log_lines() const { return run.log_lines(); }

  TempDir dir;
  std::string source = dir.File("house.QV");
  std::string destination = dir.File("house.csv");
  TestRun run;
};

}  // namespace peltarix::testing
