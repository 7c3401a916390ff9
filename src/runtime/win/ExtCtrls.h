#pragma once
// Graphic controls (label, bevel, image, speed button) and the image list.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "runtime/win/Bitmap.h"
#include "runtime/win/Control.h"

namespace folvane {

enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TEllipsisPosition { epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis };

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TLabel"; }
  bool AutoSize = true;
  bool WordWrap = false;
  bool Transparent = true;
  // "&" underlines the next character (and "&&" shows one "&").
  bool ShowAccelChar = true;
  TEllipsisPosition EllipsisPosition = TEllipsisPosition::epNone;
  TTextLayout Layout = TTextLayout::tlTop;
  TAlignment Alignment = TAlignment::taLeftJustify;
  // The control an accelerator of the caption focuses.
  TControl* FocusControl = nullptr;
  void SetCaption(const std::wstring& text) override;
  void Paint(HDC dc) override;
  // Fits the size to the caption when AutoSize is on.
  void AdjustSize();

 protected:
  // The DrawText flags of the label's settings.
  UINT TextFlags() const;
  // Draws the caption into `rect`, or measures it with DT_CALCRECT (an
  // empty caption or a lone "&" is measured with a blank appended).
  virtual void DoDrawText(HDC dc, RECT& rect, UINT flags);
  std::wstring TextToDraw(UINT flags) const;
};

enum class TBevelShape { bsBox, bsFrame };
enum class TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  const wchar_t* ClassName() const override { return L"TBevel"; }
  TBevelShape Shape = TBevelShape::bsBox;
  TBevelStyle Style = TBevelStyle::bsLowered;
  void Paint(HDC dc) override;
};

// An image showing an icon or a bitmap, unstretched from its top-left
// corner unless told otherwise.
class TImage : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  const wchar_t* ClassName() const override { return L"TImage"; }
  bool Stretch = false;
  bool Center = false;

  void SetIcon(IconHandle icon);
  void SetBitmap(TBitmap bitmap);
  void ClearPicture();
  bool HasPicture() const { return icon_ || !bitmap_.Empty(); }
  HICON Icon() const { return icon_.Get(); }
  const TBitmap& Bitmap() const { return bitmap_; }
  void Paint(HDC dc) override;

 private:
  IconHandle icon_;
  TBitmap bitmap_;
};

// Reads an .ico file as an icon at its own size. Throws EFOpenError when
// the file cannot be read and EInvalidGraphic when it is not an icon.
IconHandle LoadIconFile(const std::wstring& path);

// A flat push button without a window, as the browse button of an edit.
class TSpeedButton : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  const wchar_t* ClassName() const override { return L"TSpeedButton"; }
  bool Down() const { return down_; }
  std::function<void(HDC, const RECT&)> DrawGlyph;
  void Paint(HDC dc) override;

 protected:
  void WndProc(Message& m) override;

 private:
  bool down_ = false;
  bool tracking_ = false;
};

class TImageList : public TComponent {
 public:
  TImageList(TComponent* owner, int width, int height);
  ~TImageList() override;
  const wchar_t* ClassName() const override { return L"TImageList"; }
  HIMAGELIST Handle() const { return handle_; }
  int Count() const;
  // Adds a 32-bit bitmap whose alpha channel is its mask.
  int Add(const TBitmap& image);
  IconHandle GetIcon(int index) const;

 private:
  HIMAGELIST handle_ = nullptr;
};

}  // namespace folvane
