#include "controls/win/sMaskEdit.h"

#include "controls/win/sEditFace.h"
#include "paint/PaintColor.h"

namespace folvane {

TsMaskEdit::TsMaskEdit(TComponent* owner)
    : TMaskEdit(owner), SkinData(this, true), BoundLabel(this, &SkinData) {
  SkinData.ControlKind = 0;
  SkinData.PrepareCache = [this] { RebuildCache(); };
  if (!Loading()) Loaded();
}

TsMaskEdit::~TsMaskEdit() { MarkDestroying(); }

void TsMaskEdit::Loaded() {
  TMaskEdit::Loaded();
  if (SkinData.SkinSection().empty()) SkinData.SetSkinSection(L"EDIT");
  SkinData.Loaded();
}

void TsMaskEdit::SetDisabledKind(TsDisabledKind kind) {
  if (kind == disabledKind_) return;
  disabledKind_ = kind;
  SkinData.Invalidate();
}

int TsMaskEdit::FrameWidth() const { return MaskEditFrameWidth(BorderSettingsOf(*this)); }

RECT TsMaskEdit::TextRect(int textHeight) const {
  const PixelRect r = MaskEditTextRect(BorderSettingsOf(*this), Width(), textHeight);
  return {r.Left, r.Top, r.Right, r.Bottom};
}

int TsMaskEdit::TextHeight() {
  WindowDC screen(nullptr);
  SelectGuard font(screen.Get(), Font().Handle());
  TEXTMETRICW tm{};
  GetTextMetricsW(screen.Get(), &tm);
  return tm.tmHeight + tm.tmExternalLeading;
}

void TsMaskEdit::RebuildCache() {
  std::wstring text = Text();
  if (PasswordChar()) text.assign(text.size(), PasswordChar());
  const UINT flags = PasswordChar() ? kMaskEditPasswordFlags : kMaskEditTextFlags;
  RebuildEditFace(*this, SkinData, disabledKind_, {text, TextRect(TextHeight()), flags},
                  BorderStyle == TBorderStyle::bsNone);
}

void TsMaskEdit::PrepareCache() {
  PrepareEditFace(*this, SkinData, true, [this] { RebuildCache(); });
}

void TsMaskEdit::Change() {
  if (!Loading()) TMaskEdit::Change();
}

void TsMaskEdit::PaintIdle() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  PrepareCache();
  PaintClientFromCache(*this, SkinData, dc);
  EndPaint(Handle(), &ps);
}

void TsMaskEdit::PrintInto(HDC dc) {
  SkinData.PaintSuspended = false;
  if (SkinData.BackgroundChanged) RebuildCache();
  SkinData.RefreshCornersFromParent(0);
  TBitmap* cache = SkinData.CacheBitmap();
  if (!cache || cache->Empty() || !dc) return;
  BitBlt(dc, 0, 0, Width(), Height(), cache->DC(), 0, 0, SRCCOPY);
}

bool TsMaskEdit::HandleSkinCommand(Message& m) {
  if (m.msg != SM_VANTILECMD) return SkinData.HandleMessage(m);
  if (HandleEditSkinCommand(*this, SkinData, m)) return true;
  return SkinData.HandleMessage(m);
}

bool TsMaskEdit::HandleSkinnedPaint(Message& m) {
  switch (m.msg) {
    case WM_PAINT:
      if (SkinData.IsHot()) {
        TMaskEdit::WndProc(m);
        PrepareCache();
        PaintFrameFromCache(*this, SkinData, UsableFrameWidth(Handle(), FrameWidth()));
      } else {
        PaintIdle();
        m.result = 0;
      }
      return true;
    case WM_NCPAINT:
      if (!SkinData.IsPaintSuspended()) {
        PrepareCache();
        PaintFrameFromCache(*this, SkinData, UsableFrameWidth(Handle(), FrameWidth()));
      }
      m.result = 0;
      return true;
    case WM_ERASEBKGND:
      if (!SkinData.IsPaintSuspended() && SkinData.IsHot()) return false;
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

void TsMaskEdit::AfterPlatform(const Message& m, bool wasHot) {
  if (!SkinData.IsSkinned() || !HandleAllocated()) return;
  switch (m.msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      SkinData.BackgroundChanged = true;
      RedrawEdit(*this, true);
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      // The client switches between the platform's and the cached face.
      if (SkinData.IsHot() != wasHot) {
        SkinData.BackgroundChanged = true;
        RedrawEdit(*this, true);
      }
      break;
    case CN_COMMAND:
    case WM_SETTEXT:
    case CM_CHANGED:
      // The idle face shows the text: a change makes it stale. While hot
      // the platform shows the text, and leaving the hot state rebuilds.
      if (SkinData.IsHot()) break;
      SkinData.BackgroundChanged = true;
      InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case CM_FONTCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
      SkinData.Invalidate();
      RedrawEdit(*this, false);
      break;
    default:
      break;
  }
}

void TsMaskEdit::WndProc(Message& m) {
  // Before the skin state follows the message (hover, focus).
  const bool wasHot = SkinData.IsHot();
  if (HandleSkinCommand(m)) return;
  const bool skinned = SkinData.IsSkinned() && HandleAllocated() && Visible();
  if (!(skinned && HandleSkinnedPaint(m))) {
    TMaskEdit::WndProc(m);
  }
  AfterPlatform(m, wasHot);
  BoundLabel.HandleControlMessage(m);
}

}  // namespace folvane
