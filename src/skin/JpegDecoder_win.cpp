// JPEG decoding of the Windows build, through the platform's imaging codecs
// (WIC). The native build uses libjpeg (native/JpegDecoder_jpeglib.cpp).

#include <windows.h>
#include <wincodec.h>

#include <algorithm>
#include <vector>

#include "skin/PictureDecoder.h"
#include "skin/ReadErrors.h"

namespace folvane {

namespace {

// Owns one COM interface pointer.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T* operator->() const { return p_; }
  T* Get() const { return p_; }
  // For the out-parameter of a creating call.
  T** Receive() {
    Reset();
    return &p_;
  }
  void Reset() {
    if (p_) {
      p_->Release();
      p_ = nullptr;
    }
  }

 private:
  T* p_ = nullptr;
};

// COM for the calling thread, when nobody has set it up yet.
class ComScope {
 public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();  // S_OK and S_FALSE both count once
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT hr_;  // RPC_E_CHANGED_MODE: already set up otherwise, still usable
};

void Check(HRESULT hr, const char* step) {
  if (FAILED(hr)) {
    char text[96];
    wsprintfA(text, "JPEG error: %s failed (0x%08lX)", step, static_cast<unsigned long>(hr));
    throw PictureError(text);
  }
}

void CheckSize(UINT width, UINT height, std::int64_t maxPixels) {
  const auto side = static_cast<UINT>(PixelBuffer::kMaxSide);
  if (width > side || height > side ||
      static_cast<std::int64_t>(width) * height > std::min<std::int64_t>(maxPixels, PixelBuffer::kMaxPixels))
    throw PictureError("JPEG picture too large");
}

// Asks for 32-bit BGR, which the platform's converter offers from every
// format its JPEG decoder yields (24-bit colour, 8-bit grey, CMYK), and
// drops the fourth byte row by row.
PixelBuffer CopyFrame(IWICImagingFactory* factory, IWICBitmapSource* frame, std::int64_t maxPixels) {
  UINT width = 0, height = 0;
  Check(frame->GetSize(&width, &height), "GetSize");
  CheckSize(width, height, maxPixels);
  ComPtr<IWICFormatConverter> converter;
  Check(factory->CreateFormatConverter(converter.Receive()), "CreateFormatConverter");
  Check(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                              WICBitmapPaletteTypeCustom),
        "Convert");
  PixelBuffer out(static_cast<int>(width), static_cast<int>(height), PixelFormat::Bgr24);
  std::vector<BYTE> row(static_cast<std::size_t>(width) * 4);
  for (UINT y = 0; y < height; ++y) {
    const WICRect line = {0, static_cast<INT>(y), static_cast<INT>(width), 1};
    Check(converter->CopyPixels(&line, width * 4, static_cast<UINT>(row.size()), row.data()), "CopyPixels");
    std::uint8_t* dst = out.Row(static_cast<int>(y));
    for (UINT x = 0; x < width; ++x)
      dst[3 * x] = row[4 * x], dst[3 * x + 1] = row[4 * x + 1], dst[3 * x + 2] = row[4 * x + 2];
  }
  return out;
}

}  // namespace

PixelBuffer DecodeJpeg(const std::uint8_t* data, std::size_t size, std::int64_t maxPixels) {
  if (size == 0) throw PictureError("JPEG data is empty");
  if (size > MAXDWORD) throw PictureError("JPEG data too large");
  ComScope com;
  ComPtr<IWICImagingFactory> factory;
  Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                         reinterpret_cast<void**>(factory.Receive())),
        "CoCreateInstance");
  ComPtr<IWICStream> stream;
  Check(factory->CreateStream(stream.Receive()), "CreateStream");
  Check(stream->InitializeFromMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size)),
        "InitializeFromMemory");
  ComPtr<IWICBitmapDecoder> decoder;
  Check(factory->CreateDecoder(GUID_ContainerFormatJpeg, nullptr, decoder.Receive()), "CreateDecoder");
  Check(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand), "Initialize");
  ComPtr<IWICBitmapFrameDecode> frame;
  Check(decoder->GetFrame(0, frame.Receive()), "GetFrame");
  return CopyFrame(factory.Get(), frame.Get(), maxPixels);
}

}  // namespace folvane
