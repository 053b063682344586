#include "win/converter_dialog.h"

#include <array>
#include <memory>
#include <string_view>

#include "conversion/data_kinds.h"
#include "conversion/transcript.h"
#include "platform/utf16_windows.h"
#include "run/run_context.h"
#include "win/file_dialogs.h"
#include "win/list_box_log_view.h"
#include "win/resource_ids.h"

namespace peltarix::win {
namespace {

constexpr const wchar_t* kAppName = L"PELTARIX";

// The check boxes in the run's order, the order of the data kind table.
constexpr std::array<int, kDataKindCount> kKindBoxes = {
    IDC_KIND_BASIC_INFO, IDC_KIND_BUILDING_OUTLINE,
    IDC_KIND_COLUMNS,    IDC_KIND_PERIMETER,
    IDC_KIND_ROOMS,      IDC_KIND_ROOFS};

struct DialogState {
  HINSTANCE instance;
  std::optional<InitialFields> fields;
  HICON big_icon = nullptr;
  HICON small_icon = nullptr;
  std::unique_ptr<ListBoxLogView> log_view;
};

std::string FieldText(HWND dialog, int id) {
  const HWND field = GetDlgItem(dialog, id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
  return Utf8FromUtf16(text);
}

void SetFieldText(HWND dialog, int id, std::string_view utf8) {
  SetDlgItemTextW(dialog, id, Utf16FromUtf8(utf8).c_str());
}

DataKindSet CheckedKinds(HWND dialog) {
  DataKindSet kinds = DataKindSet::None();
  for (std::size_t i = 0; i < kKindBoxes.size(); ++i) {
    kinds.Set(kDataKindRows[i].kind, IsDlgButtonChecked(dialog, kKindBoxes[i]) == BST_CHECKED);
  }
  return kinds;
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wparam));
    return TRUE;
  }
  return FALSE;
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

BOOL OnInitDialog(HWND dialog, DialogState& state) {
  AppendAboutItem(dialog, state.instance);
  state.big_icon = LoadAppIcon(state.instance, SM_CXICON, SM_CYICON);
  state.small_icon = LoadAppIcon(state.instance, SM_CXSMICON, SM_CYSMICON);
  SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(state.big_icon));
  SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(state.small_icon));
  for (std::size_t i = 0; i < kKindBoxes.size(); ++i) {
    SetFieldText(dialog, kKindBoxes[i], kDataKindRows[i].caption);
    CheckDlgButton(dialog, kKindBoxes[i], BST_CHECKED);
  }
  state.log_view = std::make_unique<ListBoxLogView>(GetDlgItem(dialog, IDC_LOG_LIST));
  if (state.fields) {
    SetFieldText(dialog, IDC_SOURCE_EDIT, state.fields->source_path);
    SetFieldText(dialog, IDC_DESTINATION_EDIT, state.fields->destination_path);
    SetFocus(GetDlgItem(dialog, IDC_EXECUTE));
    return FALSE;  // the focus is set
  }
  return TRUE;  // the system puts the focus on the first tab stop
}

void OnExecute(HWND dialog, DialogState& state) {
  const std::string source_path = FieldText(dialog, IDC_SOURCE_EDIT);
  const std::string destination_path = FieldText(dialog, IDC_DESTINATION_EDIT);
  if (const auto message = EmptyNameMessage(source_path, destination_path)) {
    // The only messages that bypass the log; the log keeps the last run.
    MessageBoxW(dialog, Utf16FromUtf8(*message).c_str(), kAppName, MB_OK);
    return;
  }
  // The run goes on this thread: the window takes no input until it is over,
  // and the list paints each line as it comes.
  const HCURSOR previous_cursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  RunContext context(*state.log_view);
  context.source_file_path = source_path;
  context.destination_file_path = destination_path;
  RunWithTranscript(context, CheckedKinds(dialog));
  SetCursor(previous_cursor);
}

void OnPaintMinimized(HWND dialog, const DialogState& state) {
  PAINTSTRUCT paint;
  const HDC context = BeginPaint(dialog, &paint);
  SendMessageW(dialog, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context), 0);
  RECT client;
  GetClientRect(dialog, &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(context, x, y, state.big_icon);
  EndPaint(dialog, &paint);
}

INT_PTR OnCommand(HWND dialog, DialogState& state, WORD id) {
  switch (id) {
    case IDC_EXECUTE:
      OnExecute(dialog, state);
      return TRUE;
    case IDC_BROWSE_SOURCE:
      if (const auto path = AskSourcePath(dialog)) SetFieldText(dialog, IDC_SOURCE_EDIT, *path);
      return TRUE;
    case IDC_BROWSE_DESTINATION:
      if (const auto path = AskDestinationPath(dialog)) {
        SetFieldText(dialog, IDC_DESTINATION_EDIT, *path);
      }
      return TRUE;
    case IDOK:
    case IDCANCEL:
      EndDialog(dialog, id);
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK ConverterProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lparam);
    return OnInitDialog(dialog, *reinterpret_cast<DialogState*>(lparam));
  }
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) != BN_CLICKED) return FALSE;
      return OnCommand(dialog, *state, LOWORD(wparam));
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == IDM_ABOUTBOX) {
        DialogBoxParamW(state->instance, MAKEINTRESOURCEW(IDD_ABOUTBOX), dialog, AboutProc, 0);
        return TRUE;
      }
      return FALSE;
    case WM_PAINT:
      if (!IsIconic(dialog)) return FALSE;
      OnPaintMinimized(dialog, *state);
      return TRUE;
    case WM_QUERYDRAGICON:
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(state->big_icon));
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void RunConverterDialog(HINSTANCE instance, const std::optional<InitialFields>& fields) {
  DialogState state{instance, fields, nullptr, nullptr, nullptr};
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CONVERTER), nullptr, ConverterProc,
                  reinterpret_cast<LPARAM>(&state));
  if (state.big_icon != nullptr) DestroyIcon(state.big_icon);
  if (state.small_icon != nullptr) DestroyIcon(state.small_icon);
}

}  // namespace peltarix::win
