#include "win/drawing_png.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "win/gdiplus_headers.h"
#include "win/gdiplus_painter.h"
#include "win/gdiplus_session.h"

namespace peltarix::win {
namespace {

std::optional<CLSID> PngEncoder() {
  UINT count = 0;
  UINT bytes = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) {
    return std::nullopt;
  }
  // The codec records and the texts they point to share one block.
  std::vector<unsigned char> block(bytes);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(block.data());
  if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return std::nullopt;
  for (UINT index = 0; index < count; ++index) {
    if (std::wstring_view(codecs[index].MimeType) == L"image/png") return codecs[index].Clsid;
  }
  return std::nullopt;
}

// The bytes written to a stream on memory.
std::optional<std::string> StreamBytes(IStream& stream) {
  STATSTG status{};
  if (FAILED(stream.Stat(&status, STATFLAG_NONAME))) return std::nullopt;
  HGLOBAL memory = nullptr;
  if (FAILED(GetHGlobalFromStream(&stream, &memory))) return std::nullopt;
  const void* data = GlobalLock(memory);
  if (data == nullptr) return std::nullopt;
  std::string png(static_cast<const char*>(data), static_cast<std::size_t>(status.cbSize.QuadPart));
  GlobalUnlock(memory);
  return png;
}

}  // namespace

std::optional<std::string> PngOfDrawing(const PlanDrawing& drawing) {
  StartGdiplus();
  const auto width = static_cast<INT>(std::ceil(drawing.width));
  const auto height = static_cast<INT>(std::ceil(drawing.height));
  const std::optional<CLSID> encoder = PngEncoder();
  if (width <= 0 || height <= 0 || !encoder) return std::nullopt;
  Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
  {
    Gdiplus::Graphics graphics(&bitmap);
    if (graphics.GetLastStatus() != Gdiplus::Ok) return std::nullopt;
    graphics.Clear(Gdiplus::Color(255, drawing.background.red, drawing.background.green,
                                  drawing.background.blue));
    PaintItems(graphics, drawing, 0, drawing.items.size(), CanvasPlacement{});
  }
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return std::nullopt;
  std::optional<std::string> png;
  if (bitmap.Save(stream, &*encoder, nullptr) == Gdiplus::Ok) png = StreamBytes(*stream);
  stream->Release();
  return png;
}

}  // namespace peltarix::win
