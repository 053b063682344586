#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "geometry/box.h"
#include "preview/plan_drawing.h"
#include "win/gdiplus_painter.h"

namespace peltarix::win {

// The tooltip for a canvas point of the region shown (UTF-8); empty for none.
using CanvasTooltip = std::function<std::string(Point canvas)>;

// A child window that paints one region of a plan drawing, double-buffered
// on the drawing's background. The wheel zooms about the pointer, a drag
// pans, a double click fits the region again; each region keeps its own
// zoom while another is shown. The tooltip names what the pointer is over.
class PlanCanvas {
 public:
  PlanCanvas(HWND parent, const PlanDrawing& drawing);
  ~PlanCanvas();
  PlanCanvas(const PlanCanvas&) = delete;
  PlanCanvas& operator=(const PlanCanvas&) = delete;

  HWND handle() const { return window_; }
  // Shows drawing.regions[region] with `margin` canvas pixels around it;
  // `tooltip` may be empty.
  void ShowRegion(std::size_t region, double margin, CanvasTooltip tooltip);
  // For WM_DPICHANGED: zoomed views keep what they show at the new scale.
  void Rescale(double factor);

 private:
  // What the canvas shows of a region.
  struct RegionView {
    double zoom = 1.0;  // window pixels per canvas pixel
    Point centre;       // canvas point at the middle of the client area
    bool fitted = true;
  };

  template <typename Owner>
  friend LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void Paint();
  void Fit();
  void ZoomAt(POINT at, double factor);
  void Drag(POINT to);
  void FollowPointer(POINT at);
  SIZE ClientSize() const;
  Point CanvasAt(POINT at) const;
  CanvasPlacement Placement() const;
  // The part of the canvas shown: the region and its margin.
  Box ShownBox() const;
  RegionView& view() { return views_[region_]; }
  const RegionView& view() const { return views_[region_]; }

  const PlanDrawing& drawing_;
  HWND window_ = nullptr;
  HWND tooltip_window_ = nullptr;
  std::vector<RegionView> views_;
  std::size_t region_ = 0;
  double margin_ = 0.0;
  CanvasTooltip tooltip_;
  std::wstring tooltip_text_;
  bool dragging_ = false;
  POINT drag_from_{};
};

}  // namespace peltarix::win
