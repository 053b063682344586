// Replays inputs through a fuzz harness's entry function without libFuzzer,
// so that the committed seeds run in every test run with any compiler: each
// argument is an input file or a folder of them. A harness stops the process
// on a wrong answer; the name printed last is the input that did it.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int arg = 1; arg < argc; ++arg) {
    const std::filesystem::path path(argv[arg]);
    if (!std::filesystem::is_directory(path)) {
      inputs.push_back(path);
      continue;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    inputs.insert(inputs.end(), files.begin(), files.end());
  }
  if (inputs.empty()) {
    std::fprintf(stderr, "usage: %s INPUT-FILE-OR-FOLDER...\n", argv[0]);
    return 2;
  }
  for (const std::filesystem::path& input : inputs) {
    std::printf("replaying %s\n", input.string().c_str());
    std::fflush(stdout);
    std::ifstream file(input, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "cannot read %s\n", input.string().c_str());
      return 1;
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return 0;
}
