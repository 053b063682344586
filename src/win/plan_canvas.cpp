#include "win/plan_canvas.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/utf16_windows.h"
#include "win/owner_procedure.h"

namespace peltarix::win {
namespace {

constexpr const wchar_t* kClassName = L"PeltarixPlanCanvas";
constexpr double kMinZoom = 0.05;
constexpr double kMaxZoom = 40.0;
// Per wheel unit: a notch (120 units) zooms by about 20 %.
constexpr double kWheelZoomBase = 1.0015;
// Wide enough for a room's name; the tooltip's lines break only at "\n".
constexpr int kTooltipWidth = 600;

}  // namespace

PlanCanvas::PlanCanvas(HWND parent, const PlanDrawing& drawing)
    : drawing_(drawing), views_(drawing.regions.size()) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  // Double clicks fit the region; the whole area is painted, never erased.
  RegisterOwnerClass<PlanCanvas>(instance, kClassName, CS_DBLCLKS, nullptr);
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0,
                            parent, nullptr, instance, this);
  tooltip_window_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                    window_, nullptr, instance, nullptr);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(window_);
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tooltip_window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_window_, TTM_SETMAXTIPWIDTH, 0, kTooltipWidth);
}

PlanCanvas::~PlanCanvas() {
  if (tooltip_window_ != nullptr) DestroyWindow(tooltip_window_);
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void PlanCanvas::ShowRegion(std::size_t region, double margin, CanvasTooltip tooltip) {
  if (region >= views_.size()) return;
  region_ = region;
  margin_ = margin;
  tooltip_ = std::move(tooltip);
  tooltip_text_.clear();
  SendMessageW(tooltip_window_, TTM_POP, 0, 0);
  if (view().fitted) Fit();
  InvalidateRect(window_, nullptr, FALSE);
}

void PlanCanvas::Rescale(double factor) {
  for (RegionView& each : views_) {
    if (!each.fitted) each.zoom = std::clamp(each.zoom * factor, kMinZoom, kMaxZoom);
  }
}

SIZE PlanCanvas::ClientSize() const {
  RECT client;
  GetClientRect(window_, &client);
  return {client.right - client.left, client.bottom - client.top};
}

CanvasPlacement PlanCanvas::Placement() const {
  const SIZE size = ClientSize();
  const RegionView& shown = view();
  return {shown.zoom, size.cx / 2.0 - shown.centre.x * shown.zoom,
          size.cy / 2.0 - shown.centre.y * shown.zoom};
}

Point PlanCanvas::CanvasAt(POINT at) const {
  const CanvasPlacement placement = Placement();
  return {(at.x - placement.shift_x) / placement.zoom, (at.y - placement.shift_y) / placement.zoom};
}

Box PlanCanvas::ShownBox() const {
  const DrawRegion& region = drawing_.regions[region_];
  return {.min_x = region.left - margin_,
          .max_x = region.left + region.width + margin_,
          .min_y = region.top - margin_,
          .max_y = region.top + region.height + margin_};
}

void PlanCanvas::Fit() {
  const SIZE size = ClientSize();
  const Box shown = ShownBox();
  const double width = shown.max_x - shown.min_x;
  const double height = shown.max_y - shown.min_y;
  if (size.cx <= 0 || size.cy <= 0 || !(width > 0) || !(height > 0)) return;
  view() = {std::min(size.cx / width, size.cy / height),
            {shown.min_x + width / 2, shown.min_y + height / 2},
            true};
  InvalidateRect(window_, nullptr, FALSE);
}

void PlanCanvas::ZoomAt(POINT at, double factor) {
  const Point anchor = CanvasAt(at);
  RegionView& shown = view();
  shown.zoom = std::clamp(shown.zoom * factor, kMinZoom, kMaxZoom);
  const SIZE size = ClientSize();
  // The canvas point under the pointer stays under it.
  shown.centre = {anchor.x - (at.x - size.cx / 2.0) / shown.zoom,
                  anchor.y - (at.y - size.cy / 2.0) / shown.zoom};
  shown.fitted = false;
  InvalidateRect(window_, nullptr, FALSE);
}

void PlanCanvas::Drag(POINT to) {
  RegionView& shown = view();
  shown.centre.x -= (to.x - drag_from_.x) / shown.zoom;
  shown.centre.y -= (to.y - drag_from_.y) / shown.zoom;
  shown.fitted = false;
  drag_from_ = to;
  InvalidateRect(window_, nullptr, FALSE);
}

void PlanCanvas::FollowPointer(POINT at) {
  const std::wstring text = tooltip_ ? Utf16FromUtf8(tooltip_(CanvasAt(at))) : std::wstring();
  if (text == tooltip_text_) return;
  // The tip of the last room or column goes; the new one comes after the
  // usual pause.
  tooltip_text_ = text;
  SendMessageW(tooltip_window_, TTM_POP, 0, 0);
  SendMessageW(tooltip_window_, TTM_ACTIVATE, !tooltip_text_.empty(), 0);
}

void PlanCanvas::Paint() {
  PAINTSTRUCT paint;
  const HDC screen = BeginPaint(window_, &paint);
  const SIZE size = ClientSize();
  if (size.cx > 0 && size.cy > 0) {
    // Painted off screen and copied in one piece, so nothing flickers.
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    {
      Gdiplus::Graphics graphics(memory);
      const Rgb background = drawing_.background;
      graphics.Clear(Gdiplus::Color(255, background.red, background.green, background.blue));
      if (!views_.empty()) {
        const DrawRegion& region = drawing_.regions[region_];
        const CanvasPlacement placement = Placement();
        // Only this region: the panels beside it belong to other tabs.
        const Gdiplus::PointF corner = placement.Of({region.left, region.top});
        graphics.SetClip(Gdiplus::RectF(
            corner.X, corner.Y, static_cast<Gdiplus::REAL>(region.width * placement.zoom),
            static_cast<Gdiplus::REAL>(region.height * placement.zoom)));
        PaintItems(graphics, drawing_, region.first_item, region.end_item, placement);
      }
    }
    BitBlt(screen, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
  }
  EndPaint(window_, &paint);
}

LRESULT PlanCanvas::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  const bool shows_region = !views_.empty();
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      if (shows_region && view().fitted) Fit();
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_MOUSEWHEEL: {
      if (!shows_region) return 0;
      // The wheel's position is on the screen.
      POINT client = at;
      ScreenToClient(window_, &client);
      ZoomAt(client, std::pow(kWheelZoomBase, GET_WHEEL_DELTA_WPARAM(wparam)));
      return 0;
    }
    case WM_LBUTTONDOWN:
      SetFocus(window_);
      if (!shows_region) return 0;
      dragging_ = true;
      drag_from_ = at;
      SetCapture(window_);
      SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_) {
        Drag(at);
      } else if (shows_region) {
        FollowPointer(at);
      }
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (dragging_) {
        dragging_ = false;
        if (message == WM_LBUTTONUP) ReleaseCapture();
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      }
      return 0;
    case WM_LBUTTONDBLCLK:
      if (shows_region) Fit();
      return 0;
    case WM_NCDESTROY: {
      // With the preview window: the tooltip, which it owns, goes too.
      const HWND window = window_;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      tooltip_window_ = nullptr;
      return DefWindowProcW(window, message, wparam, lparam);
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->hwndFrom != tooltip_window_ || header->code != TTN_GETDISPINFOW) break;
      reinterpret_cast<NMTTDISPINFOW*>(lparam)->lpszText = tooltip_text_.data();
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace peltarix::win
