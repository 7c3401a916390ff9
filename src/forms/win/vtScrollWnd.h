#pragma once
// TvtScrollWnd: skinned scroll bars in a window's non-client area. The
// system keeps the ranges and positions; the adapter takes the bars out of
// the window's own non-client calculation, paints them from the scroll
// sections and turns presses, holds and drags into the usual WM_HSCROLL /
// WM_VSCROLL messages. The system still paints its own bar wherever a
// scroll position changes with redraw (wheel, keys, scroll messages,
// SetScrollInfo), so every message that leaves a range or position changed
// is followed by a repaint of the skinned bars.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "forms/ScrollBarGeometry.h"
#include "paint/PixelGeometry.h"
#include "forms/win/vtMainWnd.h"
#include "runtime/win/Bitmap.h"

namespace folvane {

class TvtScrollWnd;

class TvtScrollBar {
 public:
  TvtScrollBar(TvtScrollWnd* owner, int kind) : BarKind(static_cast<std::uint16_t>(kind)), Owner(owner) {}

  enum : std::uint16_t {
    kFirstArrowOff = 1,
    kSecondArrowOff = 2,
    kOffWhenEmpty = 4,
    kStyleAsks = 8,
  };
  std::uint16_t Flags = 0;
  std::uint8_t Shown = 0;
  SCROLLINFO Info{};
  int ArrowLength = -1;
  int Thickness = -1;
  bool ButtonsBefore = false;
  bool ButtonsAfter = false;
  int BeforeSize = 0;
  int AfterSize = 0;
  std::uint16_t BarKind;  // 0 horizontal, 1 vertical
  std::uint16_t MouseState = 0;
  int MinThumb = 10;
  TvtScrollWnd* Owner;

  bool Vertical() const { return BarKind == 1; }
  int SystemBar() const { return Vertical() ? SB_VERT : SB_HORZ; }
  ScrollRange Range() const;
  // Re-reads the system's scroll info; true when it changed.
  bool ReadInfo(HWND wnd);
};

class TvtScrollWnd : public TvtMainWnd {
 public:
  TvtScrollWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
               TsCommonData* skinData = nullptr);
  ~TvtScrollWnd() override;
  void HandleMessage(Message& m) override;

  std::unique_ptr<TvtScrollBar> HorzBar;
  std::unique_ptr<TvtScrollBar> VertBar;
  bool ThumbTracking = false;
  bool LeftScrollBar = false;
  int LeftEdge = 0, RightEdge = 0, TopEdge = 0, BottomEdge = 0;
  bool StyleGuard = false;

  int ArrowLength(const TvtScrollBar& bar) const;
  int Thickness(const TvtScrollBar& bar) const;
  // The bar's rectangle in window coordinates (empty when not shown).
  RECT BarRect(const TvtScrollBar& bar) const;
  // Re-reads both ranges; with `repaint` the bars are painted again.
  void UpdateScrollInfo(bool repaint);
  // Paints both bars and the corner between them into the window's DC
  // (or `into`, the window's top-left at its origin).
  void PaintBars(HDC into = nullptr);
  // The bar in its current look, as PaintBars copies it to the window;
  // empty when nothing is drawn.
  TBitmap BarImage(TvtScrollBar& bar);

 protected:
  void Hook() override;
  void OnDetach() override;
  // The non-client area apart from the bars; the system's by default.
  virtual void PaintNonClient(Message& m);
  // Leaves the bars and their corner out of a DC's clip.
  void ExcludeBars(HDC dc) const;
  // Sends one scroll action as a press or drag makes it.
  virtual void SendScroll(TvtScrollBar& bar, int code, int pos);
  // Runs the window's own procedure with the scroll styles hidden from it.
  void WithoutScrollStyles(Message& m);

 private:
  bool BarsActive() const;
  void CalcSize(Message& m);
  void HitTest(Message& m);
  RECT CornerRect() const;
  bool CornerIsSizeBox() const;
  TvtScrollBar* BarAt(POINT screen, int& along) const;
  TvtScrollBar* BarOfHit(WPARAM hit) const;
  bool BarEnabled(TvtScrollBar& bar);
  ThumbPlace Thumb(TvtScrollBar& bar, int length) const;
  int PartStates(const TvtScrollBar& bar, int part) const;
  void PaintCorner(HDC dc);
  BackgroundInfo BarBackground(PixelRect at, TColor& color);
  void Hover(WPARAM hit);
  void Press(WPARAM hit);
  void OnTimer(UINT_PTR id);
  void Drag();
  void FollowPressed();
  void Release();
  void EndAction();
  void StopTimer(UINT_PTR id);
  void StartTimer(UINT_PTR id, UINT ms);
  bool PointerOnPressed();
  void AfterMessage(UINT msg);

  bool sending_ = false;
  bool destroying_ = false;
  unsigned timers_ = 0;  // bit 0 hover, 1 first repeat, 2 repeat
};

// The platform's default arrow length (SM_CXHSCROLL), read once.
int SystemDefaultArrow();

// The window's skinned bars, through the "VTSBSC" property; none when its
// adapter has no bars.
TvtScrollWnd* ScrollBarsOf(HWND wnd);

// Gives a skinned control (the owner of `data`) a skinned frame and bars in
// `slot`,
// or, for an unskinned one, takes them away and gives the platform's flat
// bars back. Nothing happens while the control loads or goes.
void RefreshControlScrollBars(TsCommonData& data, AdapterPtr& slot);

// The platform's flat scroll bars (comctl32), loaded at run time because
// not every import library has them; false where the system lacks them.
bool InitializeFlatScrollBars(HWND wnd);
bool UninitializeFlatScrollBars(HWND wnd);

}  // namespace folvane
