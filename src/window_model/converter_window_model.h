#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "conversion/data_kinds.h"
#include "preview/plan_model.h"
#include "window_model/window_log.h"
#include "window_model/window_settings.h"
#include "window_model/window_view.h"

namespace peltarix {

// The plan picture of a successful run, for the preview button.
struct RunPreview {
  std::string svg;
  PlanModel model;
  // The CSV's path without its extension: pictures are saved beside it.
  std::string base_path;
  // The source's file name that heads the picture, as the SVG shows it.
  std::string caption;
};

// Everything the converter window does, without a window toolkit: the two
// paths and the CSV proposal, the six ticks, the settings kept between
// starts, the question before an existing file is replaced, the run with
// its transcript and (when wanted) its plan picture, and the log with
// copying and saving. A view forwards what the user does and shows what
// the model tells it through WindowView.
class ConverterWindowModel {
 public:
  ConverterWindowModel(WindowView& view, SettingsStore& store);

  // Reads the settings and shows the ticks; returns the remembered
  // placement (empty for the laid-out size).
  std::string Start();
  // Stores the folders, ticks and `placement` for the next start.
  void Close(std::string placement);

  // The views with a preview window ask for the plan picture of each run;
  // without it no picture is built.
  void set_preview_wanted(bool wanted) { preview_wanted_ = wanted; }

  const std::string& source_path() const { return source_path_; }
  const std::string& destination_path() const { return destination_path_; }
  DataKindSet ticked_kinds() const { return ticks_; }
  const std::vector<LogLine>& log_lines() const { return log_.lines(); }
  // The picture of the last run, if it succeeded and a picture was wanted.
  const std::optional<RunPreview>& preview() const { return preview_; }

  // The source field changed (typed, dropped, named on the command line):
  // while the CSV field holds the last proposal or nothing, it follows with
  // the CSV beside the new source.
  void EditSourcePath(std::string path);
  // The CSV field changed by typing.
  void EditDestinationPath(std::string path);
  void SetTicked(DataKind kind, bool ticked);
  // A source named on the command line, made absolute.
  void OpenSource(std::string_view path);
  // Files dropped on the window: one .QV file fills the source. False (the
  // drop refused) for anything else.
  bool AcceptsDrop(const std::vector<std::string>& files) const;
  bool Drop(const std::vector<std::string>& files);

  void BrowseSource();
  void BrowseDestination();
  // One press of "実行". Returns the run's status, or nothing when no run
  // started (an empty name, or いいえ to replacing the CSV).
  std::optional<int> Execute();
  // The selected log rows (all when none) as the clipboard takes them.
  std::string CopyText(std::vector<std::size_t> selected_rows) const;
  // "ログを保存…": asks where, then writes the whole log.
  void SaveLog();
  // Writes a file the preview window saves, after the replace rule. False
  // (after telling the user) when it is not written.
  bool SaveFile(const std::string& path, std::string_view bytes, bool confirmed);

 private:
  void RememberFolders();
  void ShowDestination(std::string path);

  WindowView& view_;
  SettingsStore& store_;
  WindowSettings settings_;
  WindowLog log_;
  std::string source_path_;
  std::string destination_path_;
  // The CSV path last filled in from the source; while the field still
  // holds it (or nothing), a new source replaces it.
  std::string proposed_destination_;
  // The CSV paths the user confirmed (Save dialog, はい) or a run of this
  // window wrote: replacing them asks nothing.
  std::set<std::string> confirmed_destinations_;
  // The source of the run the log shows, for the saved log's name.
  std::string logged_source_;
  DataKindSet ticks_ = DataKindSet::All();
  bool preview_wanted_ = false;
  std::optional<RunPreview> preview_;
};

}  // namespace peltarix
