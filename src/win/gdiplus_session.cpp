#include "win/gdiplus_session.h"

#include "win/gdiplus_headers.h"

namespace peltarix::win {
namespace {

class GdiplusSession {
 public:
  GdiplusSession() {
    const Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
  }
  ~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace

void StartGdiplus() {
  // Constructed before any static that holds GDI+ objects and started after
  // this call, so it is shut down after them.
  static const GdiplusSession session;
}

}  // namespace peltarix::win
