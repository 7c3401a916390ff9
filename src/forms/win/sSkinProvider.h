#pragma once
// TsSkinProvider: the component that skins a whole form. It takes over the
// form's window procedure and draws the frame, the caption band with icon,
// title and caption buttons, and the client background from the active
// skin into one image of the whole window, from which block copies reach
// the screen. The system keeps the non-client geometry (the provider never
// answers WM_NCCALCSIZE); the provider paints into it, cuts the window
// region to the skin's rounded corners and answers hit-testing for what it
// draws.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/CaptionButtons.h"
#include "forms/FormGeometry.h"
#include "paint/PixelGeometry.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/Form.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

class TsSystemMenu;
class TvtCtrlAdapter;

enum class TsGripMode { gmNone, gmRightBottom };
enum class TsResizeMode { rmStandard, rmBorder };

// The caption icon override: a picture (key colour 0xFF00FF transparent)
// and its size; 0 means derived from the caption height.
struct TsTitleIcon {
  TBitmap Glyph;
  int Height = 0;
  int Width = 0;
};

using TMouseButtonEvent = std::function<void(class TsTitleButton* sender, int x, int y)>;

// A caption button the form defines itself.
class TsTitleButton {
 public:
  bool UseSkinData = true;
  std::wstring Name = L"TsTitleButton";
  TBitmap Glyph;
  TMouseButtonEvent OnMouseUp;
  TMouseButtonEvent OnMouseDown;
  bool Enabled = true;
};
using TsTitleButtons = std::vector<std::unique_ptr<TsTitleButton>>;

// Asked before a control is adapted.
using TAddItemEvent =
    std::function<void(TComponent* item, bool& canBeAdded, std::wstring& skinSection)>;

class TsSkinProvider : public TComponent, public SkinProviderLink {
 public:
  explicit TsSkinProvider(TComponent* owner);
  ~TsSkinProvider() override;
  const wchar_t* ClassName() const override { return L"TsSkinProvider"; }

  // --- published properties
  TAlignment CaptionAlignment() const { return captionAlignment_; }
  void SetCaptionAlignment(TAlignment value);
  TsCommonData SkinData;
  TsGripMode GripMode = TsGripMode::gmNone;
  bool MakeSkinMenu = false;
  std::wstring MenuLineSkin;
  TsResizeMode ResizeMode = TsResizeMode::rmStandard;
  bool ScreenSnap = false;
  int SnapBuffer = 10;
  bool ShowAppIcon() const { return showAppIcon_; }
  void SetShowAppIcon(bool value);
  TsTitleButtons TitleButtons;
  TsTitleIcon TitleIcon;
  const std::wstring& TitleSkin() const { return titleSkin_; }
  void SetTitleSkin(const std::wstring& value);
  bool UseGlobalColor() const { return useGlobalColor_; }
  void SetUseGlobalColor(bool value);
  TAddItemEvent OnSkinItem;

  // --- operations offered to the rest of the engine
  TForm* Form() const { return form_; }
  // Gives the form its control adapter, or lets the one it has walk the
  // form again (the standard controls get their window adapters).
  virtual void CreateCtrlAdapter();
  std::unique_ptr<TvtCtrlAdapter> CtrlAdapter;
  void PrepareSkin();
  void RebuildRegionHoles();
  // True when a new region was given to the window.
  bool ApplyRegion(bool redraw);
  void RemoveRegion();
  void RepaintCaption();
  void RenderWindowImage();
  // Frame and caption strips of the window image into `dc` (window
  // coordinates), or into the window's own DC when dc is null.
  void PaintNonClient(HDC dc = nullptr);
  TColor BackgroundColor() const;

  // SkinProviderLink
  TsSkinManager* UsedManager() const override { return SkinData.UsedManager(); }
  void RebuildFrameAndRegion() override;

  // --- geometry, in window coordinates (see FormGeometry.h)
  FormShape Shape() const;
  FrameMetrics Metrics() const;
  int CaptionBarHeight() const;
  int FrameThicknessX() const;
  int FrameThicknessY() const;
  int OuterWidth() const;
  int OuterHeight() const;
  int TopAreaHeight() const;
  int ClientShiftX() const;
  int ClientShiftY() const;
  bool IconShown() const;
  PixelRect CaptionIconBox() const;
  bool HasSkinnedFrame() const { return folvane::HasSkinnedFrame(Shape()); }
  bool HasWindowMenu() const { return sysMenuStyleRemoved_; }
  // The layout context of the caption buttons (brings the user buttons'
  // records up to date with TitleButtons).
  CaptionContext ButtonContext();

  // --- state other parts read
  const std::vector<PixelRect>& RegionHoles() const { return regionHoles_; }
  bool RegionDirty = true;
  bool ActiveLook = true;
  bool PaintedOnce = false;
  bool TitleDirty = true;
  bool ShowAnimating = false;
  int MenuRowCount = -1;
  CaptionButtons Buttons;
  TsSystemMenu* SysMenuPopup() const { return sysMenu_.get(); }
  // How many times the window region was set (tests watch for repaint loops).
  int RegionSets() const { return regionSets_; }

  // --- caption buttons (the state machine lives in Buttons)
  void LookUpCaptionGlyphs();
  void RepaintCaptionButton(int code);
  void SetHotElement(int code, bool repaint);
  void PressElement(int code);
  int HitTest(POINT screen);
  // Shows the window menu at a screen point.
  void ShowWindowMenu(int x, int y);
  // Below the caption icon, as a click on it or Alt+Space shows it.
  void ShowWindowMenuBelowIcon();

 protected:
  void Loaded() override;

 private:
  friend class ProviderWindowProc;

  void HookForm(TForm* form);
  void WndProc(Message& m);
  void CallSaved(Message& m);
  bool IsOurs(LPARAM manager) const { return SkinData.ConcernsManager(manager); }
  bool SkinnedNow() const;
  void SetSysMenuStyle(bool skinned);
  void ApplyGlobalColor();
  void MarkChanged() { SkinData.BackgroundChanged = true; }

  // window image (sSkinProviderImage.cpp)
  void RenderFrame(const PixelRect& paintRect);
  void RenderCaption(bool fromReuse);
  void DrawCaptionIcon();
  void DrawCaptionText();
  void DrawGrip(PixelBuffer& image);
  void DrawGripTo(HDC dc);
  void DrawCaptionButtons();
  void DrawButtonGlyph(int glyph, int state, const CaptionButton& r, bool opaque);
  bool ReuseTitleCache() const;
  int CaptionSectionIndex() const;
  std::string TitleSkinName() const;
  int FormSectionFrameStates() const;

  // client painting (sSkinProviderClient.cpp)
  void HandlePaint(Message& m);
  void HandleEraseBackground(Message& m);
  void PaintClient(HDC dc, const RECT& clip);
  void FillClientBackground(HDC dc, const RECT& clip);
  void PaintGraphicChildren(HDC dc);
  void Print(HDC dc);
  void CopyStrips(HDC dc);

  // non-client messages (sSkinProviderNonClient.cpp)
  void HandleHitTest(Message& m);
  void HandleNcActivate(Message& m);
  void HandleSetText(Message& m);
  void HandleNcButtonDown(Message& m);
  void HandleNcButtonUp(Message& m);
  void HandleNcDoubleClick(Message& m);
  void HandleNcRightButton(Message& m);
  void HandleSysCommand(Message& m);
  void HandleSize(Message& m);
  void HandleShowingChanged(Message& m);
  void SnapPosition(WINDOWPOS& pos) const;
  void TrackNonClientLeave();
  bool ButtonCode(int code) const;
  bool Showing() const;

  TForm* form_ = nullptr;
  std::function<void(Message&)> savedWindowProc_;
  TAlignment captionAlignment_ = TAlignment::taLeftJustify;
  bool showAppIcon_ = true;
  std::wstring titleSkin_;
  bool useGlobalColor_ = true;
  std::vector<PixelRect> regionHoles_;
  bool sysMenuStyleRemoved_ = false;
  bool regionBusy_ = false;
  bool menusPrepared_ = false;
  RECT prevClientRect_{};
  TBitmap buttonAreaBackup_;
  std::unique_ptr<TBitmap> titleCache_;
  std::unique_ptr<TsSystemMenu> sysMenu_;
  int titleButtonMask_ = -1;
  int restoreGlyph_ = -1;
  bool ncLeaveTracked_ = false;
  int regionSets_ = 0;
  // The region last given to the window: set again only when it changes.
  std::vector<PixelRect> appliedHoles_;
  SIZE appliedSize_{-1, -1};
};

}  // namespace folvane
