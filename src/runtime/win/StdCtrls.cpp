#include "runtime/win/StdCtrls.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/win/ExtCtrls.h"

namespace folvane {

// ---- edit -------------------------------------------------------------

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  TabStop = true;
  SetColor(clWindow);
  Font().SetColor(clWindowText);
}

void TEdit::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.baseClass = L"EDIT";
  params.style |= ES_AUTOHSCROLL | (ReadOnly ? ES_READONLY : 0) | (passwordChar_ ? ES_PASSWORD : 0);
  if (BorderStyle == TBorderStyle::bsSingle) {
    if (Ctl3D) params.exStyle |= WS_EX_CLIENTEDGE;
    else params.style |= WS_BORDER;
  }
}

void TEdit::CreateWindowHandleDone() {
  SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_) SendMessageW(Handle(), EM_SETPASSWORDCHAR, passwordChar_, 0);
  lastText_ = Caption();
  if (BevelEdgeWidth() > 0)
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TEdit::SetPasswordChar(wchar_t c) {
  passwordChar_ = c;
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), EM_SETPASSWORDCHAR, c, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

int TEdit::BevelEdgeWidth() const {
  if (BevelKind == TBevelKind::bkNone) return 0;
  return (BevelInner != TBevelCut::bvNone ? 1 : 0) + (BevelOuter != TBevelCut::bvNone ? 1 : 0);
}

void TEdit::PaintBevelEdges() {
  const int width = BevelEdgeWidth();
  if (width == 0) return;
  WindowDC dc(Handle(), true);
  RECT r{0, 0, Width(), Height()};
  if (BorderStyle == TBorderStyle::bsSingle) InflateRect(&r, Ctl3D ? -2 : -1, Ctl3D ? -2 : -1);
  auto edge = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    const bool raised = cut == TBevelCut::bvRaised;
    Frame3D(dc.Get(), r, raised ? clBtnHighlight : clBtnShadow,
            raised ? clBtnShadow : clBtnHighlight, 1);
  };
  edge(BevelOuter);
  edge(BevelInner);
}

void TMaskEdit::SetEditMask(const std::wstring& mask) {
  if (!mask.empty()) throw EInvalidOperation(L"Input masks are not supported");
  editMask_ = mask;
}

std::wstring TEdit::Text() const {
  if (!HandleAllocated()) return Caption();
  const int length = GetWindowTextLengthW(Handle());
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(Handle(), text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(got, 0)));
  return text;
}

void TEdit::SetText(const std::wstring& text) {
  if (HandleAllocated()) {
    SetWindowTextW(Handle(), text.c_str());  // EN_CHANGE runs Change
  } else if (text != Caption()) {
    SetCaptionField(text);
    Change();
  }
}

void TEdit::SetMaxLength(int length) {
  maxLength_ = std::max(length, 0);
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TEdit::Change() {
  if (OnChange) OnChange(this);
}

void TEdit::WndProc(Message& m) {
  switch (m.msg) {
    case CN_COMMAND:
      if (HIWORD(m.wParam) == EN_CHANGE) {
        // The edit reports a change also when the same text is set again.
        std::wstring now = Text();
        if (now != lastText_) {
          lastText_ = now;
          SetCaptionField(now);
          Change();
        }
      }
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(m.wParam);
      SetTextColor(dc, ColorToRGB(Font().Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      m.result = reinterpret_cast<LRESULT>(ColorBrush());
      return;
    }
    case WM_NCCALCSIZE:
      TWinControl::WndProc(m);
      if (const int bevel = BevelEdgeWidth(); bevel > 0 && m.lParam) {
        RECT& client = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lParam)->rgrc[0];
        InflateRect(&client, -bevel, -bevel);
      }
      return;
    case WM_NCPAINT:
      TWinControl::WndProc(m);
      PaintBevelEdges();
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

// ---- button with glyph ---------------------------------------------------

TBitBtn::TBitBtn(TComponent* owner) : TButtonControl(owner) { TabStop = true; }

void TBitBtn::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.baseClass = L"BUTTON";
  params.style |= BS_OWNERDRAW;
}

void TBitBtn::SetGlyph(TBitmap glyph, int numGlyphs) {
  glyph_ = std::move(glyph);
  numGlyphs_ = std::max(1, numGlyphs);
  Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind kind) {
  kind_ = kind;
  if (kind == TBitBtnKind::bkOK) {
    SetCaption(L"OK");
    ModalResult = mrOk;
    Default = true;
    try {
      SetGlyph(TBitmap::FromResource(L"OKGLYPH"), 2);
    } catch (...) {
      // A build without the picture still has a working OK button.
    }
  }
}

void TBitBtn::WndProc(Message& m) {
  switch (m.msg) {
    case CN_COMMAND:
      if (HIWORD(m.wParam) == BN_CLICKED) Click();
      return;
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam));
      m.result = TRUE;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TButtonControl::WndProc(m);
      Invalidate();
      return;
    default:
      break;
  }
  TButtonControl::WndProc(m);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  if (focused || Default) {
    // The button Enter would press has a dark outline.
    BrushHandle frame(CreateSolidBrush(ColorToRGB(clWindowText)));
    FrameRect(dc, &r, frame.Get());
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0));
  if (pressed) OffsetRect(&r, 1, 1);

  SelectGuard font(dc, Font().Handle());
  const int glyphW = glyph_.Empty() ? 0 : glyph_.Width() / numGlyphs_;
  const int glyphH = glyph_.Empty() ? 0 : glyph_.Height();
  // A caption too long for one line beside the glyph breaks between words.
  const int room = std::max(0, static_cast<int>(r.right - r.left) - 6 - glyphW - (glyphW ? Spacing : 0));
  UINT textFlags = DT_SINGLELINE;
  RECT textRect{0, 0, 0, 0};
  DrawTextW(dc, Caption().c_str(), -1, &textRect, DT_CALCRECT | textFlags);
  if (textRect.right > room && Caption().find(L' ') != std::wstring::npos) {
    textFlags = DT_WORDBREAK | DT_CENTER;
    textRect = {0, 0, room, 0};
    DrawTextW(dc, Caption().c_str(), -1, &textRect, DT_CALCRECT | textFlags);
  }
  const int textW = textRect.right;
  const int gap = glyphW && textW ? Spacing : 0;
  int x = r.left + (r.right - r.left - (glyphW + gap + textW)) / 2;
  const int cy = (r.top + r.bottom) / 2;
  if (glyphW) {
    const int index = disabled && numGlyphs_ > 1 ? 1 : 0;
    const TColor key = glyph_.Pixels().GetColor(0, glyphH - 1);
    TBitmap& g = const_cast<TBitmap&>(glyph_);
    TransparentBlt(dc, x, cy - glyphH / 2, glyphW, glyphH, g.DC(), index * glyphW, 0, glyphW,
                   glyphH, ColorToRGB(key));
    x += glyphW + gap;
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(disabled ? clGrayText : Font().Color()));
  RECT t{x, cy - textRect.bottom / 2, x + textW, cy - textRect.bottom / 2 + textRect.bottom};
  DrawTextW(dc, Caption().c_str(), -1, &t, textFlags);
  if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT f = item.rcItem;
    InflateRect(&f, -4, -4);
    DrawFocusRect(dc, &f);
  }
}

// ---- panel and status bar ---------------------------------------------

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {}

void Frame3D(HDC dc, RECT& r, TColor topLeft, TColor bottomRight, int width) {
  PenHandle light(CreatePen(PS_SOLID, 1, ColorToRGB(topLeft)));
  PenHandle dark(CreatePen(PS_SOLID, 1, ColorToRGB(bottomRight)));
  for (int i = 0; i < width; ++i) {
    {
      SelectGuard p(dc, light.Get());
      POINT tl[3] = {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 1, r.top}};
      Polyline(dc, tl, 3);
    }
    {
      SelectGuard p(dc, dark.Get());
      POINT br[3] = {{r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1}};
      Polyline(dc, br, 3);
    }
    InflateRect(&r, -1, -1);
  }
}

void TPanel::PaintBackground(HDC dc, const RECT& clip) {
  TWinControl::PaintBackground(dc, clip);
  RECT r;
  GetClientRect(Handle(), &r);
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    const bool raised = cut == TBevelCut::bvRaised;
    Frame3D(dc, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight,
            BevelWidth);
  };
  bevel(BevelOuter);
  bevel(BevelInner);
  if (!Caption().empty()) {
    SelectGuard font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    DrawTextW(dc, Caption().c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) { Align = TAlign::alBottom; }

bool TStatusBar::SizeGripShown() const {
  const TForm* form = ParentForm();
  return SizeGrip && form && form->BorderStyle == TFormBorderStyle::bsSizeable;
}

void TStatusBar::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.baseClass = STATUSCLASSNAMEW;
  // Our own layout places it; the grip only where the form can be resized.
  params.style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
  if (SizeGripShown()) params.style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWindowHandleDone() {
  SendPanels();
  SendMessageW(Handle(), SB_SIMPLE, SimplePanel ? TRUE : FALSE, 0);
  SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
  if (borderWidth_ > 0)
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TStatusBar::SendPanels() {
  if (!HandleAllocated() || Panels.empty()) return;
  std::vector<int> edges;
  int right = 0;
  for (size_t i = 0; i < Panels.size(); ++i) {
    right += Panels[i].Width;
    edges.push_back(i + 1 == Panels.size() ? -1 : right);
  }
  SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < Panels.size(); ++i) SetPanelText(static_cast<int>(i), Panels[i].Text);
}

void TStatusBar::PanelsChanged() {
  SendPanels();
  Invalidate();
}

void TStatusBar::SetPanelText(int index, const std::wstring& text) {
  if (index < 0 || static_cast<size_t>(index) >= Panels.size()) return;
  Panels[static_cast<size_t>(index)].Text = text;
  if (!HandleAllocated()) return;
  const TStatusPanel& p = Panels[static_cast<size_t>(index)];
  WPARAM how = static_cast<WPARAM>(index);
  if (p.Style == TStatusPanelStyle::psOwnerDraw) how |= SBT_OWNERDRAW;
  const bool ownerDraw = p.Style == TStatusPanelStyle::psOwnerDraw;
  SendMessageW(Handle(), SB_SETTEXTW, how,
               ownerDraw ? 0 : reinterpret_cast<LPARAM>(p.Text.c_str()));
}

void TStatusBar::SetSimplePanel(bool simple) {
  SimplePanel = simple;
  if (HandleAllocated()) SendMessageW(Handle(), SB_SIMPLE, simple ? TRUE : FALSE, 0);
}

void TStatusBar::SetSimpleText(const std::wstring& text) {
  simpleText_ = text;
  if (HandleAllocated())
    SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
}

void TStatusBar::SetBorderWidth(int width) {
  borderWidth_ = std::max(width, 0);
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TStatusBar::WndProc(Message& m) {
  switch (m.msg) {
    case WM_NCCALCSIZE:
      TWinControl::WndProc(m);
      if (borderWidth_ > 0 && m.lParam) {
        RECT& client = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lParam)->rgrc[0];
        InflateRect(&client, -borderWidth_, -borderWidth_);
      }
      return;
    case CN_DRAWITEM: {
      const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam);
      if (OnDrawPanel) OnDrawPanel(this, item.hDC, static_cast<int>(item.itemID), item.rcItem);
      m.result = TRUE;
      return;
    }
    default:
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace folvane
