#include "win/converter_window.h"

#include <array>
#include <utility>
#include <vector>

#include "conversion/data_kinds.h"
#include "platform/utf16_windows.h"
#include "win/clipboard_text.h"
#include "win/file_dialogs.h"
#include "win/resource_ids.h"
#include "win/window_placement.h"

namespace peltarix::win {
namespace {

constexpr const wchar_t* kAppName = L"PELTARIX";

// The check boxes in the run's order, the order of the data kind table.
constexpr std::array<int, kDataKindCount> kKindBoxes = {
    IDC_KIND_BASIC_INFO, IDC_KIND_BUILDING_OUTLINE,
    IDC_KIND_COLUMNS,    IDC_KIND_PERIMETER,
    IDC_KIND_ROOMS,      IDC_KIND_ROOFS};

// The size of IDD_CONVERTER in peltarix.rc, in dialog units.
constexpr SIZE kTemplateUnits{303, 277};

// The log's context menu.
enum LogMenuItem : UINT { kCopyItem = 1, kSelectAllItem, kSaveItem };

// Extra width goes to the path fields and the log, extra height to the
// log; the buttons keep to the right edge, "終了" to the bottom right.
unsigned FollowOf(int control_id) {
  switch (control_id) {
    case IDC_SOURCE_EDIT:
    case IDC_DESTINATION_EDIT:
      return kWiden;
    case IDC_BROWSE_SOURCE:
    case IDC_BROWSE_DESTINATION:
    case IDC_PREVIEW:
    case IDC_EXECUTE:
      return kMoveRight;
    case IDC_LOG_LIST:
      return kWiden | kHeighten;
    case IDOK:
      return kMoveRight | kMoveDown;
    default:
      return kFixed;
  }
}

void AppendAboutItem(HWND dialog, HINSTANCE instance) {
  const HMENU menu = GetSystemMenu(dialog, FALSE);
  if (menu == nullptr) return;
  const wchar_t* text = nullptr;
  // With a zero length LoadStringW hands out the resource's own text.
  const int length = LoadStringW(instance, IDS_ABOUTBOX, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0) return;
  const std::wstring item(text, static_cast<std::size_t>(length));
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, item.c_str());
}

HICON LoadAppIcon(HINSTANCE instance, int metric_x, int metric_y) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                       GetSystemMetrics(metric_x), GetSystemMetrics(metric_y),
                                       LR_DEFAULTCOLOR));
}

UINT NoticeStyle(NoticeIcon icon) {
  switch (icon) {
    case NoticeIcon::kWarning:
      return MB_ICONWARNING;
    case NoticeIcon::kCritical:
      return MB_ICONERROR;
    case NoticeIcon::kInformation:
      break;
  }
  return MB_ICONINFORMATION;
}

}  // namespace

ConverterWindow::ConverterWindow(HINSTANCE instance, SettingsStore& store, StartFields fields)
    : instance_(instance), fields_(std::move(fields)), model_(*this, store) {}

ConverterWindow::~ConverterWindow() {
  preview_.reset();
  if (big_icon_ != nullptr) DestroyIcon(big_icon_);
  if (small_icon_ != nullptr) DestroyIcon(small_icon_);
}

BOOL ConverterWindow::OnInitDialog(HWND dialog) {
  dialog_ = dialog;
  AppendAboutItem(dialog, instance_);
  big_icon_ = LoadAppIcon(instance_, SM_CXICON, SM_CYICON);
  small_icon_ = LoadAppIcon(instance_, SM_CXSMICON, SM_CYSMICON);
  SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_));
  SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_));
  for (std::size_t i = 0; i < kKindBoxes.size(); ++i) {
    SetDlgItemTextW(dialog, kKindBoxes[i], Utf16FromUtf8(kDataKindRows[i].caption).c_str());
  }
  model_.set_preview_wanted(true);
  log_ = std::make_unique<LogListBox>(GetDlgItem(dialog, IDC_LOG_LIST));
  resizer_ = std::make_unique<DialogResizer>(dialog, kTemplateUnits, FollowOf);
  dpi_ = static_cast<int>(GetDpiForWindow(dialog));
  // A file dropped on any control reaches the dialog: none of them takes
  // drops itself.
  DragAcceptFiles(dialog, TRUE);

  RestorePlacement(dialog, model_.Start(), resizer_->minimum_window());
  // It never opens larger than the screen's free area.
  resizer_->FitIntoWorkArea();
  if (!fields_.source_path.empty()) model_.OpenSource(fields_.source_path);
  if (fields_.destination_path) {
    model_.EditDestinationPath(*fields_.destination_path);
    SetFocus(GetDlgItem(dialog, IDC_EXECUTE));
    return FALSE;  // the focus is set
  }
  return TRUE;  // the system puts the focus on the first tab stop
}

std::string ConverterWindow::FieldText(int id) const {
  const HWND field = GetDlgItem(dialog_, id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
  return Utf8FromUtf16(text);
}

INT_PTR ConverterWindow::OnCommand(WORD id, WORD code) {
  if (code == EN_CHANGE) {
    // Also sent when the model fills a field; the model ignores its own text.
    if (id == IDC_SOURCE_EDIT) model_.EditSourcePath(FieldText(id));
    if (id == IDC_DESTINATION_EDIT) model_.EditDestinationPath(FieldText(id));
    return TRUE;
  }
  if (code != BN_CLICKED) return FALSE;
  for (std::size_t i = 0; i < kKindBoxes.size(); ++i) {
    if (id == kKindBoxes[i]) {
      model_.SetTicked(kDataKindRows[i].kind, IsDlgButtonChecked(dialog_, id) == BST_CHECKED);
      return TRUE;
    }
  }
  switch (id) {
    case IDC_EXECUTE: {
      // The run goes on this thread: the window takes no input until it is
      // over, and the list paints each line as it comes.
      const HCURSOR previous_cursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      model_.Execute();
      SetCursor(previous_cursor);
      return TRUE;
    }
    case IDC_PREVIEW:
      OpenPreview();
      return TRUE;
    case IDC_BROWSE_SOURCE:
      model_.BrowseSource();
      return TRUE;
    case IDC_BROWSE_DESTINATION:
      model_.BrowseDestination();
      return TRUE;
    case IDOK:
    case IDCANCEL:
      Close(id);
      return TRUE;
    default:
      return FALSE;
  }
}

void ConverterWindow::Close(WORD id) {
  model_.Close(PlacementText(dialog_));
  EndDialog(dialog_, id);
}

void ConverterWindow::OpenPreview() {
  const std::optional<RunPreview>& preview = model_.preview();
  if (!preview) return;
  preview_.reset();
  // The Save dialog has asked before replacing a file.
  preview_ = std::make_unique<PreviewWindow>(
      dialog_, *preview, [this](const std::string& path, std::string_view bytes) {
        return model_.SaveFile(path, bytes, true);
      });
}

void ConverterWindow::CopyLog() { PutOnClipboard(dialog_, model_.CopyText(log_->SelectedRows())); }

INT_PTR ConverterWindow::OnListKey(WORD key) {
  if (GetKeyState(VK_CONTROL) >= 0) return -1;  // the list's own handling
  if (key == 'C') {
    CopyLog();
    return -2;
  }
  if (key == 'A') {
    log_->SelectAll();
    return -2;
  }
  return -1;
}

INT_PTR ConverterWindow::OnContextMenu(HWND control, LPARAM where) {
  if (control != log_->handle()) return FALSE;
  POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (where == -1) {
    // From the keyboard: at the list's top left corner.
    RECT list;
    GetWindowRect(control, &list);
    at = {list.left, list.top};
  }
  const HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kCopyItem, L"コピー(&C)\tCtrl+C");
  AppendMenuW(menu, MF_STRING, kSelectAllItem, L"すべて選択(&A)\tCtrl+A");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kSaveItem, L"ログを保存…");
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, dialog_, nullptr));
  DestroyMenu(menu);
  if (chosen == kCopyItem) CopyLog();
  if (chosen == kSelectAllItem) log_->SelectAll();
  if (chosen == kSaveItem) model_.SaveLog();
  return TRUE;
}

void ConverterWindow::OnDropFiles(HDROP drop) {
  std::vector<std::string> files;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    std::wstring path(DragQueryFileW(drop, index, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, index, path.data(), static_cast<UINT>(path.size())));
    files.push_back(Utf8FromUtf16(path));
  }
  DragFinish(drop);
  // Anything but one .QV file is left alone.
  if (model_.Drop(files)) SetForegroundWindow(dialog_);
}

void ConverterWindow::OnGetMinMaxInfo(MINMAXINFO& limits) const {
  if (resizer_) resizer_->LimitSize(limits);
}

void ConverterWindow::OnSize(int client_width, int client_height) {
  if (resizer_) resizer_->Apply(client_width, client_height);
}

void ConverterWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  // The system scales the dialog's font and controls; the places kept for
  // resizing follow, then the window takes the size the system suggests.
  if (resizer_) resizer_->Rescale(dpi_, dpi);
  dpi_ = dpi;
  SetWindowPos(dialog_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ConverterWindow::OnPaintMinimized() {
  PAINTSTRUCT paint;
  const HDC context = BeginPaint(dialog_, &paint);
  SendMessageW(dialog_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context), 0);
  RECT client;
  GetClientRect(dialog_, &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(context, x, y, big_icon_);
  EndPaint(dialog_, &paint);
}

void ConverterWindow::ShowSourcePath(const std::string& path) {
  SetDlgItemTextW(dialog_, IDC_SOURCE_EDIT, Utf16FromUtf8(path).c_str());
}

void ConverterWindow::ShowDestinationPath(const std::string& path) {
  SetDlgItemTextW(dialog_, IDC_DESTINATION_EDIT, Utf16FromUtf8(path).c_str());
}

void ConverterWindow::ShowTicks(const DataKindSet& kinds) {
  for (std::size_t i = 0; i < kKindBoxes.size(); ++i) {
    CheckDlgButton(dialog_, kKindBoxes[i],
                   kinds.Contains(kDataKindRows[i].kind) ? BST_CHECKED : BST_UNCHECKED);
  }
}

void ConverterWindow::ShowPreviewReady(bool ready) {
  EnableWindow(GetDlgItem(dialog_, IDC_PREVIEW), ready);
}

void ConverterWindow::AppendLogLine(const LogLine& line) { log_->Append(line); }

void ConverterWindow::ShowLogNow() { log_->ShowNow(); }

void ConverterWindow::ClearLog() { log_->Clear(); }

void ConverterWindow::Notice(const std::string& text, NoticeIcon icon) {
  MessageBoxW(dialog_, Utf16FromUtf8(text).c_str(), kAppName, MB_OK | NoticeStyle(icon));
}

std::optional<std::string> ConverterWindow::ChooseFile(const FileRequest& request) {
  return win::ChooseFile(dialog_, request);
}

bool ConverterWindow::AskYesNo(const std::string& question) {
  // いいえ is the default button: Enter without thinking keeps the file.
  return MessageBoxW(dialog_, Utf16FromUtf8(question).c_str(), kAppName,
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

}  // namespace peltarix::win
