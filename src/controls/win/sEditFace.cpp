#include "controls/win/sEditFace.h"

#include <algorithm>

#include "paint/DcPrimitives.h"
#include "paint/PaintColor.h"
#include "paint/SectionPainting.h"
#include "paint/win/TextCanvas.h"
#include "paint/win/sSkinText.h"
#include "runtime/win/Application.h"
#include "skin/SkinModel.h"

namespace folvane {

EditBorderSettings BorderSettingsOf(const TEdit& edit) {
  EditBorderSettings s;
  s.SingleBorder = edit.BorderStyle == TBorderStyle::bsSingle;
  s.Ctl3D = edit.Ctl3D;
  s.InnerBevel = edit.BevelInner != TBevelCut::bvNone;
  s.OuterBevel = edit.BevelOuter != TBevelCut::bvNone;
  s.BevelKind = edit.BevelKind != TBevelKind::bkNone;
  return s;
}

void RebuildEditFace(TEdit& edit, TsCommonData& data, TsDisabledKind disabledKind,
                     const EditFaceText& text, bool noBorder) {
  data.InitCacheBitmap();
  TBitmap* cache = data.CacheBitmap();
  const SkinModel* model = data.Model();
  if (!cache || cache->Empty() || !model) return;
  const int state = data.IsHot() ? 1 : 0;
  const BackgroundInfo behind = data.GetBackground();
  const PixelRect all{0, 0, edit.Width(), edit.Height()};
  const PixelPoint at{edit.Left(), edit.Top()};
  if (noBorder) {
    const TColor custom = data.CustomColor() ? ConvertColor(data.OwnerColor()) : KeyColor;
    PaintSectionBackground(data.SectionIndex, data.SectionName(), behind, custom,
                           data.HotTextureIndex, data.TextureIndex, *model, cache->Pixels(), at,
                           all, state);
  } else {
    PaintControlSection(data, behind, true, true, cache->Pixels(), at, all, state);
  }
  if (!text.Text.empty()) {
    TextCanvas canvas(cache->DC());
    // Drawn as enabled: a disabled edit gets its look from the whole face
    // below, which would otherwise dim the text twice.
    DrawControlText(canvas, text.Text, true, text.Rect, text.Flags, data, state != 0);
    GdiFlush();
  }
  if (!edit.Enabled())
    ApplyDisabledLook(cache->Pixels(), disabledKind, ConvertColor(edit.Color()), at,
                      data.GetBackground());
  data.BackgroundChanged = false;
}

namespace {

bool InsideParent(const TControl& control) {
  const TWinControl* parent = control.Parent();
  if (!parent || !parent->HandleAllocated()) return false;
  RECT client;
  GetClientRect(parent->Handle(), &client);
  const RECT r = control.BoundsRect();
  return r.left >= client.left && r.top >= client.top && r.right <= client.right &&
         r.bottom <= client.bottom;
}

}  // namespace

void PrepareEditFace(TEdit& edit, TsCommonData& data, bool mayRebuild,
                     const std::function<void()>& rebuild) {
  if (data.OutsideParent ||
      (edit.Parent() && SendSkinCommand(edit.Parent(), SKC_ISOUTSIDE) != 0))
    data.BackgroundChanged = true;
  data.OutsideParent = !InsideParent(edit);
  if (data.BackgroundChanged && mayRebuild && rebuild) rebuild();
  data.RefreshCornersFromParent(0);
}

POINT ClientOffset(HWND wnd) {
  RECT window{};
  GetWindowRect(wnd, &window);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  return {origin.x - window.left, origin.y - window.top};
}

int UsableFrameWidth(HWND wnd, int wanted) {
  const POINT offset = ClientOffset(wnd);
  return std::max(0, std::min<int>(wanted, std::min(offset.x, offset.y)));
}

void PaintFrameFromCache(TWinControl& control, TsCommonData& data, int ring) {
  TBitmap* cache = data.CacheBitmap();
  if (!control.HandleAllocated() || !cache || cache->Empty() || ring <= 0) return;
  WindowDC dc(control.Handle(), true);
  CopyBorderFrame(dc.Get(), 0, 0, cache->Width(), cache->Height(), cache->DC(), 0, 0, ring);
}

void PaintClientFromCache(TWinControl& control, TsCommonData& data, HDC dc) {
  TBitmap* cache = data.CacheBitmap();
  if (!control.HandleAllocated() || !cache || cache->Empty() || !dc) return;
  RECT client;
  GetClientRect(control.Handle(), &client);
  const POINT offset = ClientOffset(control.Handle());
  BitBlt(dc, 0, 0, client.right, client.bottom, cache->DC(), offset.x, offset.y, SRCCOPY);
}

void RedrawEdit(TWinControl& control, bool client) {
  if (!control.HandleAllocated()) return;
  if (client) {
    RedrawWindow(control.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    return;
  }
  // Only the frame, at once: the client keeps its pixels.
  SendMessageW(control.Handle(), WM_NCPAINT, 1, 0);
}

bool HandleEditSkinCommand(TWinControl& control, TsCommonData& data, Message& m) {
  if (m.msg != SM_VANTILECMD) return false;
  switch (SkinCommandCode(m.wParam)) {
    case SKC_NEWSKIN:
    case SKC_REMOVESKIN:
    case SKC_REFRESH: {
      const bool own = data.ConcernsManager(m.lParam);
      const WORD code = SkinCommandCode(m.wParam);
      data.HandleMessage(m);
      // A removed skin gives the frame back to the platform, which draws
      // its own border on the next frame paint.
      if (own && code != SKC_NEWSKIN) RedrawEdit(control, true);
      return true;
    }
    case SKC_REPAINTIFCHANGED:
      if (data.IsPaintSuspended()) {
        data.PaintSuspended = false;
        RedrawEdit(control, true);
      }
      m.result = 0;
      return true;
    case SKC_ISSKINNED:
      m.result = 1;
      return true;
    case SKC_GETAPPLICATION:
      m.result = reinterpret_cast<LRESULT>(Application);
      return true;
    default:
      return false;
  }
}

}  // namespace folvane
