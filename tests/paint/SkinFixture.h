#pragma once
// Small skins built in code: a master bitmap whose every pixel says where
// it came from, sections and mask entries placed by hand.

#include <memory>
#include <string>

#include "paint/PaintColor.h"
#include "runtime/PixelBuffer.h"
#include "skin/SkinModel.h"

namespace folvane::test {

// Master pixel (x, y) = RGB(x, y, 7): a painted pixel names its source.
constexpr TColor Src(int x, int y) { return RgbColor(static_cast<std::uint8_t>(x),
                                                     static_cast<std::uint8_t>(y), 7); }

inline PixelBuffer NumberedMaster(int w, int h) {
  PixelBuffer b(w, h, PixelFormat::Bgr24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetColor(x, y, Src(x, y));
  return b;
}

inline TsMaskData Entry(const std::string& section, const std::string& property, PixelRect r,
                        int imageCount, int maskType, int wl, int wt, int wr, int wb,
                        int stretchMode = 0, TvtImgType type = itisaBorder) {
  TsMaskData m;
  m.SectionName = section;
  m.PropertyName = property;
  m.Left = r.Left;
  m.Top = r.Top;
  m.Right = r.Right;
  m.Bottom = r.Bottom;
  m.ImageCount = imageCount;
  m.MaskType = maskType;
  m.WL = wl;
  m.WT = wt;
  m.WR = wr;
  m.WB = wb;
  m.StretchMode = stretchMode;
  m.ImgType = type;
  return m;
}

inline TsGeneralData Section(const std::string& name, TColor color) {
  TsGeneralData s;
  s.SectionName = name;
  s.Color = color;
  s.HotColor = color;
  return s;
}

// A model over `contents` (masks get the model as manager).
inline std::unique_ptr<SkinModel> ModelOf(SkinContents contents) {
  auto model = std::make_unique<SkinModel>();
  model->Assign(std::move(contents));
  return model;
}

}  // namespace folvane::test
