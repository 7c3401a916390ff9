#include "forms/CaptionButtons.h"

#include <algorithm>

namespace folvane {

namespace {

constexpr int kDefaultButtonSide = 21;

}  // namespace

bool CaptionButtons::ButtonPressed = false;

CaptionButton* CaptionButtons::Find(int code) {
  return const_cast<CaptionButton*>(static_cast<const CaptionButtons*>(this)->Find(code));
}

const CaptionButton* CaptionButtons::Find(int code) const {
  switch (code) {
    case kCodeMinimize: return &Minimize;
    case kCodeMaximize: return &Maximize;
    case kCodeClose: return &Close;
    case kCodeHelp: return &Help;
    default: break;
  }
  const int i = code - kCodeUserFirst;
  if (i >= 0 && i < static_cast<int>(User.size())) return &User[static_cast<size_t>(i)].Record;
  return nullptr;
}

int CaptionButtons::ButtonHeight(const CaptionContext& c) const {
  const GlyphBox box = c.StateSize(Close.GlyphMask);
  return box.Height > 0 ? box.Height : kDefaultButtonSide;
}

int CaptionButtons::SystemWidth(const CaptionContext& c, int glyph) const {
  const GlyphBox box = c.StateSize(glyph);
  return box.Width > 0 ? box.Width : kDefaultButtonSide;
}

int CaptionButtons::UserWidth(const CaptionContext& c, const UserCaptionButton& b) const {
  const GlyphBox face = c.StateSize(c.TitleButtonGlyph);
  return std::max(b.GlyphWidth + 2, face.Width > 0 ? face.Width : kDefaultButtonSide);
}

int CaptionButtons::ButtonsSpan(const CaptionContext& c) const {
  int span = 0;
  const FormShape& f = c.Shape;
  if (f.WindowMenu) span += SystemWidth(c, Close.GlyphMask) + c.Space;
  if (MaxVisible(f)) span += SystemWidth(c, Maximize.GlyphMask) + c.Space;
  if (MinVisible(f)) span += SystemWidth(c, Minimize.GlyphMask) + c.Space;
  if ((f.Icons & kIconHelp) && f.WindowMenu) span += SystemWidth(c, Help.GlyphMask) + c.Space;
  for (const UserCaptionButton& b : User) span += UserWidth(c, b) + c.Space;
  return span;
}

int CaptionButtons::VisibleSysButtons(const CaptionContext& c, bool menuExists) const {
  const FormShape& f = c.Shape;
  if (!f.WindowMenu || !menuExists) return 0;
  return 1 + (MaxVisible(f) ? 1 : 0) + (MinVisible(f) ? 1 : 0) + ((f.Icons & kIconHelp) ? 1 : 0);
}

void CaptionButtons::Place(const CaptionContext& c, CaptionButton& r, int width, int x) {
  r.Right = x;
  r.Left = x - width;
  const int h = ButtonHeight(c);
  const int centred = (c.CaptionBar + c.FrameY - h) / 2;
  if (r.Big) {
    if (c.VAlign == -1 || c.VAlign == 0) {
      r.Top = centred + (h < 16 ? 2 : 0);
    } else if (c.VAlign == 1) {
      r.Top = c.Shape.Maximized ? 4 : 0;
    } else {
      return;  // no placement is defined for other values: the record keeps its own
    }
  } else {
    r.Top = centred + (UsesBigButtons(c.Shape) && h < 16 ? 2 : 0);
  }
  r.Bottom = r.Top + h;
}

std::vector<PlacedButton> CaptionButtons::LayOut(const CaptionContext& c) {
  std::vector<PlacedButton> placed;
  const FormShape& f = c.Shape;
  int x = c.OuterWidth - c.FrameX - c.Space;
  auto put = [&](int code, CaptionButton& r, int glyph, bool enabled) {
    if (glyph < 0) return;
    Place(c, r, SystemWidth(c, glyph), x);
    placed.push_back({code, glyph, enabled});
    x = r.Left - c.Space;
  };
  if (f.WindowMenu) {
    put(kCodeClose, Close, Close.GlyphMask, true);
    if (MaxVisible(f)) {
      if (f.Maximized) put(kCodeMaximize, Maximize, c.RestoreGlyph, RestoreEnabled(f));
      else put(kCodeMaximize, Maximize, Maximize.GlyphMask, MaxEnabled(f));
    }
    if (MinVisible(f)) {
      if (f.Minimized) put(kCodeMinimize, Minimize, c.RestoreGlyph, RestoreEnabled(f));
      else put(kCodeMinimize, Minimize, Minimize.GlyphMask, MinEnabled(f));
    }
    if (f.Icons & kIconHelp) put(kCodeHelp, Help, Help.GlyphMask, true);
  }
  for (size_t i = 0; i < User.size(); ++i) {
    UserCaptionButton& b = User[i];
    b.Record.GlyphMask = b.UseSkinData && c.TitleButtonGlyph >= 0 ? c.TitleButtonGlyph : -1;
    Place(c, b.Record, UserWidth(c, b), x);
    placed.push_back({kCodeUserFirst + static_cast<int>(i), b.Record.GlyphMask, b.Enabled});
    x = b.Record.Left - c.Space;
  }
  return placed;
}

int CaptionButtons::HitTest(const CaptionContext& c, int x) const {
  const FormShape& f = c.Shape;
  auto over = [x](const CaptionButton& r) {
    return r.GlyphMask >= 0 && r.Left <= x && x <= r.Right;
  };
  if (f.WindowMenu) {
    if (over(Close)) return kCodeClose;
    if (MaxVisible(f) && over(Maximize))
      return MaxEnabled(f) || (RestoreEnabled(f) && !f.Iconic) ? kCodeMaximize : kCodeCaption;
    if (MinVisible(f) && over(Minimize))
      return f.Iconic || MinEnabled(f) ? kCodeMinimize : kCodeCaption;
    if ((f.Icons & kIconHelp) && over(Help)) return kCodeHelp;
  }
  for (size_t i = 0; i < User.size(); ++i) {
    const CaptionButton& r = User[i].Record;
    if (r.Left <= x && x <= r.Right)
      return User[i].Enabled ? kCodeUserFirst + static_cast<int>(i) : kCodeCaption;
  }
  return kCodeCaption;
}

void CaptionButtons::SetHot(int code, const std::function<void(int)>& repaint) {
  if (code == HotCode) return;
  if (CaptionButton* old = Find(HotCode)) {
    old->State = 0;
    if (repaint) repaint(HotCode);
  }
  HotCode = code;
  if (CaptionButton* now = Find(code)) now->State = 1;
  ButtonPressed = false;
  if (repaint && Find(code)) repaint(code);
}

void CaptionButtons::Press(int code, const FormShape& shape,
                           const std::function<void(int)>& repaint) {
  if (code != HotCode) {
    if (CaptionButton* old = Find(HotCode)) {
      old->State = 0;
      if (repaint) repaint(HotCode);
    }
  }
  if (code == kCodeMaximize && !(MaxEnabled(shape) || (shape.Maximized && RestoreEnabled(shape)))) {
    HotCode = 0;
    return;
  }
  HotCode = code;
  CaptionButton* r = Find(code);
  if (r) r->State = 2;
  ButtonPressed = true;
  if (repaint && r) repaint(code);
}

}  // namespace folvane
