#pragma once
// TvtDialogWnd: the adapter of a system dialog box (class "#32770"). It
// subclasses the dialog and draws its frame, caption band, icon, title and
// close button and its client background from the skin's "DIALOG" and
// "FORMTITLE" sections into one image of the whole window; the frame strips
// and the client part of that image reach the screen. The system keeps the
// non-client geometry.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "paint/PixelGeometry.h"

#include "runtime/win/Bitmap.h"
#include "forms/win/vtSystemMenu.h"
#include "runtime/win/Handles.h"

namespace folvane {

class TsSkinManager;
struct BackgroundRequest;

class TvtDialogWnd {
 public:
  TvtDialogWnd(HWND wnd, TsSkinManager& manager);
  ~TvtDialogWnd();
  TvtDialogWnd(const TvtDialogWnd&) = delete;
  TvtDialogWnd& operator=(const TvtDialogWnd&) = delete;

  HWND Handle() const { return wnd_; }
  bool Subclassed() const { return subclassed_; }
  // 0 dialog frame, 2 none, 3 sizing frame.
  int FrameKind() const { return frameKind_; }
  bool ActiveLook = true;
  // The window image as last rendered (window size, 24 bits).
  const TBitmap& Image() const { return image_; }
  // Rebuilds the window image from the skin.
  void Render();
  // Frame strips of the image to the window's own DC.
  void PaintFrame();

  int BorderWidth() const;
  int BorderHeight() const;
  int CaptionHeight() const;
  // The client area's origin in window coordinates.
  POINT ClientOffset() const;
  RECT CloseButtonRect() const;
  // The caption icon's place (window coordinates); empty without an icon.
  RECT IconRect() const;
  TvtSystemMenu* SysMenuPopup() const { return sysMenu_.get(); }
  // Shows the window menu at a screen point (after bringing it up to date).
  void ShowWindowMenu(int x, int y);
  // The one-pixel pieces cut out of the window region (the skin's corners).
  const std::vector<PixelRect>& RegionHoles() const { return appliedHoles_; }

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                               DWORD_PTR data);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled);
  void Release();
  LRESULT SkinCommand(WPARAM wp, LPARAM lp);
  void AnswerBackground(BackgroundRequest& r);
  void RenderCaption(int sectionIndex);
  void DrawCaptionText(const RECT& box);
  int CloseGlyph() const;
  LRESULT HitTest(LPARAM lp);
  void SetCloseState(int state);
  TColor ClientColor() const;
  void ApplyRegion();
  void ShowWindowMenuBelowIcon();

  HWND wnd_;
  TsSkinManager* manager_;
  bool subclassed_ = false;
  bool hasSysMenu_ = false;
  bool hasCaption_ = false;
  int frameKind_ = 3;
  int closeState_ = 0;  // 0 normal, 1 hot, 2 pressed
  TBitmap image_;
  BrushHandle clientBrush_;
  std::unique_ptr<TvtSystemMenu> sysMenu_;
  std::vector<PixelRect> appliedHoles_;
  SIZE appliedSize_{-1, -1};
};

}  // namespace folvane
