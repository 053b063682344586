// Houses per second for a batch of 40 generated houses: one command with
// -j 1 and -j 2 against 40 separate runs of the binary one after another
// (each paying for its own process start). Wall time, since the point of
// -j is to use more than one core.

#include <benchmark/benchmark.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/convert_command.h"
#include "qv_generator.h"

namespace peltarix::bench {
namespace {

constexpr int kHouses = 40;
// A house of about 100 kB: the middle of what the CAD system exports.
constexpr std::size_t kHouseBytes = 100 << 10;

struct BatchFolder {
  BatchFolder() {
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(houses);
    const std::string source = GenerateSource(kHouseBytes);
    for (int i = 0; i < kHouses; ++i) {
      std::ofstream(houses / ("house" + std::to_string(i) + ".QV"), std::ios::binary) << source;
    }
  }
  ~BatchFolder() { std::filesystem::remove_all(root); }

  std::filesystem::path root = std::filesystem::temp_directory_path() / "peltarix-batch-bench";
  std::filesystem::path houses = root / "houses";
  std::filesystem::path out = root / "out";
};

void BM_BatchCommand(benchmark::State& state) {
  const BatchFolder folder;
  const std::string jobs = std::to_string(state.range(0));
  const std::string houses = folder.houses.string();
  const std::string out = folder.out.string();
  const char* argv[] = {"peltarix-convert", "-q",           "-y", "-j",
                        jobs.c_str(),       houses.c_str(), "-o", out.c_str()};
  for (auto _ : state) {
    std::istringstream in;
    std::ostringstream discarded_out;
    std::ostringstream discarded_err;
    if (cli::RunConvertCommand(static_cast<int>(std::size(argv)), argv,
                               {in, discarded_out, discarded_err, false},
                               UserLanguage::kEnglish) != 0) {
      state.SkipWithError("batch failed");
    }
  }
  state.counters["houses/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kHouses,
                                                  benchmark::Counter::kIsRate);
}

void BM_SeparateRuns(benchmark::State& state) {
  const BatchFolder folder;
  std::filesystem::create_directories(folder.out);
  for (auto _ : state) {
    for (int i = 0; i < kHouses; ++i) {
      const std::string name = "house" + std::to_string(i);
      const std::string command = std::string("'") + PELTARIX_CONVERT_BINARY + "' -q -y '" +
                                  (folder.houses / (name + ".QV")).string() + "' -o '" +
                                  (folder.out / (name + ".csv")).string() + "'";
      if (std::system(command.c_str()) != 0) state.SkipWithError("run failed");
    }
  }
  state.counters["houses/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kHouses,
                                                  benchmark::Counter::kIsRate);
}

BENCHMARK(BM_BatchCommand)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeparateRuns)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace peltarix::bench
