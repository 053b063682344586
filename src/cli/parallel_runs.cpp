#include "cli/parallel_runs.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace peltarix::cli {
namespace {

// Nothing unexpected may end a worker thread (which would end the process):
// the file is reported as failed instead.
FileOutcome ConvertGuarded(const std::function<FileOutcome(std::size_t)>& convert,
                           std::size_t index) {
  try {
    return convert(index);
  } catch (...) {
    FileOutcome failed;
    failed.status = FileStatus::kFailed;
    failed.errors = 1;
    failed.transcript.push_back({LineSeverity::kError, "ERROR！ 予期しないエラーが発生しました"});
    return failed;
  }
}

}  // namespace

void RunInParallel(std::size_t count, int jobs,
                   const std::function<FileOutcome(std::size_t)>& convert,
                   const std::function<void(std::size_t, FileOutcome&)>& deliver,
                   const std::function<void(std::size_t)>& progress) {
  std::vector<std::optional<FileOutcome>> outcomes(count);
  std::mutex mutex;
  std::condition_variable finished;
  std::size_t next = 0;
  std::size_t done = 0;

  auto work = [&] {
    while (true) {
      std::size_t index;
      {
        const std::lock_guard lock(mutex);
        if (next == count) return;
        index = next++;
      }
      FileOutcome outcome = ConvertGuarded(convert, index);
      {
        const std::lock_guard lock(mutex);
        outcomes[index] = std::move(outcome);
        ++done;
      }
      finished.notify_one();
    }
  };
  const std::size_t thread_count = std::min<std::size_t>(std::max(jobs, 1), count);
  std::vector<std::jthread> workers;
  if (thread_count > 1) {
    try {
      for (std::size_t i = 0; i < thread_count; ++i) workers.emplace_back(work);
    } catch (const std::system_error&) {
      // No room for another thread (an address-space limit): go on with the
      // threads there are, or convert here.
    }
  }
  if (workers.empty()) work();

  std::size_t reported = 0;
  for (std::size_t index = 0; index < count; ++index) {
    std::unique_lock lock(mutex);
    while (true) {
      if (done != reported) {
        reported = done;
        lock.unlock();
        progress(reported);
        lock.lock();
      }
      if (outcomes[index]) break;
      finished.wait(lock, [&] { return done != reported; });
    }
    FileOutcome outcome = std::move(*outcomes[index]);
    outcomes[index].reset();
    lock.unlock();
    deliver(index, outcome);
  }
}

}  // namespace peltarix::cli
