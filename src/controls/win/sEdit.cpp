#include "controls/win/sEdit.h"

#include "controls/win/sEditFace.h"
#include "paint/PaintColor.h"
#include "skin/SkinModel.h"

namespace folvane {

TsEdit::TsEdit(TComponent* owner)
    : TEdit(owner), SkinData(this, true), BoundLabel(this, &SkinData) {
  SkinData.ControlKind = 3;
  SkinData.PrepareCache = [this] { RebuildCache(); };
  if (!Loading()) SkinData.Loaded();
}

TsEdit::~TsEdit() { MarkDestroying(); }

void TsEdit::Loaded() {
  TEdit::Loaded();
  SkinData.Loaded();
}

void TsEdit::SetDisabledKind(TsDisabledKind kind) {
  if (kind == disabledKind_) return;
  disabledKind_ = kind;
  SkinData.Invalidate();
}

int TsEdit::FrameWidth() const { return EditFrameWidth(BorderSettingsOf(*this)); }

RECT TsEdit::TextRect() const {
  const PixelRect r = EditTextRect(BorderSettingsOf(*this), Width(), Height());
  return {r.Left, r.Top, r.Right, r.Bottom};
}

void TsEdit::RebuildCache() {
  std::wstring text = Text();
  if (PasswordChar()) text.assign(text.size(), PasswordChar());
  RebuildEditFace(*this, SkinData, disabledKind_, {text, TextRect(), kEditTextFlags}, false);
}

void TsEdit::PrepareCache() {
  PrepareEditFace(*this, SkinData, !SkinData.ParentBackgroundForced, [this] { RebuildCache(); });
}

// The platform paints with the control's colours: they follow the
// section's colours of the state shown, unless they are the control's own.
void TsEdit::FollowSectionColors() {
  const TsGeneralData* s = SkinData.Section();
  if (!s) return;
  const bool hot = SkinData.IsHot();
  const TColor color = ConvertColor(hot ? s->HotColor : s->Color);
  const TColor font = ConvertColor(hot ? s->HotFontColor : s->FontColor);
  if (!SkinData.CustomColor() && Color() != color) SetColor(color);
  if (!SkinData.CustomFont()) Font().SetColor(font);
}

// Drawing into a given DC (window fades take images this way): the cached
// face, then the platform's client over it while enabled.
void TsEdit::PrintInto(HDC dc) {
  SkinData.PaintSuspended = false;
  RebuildCache();
  TBitmap* cache = SkinData.CacheBitmap();
  if (!cache || cache->Empty() || !dc) return;
  BitBlt(dc, 0, 0, Width(), Height(), cache->DC(), 0, 0, SRCCOPY);
  if (!Enabled()) return;
  const POINT offset = ClientOffset(Handle());
  RECT client;
  GetClientRect(Handle(), &client);
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, offset.x, offset.y, nullptr);
  IntersectClipRect(dc, 0, 0, client.right, client.bottom);
  FollowSectionColors();
  // The edit paints into a DC passed with its paint message.
  Message paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  TEdit::WndProc(paint);
  RestoreDC(dc, saved);
}

bool TsEdit::HandleSkinCommand(Message& m) {
  if (m.msg != SM_VANTILECMD) return SkinData.HandleMessage(m);
  if (HandleEditSkinCommand(*this, SkinData, m)) return true;
  switch (SkinCommandCode(m.wParam)) {
    case SKC_FORCEPARENTBG:
      SkinData.HandleMessage(m);
      if (SkinData.ParentBackgroundForced) RebuildCache();
      return true;
    case SKC_ISGRAPHICBG:
      m.lParam = 0;
      break;
    case SKC_GETBGCOLOR:
      if (!SkinData.IsSkinned()) {
        m.result = static_cast<LRESULT>(ConvertColor(Color()));
        return true;
      }
      break;
    default:
      break;
  }
  return SkinData.HandleMessage(m);
}

bool TsEdit::HandleSkinnedPaint(Message& m) {
  switch (m.msg) {
    case WM_PAINT:
      if (SkinData.IsPaintSuspended()) {
        ValidateRect(Handle(), nullptr);
        m.result = 0;
        return true;
      }
      FollowSectionColors();
      if (Enabled()) return false;
      {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        PrepareCache();
        PaintClientFromCache(*this, SkinData, dc);
        EndPaint(Handle(), &ps);
      }
      m.result = 0;
      return true;
    case WM_NCPAINT:
      PrepareCache();
      PaintFrameFromCache(*this, SkinData, UsableFrameWidth(Handle(), FrameWidth()));
      m.result = 0;
      return true;
    case WM_ERASEBKGND:
      if (!SkinData.IsPaintSuspended() && Enabled()) return false;
      m.result = 1;
      return true;
    case WM_PRINT:
      PrintInto(reinterpret_cast<HDC>(m.wParam));
      m.result = 0;
      return true;
    default:
      return false;
  }
}

void TsEdit::AfterPlatform(const Message& m, bool wasHot) {
  if (!SkinData.IsSkinned() || !HandleAllocated()) return;
  switch (m.msg) {
    case WM_SIZE:
      RedrawEdit(*this, false);
      break;
    case WM_KILLFOCUS:
    case CM_EXIT:
      SkinData.Hovered = false;
      SkinData.FocusLook = false;
      SkinData.BackgroundChanged = true;
      RedrawEdit(*this, true);
      break;
    case WM_SETFOCUS:
      RedrawEdit(*this, true);
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      // A change of the hot look shows in the frame.
      if (SkinData.IsHot() != wasHot) {
        SkinData.BackgroundChanged = true;
        RedrawEdit(*this, true);
      }
      break;
    case CM_TEXTCHANGED:
    case WM_SETTEXT:  // a text set in code (a disabled edit shows it from the cache)
    case CM_FONTCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
      if (Loading()) break;
      SkinData.Invalidate();
      RedrawEdit(*this, false);
      break;
    case CM_COLORCHANGED:
      if (SkinData.CustomColor()) SkinData.BackgroundChanged = true;
      break;
    default:
      break;
  }
}

void TsEdit::WndProc(Message& m) {
  // Before the skin state follows the message (hover, focus).
  const bool wasHot = SkinData.IsHot();
  if (HandleSkinCommand(m)) return;
  if (SkinData.IsSkinned() && HandleAllocated() && Visible() && HandleSkinnedPaint(m)) return;
  TEdit::WndProc(m);
  AfterPlatform(m, wasHot);
  BoundLabel.HandleControlMessage(m);
}

}  // namespace folvane
