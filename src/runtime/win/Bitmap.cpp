#include "runtime/win/Bitmap.h"

#include <stdexcept>

#include "runtime/Exception.h"

namespace folvane {

TBitmap::TBitmap(int width, int height, PixelFormat format) {
  if (!PixelBuffer::SizeAcceptable(width, height) || width == 0 || height == 0)
    throw EInvalidGraphic(L"Bitmap size out of range");
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down: Row(0) is the first line in memory
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = static_cast<WORD>(format);
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bmp || !bits) throw EInvalidGraphic(L"Out of system resources");
  handle_.Reset(bmp);
  pixels_ = PixelBuffer::Borrow(static_cast<std::uint8_t*>(bits), width, height, format,
                                PixelBuffer::AlignedStride(width, format));
}

HDC TBitmap::DC() {
  if (!dc_ && handle_) {
    dc_ = std::make_unique<MemoryDC>();
    dc_->Select(handle_.Get());
  }
  return dc_ ? dc_->Get() : nullptr;
}

TBitmap TBitmap::FromHandle(HBITMAP source, PixelFormat format) {
  BITMAP info{};
  if (!source || !GetObjectW(source, sizeof(info), &info))
    throw EInvalidGraphic(L"Bitmap image is not valid");
  TBitmap result(info.bmWidth, info.bmHeight, format);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = info.bmWidth;
  bi.bmiHeader.biHeight = -info.bmHeight;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = static_cast<WORD>(format);
  bi.bmiHeader.biCompression = BI_RGB;
  WindowDC screen(nullptr);
  GetDIBits(screen.Get(), source, 0, static_cast<UINT>(info.bmHeight),
            result.pixels_.Row(0), &bi, DIB_RGB_COLORS);
  return result;
}

TBitmap TBitmap::FromResource(const wchar_t* name) {
  HANDLE loaded = LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0,
                             LR_CREATEDIBSECTION);
  if (!loaded) throw EInvalidGraphic(std::wstring(L"Bitmap resource not found: ") + name);
  BitmapHandle source(static_cast<HBITMAP>(loaded));
  DIBSECTION ds{};
  GetObjectW(source.Get(), sizeof(ds), &ds);
  const PixelFormat format =
      ds.dsBm.bmBitsPixel == 32 ? PixelFormat::Bgra32 : PixelFormat::Bgr24;
  return FromHandle(source.Get(), format);
}

}  // namespace folvane
