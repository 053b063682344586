#include "window_model/converter_window_model.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "conversion/csv_beside_source.h"
#include "conversion/file_heading.h"
#include "conversion/transcript.h"
#include "preview/preview_file.h"
#include "run/output_policy.h"
#include "run/run_context.h"
#include "run/shown_path.h"
#include "window_model/replace_question.h"
#include "window_model/window_file_names.h"

namespace peltarix {

namespace {

// What the output rules say of writing `output` in a run that reads
// `source` (an empty source field counts as none).
std::optional<OutputRefusal> RefusalOf(const std::string& source, const std::string& output) {
  std::vector<std::string> sources;
  if (!source.empty()) sources.push_back(source);
  const std::string outputs[] = {output};
  std::vector<OutputRefusal> refusals = CheckOutputs(sources, outputs);
  if (refusals.empty()) return std::nullopt;
  return refusals.front();
}

constexpr FileFilter kEveryFile{"すべて(*.*)", "*.*"};

}  // namespace

ConverterWindowModel::ConverterWindowModel(WindowView& view, SettingsStore& store)
    : view_(view), store_(store), log_(view) {}

std::string ConverterWindowModel::Start() {
  settings_ = store_.Load();
  for (const DataKindRow& row : kDataKindRows) {
    const auto tick = settings_.ticks.find(std::string(row.word));
    if (tick != settings_.ticks.end()) ticks_.Set(row.kind, tick->second);
  }
  view_.ShowTicks(ticks_);
  view_.ShowPreviewReady(false);
  return settings_.placement;
}

void ConverterWindowModel::Close(std::string placement) {
  for (const DataKindRow& row : kDataKindRows) {
    settings_.ticks[std::string(row.word)] = ticks_.Contains(row.kind);
  }
  settings_.placement = std::move(placement);
  store_.Save(settings_);
}

void ConverterWindowModel::EditSourcePath(std::string path) {
  if (path == source_path_) return;
  source_path_ = std::move(path);
  view_.ShowSourcePath(source_path_);
  // A path the user typed or chose stays until they empty the field.
  if (!destination_path_.empty() && destination_path_ != proposed_destination_) return;
  proposed_destination_ = CsvBesideSource(source_path_);
  ShowDestination(proposed_destination_);
}

void ConverterWindowModel::EditDestinationPath(std::string path) {
  if (path == destination_path_) return;
  destination_path_ = std::move(path);
  view_.ShowDestinationPath(destination_path_);
}

void ConverterWindowModel::ShowDestination(std::string path) {
  destination_path_ = std::move(path);
  view_.ShowDestinationPath(destination_path_);
}

void ConverterWindowModel::SetTicked(DataKind kind, bool ticked) { ticks_.Set(kind, ticked); }

void ConverterWindowModel::OpenSource(std::string_view path) { EditSourcePath(AbsolutePath(path)); }

bool ConverterWindowModel::AcceptsDrop(const std::vector<std::string>& files) const {
  return !DroppedQvFile(files).empty();
}

bool ConverterWindowModel::Drop(const std::vector<std::string>& files) {
  std::string file = DroppedQvFile(files);
  if (file.empty()) return false;
  EditSourcePath(std::move(file));
  return true;
}

void ConverterWindowModel::BrowseSource() {
  const FileRequest request{.title = "変換元QVファイル指定",
                            .filters = {{"QVﾌｧｲﾙ(*.QV)", "*.QV"}, kEveryFile},
                            .must_exist = true,
                            .directory = StartFolder(source_path_, settings_.source_folder),
                            .proposed_name = {},
                            .default_suffix = {}};
  if (auto chosen = view_.ChooseFile(request)) {
    settings_.source_folder = FolderOf(*chosen);
    EditSourcePath(std::move(*chosen));
  }
}

void ConverterWindowModel::BrowseDestination() {
  // A save dialog: a new name may be typed, ".csv" is added to a name
  // without an extension, and an existing file is replaced only when the
  // user confirms there.
  const FileRequest request{
      .title = "変換先CSVファイル指定",
      .filters = {{"CSVﾌｧｲﾙ(*.CSV)", "*.CSV"}, kEveryFile},
      .must_exist = false,
      .directory = StartFolder(destination_path_, settings_.destination_folder),
      .proposed_name = FileNameOf(destination_path_),
      .default_suffix = "csv"};
  if (auto chosen = view_.ChooseFile(request)) {
    settings_.destination_folder = FolderOf(*chosen);
    confirmed_destinations_.insert(*chosen);
    EditDestinationPath(std::move(*chosen));
  }
}

std::optional<int> ConverterWindowModel::Execute() {
  if (const auto message = EmptyNameMessage(source_path_, destination_path_)) {
    // The only messages that bypass the log; the log keeps the last run.
    view_.Notice(std::string(*message), NoticeIcon::kWarning);
    return std::nullopt;
  }
  // The CSV may not replace the file it is read from; a design file named as
  // the CSV is refused by the run itself, in the log.
  if (const auto refusal = RefusalOf(source_path_, destination_path_);
      refusal && refusal->conflict == OutputConflict::kIsSource) {
    view_.Notice(destination_path_ + "：" + std::string(refusal->reason()), NoticeIcon::kWarning);
    return std::nullopt;
  }
  // A proposed or typed CSV name was never shown to the user as a file that
  // is already there.
  if (!MayReplace(view_, destination_path_, confirmed_destinations_.contains(destination_path_))) {
    return std::nullopt;
  }
  confirmed_destinations_.insert(destination_path_);
  logged_source_ = source_path_;
  RememberFolders();
  preview_.reset();
  view_.ShowPreviewReady(false);

  // Runs here, on the window's thread: the window takes no input until the
  // run is over, and the view paints each log line as it comes.
  log_.set_heading(FileHeadingLine(source_path_, destination_path_));
  RunContext context(log_);
  context.source_file_path = source_path_;
  context.destination_file_path = destination_path_;
  PerimeterBlocks blocks;
  AfterConversion build_preview;
  std::optional<RunPreview> preview;
  if (preview_wanted_) {
    context.perimeter_blocks = &blocks;
    build_preview = [&](RunContext& run) {
      preview =
          RunPreview{RenderRunPreview(run, blocks), PlanOfRun(run, blocks),
                     WithoutExtension(destination_path_), ShownPath(FileNameOf(source_path_))};
      return 0;
    };
  }
  const int status = RunWithTranscript(context, ticks_, build_preview);
  if (status == 0 && preview) {
    preview_ = std::move(preview);
    view_.ShowPreviewReady(true);
  }
  return status;
}

void ConverterWindowModel::RememberFolders() {
  // Only folders that exist: a mistyped path must not send the next
  // chooser somewhere that is not there.
  if (std::string folder = ExistingFolderOf(source_path_); !folder.empty()) {
    settings_.source_folder = std::move(folder);
  }
  if (std::string folder = ExistingFolderOf(destination_path_); !folder.empty()) {
    settings_.destination_folder = std::move(folder);
  }
}

std::string ConverterWindowModel::CopyText(std::vector<std::size_t> selected_rows) const {
  return log_.CopyText(std::move(selected_rows));
}

void ConverterWindowModel::SaveLog() {
  const std::string& source = logged_source_.empty() ? source_path_ : logged_source_;
  const FileRequest request{.title = "ログを保存",
                            .filters = {{"テキストﾌｧｲﾙ(*.txt)", "*.txt"}, kEveryFile},
                            .must_exist = false,
                            .directory = StartFolder(source, settings_.destination_folder),
                            .proposed_name = LogFileName(source),
                            .default_suffix = "txt"};
  // The Save dialog asks before replacing a file.
  if (const auto chosen = view_.ChooseFile(request)) SaveFile(*chosen, log_.FileText(), true);
}

bool ConverterWindowModel::SaveFile(const std::string& path, std::string_view bytes,
                                    bool confirmed) {
  if (const auto refusal = RefusalOf(source_path_, path)) {
    view_.Notice("保存できませんでした。\n詳細：" + path + "：" + std::string(refusal->reason()),
                 NoticeIcon::kCritical);
    return false;
  }
  if (!MayReplace(view_, path, confirmed)) return false;
  // An earlier file under the name stays whole until the new one is
  // complete, and a failure says why in Japanese.
  const std::optional<FileFailure> failure = WriteOutputFile(path, bytes);
  if (!failure) return true;
  view_.Notice("保存できませんでした。\n詳細：" + path + "：" + std::string(failure->reason_text()),
               NoticeIcon::kCritical);
  return false;
}

}  // namespace peltarix
