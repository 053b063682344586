#include "conversion/transcript.h"

#include "conversion/conversion_run.h"
#include "run/number_format.h"

namespace peltarix {
namespace {

std::string Banner(std::string_view head, const LocalClock& clock) {
  std::string line(head);
  line += "[";
  line += FormatTimestamp(TimestampForm::kDisplay, clock).value_or("");
  line += "]☆☆☆";
  return line;
}

}  // namespace

std::optional<std::string_view> EmptyNameMessage(std::string_view source_path,
                                                 std::string_view destination_path) {
  if (source_path.empty()) return kEmptySourceNameMessage;
  if (destination_path.empty()) return kEmptyDestinationNameMessage;
  return std::nullopt;
}

int RunWithTranscript(RunContext& context, const DataKindSet& kinds) {
  context.log.Clear();
  context.LogMessage(kInformation, Banner("☆☆☆コンバート開始", context.clock));
  int status = -1;
  try {
    status = RunConversion(context, kinds);
  } catch (const std::exception& error) {
    // Nothing unexpected may end a run silently: it is reported as an error.
    context.LogMessage(kError, std::string("予期しないエラーが発生しました: ") + error.what());
    status = -1;
  }
  context.LogMessage(kInformation, "エラー " + FormatInt(context.log.error_count()) + "、警告 " +
                                       FormatInt(context.log.warning_count()));
  context.LogMessage(kInformation,
                     status == 0 ? "△▼△正常終了しました△▼△" : "▲▽▲正常に終了できませんでした▲▽▲");
  context.LogMessage(kInformation, Banner("☆☆☆コンバート終了", context.clock));
  return status;
}

}  // namespace peltarix
