#include "forms/win/sSkinProvider.h"

#include "forms/win/vtCtrlAdapter.h"

#include <algorithm>

#include "forms/RegionHoles.h"
#include "forms/win/sSystemMenu.h"
#include "paint/PaintColor.h"
#include "runtime/win/Application.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

constexpr int kProviderKind = 224;
const char kGlobalInfo[] = "GLOBALINFO";

TForm* OwningForm(TComponent* owner) {
  for (TComponent* c = owner; c; c = c->Owner())
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}

bool HasOtherProvider(const TForm* form, const TsSkinProvider* self) {
  for (TComponent* c : form->Components())
    if (c != self && dynamic_cast<TsSkinProvider*>(c)) return true;
  return false;
}

FormBorder BorderOf(TFormBorderStyle style) {
  switch (style) {
    case TFormBorderStyle::bsNone: return FormBorder::None;
    case TFormBorderStyle::bsSingle: return FormBorder::Single;
    case TFormBorderStyle::bsSizeable: return FormBorder::Sizeable;
    case TFormBorderStyle::bsDialog: return FormBorder::Dialog;
    case TFormBorderStyle::bsToolWindow: return FormBorder::ToolWindow;
    case TFormBorderStyle::bsSizeToolWin: return FormBorder::SizeToolWin;
  }
  return FormBorder::Sizeable;
}

}  // namespace

TsSkinProvider::TsSkinProvider(TComponent* owner) : TComponent(owner), SkinData(this, false) {
  SkinData.ControlKind = kProviderKind;
  SkinData.SetSkinSection(L"FORM");
  TForm* form = OwningForm(owner);
  // A second provider on one form stays inert: the first one owns the frame.
  if (form && HasOtherProvider(form, this)) form = nullptr;
  if (!form) return;
  SkinData.AttachProvider(form, [this] { titleCache_.reset(); });
  SkinData.PrepareCache = [this] { RenderWindowImage(); };
  HookForm(form);
  TsSkinManager* manager = SkinData.UsedManager();
  if (manager && manager->Active()) PrepareSkin();
}

TsSkinProvider::~TsSkinProvider() {
  MarkDestroying();
  CtrlAdapter.reset();
  if (!form_) return;
  RemoveSkinnedForm(form_);
  // A form going away takes its window procedure with it; one that stays
  // gets its own back and the system's frame again.
  if (form_->Destroying()) return;
  form_->WindowProc = savedWindowProc_;
  if (!form_->HandleAllocated()) return;
  SetSysMenuStyle(false);
  SetWindowRgn(form_->Handle(), nullptr, FALSE);
  RedrawWindow(form_->Handle(), nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TsSkinProvider::HookForm(TForm* form) {
  form_ = form;
  savedWindowProc_ = form->WindowProc;
  form->WindowProc = [this](Message& m) { WndProc(m); };
  AddSkinnedForm(form);
}

void TsSkinProvider::CallSaved(Message& m) {
  if (savedWindowProc_) savedWindowProc_(m);
}

void TsSkinProvider::Loaded() {
  TComponent::Loaded();
  if (!form_ || !SkinData.IsSkinned(true)) return;
  CreateCtrlAdapter();
  PrepareSkin();
  if (sysMenu_) sysMenu_->Refresh();
}

// --- published setters

void TsSkinProvider::SetCaptionAlignment(TAlignment value) {
  if (value == captionAlignment_) return;
  captionAlignment_ = value;
  RepaintCaption();
}

void TsSkinProvider::SetShowAppIcon(bool value) {
  if (value == showAppIcon_) return;
  showAppIcon_ = value;
  RepaintCaption();
}

void TsSkinProvider::SetTitleSkin(const std::wstring& value) {
  if (value == titleSkin_) return;
  titleSkin_ = value;
  RepaintCaption();
}

void TsSkinProvider::SetUseGlobalColor(bool value) {
  useGlobalColor_ = value;
  if (!form_) return;
  if (SkinData.IsSkinned() && value && !SkinData.CustomColor())
    form_->SetColor(SkinData.Model()->GlobalBackColor());
  else
    form_->SetColor(clBtnFace);
}

void TsSkinProvider::ApplyGlobalColor() {
  if (form_ && useGlobalColor_ && !SkinData.CustomColor() && SkinData.IsSkinned())
    form_->SetColor(SkinData.Model()->GlobalBackColor());
}

// --- preparing the skin

bool TsSkinProvider::SkinnedNow() const { return form_ && SkinData.IsSkinned(false); }

void TsSkinProvider::PrepareSkin() {
  if (!form_ || !SkinData.UsedManager() || !form_->HandleAllocated()) return;
  SkinData.ResolveIndexes();
  SetSysMenuStyle(SkinnedNow());
  if (!sysMenu_) sysMenu_ = std::make_unique<TsSystemMenu>(*this);
  sysMenu_->Refresh();
  LookUpCaptionGlyphs();
  if (!form_->Loading() && !form_->Destroying()) ApplyGlobalColor();
  // The menu skinning takes the form's menus over in its own layer.
  menusPrepared_ = true;
}

void TsSkinProvider::SetSysMenuStyle(bool skinned) {
  if (!form_ || !form_->HandleAllocated()) return;
  const HWND wnd = form_->Handle();
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  if (skinned && ((style & WS_SYSMENU) || sysMenuStyleRemoved_)) {
    // Without WS_SYSMENU the system draws no caption button of its own.
    if (style & WS_SYSMENU) SetWindowLongPtrW(wnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
    sysMenuStyleRemoved_ = true;
  } else if (!skinned && sysMenuStyleRemoved_) {
    SetWindowLongPtrW(wnd, GWL_STYLE, style | WS_SYSMENU);
    sysMenuStyleRemoved_ = false;
  }
}

void TsSkinProvider::LookUpCaptionGlyphs() {
  const SkinModel* model = SkinData.Model();
  if (!model) return;
  const int gi = model->FindSection(kGlobalInfo);
  if (gi < 0) return;
  auto find = [&](const char* name) { return model->FindMask(gi, kGlobalInfo, name); };
  const bool big = UsesBigButtons(Shape());
  if (big) {
    Buttons.Minimize.GlyphMask = find("BICONMIN");
    Buttons.Maximize.GlyphMask = find("BICONMAX");
    Buttons.Close.GlyphMask = find("BICONCLOSE");
    Buttons.Help.GlyphMask = find("BICONHELP");
  } else {
    Buttons.Close.GlyphMask = find("SICONCLOSE");
    Buttons.Minimize.GlyphMask = find("SICONMIN");
    Buttons.Maximize.GlyphMask = find("SICONMAX");
    Buttons.Help.GlyphMask = find("SICONHELP");
    if (Buttons.Help.GlyphMask < 0) Buttons.Help.GlyphMask = find("BICONHELP");
  }
  bool allBig = big;
  if (Buttons.Close.GlyphMask < 0) {
    Buttons.Minimize.GlyphMask = find("BICONMIN");
    Buttons.Maximize.GlyphMask = find("BICONMAX");
    Buttons.Close.GlyphMask = find("BICONCLOSE");
    Buttons.Help.GlyphMask = find("BICONHELP");
    allBig = true;
  }
  for (CaptionButton* r : {&Buttons.Minimize, &Buttons.Maximize, &Buttons.Close, &Buttons.Help})
    r->Big = allBig;
  titleButtonMask_ = find("TITLEBUTTON");
  restoreGlyph_ = find("BICONNORM");
  if (restoreGlyph_ < 0)
    restoreGlyph_ = model->FindMask(SkinData.SectionIndex, SkinData.SectionName(), "BICONNORM");
}

// --- geometry

FormShape TsSkinProvider::Shape() const {
  FormShape f;
  if (!form_) return f;
  f.Border = BorderOf(form_->BorderStyle);
  f.Icons = form_->BorderIcons;
  f.WindowMenu = sysMenuStyleRemoved_;
  if (form_->HandleAllocated()) {
    const HWND wnd = form_->Handle();
    f.CaptionStyle = (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    f.Iconic = IsIconic(wnd) != 0;
    f.Maximized = IsZoomed(wnd) != 0;
    f.Minimized = f.Iconic;
  } else {
    f.CaptionStyle = f.Border != FormBorder::None;
  }
  return f;
}

FrameMetrics TsSkinProvider::Metrics() const {
  FrameMetrics m;
  m.CaptionHeight = GetSystemMetrics(SM_CYCAPTION);
  m.SmallCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION);
  m.FrameX = GetSystemMetrics(SM_CXFRAME);
  m.FrameY = GetSystemMetrics(SM_CYFRAME);
  m.DlgFrameX = GetSystemMetrics(SM_CXDLGFRAME);
  m.DlgFrameY = GetSystemMetrics(SM_CYDLGFRAME);
  return m;
}

int TsSkinProvider::CaptionBarHeight() const { return folvane::CaptionBarHeight(Shape(), Metrics()); }
int TsSkinProvider::FrameThicknessX() const { return folvane::FrameThicknessX(Shape(), Metrics()); }
int TsSkinProvider::FrameThicknessY() const { return folvane::FrameThicknessY(Shape(), Metrics()); }

int TsSkinProvider::OuterWidth() const {
  if (!form_) return 0;
  if (!form_->HandleAllocated()) return form_->Width();
  RECT r;
  GetWindowRect(form_->Handle(), &r);
  return r.right - r.left;
}

int TsSkinProvider::OuterHeight() const {
  if (!form_) return 0;
  if (!form_->HandleAllocated()) return form_->Height();
  RECT r;
  GetWindowRect(form_->Handle(), &r);
  return r.bottom - r.top;
}

namespace {

SIZE ClientSize(TForm* form) {
  RECT c{};
  if (form && form->HandleAllocated()) GetClientRect(form->Handle(), &c);
  return {c.right, c.bottom};
}

}  // namespace

int TsSkinProvider::TopAreaHeight() const {
  const int caption = CaptionBarHeight();
  int h = OuterHeight() - ClientSize(form_).cy;
  if (caption != 0) h -= FrameThicknessY();
  h = std::max(h, 0);
  if (Shape().Iconic) h += FrameThicknessY();
  return h;
}

int TsSkinProvider::ClientShiftX() const { return (OuterWidth() - ClientSize(form_).cx) / 2; }

int TsSkinProvider::ClientShiftY() const {
  const int lower = CaptionBarHeight() != 0 ? FrameThicknessY() : 0;
  return OuterHeight() - ClientSize(form_).cy - lower;
}

bool TsSkinProvider::IconShown() const { return UsesBigButtons(Shape()) && showAppIcon_; }

PixelRect TsSkinProvider::CaptionIconBox() const {
  const int caption = CaptionBarHeight();
  int w = 0, h = 0;
  if (IconShown()) {
    w = TitleIcon.Width ? TitleIcon.Width : DefaultIconSize(caption);
    h = TitleIcon.Height ? TitleIcon.Height : DefaultIconSize(caption);
  }
  const int left = FrameThicknessX();
  const int top = (caption + FrameThicknessY() - h) / 2;
  return {left, top, left + w, top + h};
}

CaptionContext TsSkinProvider::ButtonContext() {
  CaptionContext c;
  c.Shape = Shape();
  c.OuterWidth = OuterWidth();
  c.FrameX = FrameThicknessX();
  c.FrameY = FrameThicknessY();
  c.CaptionBar = CaptionBarHeight();
  const SkinModel* model = SkinData.Model();
  if (model && UsesBigButtons(c.Shape)) c.Space = model->SkinData().BISpacing;
  if (model) c.VAlign = model->SkinData().BIVAlign;
  c.RestoreGlyph = restoreGlyph_;
  c.TitleButtonGlyph = titleButtonMask_;
  c.StateSize = [model](int mask) -> GlyphBox {
    if (!model || !model->MaskIndexValid(mask)) return {};
    const MaskSize s = model->MaskStateSize(mask);
    return {s.x, s.y};
  };
  Buttons.User.resize(TitleButtons.size());
  for (size_t i = 0; i < TitleButtons.size(); ++i) {
    UserCaptionButton& u = Buttons.User[i];
    u.Enabled = TitleButtons[i]->Enabled;
    u.UseSkinData = TitleButtons[i]->UseSkinData;
    u.GlyphWidth = TitleButtons[i]->Glyph.Width();
    u.GlyphHeight = TitleButtons[i]->Glyph.Height();
  }
  return c;
}

// --- background colour

TColor TsSkinProvider::BackgroundColor() const {
  const TsGeneralData* s = SkinData.IsSkinned() ? SkinData.Section() : nullptr;
  if (!s || SkinData.CustomColor()) return ConvertColor(form_ ? form_->Color() : clBtnFace);
  return ConvertColor(ActiveLook ? s->HotColor : s->Color);
}

// --- region

int TsSkinProvider::CaptionSectionIndex() const {
  const SkinModel* model = SkinData.Model();
  if (!model) return kNoIndex;
  return model->FindSection(TitleSkinName());
}

std::string TsSkinProvider::TitleSkinName() const {
  std::string name;
  for (wchar_t ch : titleSkin_.empty() ? std::wstring(L"FORMTITLE") : NormalizeSectionName(titleSkin_))
    name.push_back(ch <= 0xFF ? static_cast<char>(ch) : '?');
  return name;
}

void TsSkinProvider::RebuildRegionHoles() {
  const SkinModel* model = SkinData.Model();
  if (!model) {
    regionHoles_.clear();
    return;
  }
  const int caption = CaptionSectionIndex();
  const int captionMask =
      caption >= 0 ? model->FindMask(caption, TitleSkinName(), "BORDERSMASK") : kNoIndex;
  regionHoles_ = RegionHolesFor(*model, SkinData.FrameMaskIndex, captionMask, OuterWidth(),
                                OuterHeight());
}

bool TsSkinProvider::ApplyRegion(bool redraw) {
  if (!form_ || !form_->HandleAllocated()) return false;
  if (!HasSkinnedFrame() && !Shape().Iconic) return false;
  constexpr UINT kRegionOptOut = 0xBC4D;
  constexpr WPARAM kKeepRectangular = 16802;
  if (!PaintedOnce &&
      SendMessageW(form_->Handle(), kRegionOptOut, kKeepRectangular, 0) ==
          static_cast<LRESULT>(kKeepRectangular))
    return false;
  const SIZE size{OuterWidth(), OuterHeight()};
  // Setting an identical region again would only repaint the frame, whose
  // paint would set it again: the region follows size, skin and holes only.
  if (size.cx == appliedSize_.cx && size.cy == appliedSize_.cy && regionHoles_ == appliedHoles_)
    return false;
  RegionHandle region(CreateRectRgn(0, 0, size.cx, size.cy));
  for (const PixelRect& hole : regionHoles_) {
    RegionHandle cut(CreateRectRgn(hole.Left, hole.Top, hole.Right, hole.Bottom));
    CombineRgn(region.Get(), region.Get(), cut.Get(), RGN_DIFF);
  }
  regionBusy_ = true;
  appliedSize_ = size;
  appliedHoles_ = regionHoles_;
  ++regionSets_;
  // Once set, the region belongs to the window.
  if (SetWindowRgn(form_->Handle(), region.Get(), redraw)) region.Release();
  return true;
}

void TsSkinProvider::RemoveRegion() {
  appliedSize_ = {-1, -1};
  appliedHoles_.clear();
  if (form_ && form_->HandleAllocated()) SetWindowRgn(form_->Handle(), nullptr, TRUE);
}

void TsSkinProvider::RebuildFrameAndRegion() {
  RebuildRegionHoles();
  ApplyRegion(true);
}

void TsSkinProvider::RepaintCaption() {
  MarkChanged();
  TitleDirty = true;
  MenuRowCount = -1;
  if (form_ && form_->HandleAllocated()) SendMessageW(form_->Handle(), WM_NCPAINT, 1, 0);
}

bool TsSkinProvider::Showing() const {
  return form_ && form_->HandleAllocated() && IsWindowVisible(form_->Handle());
}

}  // namespace folvane
