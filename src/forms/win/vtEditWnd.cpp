#include "forms/win/vtEditWnd.h"

#include <optional>

#include "forms/win/AdapterPaintDC.h"
#include "paint/PaintColor.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Bitmap.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"

namespace folvane {


TColor TvtEditWnd::ClientColor() const {
  const TsGeneralData* s = SkinData()->IsSkinned() ? SkinData()->Section() : nullptr;
  return s ? ConvertColor(s->Color) : ConvertColor(clWindow);
}

TColor TvtEditWnd::TextColor() const {
  const TsGeneralData* s = SkinData()->IsSkinned() ? SkinData()->Section() : nullptr;
  if (!s) return ConvertColor(clWindowText);
  return ConvertColor(IsWindowEnabled(Handle()) ? s->FontColor
                                                : LerpColors(ConvertColor(s->FontColor),
                                                             ConvertColor(s->Color), 0.4));
}

int TvtEditWnd::PaintState() const {
  if (!IsWindowEnabled(Handle())) return 0;
  TsSkinManager* primary = TsSkinManager::PrimaryManager();
  const bool hot = primary && primary->HotWindow() == Handle();
  return GetFocus() == Handle() || hot || SkinData()->Hovered ? 1 : 0;
}

void TvtEditWnd::HandleMessage(Message& m) {
  if (!Skinned()) {
    TvtBaseWnd::HandleMessage(m);
    return;
  }
  switch (m.msg) {
    case WM_NCPAINT:
      if (SkinData()->PaintSuspended) break;
      PaintFrame(nullptr);
      PaintBars();
      m.result = 0;
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX:
      m.result = AnswerColors(reinterpret_cast<HDC>(m.wParam));
      return;
    case WM_PRINT: {
      auto dc = reinterpret_cast<HDC>(m.wParam);
      if (m.lParam & PRF_NONCLIENT) {
        PaintFrame(dc);
        PaintBars(dc);
      }
      if (m.lParam & PRF_CLIENT) {
        const POINT client = ClientOrigin();
        POINT old{};
        OffsetViewportOrgEx(dc, client.x, client.y, &old);
        Message print{WM_PRINTCLIENT, m.wParam, PRF_CLIENT | PRF_OWNED, 0};
        CallPrevious(print);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
      }
      m.result = 0;
      return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case CM_FONTCHANGED:
      TvtBaseWnd::HandleMessage(m);
      RedrawFrame();
      return;
    case SM_VANTILECMD:
      switch (SkinCommandCode(m.wParam)) {
        case SKC_CTRLACTIVATED:
        case SKC_CTRLDEACTIVATED:
          SkinData()->Hovered = SkinCommandCode(m.wParam) == SKC_CTRLACTIVATED;
          RedrawFrame();
          m.result = 0;
          return;
        case SKC_GETSECTIONINDEX:
          m.result = SkinData()->SectionIndex + 1;
          return;
        default:
          break;
      }
      break;
    default:
      break;
  }
  TvtBaseWnd::HandleMessage(m);
}

LRESULT TvtEditWnd::AnswerColors(HDC dc) {
  const TColor back = ClientColor();
  if (!brush_ || brushColor_ != back) {
    brush_.Reset(CreateSolidBrush(back & 0xFFFFFF));
    brushColor_ = back;
  }
  if (dc) {
    SetTextColor(dc, TextColor() & 0xFFFFFF);
    SetBkColor(dc, back & 0xFFFFFF);
  }
  return reinterpret_cast<LRESULT>(brush_.Get());
}

void TvtEditWnd::RedrawFrame() {
  MarkImageChanged();
  if (IsWindowVisible(Handle())) SendMessageW(Handle(), WM_NCPAINT, 1, 0);
}

// The ring between the window's edge and its client area (and scroll bars)
// shows the image.
void TvtEditWnd::PaintFrame(HDC into) {
  if (SkinData()->PaintSuspended) return;
  RefreshGeometry();
  if (!FirstPaintDone) PrepareFirstPaint();
  MarkImageChanged();
  RenderImage();
  TBitmap* image = SkinData()->CacheBitmap();
  if (!image || image->Empty()) return;
  std::optional<NonClientDC> own;
  if (!into) own.emplace(Handle());
  HDC dc = into ? into : own->Get();
  if (!dc) return;
  const int saved = SaveDC(dc);
  const POINT client = ClientOrigin();
  RECT clientRect{};
  GetClientRect(Handle(), &clientRect);
  ExcludeClipRect(dc, client.x, client.y, client.x + clientRect.right, client.y + clientRect.bottom);
  ExcludeBars(dc);
  BitBlt(dc, 0, 0, image->Width(), image->Height(), image->DC(), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
}

}  // namespace folvane
