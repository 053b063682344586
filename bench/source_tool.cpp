// Generated sources for measuring outside the benchmark harness, such as
// counting instructions under callgrind (bench/callgrind_per_byte.sh):
//   peltarix_bench_source generate BYTES FILE   writes a source of about BYTES bytes
//   peltarix_bench_source read FILE             reads, validates and indexes FILE
//                                               as a run's first step does

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "qv_generator.h"
#include "run/run_context.h"
#include "run/validation.h"

namespace {

class DiscardedLog : public peltarix::LogView {
 public:
  void AppendLine(std::string) override {}
  void ShowNow() override {}
  void Clear() override {}
};

int Usage() {
  std::cerr << "usage: peltarix_bench_source generate BYTES FILE | read FILE\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view command = argc > 1 ? argv[1] : "";
  if (command == "generate" && argc == 4) {
    std::ofstream file(argv[3], std::ios::binary);
    file << peltarix::bench::GenerateSource(std::strtoull(argv[2], nullptr, 10));
    return file ? 0 : 1;
  }
  if (command == "read" && argc == 3) {
    DiscardedLog view;
    peltarix::RunContext context(view);
    context.source_file_path = argv[2];
    // Checked but never written: a path beside the source, as a run would use.
    context.destination_file_path = std::string(argv[2]) + ".csv";
    return peltarix::ValidateSource(context) == 0 ? 0 : 1;
  }
  return Usage();
}
