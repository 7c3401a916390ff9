#pragma once
// TsLabelFX: a label with a blurred drop shadow (the title of the About
// box). The shadow comes from the skin's first shadow or from the label's
// own settings; the text colour from the label, a colour of its own or the
// skin.

#include <functional>

#include "controls/LabelShadow.h"
#include "controls/win/sLabel.h"
#include "runtime/win/Bitmap.h"

namespace folvane {

enum class TsShadowMode { smNone, smCustom, smSkin1 };

class TsShadow {
 public:
  explicit TsShadow(std::function<void()> changed) : changed_(std::move(changed)) {}
  TsShadowMode Mode() const { return mode_; }
  void SetMode(TsShadowMode mode) { mode_ = mode; Changed(); }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int BlurCount() const { return blurCount_; }
  void SetBlurCount(int count) { blurCount_ = count; Changed(); }
  int Distance() const { return distance_; }
  void SetDistance(int distance) { distance_ = distance; Changed(); }
  // The channels of the colour last used, as RGB.
  std::uint8_t R = 0, G = 0, B = 0;
  void StoreChannels(TColor rgb);

 private:
  void Changed() { if (changed_) changed_(); }
  std::function<void()> changed_;
  TsShadowMode mode_ = TsShadowMode::smSkin1;
  TColor color_ = 0;
  int blurCount_ = 4;
  int distance_ = 1;
};

enum class TsKindType { ktStandard, ktCustom, ktSkin };

class TsKind {
 public:
  explicit TsKind(std::function<void()> changed) : changed_(std::move(changed)) {}
  TsKindType KindType() const { return kindType_; }
  void SetKindType(TsKindType type) { kindType_ = type; Changed(); }
  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; Changed(); }

 private:
  void Changed() { if (changed_) changed_(); }
  std::function<void()> changed_;
  TsKindType kindType_ = TsKindType::ktSkin;
  TColor color_ = 0xFFFFFF;
};

class TsLabelFX : public TsCustomLabel {
 public:
  explicit TsLabelFX(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TsLabelFX"; }

  TsShadow& Shadow() { return shadow_; }
  TsKind& Kind() { return kind_; }
  // How far the shadow reached beyond the text when last measured.
  ShadowExtents Extents() const { return extents_; }

 protected:
  void DoDrawText(HDC dc, RECT& rect, UINT flags) override;

 private:
  struct ShadowValues {
    TColor Color = 0;
    int Blur = 0;
    int Distance = 0;
  };
  ShadowValues CurrentShadow();
  TColor TextColor() const;
  void DrawDisabled(HDC dc, const std::wstring& text, RECT rect, UINT flags);
  void DrawPlain(HDC dc, const std::wstring& text, RECT& rect, UINT flags, TColor color);
  void PaintWithShadow(HDC dc, const std::wstring& text, const RECT& rect, UINT flags,
                       const ShadowValues& shadow, TColor color);

  TsShadow shadow_;
  TsKind kind_;
  ShadowExtents extents_;
  TBitmap work_;
  ShadowMask mask_;
};

}  // namespace folvane
