#include "app/win/PreviewIcon.h"

#include <wincodec.h>

#include <string_view>
#include <vector>

#include "app/FileBytes.h"
#include "app/IconDirectory.h"
#include "app/IconFilePath.h"
#include "runtime/Exception.h"

namespace folvane {

namespace {

template <typename T>
class Com {
 public:
  Com() = default;
  ~Com() {
    if (p_) p_->Release();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  T** Out() { return &p_; }
  T* operator->() const { return p_; }
  T* Get() const { return p_; }

 private:
  T* p_ = nullptr;
};

// COM for this thread while a decoder lives; left alone when the thread
// already runs another apartment model.
class ComScope {
 public:
  ComScope() : ready_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (ready_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool ready_;
};

EInvalidGraphic NotAnIcon() { return EInvalidGraphic(L"Icon image is not valid"); }

// Straight (not premultiplied) BGRA rows, top-down, size × size.
std::vector<BYTE> DecodePng(std::string_view png, int size) {
  ComScope com;
  Com<IWICImagingFactory> factory;
  Com<IWICStream> stream;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICFormatConverter> converter;
  Com<IWICBitmapScaler> scaler;
  std::vector<BYTE> pixels(static_cast<std::size_t>(size) * size * 4);
  UINT width = 0, height = 0;
  const bool ok =
      SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                 reinterpret_cast<void**>(factory.Out()))) &&
      SUCCEEDED(factory->CreateStream(stream.Out())) &&
      SUCCEEDED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(png.data())),
                                             static_cast<DWORD>(png.size()))) &&
      SUCCEEDED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                 decoder.Out())) &&
      SUCCEEDED(decoder->GetFrame(0, frame.Out())) && SUCCEEDED(frame->GetSize(&width, &height)) &&
      SUCCEEDED(factory->CreateFormatConverter(converter.Out())) &&
      SUCCEEDED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                      0.0, WICBitmapPaletteTypeCustom)) &&
      SUCCEEDED(factory->CreateBitmapScaler(scaler.Out())) &&
      SUCCEEDED(scaler->Initialize(converter.Get(), static_cast<UINT>(size), static_cast<UINT>(size),
                                   WICBitmapInterpolationModeFant)) &&
      SUCCEEDED(scaler->CopyPixels(nullptr, static_cast<UINT>(size) * 4, static_cast<UINT>(pixels.size()),
                                   pixels.data()));
  if (!ok || width == 0 || height == 0) throw NotAnIcon();
  return pixels;
}

// An alpha icon from BGRA rows; the all-zero mask leaves the alpha channel
// in charge.
HICON IconFromPixels(const std::vector<BYTE>& pixels, int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle color(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const std::vector<BYTE> maskBits(static_cast<std::size_t>((size + 15) / 16 * 2) * size, 0);
  BitmapHandle mask(CreateBitmap(size, size, 1, 1, maskBits.data()));
  if (!color || !mask || !bits) return nullptr;
  memcpy(bits, pixels.data(), pixels.size());
  // The icon gets copies of both bitmaps.
  ICONINFO iconInfo{TRUE, 0, 0, mask.Get(), color.Get()};
  return CreateIconIndirect(&iconInfo);
}

HICON IconFromImage(std::string_view image, bool png, int size) {
  if (png) return IconFromPixels(DecodePng(image, size), size);
  return CreateIconFromResourceEx(reinterpret_cast<BYTE*>(const_cast<char*>(image.data())),
                                  static_cast<DWORD>(image.size()), TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
}

std::wstring ExpandedEnvironmentStrings(const std::wstring& text) {
  const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::vector<wchar_t> buffer(needed);
  const DWORD written = ExpandEnvironmentStringsW(text.c_str(), buffer.data(), needed);
  if (written == 0 || written > needed) return text;
  return std::wstring(buffer.data());
}

}  // namespace

IconHandle LoadPreviewIcon(const std::wstring& path, int size) {
  if (path.empty()) throw EFOpenError(L"Cannot open file \"\". The file name is empty");
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    throw EFOpenError(L"Cannot open file \"" + path + L"\". The file cannot be found or read");
  }
  const auto images = ReadIconDirectory(bytes);
  if (!images) throw NotAnIcon();
  const IconImage& best = (*images)[BestIconImage(*images, size)];
  HICON icon = IconFromImage(std::string_view(bytes).substr(best.offset, best.size), best.png, size);
  if (!icon) throw NotAnIcon();
  return IconHandle(icon);
}

std::wstring PreviewIconPath(const std::wstring& folder, const std::wstring& iconFile) {
  return ResolveIconFile(folder, iconFile, ExpandedEnvironmentStrings);
}

}  // namespace folvane
