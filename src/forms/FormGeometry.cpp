#include "forms/FormGeometry.h"

namespace folvane {

namespace {

bool IsBigBorder(FormBorder b) { return b == FormBorder::Single || b == FormBorder::Sizeable; }
bool IsToolBorder(FormBorder b) {
  return b == FormBorder::ToolWindow || b == FormBorder::SizeToolWin;
}

// Thin (dialog) frames for fixed-size borders, sizing frames for the rest.
bool ThinFrame(const FormShape& f) {
  if (f.MdiChild) return f.Border == FormBorder::Single || f.Border == FormBorder::ToolWindow;
  return f.Border == FormBorder::Single || f.Border == FormBorder::Dialog ||
         f.Border == FormBorder::ToolWindow;
}

}  // namespace

bool HasSkinnedFrame(const FormShape& f) { return f.Border != FormBorder::None || f.MdiChild; }

bool UsesBigButtons(const FormShape& f) { return IsBigBorder(f.Border); }

int CaptionBarHeight(const FormShape& f, const FrameMetrics& m) {
  if (!((HasSkinnedFrame(f) && f.CaptionStyle) || f.Iconic)) return 0;
  return IsToolBorder(f.Border) ? m.SmallCaptionHeight : m.CaptionHeight;
}

int FrameThicknessX(const FormShape& f, const FrameMetrics& m) {
  if (!HasSkinnedFrame(f)) return 0;
  return ThinFrame(f) ? m.DlgFrameX : m.FrameX;
}

int FrameThicknessY(const FormShape& f, const FrameMetrics& m) {
  if (!HasSkinnedFrame(f)) return 0;
  return ThinFrame(f) ? m.DlgFrameY : m.FrameY;
}

int DefaultIconSize(int h) {
  if (h < 9) return 0;
  if (h <= 16) return 8;
  if (h <= 27) return 16;
  return 32;
}

bool MaxVisible(const FormShape& f) {
  return f.WindowMenu &&
         (f.Iconic || f.MdiChild || (IsBigBorder(f.Border) && (f.Icons & kIconMaximize)));
}

bool MinVisible(const FormShape& f) {
  return f.WindowMenu &&
         (f.Iconic || f.MdiChild || (IsBigBorder(f.Border) && (f.Icons & kIconMinimize)));
}

bool RestoreVisible(const FormShape& f) {
  return f.WindowMenu && (f.MdiChild || IsBigBorder(f.Border));
}

bool SizeVisible(const FormShape& f) {
  return f.MdiChild || !(f.Border == FormBorder::None || f.Border == FormBorder::Dialog ||
                         f.Border == FormBorder::ToolWindow);
}

bool MaxEnabled(const FormShape& f) {
  return (f.Icons & kIconMaximize) && (f.MdiChild || (!f.Maximized && IsBigBorder(f.Border)));
}

bool MinEnabled(const FormShape& f) { return (f.Icons & kIconMinimize) && !f.Minimized; }

bool MoveEnabled(const FormShape& f) { return !f.Maximized; }

bool RestoreEnabled(const FormShape& f) {
  const bool notNormal = f.Maximized || f.Minimized;
  return ((f.Icons & kIconMaximize) && notNormal) || f.Minimized;
}

bool SizeEnabled(const FormShape& f) { return f.Border != FormBorder::Single && !f.Iconic; }

}  // namespace folvane
