#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "preview/plan_drawing.h"
#include "preview/plan_layout.h"
#include "win/plan_canvas.h"
#include "window_model/converter_window_model.h"

namespace peltarix::win {

// Writes a saved picture after the output rules (the user has confirmed the
// name in the Save dialog); false when it is not written, the user told.
using SavePicture = std::function<bool(const std::string& path, std::string_view bytes)>;

// The plan picture of one run in its own window, owned by the converter
// window: a tab per floor, one per storey's roofs and one for the legend,
// each fitted to the window; buttons save the SVG or a PNG of the whole
// picture at its own size. Escape closes it. The window sizes itself from
// its monitor's work area and follows the monitor's scale.
class PreviewWindow {
 public:
  PreviewWindow(HWND owner, const RunPreview& preview, SavePicture save);
  ~PreviewWindow();
  PreviewWindow(const PreviewWindow&) = delete;
  PreviewWindow& operator=(const PreviewWindow&) = delete;

  HWND handle() const { return window_; }

 private:
  template <typename Owner>
  friend LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK KeySubclass(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR id, DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void CreateControls();
  void ApplyFont();
  void Layout();
  void ShowTab(int tab);
  // Tab and Shift+Tab between the controls, Ctrl+Tab between the tabs,
  // Escape closes; the window has no dialog manager to do it.
  bool OnKey(HWND control, WPARAM key);
  CanvasTooltip TooltipOf(const DrawRegion& region) const;
  void SaveSvg();
  void SavePng();
  std::string AskPath(std::string_view title, std::string_view extension);

  RunPreview preview_;
  PlanLayout layout_;
  PlanDrawing drawing_;
  SavePicture save_;
  HWND owner_;
  HWND window_ = nullptr;
  HWND tabs_ = nullptr;
  HWND hint_ = nullptr;
  HWND save_svg_button_ = nullptr;
  HWND save_png_button_ = nullptr;
  HWND close_button_ = nullptr;
  std::unique_ptr<PlanCanvas> canvas_;
  // The controls in their tab order.
  std::vector<HWND> tab_stops_;
  // The control that had the focus when the window was last deactivated.
  HWND focus_ = nullptr;
  HFONT font_ = nullptr;
  int dpi_ = 96;
};

}  // namespace peltarix::win
