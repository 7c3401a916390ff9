#pragma once
// A device-independent bitmap whose pixels are a PixelBuffer, so that the
// window-free painting code and GDI work on the same memory.

#include <windows.h>

#include <string>

#include "runtime/PixelBuffer.h"
#include "runtime/win/Handles.h"

namespace folvane {

class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height, PixelFormat format = PixelFormat::Bgr24);
  TBitmap(TBitmap&&) noexcept = default;
  TBitmap& operator=(TBitmap&&) noexcept = default;

  // Reads a bitmap resource of the program (24 or 32 bits kept as they are).
  static TBitmap FromResource(const wchar_t* name);
  // Copies any GDI bitmap into a new DIB of the given format.
  static TBitmap FromHandle(HBITMAP source, PixelFormat format);

  bool Empty() const { return !handle_; }
  int Width() const { return pixels_.Width(); }
  int Height() const { return pixels_.Height(); }
  HBITMAP Handle() const { return handle_.Get(); }
  PixelBuffer& Pixels() { return pixels_; }
  const PixelBuffer& Pixels() const { return pixels_; }
  // A memory DC with the bitmap selected, made on first use.
  HDC DC();

 private:
  BitmapHandle handle_;
  PixelBuffer pixels_;
  std::unique_ptr<MemoryDC> dc_;
};

}  // namespace folvane
