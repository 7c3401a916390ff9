#include "runtime/win/StdCtrls.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/win/Dialogs.h"
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

// ---- edit with a browse button -----------------------------------------

namespace {

// The window inside the edit that holds the browse button; it never takes
// the focus, so clicking the button leaves the caret in the edit.
class TComboButtonHost : public TWinControl {
 public:
  using TWinControl::TWinControl;
  const wchar_t* ClassName() const override { return L"TComboButtonHost"; }

 protected:
  void WndProc(Message& m) override {
    if (m.msg == WM_MOUSEACTIVATE) {
      m.result = MA_NOACTIVATE;
      return;
    }
    TWinControl::WndProc(m);
  }
};

}  // namespace

TCustomComboEdit::TCustomComboEdit(TComponent* owner) : TEdit(owner) {
  host_ = new TComboButtonHost(this);
  host_->SetParent(this);
  host_->SetBounds(0, 0, kButtonWidth, 0);
  button_ = new TSpeedButton(this);
  button_->SetParent(host_);
  button_->DrawGlyph = [this](HDC dc, const RECT& r) { DrawButtonGlyph(dc, r); };
  button_->OnClick = [this](TControl*) { ButtonClick(); };
}

void TCustomComboEdit::CreateWindowHandleDone() {
  TEdit::CreateWindowHandleDone();
  SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, kButtonWidth + 2));
}

void TCustomComboEdit::PlaceButton() {
  if (!HandleAllocated()) return;
  RECT client;
  GetClientRect(Handle(), &client);
  host_->SetBounds(client.right - kButtonWidth, 0, kButtonWidth, client.bottom);
  button_->SetBounds(0, 0, kButtonWidth, client.bottom);
}

void TCustomComboEdit::WndProc(Message& m) {
  TEdit::WndProc(m);
  if (m.msg == WM_SIZE || m.msg == WM_CREATE) PlaceButton();
  if (m.msg == WM_SETFONT && HandleAllocated())
    SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, kButtonWidth + 2));
}

namespace {

void FillPolygon(HDC dc, const POINT* pts, int count, COLORREF fill, COLORREF line) {
  BrushHandle brush(CreateSolidBrush(fill));
  PenHandle pen(CreatePen(PS_SOLID, 1, line));
  SelectGuard b(dc, brush.Get());
  SelectGuard p(dc, pen.Get());
  Polygon(dc, pts, count);
}

}  // namespace

TFilenameEdit::TFilenameEdit(TComponent* owner) : TCustomComboEdit(owner) {
  Chooser = [this](HWND wnd, std::wstring& path) { return ChooseOpenFile(wnd, Filter, path); };
}

void TFilenameEdit::ButtonClick() {
  std::wstring path = Text();
  if (Chooser && Chooser(ParentForm() ? ParentForm()->Handle() : nullptr, path)) {
    SetText(path);
    SetFocus();
  }
}

void TFilenameEdit::DrawButtonGlyph(HDC dc, const RECT& r) {
  // A small page with a folded corner.
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  const POINT page[5] = {{cx - 4, cy - 6}, {cx + 1, cy - 6}, {cx + 4, cy - 3},
                         {cx + 4, cy + 5}, {cx - 4, cy + 5}};
  FillPolygon(dc, page, 5, RGB(255, 255, 255), RGB(96, 96, 96));
  const POINT fold[3] = {{cx + 1, cy - 6}, {cx + 1, cy - 3}, {cx + 4, cy - 3}};
  FillPolygon(dc, fold, 3, RGB(210, 210, 210), RGB(96, 96, 96));
}

TDirectoryEdit::TDirectoryEdit(TComponent* owner) : TCustomComboEdit(owner) {
  Chooser = [](HWND wnd, std::wstring& path) { return ChooseFolder(wnd, path); };
}

void TDirectoryEdit::ButtonClick() {
  std::wstring path = Text();
  if (Chooser && Chooser(ParentForm() ? ParentForm()->Handle() : nullptr, path)) {
    SetText(path);
    SetFocus();
  }
}

void TDirectoryEdit::DrawButtonGlyph(HDC dc, const RECT& r) {
  // A small closed folder.
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  const POINT back[6] = {{cx - 6, cy - 4}, {cx - 2, cy - 4}, {cx - 1, cy - 3},
                         {cx + 6, cy - 3}, {cx + 6, cy + 4}, {cx - 6, cy + 4}};
  FillPolygon(dc, back, 6, RGB(232, 178, 48), RGB(150, 104, 20));
  const POINT front[4] = {{cx - 6, cy - 1}, {cx + 6, cy - 1}, {cx + 6, cy + 4}, {cx - 6, cy + 4}};
  FillPolygon(dc, front, 4, RGB(250, 206, 86), RGB(150, 104, 20));
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
