#include "Preview.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "Sheet.h"
#include "paint/DisabledLook.h"
#include "paint/HalfMaskedBitmap.h"
#include "paint/PaintGlyph.h"
#include "paint/PaintMask.h"
#include "paint/PaintPlatform.h"
#include "paint/SectionPainting.h"
#include "skin/SkinLoader.h"

namespace folvane::skingen {
namespace {

constexpr TColor kDesktop = 0x3C5A3C;  // BGR: a dark green no skin colour is near, so cut corners show

// The window-free build has no platform stretch; nearest-neighbour is what
// halftone gives for the one-pixel strips skins stretch.
class NearestPlatform : public PaintPlatform {
 public:
  void StretchHalftone(PixelBuffer& dest, const PixelRect& d, const PixelBuffer& source,
                       const PixelRect& s) override {
    for (int y = std::max(d.Top, 0); y < std::min(d.Bottom, dest.Height()); ++y)
      for (int x = std::max(d.Left, 0); x < std::min(d.Right, dest.Width()); ++x)
        dest.SetColor(x, y, source.GetColor(s.Left + (x - d.Left) * s.Width() / d.Width(),
                                            s.Top + (y - d.Top) * s.Height() / d.Height()));
  }
  void FillGradientTriangles(PixelBuffer&, const std::vector<GradientVertex>&,
                             const std::vector<GradientTriangle>&) override {}
  void DrawPictureGrid(PixelBuffer&, const PixelRect&, const PixelBuffer&, PixelPoint, int, int) override {}
};

class Painter {
 public:
  Painter(const SkinModel& model, PixelBuffer& bitmap) : model_(model), bitmap_(bitmap) {}

  // A section over what is already painted, as controls paint over their
  // parent's background.
  void section(const char* name, PixelRect r, int state, bool fillCentre = true) {
    const int i = model_.FindSection(name);
    if (i < 0) {
      std::fprintf(stderr, "skingen: preview: no section %s\n", name);
      return;
    }
    PaintSection(i, name, BitmapBackground(bitmap_), -1, -1, model_, bitmap_, {r.Left, r.Top}, r, state,
                 fillCentre, platform_);
  }
  void glyph(const char* section, const char* key, int x, int y, int state, int mode = kGlyphNormal) {
    if (const TsMaskData* m = mask(section, key))
      PaintGlyph(bitmap_, {x, y}, state, BitmapBackground(bitmap_), *m, mode);
  }
  void border(const char* section, const char* key, PixelRect r, int state) {
    if (const TsMaskData* m = mask(section, key))
      PaintMask(bitmap_, r, true, true, state, *m, BitmapBackground(bitmap_), platform_);
  }
  const TsMaskData* mask(const char* section, const char* key) const {
    const TsMaskData* m = model_.Mask(model_.FindMask(model_.FindSection(section), section, key));
    if (!m) std::fprintf(stderr, "skingen: preview: no %s of %s\n", key, section);
    return m;
  }
  // The area as a disabled control shows it: 40 % of itself over the parent.
  void disable(PixelRect r) {
    PixelBuffer image(r.Width(), r.Height(), PixelFormat::Bgr24);
    PixelBuffer parent(r.Width(), r.Height(), PixelFormat::Bgr24);
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) image.SetColor(x, y, bitmap_.GetColor(r.Left + x, r.Top + y));
    parent.Fill(model_.Section(model_.FindSection("FORM"))->HotColor);
    ApplyDisabledLook(image, dkBlended, 0, {0, 0}, BitmapBackground(parent));
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) bitmap_.SetColor(r.Left + x, r.Top + y, image.GetColor(x, y));
  }

 private:
  const SkinModel& model_;
  PixelBuffer& bitmap_;
  NearestPlatform platform_;
};

struct Window {
  PixelBuffer image;
  std::vector<PixelRect> holes;
};

// Caption buttons right to left, as the title-button layout places them:
// forms' big buttons hang from the top edge, one pixel overlapping; dialogs'
// small ones are centred two pixels further left. Active: close hot and
// minimize pressed (forms), close pressed and help hot (dialogs).
void captionButtons(Painter& p, int width, int captionBottom, bool active, bool big) {
  const char* keys[] = {big ? "BICONCLOSE" : "SICONCLOSE", big ? "BICONMAX" : "SICONHELP",
                        big ? "BICONMIN" : nullptr};
  const int frameX = 3, space = big ? -1 : 0;
  int x = width - frameX - space - (big ? 0 : 2);
  for (int i = 0; i < 3 && keys[i]; ++i) {
    const TsMaskData* m = p.mask("GLOBALINFO", keys[i]);
    if (!m) continue;
    const int w = m->Width() / m->ImageCount, h = m->Height() / (m->MaskType + 1);
    const int y = big ? 0 : (captionBottom - h) / 2 + (h < 16 ? 2 : 0);
    const int state = !active ? 0 : big ? (i == 0 ? 1 : i == 2 ? 2 : 0) : (i == 0 ? 2 : 1);
    p.glyph("GLOBALINFO", keys[i], x - w, y, state, active ? kGlyphNormal : kGlyphFaded);
    x -= w + space;
  }
}

// Frame and caption of a form or dialog (3-pixel frame, 18-pixel caption,
// as the system metrics give them here) with its caption buttons, and the
// window region's holes from the corners of the frame and caption masks.
Window frame(const SkinModel& model, const char* frameSection, int width, int height, bool active,
             bool big) {
  Window w{PixelBuffer(width, height, PixelFormat::Bgr24), {}};
  w.image.Fill(kDesktop);
  Painter p(model, w.image);
  const int state = active ? 1 : 0, captionBottom = 21;
  p.section(frameSection, {0, 0, width, height}, state, false);
  p.section("FORMTITLE", {0, 0, width, captionBottom}, state);
  captionButtons(p, width, captionBottom, active, big);
  if (const TsMaskData* f = p.mask(frameSection, "BORDERSMASK")) {
    ScanCornerRuns(w.holes, width, *f, false, 0);
    ScanCornerRuns(w.holes, width, *f, true, height - f->WB);
  }
  if (const TsMaskData* t = p.mask("FORMTITLE", "BORDERSMASK")) ScanCornerRuns(w.holes, width, *t, false, 0);
  return w;
}

void place(PixelBuffer& screen, const Window& w, int left, int top) {
  for (int y = 0; y < w.image.Height(); ++y) {
    for (int x = 0; x < w.image.Width(); ++x) {
      const bool hole = std::any_of(w.holes.begin(), w.holes.end(), [&](const PixelRect& r) {
        return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
      });
      if (!hole && screen.Contains(left + x, top + y)) screen.SetColor(left + x, top + y, w.image.GetColor(x, y));
    }
  }
}

// The main window: edits, the five buttons (normal, hot, pressed, disabled,
// normal) and the status bar with its grip.
Window mainWindow(const SkinModel& model, bool active) {
  Window w = frame(model, "FORM", 424, 213, active, true);
  Painter p(model, w.image);
  const int cx = 3, cy = 21;
  p.section("EDIT", {cx + 8, cy + 17, cx + 410, cy + 38}, 0);
  p.section("EDIT", {cx + 8, cy + 54, cx + 358, cy + 75}, 1);
  p.section("EDIT", {cx + 8, cy + 91, cx + 410, cy + 112}, 0);
  p.section("PANEL_LOW", {cx + 364, cy + 44, cx + 410, cy + 86}, 0);
  for (int i = 0; i < 5; ++i) {
    const PixelRect r{cx + 8 + 84 * i, cy + 121, cx + 82 + 84 * i, cy + 162};
    p.section("BUTTON", r, i == 3 ? 0 : i % 3);
    if (i == 3) p.disable(r);
  }
  p.section("STATUSBAR", {cx, cy + 169, cx + 418, cy + 188}, 0);
  p.glyph("GLOBALINFO", "GRIPIMAGE", cx + 418 - 12, cy + 188 - 12, 0);
  return w;
}

// A dialog with every glyph and the list-like parts.
Window dialog(const SkinModel& model, bool active) {
  Window w = frame(model, "DIALOG", 424, 236, active, false);
  Painter p(model, w.image);
  const int cx = 3, cy = 21;
  const char* boxes[] = {"BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED", "RADIOUNCHECKED", "RADIOCHECKED",
                         "RADIOGRAYED", "SMALLUNCHECKED", "SMALLCHECKED", "SMALLGRAYED"};
  p.section("GROUPBOX", {cx + 6, cy + 2, cx + 150, cy + 146}, 0);
  for (int row = 0; row < 9; ++row)
    for (int s = 0; s < 3; ++s) p.glyph("GLOBALINFO", boxes[row], cx + 16 + 40 * s, cy + 8 + 15 * row, s);
  // Combo box with its button: normal and hot.
  for (int i = 0; i < 2; ++i) {
    const int y = cy + 8 + 26 * i;
    p.section("COMBOBOX", {cx + 160, y, cx + 300, y + 21}, i);
    p.section("COMBOBTN", {cx + 281, y + 2, cx + 298, y + 19}, i);
    p.glyph("COMBOBOX", "GLYPHMASK", cx + 286, y + 9, 0);
  }
  // Page control with tabs on top: normal, hot, selected.
  p.section("PAGECONTROL", {cx + 160, cy + 78, cx + 300, cy + 130}, 0);
  for (int s = 0; s < 3; ++s) {
    const int sel = s == 2 ? 2 : 0;
    p.section("TABTOP", {cx + 162 + 44 * s, cy + 60 - sel, cx + 204 + 44 * s, cy + 79 + (sel ? 1 : 0)}, s);
  }
  p.section("GAUGE", {cx + 6, cy + 150, cx + 150, cy + 166}, 0);
  p.section("PROGRESSH", {cx + 8, cy + 152, cx + 100, cy + 164}, 0);
  for (int s = 0; s < 3; ++s) p.section("COLHEADER", {cx + 160 + 46 * s, cy + 138, cx + 206 + 46 * s, cy + 158}, s);
  // Vertical scroll bar: arrows (hot, pressed), tracks and a hot thumb.
  const int sx = cx + 310, sy = cy + 6, len = 150;
  p.section("SCROLLBAR1V", {sx, sy + 17, sx + 17, sy + 60}, 0);
  p.section("SCROLLBAR2V", {sx, sy + 60, sx + 17, sy + len - 17}, 0);
  p.section("SCROLLSLIDERV", {sx, sy + 40, sx + 17, sy + 80}, 1);
  p.section("SCROLLBTNTOP", {sx, sy, sx + 17, sy + 17}, 1);
  p.glyph("SCROLLBTNTOP", "GLYPHMASK", sx + 5, sy + 6, 1);
  p.section("SCROLLBTNBOTTOM", {sx, sy + len - 17, sx + 17, sy + len}, 2);
  p.glyph("SCROLLBTNBOTTOM", "GLYPHMASK", sx + 5, sy + len - 11, 2);
  // Horizontal bar: normal arrows, a normal thumb.
  const int hy = cy + 190;
  p.section("SCROLLBAR1H", {cx + 6, hy, cx + 200, hy + 17}, 0);
  p.section("SCROLLSLIDERH", {cx + 60, hy, cx + 110, hy + 17}, 0);
  p.section("SCROLLBTNLEFT", {cx + 6, hy, cx + 23, hy + 17}, 0);
  p.glyph("SCROLLBTNLEFT", "GLYPHMASK", cx + 12, hy + 5, 0);
  p.section("SCROLLBTNRIGHT", {cx + 183, hy, cx + 200, hy + 17}, 0);
  p.glyph("SCROLLBTNRIGHT", "GLYPHMASK", cx + 189, hy + 5, 0);
  // Tool buttons: hot and pressed; a hint.
  p.section("TOOLBAR", {cx + 210, cy + 165, cx + 340, cy + 192}, 0);
  p.section("TOOLBUTTON", {cx + 214, cy + 167, cx + 238, cy + 190}, 1);
  p.section("TOOLBUTTON", {cx + 240, cy + 167, cx + 264, cy + 190}, 2);
  p.section("HINT", {cx + 270, cy + 196, cx + 400, cy + 212}, 0);
  p.section("BUTTON", {cx + 340, cy + 165, cx + 414, cy + 188}, 1);
  return w;
}

Window popupMenu(const SkinModel& model) {
  const int width = 160, height = 118;
  Window w{PixelBuffer(width, height, PixelFormat::Bgr24), {}};
  Painter p(model, w.image);
  p.section("MAINMENU", {0, 0, width, height}, 0);
  p.section("ICOLINE", {3, 3, 3 + 24, height - 3}, 0);
  for (int i = 0; i < 5; ++i) {
    const int y = 3 + 22 * i + (i > 2 ? 2 - 20 : 0);
    if (i == 3) {
      p.border("DIVIDERV", "BORDERSMASK", {32, 70, width - 8, 72}, 0);
      continue;
    }
    const int top = i == 4 ? 74 : y;
    p.section("MENUITEM", {3, top, width - 3, top + 22}, i == 1 ? 1 : 0);
    if (i == 1 || i == 4) p.glyph("GLOBALINFO", "CHECK", 8, top + 5, i == 1 ? 1 : 0);
  }
  const TsMaskData* m = p.mask("MAINMENU", "BORDERSMASK");
  if (m) ScanCornerRuns(w.holes, width, *m, false, 0);
  if (m) ScanCornerRuns(w.holes, width, *m, true, height - 3);
  return w;
}

}  // namespace

int writePreview(const std::string& skinFolder, const std::string& outFile) {
  SkinModel model;
  std::u16string folder(skinFolder.begin(), skinFolder.end());
  const SkinLoadOutcome outcome = LoadSkinFolder(model, folder + u"\\", SkinLoadSettings{});
  if (!outcome.Loaded()) {
    std::fprintf(stderr, "skingen: preview: cannot load the skin in %s\n", skinFolder.c_str());
    return 1;
  }
  PixelBuffer screen(880, 590, PixelFormat::Bgr24);
  screen.Fill(kDesktop);
  place(screen, mainWindow(model, true), 8, 8);
  place(screen, mainWindow(model, false), 448, 8);
  place(screen, dialog(model, true), 8, 232);
  place(screen, dialog(model, false), 448, 232);
  // The popup menu and the huge button over the inactive form's client.
  place(screen, popupMenu(model), 700, 60);
  {
    Painter p(model, screen);
    for (int s = 0; s < 3; ++s) p.section("BUTTON_HUGE", {8 + 104 * s, 478, 108 + 104 * s, 578}, s);
  }
  Sheet sheet(screen.Width(), screen.Height());
  for (int y = 0; y < screen.Height(); ++y)
    for (int x = 0; x < screen.Width(); ++x) {
      const TColor c = screen.GetColor(x, y);
      sheet.at(x, y) = (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
    }
  const std::vector<uint8_t> bytes = encodeBmp24(sheet);
  std::ofstream out(outFile, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return out ? 0 : 1;
}

}  // namespace folvane::skingen
