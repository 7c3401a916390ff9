#pragma once
// The loaded skin: its sections, masks, patterns, master bitmap and
// skin-wide data, with every lookup painting and the skin manager need.
// Lookups compare names exactly (the loader keeps the letter case of "^",
// "@", "~" and "!" references and upper-cases the others) and answer -1, 0
// or an empty result for -1 or out-of-range indexes; they never fail.

#include <string>
#include <string_view>
#include <unordered_map>

#include "skin/SkinContents.h"
#include "skin/SkinIndexes.h"
#include "skin/SystemColors.h"

namespace folvane {

struct MaskSize {
  int x = 0;
  int y = 0;
};

class SkinModel {
 public:
  explicit SkinModel(const SystemColors& colors = ClassicSystemColors());
  SkinModel(const SkinModel&) = delete;
  SkinModel& operator=(const SkinModel&) = delete;

  // Takes over a freshly loaded skin in place of the current one and
  // refreshes the cached indexes.
  void Assign(SkinContents contents);
  // Releases sections, masks, patterns and master bitmap; TsSkinData stays.
  // Every cached index becomes -1.
  void Clear();

  bool Loaded() const { return loaded_; }
  bool Packed() const { return skin_.Packed; }
  const TsGeneralDataArray& Sections() const { return skin_.Sections; }
  const TsMaskArray& Masks() const { return skin_.Masks; }
  const TsPatternArray& Patterns() const { return skin_.Patterns; }
  const PixelBuffer& MasterBitmap() const { return skin_.MasterBitmap; }
  const TsSkinData& SkinData() const { return skin_.SkinData; }
  TsSkinData& SkinData() { return skin_.SkinData; }
  const SkinCachedIndexes& CachedIndexes() const { return indexes_; }
  void RefreshCachedIndexes();

  const SystemColors& Colors() const { return *colors_; }
  void SetSystemColors(const SystemColors& colors) { colors_ = &colors; }

  int FindSection(std::string_view name) const;
  // The first mask of `section` named `property`; when there is none, the
  // same lookup in the ParentClass of section `sectionIndex`, and so on up.
  // A ParentClass chain that returns to a section already passed ends: -1.
  int FindMask(int sectionIndex, std::string_view section, std::string_view property) const;
  // FindMask without the ParentClass step.
  int FindOwnMask(std::string_view section, std::string_view property) const;
  // FindMask counting only texture masks.
  int FindTextureMask(int sectionIndex, std::string_view section,
                      std::string_view property) const;
  // FindMask over the patterns.
  int FindPattern(int sectionIndex, std::string_view section,
                  std::string_view property) const;

  bool SectionIndexValid(int i) const;
  bool MaskIndexValid(int i) const;
  bool PatternIndexValid(int i) const;
  // The entry, or nullptr for an invalid index.
  const TsGeneralData* Section(int i) const;
  const TsMaskData* Mask(int i) const;
  const TsPatternData* Pattern(int i) const;

  // Border slice widths of mask i: WL (WT, WR, WB) when above 0, else
  // BorderWidth when above 0, else the share of one state image (width div
  // (ImageCount * 3), height div ((MaskType + 1) * 3)); an ImageCount below
  // 1 or a MaskType below 0 counts as 1 or 0. 0 for an invalid index.
  int SliceWidthLeft(int i) const;
  int SliceWidthTop(int i) const;
  int SliceWidthRight(int i) const;
  int SliceWidthBottom(int i) const;
  // One state image of mask i: an own picture gives (width div 3,
  // height div 2); a rectangle (width div ImageCount, height div
  // (MaskType + 1)), with the same guards as the slice widths.
  MaskSize MaskStateSize(int i) const;

  // Color / FontColor of "GLOBALINFO" as RGB; the system button face and
  // 0xFF00FF when the skin has no such section.
  TColor GlobalBackColor() const;
  TColor GlobalTextColor() const;

 private:
  using NameIndex = std::unordered_map<std::string, int>;
  static std::string PairKey(std::string_view section, std::string_view property);
  void BuildNameIndexes();
  int FindThroughParents(const NameIndex& index, int sectionIndex,
                         std::string_view section, std::string_view property) const;
  int SliceWidth(int i, int TsMaskData::*width, bool across) const;

  const SystemColors* colors_;
  SkinContents skin_;
  bool loaded_ = false;
  SkinCachedIndexes indexes_;
  NameIndex sectionByName_;
  NameIndex maskByName_;
  NameIndex textureMaskByName_;
  NameIndex patternByName_;
};

// The skin format version as the manager shows it: "." as the decimal
// separator whatever the locale, as few digits as give the value back
// ("5.6", "5").
std::string SkinVersionText(double version);

}  // namespace folvane
