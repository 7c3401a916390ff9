#include "forms/win/vtPanelWnd.h"

#include "forms/AdapterLook.h"
#include "forms/win/AdapterPaintDC.h"
#include "forms/win/ButtonWindow.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Form.h"
#include "runtime/win/StdCtrls.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {

PanelBevel BevelOf(TBevelCut cut) {
  switch (cut) {
    case TBevelCut::bvLowered: return PanelBevel::Lowered;
    case TBevelCut::bvRaised: return PanelBevel::Raised;
    case TBevelCut::bvNone: break;
  }
  return PanelBevel::None;
}

void PaintGraphicChildren(TWinControl* parent, HDC dc, const RECT& clip) {
  if (!parent) return;
  for (TControl* c : parent->Controls()) {
    if (c->IsWindowed() || !c->Visible()) continue;
    RECT r = c->BoundsRect(), hit;
    if (!IntersectRect(&hit, &r, &clip)) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SetViewportOrgEx(dc, r.left, r.top, nullptr);
    c->Paint(dc);
    RestoreDC(dc, saved);
  }
}

}  // namespace

// --- containers

void TvtContainerWnd::HandleMessage(Message& m) {
  if (!Skinned()) {
    TvtMainWnd::HandleMessage(m);
    return;
  }
  switch (m.msg) {
    case WM_PAINT: {
      AdapterPaint paint(Handle(), m.wParam);
      PaintClient(paint.Get());
      m.result = 0;
      return;
    }
    case WM_PRINTCLIENT:
      PaintClient(reinterpret_cast<HDC>(m.wParam));
      m.result = 0;
      return;
    case WM_MOVE:
      MarkImageChanged();  // what shows through may differ at the new place
      break;
    case WM_ERASEBKGND:
      // Everything, graphic children included, is painted in WM_PAINT.
      m.result = 1;
      return;
    case WM_NCPAINT:
      PaintBorder();
      m.result = 0;
      return;
    case WM_PARENTNOTIFY:
      TvtMainWnd::HandleMessage(m);
      if (LOWORD(m.wParam) == WM_CREATE)
        if (auto* control = dynamic_cast<TWinControl*>(HostControl()))
          SendSkinCommand(control->ParentForm(), SKC_ADAPTCONTROL,
                          reinterpret_cast<LPARAM>(control));
      return;
    default:
      break;
  }
  TvtMainWnd::HandleMessage(m);
}

void TvtContainerWnd::PaintImage() {
  TBitmap* image = SizedImage();
  if (!image) return;
  PaintSectionImage(0);
  auto* panel = dynamic_cast<TPanel*>(HostControl());
  if (!panel || panel->Caption().empty()) return;
  const POINT client = ClientOrigin();
  RECT clientRect{};
  GetClientRect(Handle(), &clientRect);
  OffsetRect(&clientRect, client.x, client.y);
  DrawAdapterText(image->DC(), panel->Font(), panel->Caption(), panel->Enabled(), clientRect,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE, *SkinData(), false);
}

void TvtContainerWnd::PaintClient(HDC dc) {
  if (!dc || SkinData()->PaintSuspended) return;
  RefreshGeometry();
  if (!FirstPaintDone) PrepareFirstPaint();
  RenderImage();
  TBitmap* image = SkinData()->CacheBitmap();
  if (!image || image->Empty()) return;
  const POINT client = ClientOrigin();
  RECT clientRect{};
  GetClientRect(Handle(), &clientRect);
  BitBlt(dc, 0, 0, clientRect.right, clientRect.bottom, image->DC(), client.x, client.y, SRCCOPY);
  PaintGraphicChildren(dynamic_cast<TWinControl*>(HostControl()), dc, clientRect);
}

void TvtContainerWnd::PaintBorder() {
  RefreshGeometry();
  const POINT client = ClientOrigin();
  RECT clientRect{};
  GetClientRect(Handle(), &clientRect);
  const bool hasBorder = client.x > 0 || client.y > 0 || clientRect.right < WindowExtent.cx ||
                         clientRect.bottom < WindowExtent.cy;
  if (!hasBorder) return;
  RenderImage();
  TBitmap* image = SkinData()->CacheBitmap();
  if (!image || image->Empty()) return;
  NonClientDC dc(Handle());
  if (!dc.Get()) return;
  ExcludeClipRect(dc.Get(), client.x, client.y, client.x + clientRect.right,
                  client.y + clientRect.bottom);
  BitBlt(dc.Get(), 0, 0, image->Width(), image->Height(), image->DC(), 0, 0, SRCCOPY);
}

// --- panels

void TvtPanelWnd::OnAttach() {
  auto* panel = dynamic_cast<TPanel*>(HostControl());
  if (!panel) return;
  SkinData()->SetSkinSection(
      PanelSection(BevelOf(panel->BevelOuter), BevelOf(panel->BevelInner), false));
}

void TvtDlgPanelWnd::OnAttach() {
  TControl* control = HostControl();
  const bool plainPanel = control && std::wstring(control->ClassName()) == L"TPanel";
  if (plainPanel) {
    if (TsSkinManager* manager = SkinManager()) {
      savedColor_ = control->Color();
      colorTaken_ = true;
      control->SetColor(manager->Model().GlobalBackColor());
    }
  }
  SkinData()->SetSkinSection(plainPanel ? L"CHECKBOX" : L"GROUPBOX");
}

void TvtDlgPanelWnd::OnDetach() {
  TControl* control = HostControl();
  if (colorTaken_ && control && !control->Destroying()) control->SetColor(savedColor_);
  colorTaken_ = false;
}

// --- nested dialog panes

void TvtTransPanelWnd::HandleMessage(Message& m) {
  if (!Skinned()) {
    TvtMainWnd::HandleMessage(m);
    return;
  }
  switch (m.msg) {
    case WM_ERASEBKGND: {
      RefreshGeometry();
      RenderImage();
      TBitmap* image = SkinData()->CacheBitmap();
      auto dc = reinterpret_cast<HDC>(m.wParam);
      if (dc && image && !image->Empty()) {
        const POINT client = ClientOrigin();
        BitBlt(dc, -client.x, -client.y, image->Width(), image->Height(), image->DC(), 0, 0,
               SRCCOPY);
      }
      m.result = 1;
      return;
    }
    case WM_NCPAINT:
      m.result = 0;
      return;
    default:
      break;
  }
  TvtMainWnd::HandleMessage(m);
}

}  // namespace folvane
