#include "controls/win/sCustomComboEdit.h"

#include "controls/EditGlyph.h"
#include "controls/win/sEditFace.h"
#include "paint/DisabledLook.h"
#include "paint/PaintColor.h"
#include "skin/win/SkinCommands.h"

namespace folvane {

namespace {

constexpr int kComboEditKind = 138;
constexpr int kEditHeight = 21;
// Text flags of the face: no prefix, word break, left aligned.
constexpr UINT kComboTextFlags = DT_NOPREFIX | DT_WORDBREAK;

bool IsOwnSkinChange(const TsCommonData& data, const Message& m) {
  const WORD code = SkinCommandCode(m.wParam);
  return (code == SKC_NEWSKIN || code == SKC_REMOVESKIN || code == SKC_REFRESH) &&
         data.ConcernsManager(m.lParam);
}

bool ShiftDown(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

}  // namespace

// --- TsCustomComboEdit

TsCustomComboEdit::TsCustomComboEdit(TComponent* owner) : TsMaskEdit(owner), GlyphMode(*this) {
  SkinData.ControlKind = kComboEditKind;
  SetBounds(Left(), Top(), Width(), kEditHeight);
  button_ = new TsEditButton(this);
}

TsCustomComboEdit::~TsCustomComboEdit() {
  MarkDestroying();
  // The button may still be asked to paint while its parent goes.
  button_->OnClick = nullptr;
}

void TsCustomComboEdit::SetDefaultGlyphName(const std::wstring& name) {
  defaultGlyph_ = name;
  ChooseGlyph();
}

void TsCustomComboEdit::SetShowButton(bool value) {
  if (value == showButton_) return;
  showButton_ = value;
  Invalidate();
}

void TsCustomComboEdit::SetDirectInput(bool value) {
  directInput_ = value;
  UpdatePlatformReadOnly();
}

void TsCustomComboEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  UpdatePlatformReadOnly();
}

void TsCustomComboEdit::UpdatePlatformReadOnly() {
  ReadOnly = readOnly_ || !directInput_;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, ReadOnly ? TRUE : FALSE, 0);
}

int TsCustomComboEdit::ButtonWidth() const {
  return button_ && button_->Visible() ? button_->Width() : 0;
}

void TsCustomComboEdit::ChooseGlyph() {
  if (!button_ || !button_->Visible()) return;
  const int width = EditButtonWidth(GlyphMode.Choice());
  if (width == button_->Width()) return;
  button_->SetBounds(button_->Left(), button_->Top(), width, button_->Height());
  RealignChildren();
  NarrowFormattingRect();
}

void TsCustomComboEdit::ApplyShowButton() {
  if (showButton_ && !button_->Visible()) {
    button_->SetBounds(button_->Left(), button_->Top(), kComboButtonWidth, button_->Height());
    button_->SetVisible(true);
    ChooseGlyph();
  } else if (!showButton_ && button_->Visible()) {
    button_->SetVisible(false);
    button_->SetBounds(button_->Left(), button_->Top(), 0, button_->Height());
  }
  RealignChildren();
  NarrowFormattingRect();
}

void TsCustomComboEdit::Invalidate() {
  if (button_ && !Destroying()) {
    if (!SkinAnnouncing) button_->SkinData.BackgroundChanged = true;
    ApplyShowButton();
  }
  TsMaskEdit::Invalidate();
}

void TsCustomComboEdit::DoClick() {
  if (!readOnly_) ButtonClick();
}

void TsCustomComboEdit::ButtonClick() {
  if (OnButtonClick) OnButtonClick(this);
  // No popup control exists in this program; one would be shown or hidden
  // here.
}

RECT TsCustomComboEdit::FormattingRect() const {
  RECT r{};
  if (HandleAllocated()) SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

// The platform's text starts where the idle face draws it (one pixel into
// the client) and runs right up to the button.
void TsCustomComboEdit::SetTextMargins() {
  if (HandleAllocated())
    SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 0));
}

void TsCustomComboEdit::NarrowFormattingRect() {
  if (!HandleAllocated()) return;
  RECT client;
  GetClientRect(Handle(), &client);
  const PixelRect p = ComboFormattingRect(client.right, client.bottom, ButtonWidth());
  RECT r{p.Left, p.Top, p.Right, p.Bottom};
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

RECT TsCustomComboEdit::TextRect(int textHeight) const {
  RECT r = TsMaskEdit::TextRect(textHeight);
  const int inset = MaskEditTextInset(BorderSettingsOf(*this));
  r.right = Width() - inset - ButtonWidth();
  r.bottom = Height() - inset;
  return r;
}

void TsCustomComboEdit::RebuildCache() {
  std::wstring text = Text();
  if (PasswordChar()) text.assign(text.size(), PasswordChar());
  RebuildEditFace(*this, SkinData, DisabledKind(), {text, TextRect(0), kComboTextFlags},
                  BorderStyle == TBorderStyle::bsNone);
}

TBitmap* TsCustomComboEdit::PreparedFace() {
  PrepareCache();
  TBitmap* cache = SkinData.CacheBitmap();
  return cache && !cache->Empty() ? cache : nullptr;
}

void TsCustomComboEdit::CreateParamsFor(CreateParams& params) {
  TsMaskEdit::CreateParamsFor(params);
  // Multi-line, so that the formatting rectangle can be narrowed.
  params.style |= ES_MULTILINE | WS_CLIPCHILDREN | ES_LEFT;
}

void TsCustomComboEdit::CreateWindowHandleDone() {
  TsMaskEdit::CreateWindowHandleDone();
  UpdatePlatformReadOnly();
  RealignChildren();
  SetTextMargins();
  NarrowFormattingRect();
}

void TsCustomComboEdit::Loaded() {
  TsMaskEdit::Loaded();
  NarrowFormattingRect();
}

void TsCustomComboEdit::PaintButtonOnWindow() {
  if (!HandleAllocated() || !button_->Visible() || button_->Width() <= 0) return;
  WindowDC dc(Handle());
  if (!dc.Get()) return;
  const RECT r = button_->BoundsRect();
  const int saved = SaveDC(dc.Get());
  IntersectClipRect(dc.Get(), r.left, r.top, r.right, r.bottom);
  SetViewportOrgEx(dc.Get(), r.left, r.top, nullptr);
  button_->Paint(dc.Get());
  RestoreDC(dc.Get(), saved);
}

void TsCustomComboEdit::Paste() {
  if (!OpenClipboard(Handle())) return;
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  text = StripLineBreaks(text);
  SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// True when the key was the click key and is consumed.
bool TsCustomComboEdit::HandleKey(Message& m) {
  const int key = ShortCutOf(static_cast<int>(m.wParam), ShiftDown(VK_SHIFT),
                             ShiftDown(VK_CONTROL), ShiftDown(VK_MENU));
  if (key != ClickKey || GlyphMode.Choice().Width <= 0) return false;
  DoClick();
  m.result = 0;
  return true;
}

void TsCustomComboEdit::WndProc(Message& m) {
  switch (m.msg) {
    case SM_VANTILECMD: {
      const WORD code = SkinCommandCode(m.wParam);
      if (code == SKC_ISBGCHANGED) {
        m.result = 0;
        return;
      }
      const bool own = IsOwnSkinChange(SkinData, m);
      TsMaskEdit::WndProc(m);
      if (code == SKC_GETBACKGROUND && m.lParam) {
        // The button lies in the client area, inside the frame ring.
        auto* request = reinterpret_cast<BackgroundRequest*>(m.lParam);
        request->OffsetX = 2;
        request->OffsetY = 2;
      }
      if (own) {
        button_->SkinData.BackgroundChanged = true;
        NarrowFormattingRect();
      }
      return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      TsMaskEdit::WndProc(m);
      NarrowFormattingRect();
      HandleKey(m);
      return;
    case WM_CHAR:
      // Enter reached the edit: the form's default button has had it. No
      // line break ever enters a one-line path (Ctrl+Enter sends LF).
      if (m.wParam == L'\r' || m.wParam == L'\n') {
        m.result = 0;
        return;
      }
      break;
    case WM_PASTE:
      if (directInput_ && !readOnly_) Paste();
      m.result = 0;
      return;
    case WM_CUT:
    case WM_CLEAR:
      if (!directInput_ || readOnly_) {
        m.result = 0;
        return;
      }
      break;
    case WM_SETTEXT:
      if (m.lParam) {
        const std::wstring clean = StripLineBreaks(reinterpret_cast<const wchar_t*>(m.lParam));
        const LPARAM given = m.lParam;
        m.lParam = reinterpret_cast<LPARAM>(clean.c_str());
        TsMaskEdit::WndProc(m);
        m.lParam = given;
        NarrowFormattingRect();
        // A multi-line edit reports no change for a text set by message;
        // the change check runs as for a typed one (once, and only when
        // the text really changed).
        Perform(CN_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(Handle()));
        return;
      }
      break;
    case WM_SETFOCUS: {
      // Only focus coming from another control of the form selects: focus
      // that comes back from a dialog (through the form's own window, when
      // the form is activated again) finds the selection as it was.
      const HWND from = reinterpret_cast<HWND>(m.wParam);
      const HWND root = GetAncestor(Handle(), GA_ROOT);
      const bool fromForm = from && from != root && GetAncestor(from, GA_ROOT) == root;
      TsMaskEdit::WndProc(m);
      if (AutoSelect && fromForm && GetWindowTextLengthW(Handle()) > 0)
        SendMessageW(Handle(), EM_SETSEL, 0, -1);
      return;
    }
    case WM_PAINT:
      if (button_->Visible()) ChooseGlyph();
      TsMaskEdit::WndProc(m);
      PaintButtonOnWindow();
      return;
    case WM_NCPAINT:
      TsMaskEdit::WndProc(m);
      if (SkinData.IsHot()) PaintButtonOnWindow();
      return;
    case WM_SETFONT:
      TsMaskEdit::WndProc(m);
      SetTextMargins();
      NarrowFormattingRect();
      return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_SIZE:
      TsMaskEdit::WndProc(m);
      NarrowFormattingRect();
      return;
    default:
      break;
  }
  TsMaskEdit::WndProc(m);
}

// --- TsEditButton

TsEditButton::TsEditButton(TsCustomComboEdit* edit) : TsSpeedButton(edit), edit_(edit) {
  SetParent(edit);
  SkinData.SetSkinSection(L"SPEEDBUTTON");
  SkinData.PrepareCache = [this] { ComposeSkinned(); };
  Flat = true;
  // The face is composed from the edit's own; no fades.
  AnimatEvents = 0;
  SetCursor(crArrow);
  Align = TAlign::alRight;
  SetBounds(0, 0, kComboButtonWidth, 0);
  SetShowCaption(false);
  OnClick = [edit](TControl*) { edit->DoClick(); };
  Loaded();
}

void TsEditButton::Paint(HDC dc) {
  if (Width() <= 0 || Height() <= 0) return;
  if (!edit_->SkinData.IsSkinned()) {
    PaintUnskinned(dc);
    return;
  }
  ComposeSkinned();
  TBitmap* cache = SkinData.CacheBitmap();
  if (cache && !cache->Empty()) BitBlt(dc, 0, 0, Width(), Height(), cache->DC(), 0, 0, SRCCOPY);
}

void TsEditButton::ComposeSkinned() {
  SkinData.InitCacheBitmap();
  TBitmap* cache = SkinData.CacheBitmap();
  if (!cache || cache->Empty()) return;
  const POINT client = edit_->HandleAllocated() ? ClientOffset(edit_->Handle()) : POINT{2, 2};
  if (TBitmap* face = edit_->PreparedFace())
    BitBlt(cache->DC(), 0, 0, Width(), Height(), face->DC(), Left() + client.x, Top() + client.y,
           SRCCOPY);
  GdiFlush();
  PixelBuffer& px = cache->Pixels();
  const bool idle = !edit_->SkinData.IsHot() && !SkinData.Hovered;
  const TsGlyphMode& mode = edit_->GlyphMode;
  PixelBuffer plain;
  if (idle && mode.Blend() > 0) plain = px.Clone();
  if (const TBitmap* glyph = mode.InUse()) {
    const EditGlyphChoice choice = mode.Choice();
    DrawEditGlyph(px, SkinnedGlyphOrigin(Width(), Height(), choice), glyph->Pixels(),
                  EditGlyphImage(PaintState(), SkinData.Hovered), choice.Width, choice.Height);
  }
  if (idle && mode.Grayed()) MakeGrey(px);
  if (idle && mode.Blend() > 0) BlendEditGlyph(px, plain, mode.Blend());
  if (!edit_->Enabled())
    ApplyDisabledLook(px, edit_->DisabledKind(), ConvertColor(edit_->SkinData.ControlBackColor(false)),
                      {Left(), Top()}, SkinData.GetBackground());
  SkinData.BackgroundChanged = false;
}

void TsEditButton::PaintUnskinned(HDC dc) {
  TsSpeedButton::Paint(dc);
  const TBitmap* glyph = edit_->GlyphMode.InUse();
  if (!glyph) return;
  const EditGlyphChoice choice = edit_->GlyphMode.Choice();
  TBitmap face(Width(), Height());
  BitBlt(face.DC(), 0, 0, Width(), Height(), dc, 0, 0, SRCCOPY);
  GdiFlush();
  // The platform look shows the second image at rest, the third pressed.
  DrawEditGlyph(face.Pixels(), PlatformGlyphOrigin(Width(), Height(), choice), glyph->Pixels(),
                PaintState() == 2 ? 2 : 1, choice.Width, choice.Height);
  BitBlt(dc, 0, 0, Width(), Height(), face.DC(), 0, 0, SRCCOPY);
}

// --- TsGlyphMode

void TsGlyphMode::Changed() {
  edit_.ChooseGlyph();
  SendSkinCommand(&edit_, SKC_REFRESH, 0);
  edit_.Invalidate();
}

void TsGlyphMode::SetUseDefaultGlyph(bool value) {
  if (value == useDefault_) return;
  useDefault_ = value;
  Changed();
}

void TsGlyphMode::SetGlyph(const TBitmap& glyph) {
  glyph_ = TBitmap();
  if (!glyph.Empty()) {
    glyph_ = TBitmap(glyph.Width(), glyph.Height());
    const PixelBuffer& from = glyph.Pixels();
    for (int y = 0; y < from.Height(); ++y)
      for (int x = 0; x < from.Width(); ++x) glyph_.Pixels().SetColor(x, y, from.GetColor(x, y));
  }
  useDefault_ = false;
  Changed();
}

void TsGlyphMode::SetBlend(int value) {
  blend_ = ClampGlyphBlend(value);
  edit_.ChooseGlyph();
  edit_.Button()->SkinData.BackgroundChanged = true;
  edit_.Button()->Repaint();
}

void TsGlyphMode::SetGrayed(bool value) {
  if (value == grayed_) return;
  grayed_ = value;
  Changed();
}

std::wstring TsGlyphMode::Hint() const { return edit_.Button() ? edit_.Button()->Hint : std::wstring(); }

void TsGlyphMode::SetHint(const std::wstring& hint) {
  if (edit_.Button()) edit_.Button()->Hint = hint;
}

EditGlyphChoice TsGlyphMode::Choice() const {
  const TBitmap* builtIn = BuiltInEditGlyph(edit_.DefaultGlyphName());
  EditGlyphSources s;
  s.UseDefaultGlyph = useDefault_;
  s.HasBuiltIn = builtIn != nullptr;
  if (builtIn) {
    s.BuiltInWidth = builtIn->Width();
    s.BuiltInHeight = builtIn->Height();
  }
  s.GlyphWidth = glyph_.Width();
  s.GlyphHeight = glyph_.Height();
  return ChooseEditGlyph(s);
}

const TBitmap* TsGlyphMode::InUse() const {
  const EditGlyphChoice c = Choice();
  if (c.Width <= 0) return nullptr;
  return c.UseBuiltIn ? BuiltInEditGlyph(edit_.DefaultGlyphName()) : &glyph_;
}

}  // namespace folvane
