#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>

#include "win/converter_dialog.h"
#include "win/dialog_resizer.h"
#include "win/log_list_box.h"
#include "win/preview_window.h"
#include "win/registry_settings_store.h"
#include "window_model/converter_window_model.h"
#include "window_model/window_view.h"

namespace peltarix::win {

// The converter window on the dialog resource: a view over
// ConverterWindowModel. It forwards what the user does in the dialog's
// controls and shows what the model tells it.
class ConverterWindow final : public WindowView {
 public:
  ConverterWindow(HINSTANCE instance, SettingsStore& store, StartFields fields);
  ~ConverterWindow() override;
  ConverterWindow(const ConverterWindow&) = delete;
  ConverterWindow& operator=(const ConverterWindow&) = delete;

  HINSTANCE instance() const { return instance_; }
  HICON big_icon() const { return big_icon_; }

  // The dialog's messages; each returns what the dialog procedure returns.
  BOOL OnInitDialog(HWND dialog);
  INT_PTR OnCommand(WORD id, WORD code);
  // WM_VKEYTOITEM of the log: Ctrl+C copies, Ctrl+A selects every line.
  INT_PTR OnListKey(WORD key);
  INT_PTR OnContextMenu(HWND control, LPARAM where);
  void OnDropFiles(HDROP drop);
  void OnGetMinMaxInfo(MINMAXINFO& limits) const;
  void OnSize(int client_width, int client_height);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnPaintMinimized();

 private:
  void Close(WORD id);
  void CopyLog();
  // Opens the last run's picture; an earlier preview window gives way.
  void OpenPreview();
  std::string FieldText(int id) const;

  // WindowView
  void ShowSourcePath(const std::string& path) override;
  void ShowDestinationPath(const std::string& path) override;
  void ShowTicks(const DataKindSet& kinds) override;
  void ShowPreviewReady(bool ready) override;
  void AppendLogLine(const LogLine& line) override;
  void ShowLogNow() override;
  void ClearLog() override;
  void Notice(const std::string& text, NoticeIcon icon) override;
  std::optional<std::string> ChooseFile(const FileRequest& request) override;
  bool AskYesNo(const std::string& question) override;

  HINSTANCE instance_;
  StartFields fields_;
  ConverterWindowModel model_;
  HWND dialog_ = nullptr;
  HICON big_icon_ = nullptr;
  HICON small_icon_ = nullptr;
  int dpi_ = 96;
  std::unique_ptr<LogListBox> log_;
  std::unique_ptr<DialogResizer> resizer_;
  std::unique_ptr<PreviewWindow> preview_;
};

}  // namespace peltarix::win
