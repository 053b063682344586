#pragma once

#include <cstdlib>
#include <string>

namespace peltarix::testing {

// The seed of a randomized test: `fixed` unless the environment variable
// PELTARIX_TEST_SEED holds a decimal number, which then replaces it. Every
// run is the same by default; a failure prints its seed (put it in a
// SCOPED_TRACE), and the variable replays it or tries others.
inline unsigned TestSeed(unsigned fixed) {
  const char* chosen = std::getenv("PELTARIX_TEST_SEED");
  if (chosen == nullptr || *chosen == '\0') return fixed;
  return static_cast<unsigned>(std::strtoul(chosen, nullptr, 10));
}

// The trace line that names a test's seed and how to replay it.
inline std::string SeedTrace(unsigned seed) {
  return "seed " + std::to_string(seed) +
         " (replay with PELTARIX_TEST_SEED=" + std::to_string(seed) + ")";
}

}  // namespace peltarix::testing
