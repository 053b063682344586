#include "win/preview_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>

#include "platform/utf16_windows.h"
#include "preview/plan_tooltip.h"
#include "win/drawing_png.h"
#include "win/file_dialogs.h"
#include "win/owner_procedure.h"
#include "window_model/window_file_names.h"

namespace peltarix::win {
namespace {

constexpr const wchar_t* kClassName = L"PeltarixPreview";
constexpr const wchar_t* kAppName = L"PELTARIX";
// The share of the monitor's work area the window takes at first.
constexpr double kScreenShare = 0.85;
// Sizes at 96 dpi, in pixels.
constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kButtonPadding = 16;
constexpr int kMinimumButtonWidth = 75;
constexpr SIZE kMinimumWindow{480, 360};
constexpr SIZE kTabPadding{10, 4};
// Canvas pixels shown around the legend.
constexpr double kLegendMargin = 12.0;

enum ControlId : int { kSaveSvgId = 1, kSavePngId, kCloseId };

int Scaled(int pixels, int dpi) { return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI); }

// The converter window's face (its dialog font) at `dpi`, nine points high
// as the dialog's.
HFONT DialogFontAt(HWND owner, int dpi) {
  LOGFONTW face{};
  const auto owner_font = reinterpret_cast<HFONT>(SendMessageW(owner, WM_GETFONT, 0, 0));
  if (owner_font == nullptr || GetObjectW(owner_font, sizeof face, &face) == 0) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                               static_cast<UINT>(dpi));
    face = metrics.lfMessageFont;
  }
  face.lfHeight = -MulDiv(9, dpi, 72);
  face.lfWidth = 0;
  return CreateFontIndirectW(&face);
}

SIZE TextSize(HWND control, HFONT font, const std::wstring& text) {
  const HDC context = GetDC(control);
  const HGDIOBJ previous = SelectObject(context, font);
  SIZE size{};
  GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(context, previous);
  ReleaseDC(control, context);
  return size;
}

std::wstring WindowText(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

const PlanFloor* FloorOf(const PlanModel& model, int floor) {
  for (const PlanFloor& plan : model.floors) {
    if (plan.floor == floor) return &plan;
  }
  return nullptr;
}

const PlanPanel* FloorPanelOf(const PlanLayout& layout, int floor) {
  for (const PlanPanel& panel : layout.panels) {
    if (panel.floor == floor && !panel.roof) return &panel;
  }
  return nullptr;
}

}  // namespace

PreviewWindow::PreviewWindow(HWND owner, const RunPreview& preview, SavePicture save)
    : preview_(preview),
      layout_(LayoutPlan(preview_.model)),
      drawing_(DrawPlan(preview_.model, layout_, preview_.caption)),
      save_(std::move(save)),
      owner_(owner) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
  RegisterOwnerClass<PreviewWindow>(instance, kClassName, 0, GetSysColorBrush(COLOR_BTNFACE));
  // Sized from the free area of the converter window's monitor, so that the
  // buttons stay on it at any scale.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const int width = static_cast<int>((work.right - work.left) * kScreenShare);
  const int height = static_cast<int>((work.bottom - work.top) * kScreenShare);
  window_ = CreateWindowExW(0, kClassName, L"プレビュー - PELTARIX",
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            work.left + (work.right - work.left - width) / 2,
                            work.top + (work.bottom - work.top - height) / 2, width, height, owner,
                            nullptr, instance, this);
  if (window_ == nullptr) return;
  for (const WPARAM kind : {ICON_BIG, ICON_SMALL}) {
    SendMessageW(window_, WM_SETICON, kind, SendMessageW(owner, WM_GETICON, kind, 0));
  }
  dpi_ = static_cast<int>(GetDpiForWindow(window_));
  CreateControls();
  ApplyFont();
  Layout();
  ShowTab(0);
  ShowWindow(window_, SW_SHOWNORMAL);
  SetFocus(canvas_->handle());
}

PreviewWindow::~PreviewWindow() {
  canvas_.reset();
  if (window_ != nullptr) DestroyWindow(window_);
  if (font_ != nullptr) DeleteObject(font_);
}

void PreviewWindow::CreateControls() {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
  auto control = [&](const wchar_t* type, const wchar_t* text, DWORD style, int id) {
    return CreateWindowExW(0, type, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  // The canvas lies over the tab control's page, which must not paint over it.
  tabs_ = control(WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPSIBLINGS, 0);
  for (std::size_t index = 0; index < drawing_.regions.size(); ++index) {
    std::wstring title = Utf16FromUtf8(drawing_.regions[index].title);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = title.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
  }
  canvas_ = std::make_unique<PlanCanvas>(window_, drawing_);
  SetWindowPos(canvas_->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  hint_ = control(WC_STATICW, L"ホイールで拡大・縮小、ドラッグで移動、ダブルクリックで全体表示",
                  SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS | SS_CENTERIMAGE, 0);
  save_svg_button_ = control(WC_BUTTONW, L"SVGで保存…", WS_TABSTOP | BS_PUSHBUTTON, kSaveSvgId);
  save_png_button_ = control(WC_BUTTONW, L"PNGで保存…", WS_TABSTOP | BS_PUSHBUTTON, kSavePngId);
  close_button_ = control(WC_BUTTONW, L"閉じる", WS_TABSTOP | BS_PUSHBUTTON, kCloseId);
  tab_stops_ = {canvas_->handle(), tabs_, save_svg_button_, save_png_button_, close_button_};
  for (const HWND stop : tab_stops_) {
    SetWindowSubclass(stop, KeySubclass, 1, reinterpret_cast<DWORD_PTR>(this));
  }
}

void PreviewWindow::ApplyFont() {
  const HFONT previous = font_;
  font_ = DialogFontAt(owner_, dpi_);
  // Room around each tab's caption, at the window's scale.
  SendMessageW(tabs_, TCM_SETPADDING, 0,
               MAKELPARAM(Scaled(kTabPadding.cx, dpi_), Scaled(kTabPadding.cy, dpi_)));
  for (const HWND control : {tabs_, hint_, save_svg_button_, save_png_button_, close_button_}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  if (previous != nullptr) DeleteObject(previous);
}

void PreviewWindow::Layout() {
  RECT client;
  GetClientRect(window_, &client);
  const int margin = Scaled(kMargin, dpi_);
  const int gap = Scaled(kGap, dpi_);
  const int text_height = TextSize(window_, font_, L"保存").cy;
  const int button_height = text_height + Scaled(10, dpi_);
  const int row_top = client.bottom - margin - button_height;
  // The buttons from the right edge, each as wide as its caption needs.
  int right = client.right - margin;
  for (const HWND button : {close_button_, save_png_button_, save_svg_button_}) {
    const int caption_width = static_cast<int>(TextSize(button, font_, WindowText(button)).cx);
    const int width = std::max(caption_width + 2 * Scaled(kButtonPadding, dpi_),
                               Scaled(kMinimumButtonWidth, dpi_));
    right -= width;
    MoveWindow(button, right, row_top, width, button_height, TRUE);
    right -= gap;
  }
  MoveWindow(hint_, margin, row_top, std::max(0, right - margin), button_height, TRUE);
  RECT page{margin, margin, client.right - margin, std::max(margin, row_top - gap)};
  MoveWindow(tabs_, page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
  // The canvas fills the tab control's page.
  SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  MoveWindow(canvas_->handle(), page.left, page.top, std::max(0L, page.right - page.left),
             std::max(0L, page.bottom - page.top), TRUE);
}

CanvasTooltip PreviewWindow::TooltipOf(const DrawRegion& region) const {
  // The rooms and columns of a floor; roofs and the legend have none.
  if (region.roof || region.floor == 0) return {};
  const PlanFloor* floor = FloorOf(preview_.model, region.floor);
  const PlanPanel* panel = FloorPanelOf(layout_, region.floor);
  if (floor == nullptr || panel == nullptr) return {};
  const PlanBounds& bounds = layout_.bounds;
  return [floor, panel, &bounds](Point canvas) {
    return PlanTooltip(*floor, PlanPointOf(*panel, bounds, canvas));
  };
}

void PreviewWindow::ShowTab(int tab) {
  if (tab < 0 || static_cast<std::size_t>(tab) >= drawing_.regions.size()) return;
  SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
  const auto index = static_cast<std::size_t>(tab);
  const DrawRegion& region = drawing_.regions[index];
  // The scale bar's first number stands half outside the legend.
  canvas_->ShowRegion(index, region.id == "legend" ? kLegendMargin : 0.0, TooltipOf(region));
}

std::string PreviewWindow::AskPath(std::string_view title, std::string_view extension) {
  const std::string suffix(extension);
  std::string upper = suffix;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char letter) { return static_cast<char>(std::toupper(letter)); });
  const FileRequest request{.title = std::string(title),
                            .filters = {{upper + " (*." + suffix + ")", "*." + suffix}},
                            .must_exist = false,
                            .directory = FolderOf(preview_.base_path),
                            .proposed_name = FileNameOf(preview_.base_path) + "." + suffix,
                            .default_suffix = suffix};
  return ChooseFile(window_, request).value_or(std::string());
}

void PreviewWindow::SaveSvg() {
  const std::string path = AskPath("SVGで保存", "svg");
  if (!path.empty()) save_(path, preview_.svg);
}

void PreviewWindow::SavePng() {
  const std::string path = AskPath("PNGで保存", "png");
  if (path.empty()) return;
  const HCURSOR previous_cursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  const std::optional<std::string> png = PngOfDrawing(drawing_);
  SetCursor(previous_cursor);
  if (!png) {
    const std::wstring text =
        L"保存できませんでした。\n詳細：" + Utf16FromUtf8(path) + L"：PNGを作成できません";
    MessageBoxW(window_, text.c_str(), kAppName, MB_OK | MB_ICONERROR);
    return;
  }
  save_(path, *png);
}

bool PreviewWindow::OnKey(HWND control, WPARAM key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  if (key == VK_ESCAPE) {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    return true;
  }
  if (key == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
    const auto count = static_cast<int>(drawing_.regions.size());
    if (count == 0) return true;
    const auto current = static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
    ShowTab((current + (shift ? count - 1 : 1)) % count);
    return true;
  }
  if (key == VK_TAB) {
    const auto at = std::find(tab_stops_.begin(), tab_stops_.end(), control);
    if (at == tab_stops_.end()) return false;
    const auto index = static_cast<std::size_t>(at - tab_stops_.begin());
    const std::size_t count = tab_stops_.size();
    SetFocus(tab_stops_[(index + (shift ? count - 1 : 1)) % count]);
    return true;
  }
  if (key == VK_RETURN && control != tabs_ && control != canvas_->handle()) {
    SendMessageW(control, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

LRESULT CALLBACK PreviewWindow::KeySubclass(HWND control, UINT message, WPARAM wparam,
                                            LPARAM lparam, UINT_PTR, DWORD_PTR self) {
  if (message == WM_KEYDOWN && reinterpret_cast<PreviewWindow*>(self)->OnKey(control, wparam)) {
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(control, KeySubclass, 1);
  return DefSubclassProc(control, message, wparam, lparam);
}

LRESULT PreviewWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      if (canvas_) Layout();
      return 0;
    case WM_GETMINMAXINFO: {
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lparam);
      limits.ptMinTrackSize = {Scaled(kMinimumWindow.cx, dpi_), Scaled(kMinimumWindow.cy, dpi_)};
      return 0;
    }
    case WM_DPICHANGED: {
      const int dpi = HIWORD(wparam);
      canvas_->Rescale(static_cast<double>(dpi) / dpi_);
      dpi_ = dpi;
      ApplyFont();
      const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      Layout();
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) {
        ShowTab(static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
        return 0;
      }
      break;
    }
    case WM_COMMAND:
      if (HIWORD(wparam) != BN_CLICKED) break;
      if (LOWORD(wparam) == kSaveSvgId) SaveSvg();
      if (LOWORD(wparam) == kSavePngId) SavePng();
      if (LOWORD(wparam) == kCloseId) PostMessageW(window_, WM_CLOSE, 0, 0);
      return 0;
    case WM_ACTIVATE:
      // Back from a Save dialog or another window, the focus returns to the
      // control that had it, as in a dialog.
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (std::find(tab_stops_.begin(), tab_stops_.end(), focus) != tab_stops_.end()) {
          focus_ = focus;
        }
      }
      break;
    case WM_SETFOCUS:
      if (canvas_) SetFocus(focus_ != nullptr ? focus_ : canvas_->handle());
      return 0;
    case WM_NCDESTROY: {
      // Also when the converter window closes and takes it along.
      const HWND window = window_;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      return DefWindowProcW(window, message, wparam, lparam);
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace peltarix::win
