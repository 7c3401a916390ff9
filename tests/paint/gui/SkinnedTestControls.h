#pragma once
// A small skin and test controls bound to its sections, for tests that need
// skinned controls on a real form: each control owns a TsCommonData, paints
// its section into the cache when the cache is stale, copies the cache to
// the screen and answers the skin commands through its skin state.

#include <windows.h>

#include <memory>
#include <string>

#include "paint/win/sCommonData.h"
#include "runtime/win/Application.h"
#include "runtime/win/Form.h"
#include "skin/StoredSkin.h"
#include "skin/win/sSkinManager.h"

namespace folvane::testing {

// Colours of the test skin (0x00BBGGRR).
constexpr TColor kGlobalColor = 0xC0C0C0;
constexpr TColor kButtonColor = 0x0000FF;
constexpr TColor kButtonHotColor = 0x00FF00;
constexpr TColor kPanelColor = 0x00FFFF;
constexpr TColor kGradientTop = 0xFF0000;
constexpr TColor kGradientBottom = 0x00FF00;
constexpr TColor kThinBorderColor = 0x202020;
constexpr TColor kWideBorderColor = 0x404040;
constexpr int kThinBorder = 2;  // each side: 8 in all
constexpr int kWideBorder = 7;  // each side: 28 in all

inline TsSkinGeneral TestSection(const char* name, TColor color, int transparency = 0) {
  TsSkinGeneral s;
  s.SectionName = name;
  s.Color = color;
  s.HotColor = color;
  s.Transparency = transparency;
  s.HotTransparency = transparency;
  s.FontColor = "0 -1 -1 -1 -1";
  s.HotFontColor = "0 -1 -1 -1 -1";
  return s;
}

inline TsSkinImage TestBorder(const char* section, int left, int width, int slice) {
  TsSkinImage b;
  b.SectionName = section;
  b.PropertyName = "BORDERSMASK";
  b.Left = left;
  b.Top = 0;
  b.Right = left + width;
  b.Bottom = width;
  b.ImageCount = 1;
  b.MaskType = 0;
  b.WL = b.WT = b.WR = b.WB = slice;
  return b;
}

// "BUTTON" flat red (green when hot); "TOOLBAR" a vertical blue-to-green
// gradient; "PANEL" fully transparent with thin borders; "PANEL_LOW" fully
// transparent with borders that add up to more than 24; "EDIT" white.
inline TsStoredSkin TestSkin() {
  TsStoredSkin skin;
  skin.Name = u"Test";
  skin.Version = 5.6;
  TsSkinGeneral global = TestSection("GLOBALINFO", kGlobalColor);
  TsSkinGeneral button = TestSection("BUTTON", kButtonColor);
  button.HotColor = kButtonHotColor;
  TsSkinGeneral toolbar = TestSection("TOOLBAR", 0x808080);
  toolbar.GradientPercent = 100;
  toolbar.GradientData = std::to_string(kGradientTop) + ";" + std::to_string(kGradientBottom) +
                         ";100;0;0";
  TsSkinGeneral edit = TestSection("EDIT", 0xFFFFFF);
  edit.FontColor = "128 -1 -1 -1 -1";
  skin.GeneralData = {global, button, toolbar, TestSection("PANEL", kPanelColor, 100),
                      TestSection("PANEL_LOW", kPanelColor, 100), edit};

  // Master: the thin border at (0, 0) 6 x 6, the wide one at (8, 0) 21 x 21.
  PixelBuffer master(32, 24, PixelFormat::Bgr24);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 32; ++x) master.SetColor(x, y, x < 8 ? kThinBorderColor : kWideBorderColor);
  master.SetColor(0, 0, 0xFF00FF);  // the thin border's top-left pixel shows what lies behind
  skin.MasterBitmap = StoredPicture(std::move(master));
  skin.Images = {TestBorder("PANEL", 0, 6, kThinBorder),
                 TestBorder("PANEL_LOW", 8, 21, kWideBorder)};
  return skin;
}

// A manager (the default one while no other exists) with the test skin
// loaded and announced to every window.
class TestSkinManager {
 public:
  TestSkinManager() : manager_(new TsSkinManager(nullptr)) {
    manager_->SetInternalSkins({TestSkin()});
    manager_->SetSkinName(L"Test");
  }
  ~TestSkinManager() { delete manager_; }
  TestSkinManager(const TestSkinManager&) = delete;
  TestSkinManager& operator=(const TestSkinManager&) = delete;
  TsSkinManager* operator->() const { return manager_; }
  TsSkinManager* Get() const { return manager_; }

 private:
  TsSkinManager* manager_;
};

// Paints the owner's section into its cache, over what lies behind it.
inline void RebuildFace(TsCommonData& data, TControl& owner) {
  data.InitCacheBitmap();
  TBitmap* cache = data.CacheBitmap();
  if (!cache || cache->Empty()) return;
  const BackgroundInfo behind = data.GetBackground();
  PaintControlSection(data, behind, true, true, cache->Pixels(), {owner.Left(), owner.Top()},
                      {0, 0, owner.Width(), owner.Height()}, data.IsHot() ? 1 : 0);
  data.BackgroundChanged = false;
}

// Shared by the windowed and the graphic test control.
template <typename Base>
class TestSkinned : public Base {
 public:
  TestSkinned(TComponent* owner, TWinControl* parent, const wchar_t* name, int kind,
              const std::wstring& section, RECT bounds)
      : Base(owner), SkinData(this, true) {
    this->Name = name;
    SkinData.ControlKind = kind;
    if (!section.empty()) SkinData.SetSkinSection(section);
    SkinData.PrepareCache = [this] { Rebuild(); };
    this->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left,
                    bounds.bottom - bounds.top);
    this->SetParent(parent);
    SkinData.Loaded();
  }
  const wchar_t* ClassName() const override { return L"TestSkinned"; }

  TsCommonData SkinData;
  int Rebuilds = 0;

  void Rebuild() {
    ++Rebuilds;
    RebuildFace(SkinData, *this);
  }
  // The face, repainted first when stale; nullptr when unskinned.
  TBitmap* Face() {
    if (!SkinData.IsSkinned()) return nullptr;
    if (SkinData.BackgroundChanged) Rebuild();
    TBitmap* cache = SkinData.CacheBitmap();
    return cache && !cache->Empty() ? cache : nullptr;
  }

 protected:
  void WndProc(Message& m) override {
    if (SkinData.HandleMessage(m)) return;
    Base::WndProc(m);
  }
};

class TestSkinnedPanel : public TestSkinned<TWinControl> {
 public:
  using TestSkinned<TWinControl>::TestSkinned;
  const wchar_t* ClassName() const override { return L"TestSkinnedPanel"; }

 protected:
  void PaintWindow(HDC dc, const RECT& clip) override {
    TBitmap* face = Face();
    if (!face) {
      TWinControl::PaintWindow(dc, clip);
      return;
    }
    const RECT client{0, 0, Width(), Height()};
    CopyCacheToDC(this, SkinData, {0, 0}, 0, 0, false, dc, client);
    PaintGraphicChildren(dc, clip);
  }
};

class TestSkinnedGraphic : public TestSkinned<TGraphicControl> {
 public:
  using TestSkinned<TGraphicControl>::TestSkinned;
  const wchar_t* ClassName() const override { return L"TestSkinnedGraphic"; }

  void Paint(HDC dc) override {
    if (TBitmap* face = Face()) {
      BitBlt(dc, 0, 0, Width(), Height(), face->DC(), 0, 0, SRCCOPY);
      return;
    }
    const RECT r{0, 0, Width(), Height()};
    BrushHandle brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &r, brush.Get());
  }
};

// A form of the application (so that skin broadcasts reach it) with a
// gradient tool bar holding a thin-bordered transparent panel, a
// wide-bordered one and a button, and a button straight on the form.
struct DemonstrationForm {
  TForm* Form;
  TestSkinnedPanel* Toolbar;
  TestSkinnedPanel* ThinPanel;
  TestSkinnedPanel* WidePanel;
  TestSkinnedGraphic* InnerButton;
  TestSkinnedGraphic* Button;

  DemonstrationForm() {
    Form = new TForm(Application);
    Form->Name = L"DemoForm";
    Form->SetBounds(40, 40, 420, 300);
    Toolbar = new TestSkinnedPanel(Form, Form, L"Toolbar", 53, L"", {10, 10, 310, 210});
    ThinPanel = new TestSkinnedPanel(Form, Toolbar, L"ThinPanel", 51, L"", {20, 30, 140, 130});
    InnerButton =
        new TestSkinnedGraphic(Form, ThinPanel, L"InnerButton", 93, L"", {10, 12, 90, 40});
    WidePanel = new TestSkinnedPanel(Form, Toolbar, L"WidePanel", 52, L"", {160, 30, 280, 130});
    Button = new TestSkinnedGraphic(Form, Form, L"Button", 93, L"", {320, 20, 400, 45});
  }
  ~DemonstrationForm() { delete Form; }
  DemonstrationForm(const DemonstrationForm&) = delete;
  DemonstrationForm& operator=(const DemonstrationForm&) = delete;
};

}  // namespace folvane::testing
