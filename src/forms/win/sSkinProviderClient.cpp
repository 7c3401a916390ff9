// The client side of a skinned form: its background from the window image
// or the skin's colour, the graphic children over it, and printing the
// whole window into a device context.
#include "forms/win/sSkinProvider.h"
#include "paint/PaintColor.h"
#include "paint/PaintGlyph.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

void FillDC(HDC dc, const RECT& r, TColor color) {
  BrushHandle brush(CreateSolidBrush(color & 0xFFFFFF));
  FillRect(dc, &r, brush.Get());
}

RECT ClientRectOf(TForm* form) {
  RECT r{};
  GetClientRect(form->Handle(), &r);
  return r;
}

}  // namespace

void TsSkinProvider::HandlePaint(Message& m) {
  PAINTSTRUCT ps;
  const HWND wnd = form_->Handle();
  const HDC dc = BeginPaint(wnd, &ps);
  if (!ShowAnimating && !form_->Destroying()) PaintClient(dc, ps.rcPaint);
  EndPaint(wnd, &ps);
  m.result = 0;
}

void TsSkinProvider::HandleEraseBackground(Message& m) {
  if (!Showing()) {
    CallSaved(m);
    return;
  }
  // Painted with everything else in WM_PAINT, off-screen.
  m.result = 1;
}

// Off-screen first: the background and the graphic children reach the
// screen in one copy, so that nothing flickers.
void TsSkinProvider::PaintClient(HDC dc, const RECT& clip) {
  SkinData.PaintSuspended = false;
  const RECT client = ClientRectOf(form_);
  if (IsRectEmpty(&client)) return;
  TBitmap buffer(client.right, client.bottom, PixelFormat::Bgr24);
  if (SkinData.NeedsFullRepaint()) {
    if (SkinData.BackgroundChanged) RenderWindowImage();
    TBitmap* image = SkinData.CacheBitmap();
    if (image && !image->Empty())
      BitBlt(buffer.DC(), 0, 0, client.right, client.bottom, image->DC(),
             FrameThicknessX(), ClientShiftY(), SRCCOPY);
  } else {
    FillClientBackground(buffer.DC(), client);
  }
  PaintGraphicChildren(buffer.DC());
  BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, buffer.DC(),
         clip.left, clip.top, SRCCOPY);
  const std::vector<TControl*> children = form_->Controls();
  for (TControl* child : children)
    if (child->IsWindowed()) SendSkinCommand(child, SKC_REPAINTIFCHANGED);
}

void TsSkinProvider::FillClientBackground(HDC dc, const RECT& client) {
  FillDC(dc, client, BackgroundColor());
  if (GripMode == TsGripMode::gmRightBottom) DrawGripTo(dc);
}

// The size grip in the client's bottom-right corner, over the form's colour.
void TsSkinProvider::DrawGripTo(HDC dc) {
  const SkinModel* model = SkinData.Model();
  if (!model) return;
  const int gi = model->FindSection("GLOBALINFO");
  const int grip = gi >= 0 ? model->FindMask(gi, "GLOBALINFO", "GRIPIMAGE") : kNoIndex;
  const TsMaskData* mask = model->Mask(grip);
  if (!mask) return;
  const MaskSize s = model->MaskStateSize(grip);
  if (s.x <= 0 || s.y <= 0) return;
  TBitmap piece(s.x, s.y, PixelFormat::Bgr24);
  const RECT all{0, 0, s.x, s.y};
  FillDC(piece.DC(), all, BackgroundColor());
  GdiFlush();
  PaintGlyph(piece.Pixels(), {0, 0}, 0, ColorBackground(BackgroundColor()), *mask, kGlyphNormal);
  const RECT client = ClientRectOf(form_);
  BitBlt(dc, client.right - s.x, client.bottom - s.y, s.x, s.y, piece.DC(), 0, 0, SRCCOPY);
}

void TsSkinProvider::PaintGraphicChildren(HDC dc) {
  if (!form_->Visible() || form_->Controls().empty()) return;
  BackgroundRequest request;
  RequestBackground(static_cast<TControl*>(form_), request);
  const BackgroundInfo behind = BackgroundFromAnswer(request);
  const std::vector<TControl*> children = form_->Controls();
  for (TControl* child : children) {
    if (child->IsWindowed() || !child->Visible() || child->Destroying()) continue;
    if (child->Width() < 1 || child->Height() < 1) continue;
    if (SkinData.PaintedChild && SkinData.PaintedChild != child) continue;
    const RECT r = child->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    if (behind.IsBitmap && behind.Bitmap) {
      // What lies behind the child: the form's image at the child's place.
      TBitmap* image = SkinData.CacheBitmap();
      if (image) BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, image->DC(),
                        r.left + behind.OffsetX, r.top + behind.OffsetY, SRCCOPY);
    }
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SetViewportOrgEx(dc, r.left, r.top, nullptr);
    child->Paint(dc);
    RestoreDC(dc, saved);
  }
}

void TsSkinProvider::Print(HDC dc) {
  if (!dc || !form_->Visible() || Loading() || form_->Destroying() || !form_->HandleAllocated())
    return;
  SkinData.PaintSuspended = false;
  if (SkinData.BackgroundChanged || !SkinData.CacheBitmap() || SkinData.CacheBitmap()->Empty()) {
    SkinData.BackgroundChanged = true;
    RenderWindowImage();
  }
  CopyStrips(dc);
  const int saved = SaveDC(dc);
  POINT old;
  OffsetViewportOrgEx(dc, ClientShiftX(), ClientShiftY(), &old);
  const RECT client = ClientRectOf(form_);
  IntersectClipRect(dc, 0, 0, client.right, client.bottom);
  PaintClient(dc, client);
  RestoreDC(dc, saved);
}

}  // namespace folvane
