#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "window_model/window_settings.h"
#include "window_model/window_view.h"

namespace peltarix::testing {

// Stands in for a window and the person at it: records what the model
// shows and asks, and answers file requests and questions from queues
// (an empty file queue cancels, an empty question queue answers いいえ).
class FakeWindowView final : public WindowView {
 public:
  void ShowSourcePath(const std::string& path) override { source_field = path; }
  void ShowDestinationPath(const std::string& path) override { destination_field = path; }
  void ShowTicks(const DataKindSet& kinds) override { ticks = kinds; }
  void ShowPreviewReady(bool ready) override { preview_ready = ready; }
  void AppendLogLine(const LogLine& line) override { log.push_back(line.text); }
  void ShowLogNow() override { ++log_paints; }
  void ClearLog() override { log.clear(); }
  void Notice(const std::string& text, NoticeIcon) override { notices.push_back(text); }
  std::optional<std::string> ChooseFile(const FileRequest& request) override {
    file_requests.push_back(request);
    if (file_answers.empty()) return std::nullopt;
    std::optional<std::string> answer = file_answers.front();
    file_answers.pop_front();
    return answer;
  }
  bool AskYesNo(const std::string& question) override {
    questions.push_back(question);
    if (yes_no_answers.empty()) return false;
    const bool answer = yes_no_answers.front();
    yes_no_answers.pop_front();
    return answer;
  }

  std::string source_field;
  std::string destination_field;
  DataKindSet ticks = DataKindSet::None();
  bool preview_ready = false;
  std::vector<std::string> log;
  int log_paints = 0;
  std::vector<std::string> notices;
  std::vector<FileRequest> file_requests;
  std::deque<std::optional<std::string>> file_answers;
  std::vector<std::string> questions;
  std::deque<bool> yes_no_answers;
};

// Settings kept in memory, as a registry or an INI file keeps them between
// two starts.
class MemorySettingsStore final : public SettingsStore {
 public:
  WindowSettings Load() override { return stored; }
  void Save(const WindowSettings& settings) override { stored = settings; }

  WindowSettings stored;
};

}  // namespace peltarix::testing
