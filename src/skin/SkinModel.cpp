#include "skin/SkinModel.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

namespace folvane {

SkinModel::SkinModel(const SystemColors& colors) : colors_(&colors) {}

void SkinModel::Assign(SkinContents contents) {
  skin_ = std::move(contents);
  for (TsMaskData& mask : skin_.Masks) mask.Manager = this;
  loaded_ = true;
  BuildNameIndexes();
  RefreshCachedIndexes();
}

void SkinModel::Clear() {
  TsSkinData kept = std::move(skin_.SkinData);
  skin_ = SkinContents();
  skin_.SkinData = std::move(kept);
  loaded_ = false;
  BuildNameIndexes();
  RefreshCachedIndexes();
}

void SkinModel::RefreshCachedIndexes() { indexes_ = ComputeCachedIndexes(*this); }

std::string SkinModel::PairKey(std::string_view section, std::string_view property) {
  std::string key(section);
  key.push_back('\0');  // no name holds a NUL: the pair stays unambiguous
  key.append(property);
  return key;
}

void SkinModel::BuildNameIndexes() {
  sectionByName_.clear();
  maskByName_.clear();
  textureMaskByName_.clear();
  patternByName_.clear();
  // emplace keeps the first entry of a name, as the lookups must.
  for (std::size_t i = 0; i < skin_.Sections.size(); ++i)
    sectionByName_.emplace(skin_.Sections[i].SectionName, static_cast<int>(i));
  for (std::size_t i = 0; i < skin_.Masks.size(); ++i) {
    const TsMaskData& m = skin_.Masks[i];
    const std::string key = PairKey(m.SectionName, m.PropertyName);
    maskByName_.emplace(key, static_cast<int>(i));
    if (m.ImgType == itisaTexture) textureMaskByName_.emplace(key, static_cast<int>(i));
  }
  for (std::size_t i = 0; i < skin_.Patterns.size(); ++i) {
    const TsPatternData& p = skin_.Patterns[i];
    patternByName_.emplace(PairKey(p.SectionName, p.PropertyName), static_cast<int>(i));
  }
}

int SkinModel::FindSection(std::string_view name) const {
  const auto found = sectionByName_.find(std::string(name));
  return found == sectionByName_.end() ? -1 : found->second;
}

int SkinModel::FindThroughParents(const NameIndex& index, int sectionIndex,
                                  std::string_view section,
                                  std::string_view property) const {
  // Walks the ParentClass chain without recursion; a section met twice
  // means the chain loops, and the lookup ends with nothing found. The
  // record of passed sections is made only when a parent is taken.
  std::vector<bool> passed;
  std::string name(section);
  for (int s = sectionIndex; s >= 0 && !name.empty();) {
    const auto found = index.find(PairKey(name, property));
    if (found != index.end()) return found->second;
    if (!SectionIndexValid(s)) return -1;
    if (passed.empty()) passed.assign(skin_.Sections.size(), false);
    if (passed[s]) return -1;
    passed[s] = true;
    const std::string& parent = skin_.Sections[s].ParentClass;
    if (parent.empty() || parent == name) return -1;
    s = FindSection(parent);
    name = parent;
  }
  return -1;
}

int SkinModel::FindMask(int sectionIndex, std::string_view section,
                        std::string_view property) const {
  return FindThroughParents(maskByName_, sectionIndex, section, property);
}

int SkinModel::FindOwnMask(std::string_view section, std::string_view property) const {
  const auto found = maskByName_.find(PairKey(section, property));
  return found == maskByName_.end() ? -1 : found->second;
}

int SkinModel::FindTextureMask(int sectionIndex, std::string_view section,
                               std::string_view property) const {
  return FindThroughParents(textureMaskByName_, sectionIndex, section, property);
}

int SkinModel::FindPattern(int sectionIndex, std::string_view section,
                           std::string_view property) const {
  return FindThroughParents(patternByName_, sectionIndex, section, property);
}

bool SkinModel::SectionIndexValid(int i) const {
  return i >= 0 && static_cast<std::size_t>(i) < skin_.Sections.size();
}

bool SkinModel::MaskIndexValid(int i) const {
  return i >= 0 && static_cast<std::size_t>(i) < skin_.Masks.size();
}

bool SkinModel::PatternIndexValid(int i) const {
  return i >= 0 && static_cast<std::size_t>(i) < skin_.Patterns.size();
}

const TsGeneralData* SkinModel::Section(int i) const {
  return SectionIndexValid(i) ? &skin_.Sections[i] : nullptr;
}

const TsMaskData* SkinModel::Mask(int i) const {
  return MaskIndexValid(i) ? &skin_.Masks[i] : nullptr;
}

const TsPatternData* SkinModel::Pattern(int i) const {
  return PatternIndexValid(i) ? &skin_.Patterns[i] : nullptr;
}

namespace {
// Divisors from skin files are guarded, never trusted: a count below 1
// counts as 1.
std::int64_t Across(const TsMaskData& m) { return std::max(m.ImageCount, 1); }
std::int64_t Down(const TsMaskData& m) { return std::max(m.MaskType, 0) + 1; }
}  // namespace

int SkinModel::SliceWidth(int i, int TsMaskData::*width, bool across) const {
  const TsMaskData* m = Mask(i);
  if (!m) return 0;
  if (m->*width > 0) return m->*width;
  if (m->BorderWidth > 0) return m->BorderWidth;
  return static_cast<int>(across ? m->Width() / (Across(*m) * 3)
                                 : m->Height() / (Down(*m) * 3));
}

int SkinModel::SliceWidthLeft(int i) const { return SliceWidth(i, &TsMaskData::WL, true); }
int SkinModel::SliceWidthTop(int i) const { return SliceWidth(i, &TsMaskData::WT, false); }
int SkinModel::SliceWidthRight(int i) const { return SliceWidth(i, &TsMaskData::WR, true); }
int SkinModel::SliceWidthBottom(int i) const {
  return SliceWidth(i, &TsMaskData::WB, false);
}

MaskSize SkinModel::MaskStateSize(int i) const {
  const TsMaskData* m = Mask(i);
  if (!m) return {};
  if (m->HasImage()) return {m->Image.Width() / 3, m->Image.Height() / 2};
  return {static_cast<int>(m->Width() / Across(*m)),
          static_cast<int>(m->Height() / Down(*m))};
}

TColor SkinModel::GlobalBackColor() const {
  const TsGeneralData* global = Section(FindSection("GLOBALINFO"));
  return global ? ColorToRGB(global->Color, *colors_)
                : colors_->Get(kSysColorButtonFace);
}

TColor SkinModel::GlobalTextColor() const {
  const TsGeneralData* global = Section(FindSection("GLOBALINFO"));
  return global ? ColorToRGB(global->FontColor, *colors_) : kKeyColor;
}

std::string SkinVersionText(double version) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, version);
  return std::string(text, result.ptr);
}

}  // namespace folvane
