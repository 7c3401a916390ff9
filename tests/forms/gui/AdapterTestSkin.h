#pragma once
// A skin whose every section an adapter paints has its own opaque colour,
// a 2-pixel frame for edits and group boxes (its top-left pixel see-through)
// and check glyphs of one colour each, with a test form to put raw windows
// and runtime controls on, and a comparison of what the screen shows with
// the adapters' images.

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/win/Application.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/Form.h"
#include "runtime/win/ImageFile.h"
#include "skin/StoredSkin.h"
#include "skin/win/sSkinManager.h"

namespace folvane::testing {

constexpr TColor kGlobal = 0xC0C0C0;
constexpr TColor kButton = 0x0000FF;
constexpr TColor kButtonHot = 0x00FF00;
constexpr TColor kCheckBox = 0xA0E0E0;
constexpr TColor kGroupBox = 0xD0B0D0;
constexpr TColor kPanel = 0x00FFFF;
constexpr TColor kPanelLow = 0x00C0C0;
constexpr TColor kStatusBar = 0xA0E0A0;
constexpr TColor kEdit = 0xF0FFF0;
constexpr TColor kEditText = 0x800000;
constexpr TColor kBar = 0xFFB0B0;
constexpr TColor kFrame = 0x203040;
constexpr TColor kGlobalText = 0x101060;
constexpr int kFrameSlice = 2;
constexpr int kGlyph = 13;

struct GlyphColor {
  const char* name;
  int x, y;
  TColor color;
};
inline constexpr GlyphColor kGlyphs[] = {
    {"BOXUNCHECKED", 8, 0, 0x0000A0},   {"BOXCHECKED", 24, 0, 0x00A000},
    {"BOXGRAYED", 40, 0, 0xA00000},     {"RADIOUNCHECKED", 8, 16, 0x00A0A0},
    {"RADIOCHECKED", 24, 16, 0xA000A0},
};

inline TColor GlyphColorOf(const char* name) {
  for (const GlyphColor& g : kGlyphs)
    if (std::string(g.name) == name) return g.color;
  return 0;
}

inline TsSkinGeneral AdapterSection(const char* name, TColor color, const char* font = "0") {
  TsSkinGeneral s;
  s.SectionName = name;
  s.Color = color;
  s.HotColor = color;
  s.FontColor = std::string(font) + " -1 -1 -1 -1";
  s.HotFontColor = s.FontColor;
  return s;
}

inline TsSkinImage AdapterEntry(const char* section, const char* property, int x, int y, int w,
                                int h, int slice) {
  TsSkinImage e;
  e.SectionName = section;
  e.PropertyName = property;
  e.Left = x;
  e.Top = y;
  e.Right = x + w;
  e.Bottom = y + h;
  e.ImageCount = 1;
  e.WL = e.WT = e.WR = e.WB = slice;
  return e;
}

inline TsStoredSkin AdapterSkin() {
  TsStoredSkin skin;
  skin.Name = u"Adapters";
  skin.Version = 5.6;
  TsSkinGeneral button = AdapterSection("BUTTON", kButton);
  button.HotColor = kButtonHot;
  TsSkinGeneral checkbox = AdapterSection("CHECKBOX", kCheckBox);
  checkbox.ShowFocus = true;
  skin.GeneralData = {
      AdapterSection("GLOBALINFO", kGlobal, std::to_string(kGlobalText).c_str()),
      button,
      checkbox,
      AdapterSection("GROUPBOX", kGroupBox),
      AdapterSection("PANEL", kPanel),
      AdapterSection("PANEL_LOW", kPanelLow),
      AdapterSection("STATUSBAR", kStatusBar),
      AdapterSection("EDIT", kEdit, std::to_string(kEditText).c_str()),
      AdapterSection("BAR", kBar),
      AdapterSection("TOOLBAR", kBar),
      AdapterSection("TOOLBUTTON", kButtonHot),
  };
  PixelBuffer master(64, 32, PixelFormat::Bgr24);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) master.SetColor(x, y, kFrame);
  master.SetColor(0, 0, 0xFF00FF);
  for (const GlyphColor& g : kGlyphs)
    for (int y = 0; y < kGlyph; ++y)
      for (int x = 0; x < kGlyph; ++x) master.SetColor(g.x + x, g.y + y, g.color);
  skin.MasterBitmap = StoredPicture(std::move(master));
  skin.Images = {AdapterEntry("EDIT", "BORDERSMASK", 0, 0, 6, 6, kFrameSlice),
                 AdapterEntry("GROUPBOX", "BORDERSMASK", 0, 0, 6, 6, kFrameSlice)};
  for (const GlyphColor& g : kGlyphs)
    skin.Images.push_back(AdapterEntry("GLOBALINFO", g.name, g.x, g.y, kGlyph, kGlyph, 0));
  return skin;
}

// The primary manager with the adapter skin while it lives.
class AdapterSkinManager {
 public:
  AdapterSkinManager() : manager_(new TsSkinManager(nullptr)) {
    manager_->SetInternalSkins({AdapterSkin()});
    manager_->SetSkinName(L"Adapters");
  }
  ~AdapterSkinManager() { delete manager_; }
  AdapterSkinManager(const AdapterSkinManager&) = delete;
  AdapterSkinManager& operator=(const AdapterSkinManager&) = delete;
  TsSkinManager* operator->() const { return manager_; }
  TsSkinManager* Get() const { return manager_; }

 private:
  TsSkinManager* manager_;
};

// A shown form of the application, its client in the form's own colour.
inline TForm* ShownTestForm(int width = 460, int height = 320) {
  auto* form = new TForm(Application);
  form->Name = L"AdapterForm";
  form->SetBounds(30, 30, width, height);
  form->HandleNeeded();
  form->Show();
  return form;
}

inline HWND RawChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x,
                     int y, int w, int h, DWORD exStyle = 0) {
  HWND wnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return wnd;
}

// Pixels of `a` that differ from `b` inside `area` (all when empty),
// leaving out `hole`.
inline int DifferentPixels(const PixelBuffer& a, const PixelBuffer& b, RECT area = {},
                           RECT hole = {}) {
  if (IsRectEmpty(&area)) area = {0, 0, a.Width(), a.Height()};
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const POINT p{x, y};
      if (PtInRect(&hole, p)) continue;
      if (!a.Contains(x, y) || !b.Contains(x, y) ||
          (a.GetColor(x, y) & 0xFFFFFF) != (b.GetColor(x, y) & 0xFFFFFF))
        ++n;
    }
  return n;
}

}  // namespace folvane::testing
