#pragma once

#include <cstddef>
#include <functional>

#include "cli/file_outcome.h"

namespace peltarix::cli {

// Runs convert(0) .. convert(count - 1) on up to `jobs` threads and hands
// each outcome to deliver() on the calling thread, in index order, as soon
// as it and all before it are done: transcripts come out whole and in the
// order of the arguments, whatever finishes first. progress(done) is called
// on the calling thread whenever another file has finished.
void RunInParallel(std::size_t count, int jobs,
                   const std::function<FileOutcome(std::size_t)>& convert,
                   const std::function<void(std::size_t, FileOutcome&)>& deliver,
                   const std::function<void(std::size_t)>& progress);

}  // namespace peltarix::cli
