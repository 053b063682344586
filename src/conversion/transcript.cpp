#include "conversion/transcript.h"

#include <new>
#include <stdexcept>

#include "conversion/conversion_run.h"
#include "run/file_failure_log.h"
#include "run/number_format.h"

namespace peltarix {
namespace {

constexpr std::string_view kOutOfMemoryError = "メモリが不足しているためコンバートできません";
constexpr std::string_view kUnexpectedError =
    "予期しないエラーが発生したためコンバートを中止しました";

std::string Banner(std::string_view head, const LocalClock& clock) {
  std::string line(head);
  line += "[";
  line += FormatTimestamp(TimestampForm::kDisplay, clock).value_or("");
  line += "]☆☆☆";
  return line;
}

// The count line, the result line and the end banner.
void LogClosingLines(RunContext& context, int status) {
  context.LogMessage(kInformation, "エラー " + FormatInt(context.log.error_count()) + "、警告 " +
                                       FormatInt(context.log.warning_count()));
  context.LogMessage(kInformation,
                     status == 0 ? "△▼△正常終了しました△▼△" : "▲▽▲正常に終了できませんでした▲▽▲");
  context.LogMessage(kInformation, Banner("☆☆☆コンバート終了", context.clock));
}

// What reporting a lack of memory needs, got before the run: once memory has
// run out, nothing may be built. The report first hands back a reserve and
// the run's own buffers, so that the log lines after it find room.
class OutOfMemoryReport {
 public:
  explicit OutOfMemoryReport(const RunContext& context)
      : failure_{context.source_file_path, FailureReason::kOutOfMemory},
        detail_(DetailLine(failure_)),
        reserve_(::operator new(kReserveBytes)) {}
  ~OutOfMemoryReport() { ::operator delete(reserve_); }
  OutOfMemoryReport(const OutOfMemoryReport&) = delete;
  OutOfMemoryReport& operator=(const OutOfMemoryReport&) = delete;

  void Report(RunContext& context) noexcept {
    ::operator delete(reserve_);
    reserve_ = nullptr;
    context.output_lines.Clear();
    context.SetSource(std::move(spare_source_));
    try {
      context.LogMessage(kError, kOutOfMemoryError);
      context.LogMessage(kDetail, detail_);
    } catch (...) {
      // The closing lines still try; the run fails either way.
    }
    context.last_file_failure = std::move(failure_);
  }

 private:
  // Enough for the log lines and the views that show them.
  static constexpr std::size_t kReserveBytes = std::size_t{1} << 20;

  FileFailure failure_;
  std::string detail_;
  SourceIndex spare_source_;
  void* reserve_;
};

// The CSV is written by now: an unexpected failure here costs the extra
// only, so it is an error line of its own and leaves the run's status alone.
// Memory exhaustion goes on to the run's own out-of-memory report.
int RunAfterConversion(RunContext& context, const AfterConversion& after_success) {
  try {
    return after_success(context);
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::length_error&) {
    throw;
  } catch (...) {
    context.LogMessage(kError, kAfterConversionError);
    return 0;
  }
}

}  // namespace

std::optional<std::string_view> EmptyNameMessage(std::string_view source_path,
                                                 std::string_view destination_path) {
  if (source_path.empty()) return kEmptySourceNameMessage;
  if (destination_path.empty()) return kEmptyDestinationNameMessage;
  return std::nullopt;
}

int RunWithTranscript(RunContext& context, const DataKindSet& kinds,
                      const AfterConversion& after_success) {
  context.last_file_failure.reset();
  OutOfMemoryReport out_of_memory(context);
  int status = -1;
  try {
    context.log.Clear();
    context.LogMessage(kInformation, Banner("☆☆☆コンバート開始", context.clock));
    status = RunConversion(context, kinds);
    if (status == 0 && after_success) status = RunAfterConversion(context, after_success);
  } catch (const std::bad_alloc&) {
    out_of_memory.Report(context);
  } catch (const std::length_error&) {
    // A buffer asked to grow beyond what can be allocated at all.
    out_of_memory.Report(context);
  } catch (const std::exception&) {
    // Nothing unexpected may end a run silently; its own text (English, from
    // a library) is no message for the user.
    context.LogMessage(kError, kUnexpectedError);
  } catch (...) {
    context.LogMessage(kError, kUnexpectedError);
  }
  try {
    LogClosingLines(context, status);
  } catch (const std::bad_alloc&) {
    // The log cannot be completed; the status still tells the failure.
    return -1;
  }
  return status;
}

void LogOutOfMemoryRun(RunContext& context) {
  context.log.Clear();
  context.log.ResetCounts();
  context.LogMessage(kInformation, Banner("☆☆☆コンバート開始", context.clock));
  LogFileFailure(context, kOutOfMemoryError,
                 FileFailure{context.source_file_path, FailureReason::kOutOfMemory});
  LogClosingLines(context, -1);
}

}  // namespace peltarix
