#include "runtime/win/ImageFile.h"

#include <wincodec.h>

namespace folvane {

namespace {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** Out() { return &p_; }
  T* operator->() const { return p_; }
  T* Get() const { return p_; }

 private:
  T* p_ = nullptr;
};

}  // namespace

bool SavePng(TBitmap& bitmap, const std::wstring& path) {
  if (bitmap.Empty()) return false;
  const bool comReady = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  bool ok = false;
  {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    const PixelBuffer& px = bitmap.Pixels();
    WICPixelFormatGUID format = px.Format() == PixelFormat::Bgra32 ? GUID_WICPixelFormat32bppBGRA
                                                                   : GUID_WICPixelFormat24bppBGR;
    ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(factory.Out()))) &&
         SUCCEEDED(factory->CreateStream(stream.Out())) &&
         SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
         SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) &&
         SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
         SUCCEEDED(encoder->CreateNewFrame(frame.Out(), nullptr)) &&
         SUCCEEDED(frame->Initialize(nullptr)) &&
         SUCCEEDED(frame->SetSize(static_cast<UINT>(px.Width()), static_cast<UINT>(px.Height()))) &&
         SUCCEEDED(frame->SetPixelFormat(&format)) &&
         SUCCEEDED(frame->WritePixels(static_cast<UINT>(px.Height()), static_cast<UINT>(px.Stride()),
                                      static_cast<UINT>(px.Stride() * px.Height()),
                                      const_cast<BYTE*>(px.Row(0)))) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
  }
  if (comReady) CoUninitialize();
  return ok;
}

TBitmap CaptureWindow(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  TBitmap shot(r.right - r.left, r.bottom - r.top, PixelFormat::Bgr24);
  WindowDC screen(nullptr);
  BitBlt(shot.DC(), 0, 0, shot.Width(), shot.Height(), screen.Get(), r.left, r.top, SRCCOPY);
  return shot;
}

}  // namespace folvane
