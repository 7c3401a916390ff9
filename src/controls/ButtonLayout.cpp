#include "controls/ButtonLayout.h"

namespace folvane {

namespace {

bool Beside(TButtonLayout layout) {
  return layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
}

// A margin of -1 means "centre the block": no extra room at the edges.
int EdgeRoom(const ButtonGeometry& g) { return g.Margin < 0 ? 0 : g.Margin + 3; }

// The spacing between glyph and caption, counted only when both show.
int GlyphSpacing(const ButtonGeometry& g) {
  return g.HasCaption && g.GlyphWidth > 0 ? g.Spacing : 0;
}

PixelRect Moved(PixelRect r, int state) {
  if (state == 2) {
    ++r.Left;
    ++r.Right;
    ++r.Top;
    ++r.Bottom;
  }
  return r;
}

}  // namespace

int BitBtnCaptionBoxWidth(const ButtonGeometry& g) {
  if (!g.HasCaption) return 0;
  int width = g.Width - 2 * g.Margin;
  if (g.GlyphWidth > 0 && Beside(g.Layout)) width -= g.GlyphWidth + g.Spacing;
  return width;
}

int SpeedButtonCaptionBoxWidth(const ButtonGeometry& g) {
  if (!g.HasCaption) return 0;
  int width = g.Width - g.DropDown - 2 * g.Margin;
  if (g.GlyphWidth > 0) width -= g.GlyphWidth + g.Spacing;
  return width;
}

PixelRect GlyphRect(const ButtonGeometry& g, int state) {
  const int m3 = EdgeRoom(g), s = GlyphSpacing(g);
  const int w = g.Width, h = g.Height, d = g.DropDown, gw = g.GlyphWidth, gh = g.GlyphHeight;
  const int hx = (w - d - gw - s - g.TextWidth) / 2 - m3;
  const int vy = (h - gh - s - g.TextHeight) / 2 - m3;
  int x = 0, y = 0;
  switch (g.Layout) {
    case TButtonLayout::blGlyphLeft:
      x = g.Align == ButtonAlign::Left ? m3 : g.Align == ButtonAlign::Right ? m3 + 2 * hx : m3 + hx;
      y = (h - gh) / 2;
      break;
    case TButtonLayout::blGlyphRight:
      x = g.Align == ButtonAlign::Left    ? w - d - m3 - 2 * hx - s - gw
          : g.Align == ButtonAlign::Right ? w - d - gw - m3
                                          : (g.TextWidth + w + s - d - gw) / 2;
      y = (h - gh) / 2;
      break;
    case TButtonLayout::blGlyphTop:
      x = (w - d - gw) / 2 + 1;
      y = m3 + vy;
      break;
    case TButtonLayout::blGlyphBottom:
      x = (w - d - gw) / 2 + 1;
      y = h - m3 - vy - gh;
      break;
  }
  return Moved({x, y, x + gw, y + gh}, state);
}

PixelRect BitBtnCaptionRect(ButtonGeometry g, bool rightToLeft, int state) {
  if (rightToLeft && g.Layout == TButtonLayout::blGlyphLeft) g.Layout = TButtonLayout::blGlyphRight;
  else if (rightToLeft && g.Layout == TButtonLayout::blGlyphRight) g.Layout = TButtonLayout::blGlyphLeft;
  const int w = g.Width, h = g.Height, gw = g.GlyphWidth, gh = g.GlyphHeight;
  const int tw = g.TextWidth, th = g.TextHeight;
  const bool beside = Beside(g.Layout);
  int x = 0, y = 0;
  if (beside) y = (h - th + 1) / 2;
  else x = (w - tw + 1) / 2;

  int margin = g.Margin, spacing = g.Spacing;
  if (tw == 0 || gw == 0) spacing = 0;
  // Along the axis the glyph and the caption share.
  const int length = beside ? w : h, glyph = beside ? gw : gh, text = beside ? tw : th;
  if (margin == -1 && spacing < 0) {
    margin = spacing = (length - glyph - text) / 3;
  } else if (margin == -1) {
    margin = g.Align == ButtonAlign::Center ? (length - (glyph + spacing + text) + 1) / 2 : 2;
  } else if (spacing < 0) {
    spacing = (length - margin - glyph - text) / 2;
  }

  switch (g.Layout) {
    case TButtonLayout::blGlyphLeft:
      x = g.Align == ButtonAlign::Left    ? margin + gw + spacing
          : g.Align == ButtonAlign::Right ? w - margin - tw
                                          : (w - tw - spacing - gw) / 2 + spacing + gw;
      break;
    case TButtonLayout::blGlyphRight:
      x = g.Align == ButtonAlign::Left    ? margin
          : g.Align == ButtonAlign::Right ? w - margin - gw - spacing - tw
                                          : (w - tw - spacing - gw) / 2;
      break;
    case TButtonLayout::blGlyphTop:
      y = (h - gh - spacing - th) / 2 + gh + spacing;
      break;
    case TButtonLayout::blGlyphBottom:
      y = h - gh - (h - gh - spacing - th) / 2 - spacing - th;
      break;
  }
  return Moved({x, y, x + tw, y + th}, state);
}

PixelRect SpeedButtonCaptionRect(const ButtonGeometry& g, int textOffset, int state) {
  const int w = g.Width, h = g.Height, d = g.DropDown, gw = g.GlyphWidth, gh = g.GlyphHeight;
  const int tw = g.TextWidth, th = g.TextHeight, m3 = EdgeRoom(g);
  const int s = g.HasCaption && gw >= 1 ? g.Spacing : 0;
  const int s3 = g.HasCaption && gh >= 1 ? g.Spacing : 0;
  const int hx = (w - d - gw - s - tw) / 2 - m3;
  const int glyphRoom = gw + (gw > 0 ? g.Spacing : 0);
  PixelRect r;
  switch (g.Layout) {
    case TButtonLayout::blGlyphLeft:
      r.Left = g.Align == ButtonAlign::Left    ? gw + g.Margin + (gw > 0 ? g.Spacing : 0)
               : g.Align == ButtonAlign::Right ? m3 + 2 * hx + glyphRoom
                                               : m3 + hx + glyphRoom;
      r.Right = g.Align == ButtonAlign::Left    ? w - d - m3 - 2 * hx
                : g.Align == ButtonAlign::Right ? w - d - m3
                                                : w - d - m3 - hx;
      r.Top = (h - th) / 2;
      r.Bottom = h - (h - th) / 2;
      break;
    case TButtonLayout::blGlyphRight:
      r.Left = g.Align == ButtonAlign::Left    ? m3
               : g.Align == ButtonAlign::Right ? m3 + 2 * hx
                                               : m3 + hx;
      r.Right = r.Left + tw;
      r.Top = (h - th) / 2;
      r.Bottom = h - (h - th) / 2;
      break;
    case TButtonLayout::blGlyphTop:
      r.Left = (w - tw - d) / 2;
      r.Right = w - (w - tw - d) / 2 - d;
      r.Top = gh + (h - gh - s3 - th) / 2 + s3;
      r.Bottom = h - (h - gh - s3 - th) / 2;
      break;
    case TButtonLayout::blGlyphBottom:
      r.Left = (w - tw - d) / 2;
      r.Right = w - (w - tw - d) / 2 - d;
      r.Top = (h - gh - s3 - th) / 2;
      r.Bottom = h - (h - gh - s3 - th) / 2 - gh - s3;
      break;
  }
  return Moved({r.Left + textOffset - 1, r.Top, r.Right + textOffset + 2, r.Bottom}, state);
}

}  // namespace folvane
