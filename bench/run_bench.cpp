// Whole runs (read, validate, all six converters, write) on generated
// sources of 1, 2, 4 and 8 MB; BM_BuildIndex in lookup_bench.cpp measures
// reading and indexing alone.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "conversion/conversion_run.h"
#include "qv_generator.h"
#include "run/run_context.h"
#include "run/validation.h"

namespace peltarix::bench {
namespace {

class DiscardedLog : public LogView {
 public:
  void AppendLine(std::string) override {}
  void ShowNow() override {}
  void Clear() override {}
};

std::string WriteGeneratedSource(std::size_t bytes) {
  const std::string source =
      (std::filesystem::temp_directory_path() / "peltarix-bench.QV").string();
  std::ofstream(source, std::ios::binary) << GenerateSource(bytes);
  return source;
}

// A run's first step alone: reading the file, validating it and indexing its
// lines, the floor under a whole run.
void BM_ReadAndIndex(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(state.range(0)) << 20;
  const std::string source = WriteGeneratedSource(bytes);
  // Checked but never written, as a run's destination is at this step.
  const std::string destination =
      (std::filesystem::temp_directory_path() / "peltarix-bench.csv").string();
  DiscardedLog view;
  for (auto _ : state) {
    RunContext context(view);
    context.source_file_path = source;
    context.destination_file_path = destination;
    if (ValidateSource(context) != 0) state.SkipWithError("validation failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  std::filesystem::remove(source);
}

void BM_WholeRun(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(state.range(0)) << 20;
  const std::string source = WriteGeneratedSource(bytes);
  const std::string destination =
      (std::filesystem::temp_directory_path() / "peltarix-bench.csv").string();
  DiscardedLog view;
  for (auto _ : state) {
    RunContext context(view);
    context.source_file_path = source;
    context.destination_file_path = destination;
    if (RunConversion(context, DataKindSet::All()) != 0) state.SkipWithError("run failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  std::filesystem::remove(source);
  std::filesystem::remove(destination);
}

BENCHMARK(BM_ReadAndIndex)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeRun)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace peltarix::bench
