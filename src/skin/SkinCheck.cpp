#include "skin/SkinCheck.h"

#include <cstdint>

#include "skin/LoadReport.h"
#include "skin/LookedUpSections.h"
#include "skin/SkinLoader.h"
#include "skin/SkinText.h"

namespace folvane {

namespace {

class Findings : public LoadReport {
 public:
  explicit Findings(std::vector<SkinFinding>& out) : out_(out) {}
  void Fault(std::string_view section, std::string_view key, std::string_view text,
             bool failsLoad) override {
    out_.push_back(SkinFinding{SkinFinding::Kind::Error, std::string(section),
                               std::string(key), std::string(text), failsLoad});
  }

 private:
  std::vector<SkinFinding>& out_;
};

SkinFinding Error(const std::string& section, const std::string& key, std::string text) {
  return SkinFinding{SkinFinding::Kind::Error, section, key, std::move(text), false};
}

std::string RectText(const TsMaskData& m) {
  return "(" + std::to_string(m.Left) + ", " + std::to_string(m.Top) + ", " +
         std::to_string(m.Right) + ", " + std::to_string(m.Bottom) + ")";
}

void CheckRectangle(const TsMaskData& m, const PixelBuffer& master,
                    std::vector<SkinFinding>& out) {
  if (m.Width() <= 0 || m.Height() <= 0) {
    out.push_back(Error(m.SectionName, m.PropertyName, "empty rectangle " + RectText(m)));
  } else if (!master.Empty() && (m.Left < 0 || m.Top < 0 || m.Right > master.Width() ||
                                 m.Bottom > master.Height())) {
    out.push_back(Error(m.SectionName, m.PropertyName,
                        "rectangle " + RectText(m) + " outside the master bitmap (" +
                            std::to_string(master.Width()) + " x " +
                            std::to_string(master.Height()) + ")"));
  }
}

void CheckStates(const SkinModel& model, int i, std::vector<SkinFinding>& out) {
  const TsMaskData& m = *model.Mask(i);
  if (m.ImageCount < 1) {
    out.push_back(Error(m.SectionName, m.PropertyName, "ImageCount below 1: nothing is painted"));
    return;
  }
  if (m.ImgType != itisaBorder) return;
  // One state image as borders are painted: ImageCount side by side, the
  // lower half a mask when MaskType is 1. 64 bits: the numbers are the
  // skin's, any size.
  const std::int64_t stateX = m.Width() / m.ImageCount;
  const std::int64_t stateY = m.Height() / (m.MaskType > 0 ? std::int64_t{m.MaskType} + 1 : 1);
  const std::int64_t across = std::int64_t{model.SliceWidthLeft(i)} + model.SliceWidthRight(i);
  const std::int64_t down = std::int64_t{model.SliceWidthTop(i)} + model.SliceWidthBottom(i);
  if (across > stateX || down > stateY)
    out.push_back(Error(m.SectionName, m.PropertyName,
                        "border slices wider than one state image (" +
                            std::to_string(stateX) + " x " + std::to_string(stateY) + ")"));
}

// Masks of a picture of their own with an empty rectangle (small JPEG
// textures) take their size from the picture: nothing to check there.
bool CutFromMaster(const TsMaskData& m) { return !m.HasImage(); }

}  // namespace

std::vector<SkinFinding> CheckLoadedSkin(const SkinModel& model) {
  std::vector<SkinFinding> out;
  int fromMaster = 0;
  for (int i = 0; model.MaskIndexValid(i); ++i) {
    const TsMaskData& m = *model.Mask(i);
    if (CutFromMaster(m)) {
      ++fromMaster;
      CheckRectangle(m, model.MasterBitmap(), out);
    }
    if (m.HasImage() && m.Width() == 0 && m.Height() == 0) continue;
    CheckStates(model, i, out);
  }
  if (fromMaster > 0 && model.MasterBitmap().Empty())
    out.push_back(Error("GLOBALINFO", "MASTERBITMAP",
                        "no master bitmap, yet " + std::to_string(fromMaster) +
                            " reference(s) are cut from it"));
  for (const LookedUpSection& s : LookedUpSections())
    if (model.FindSection(s.Name) < 0)
      out.push_back(SkinFinding{SkinFinding::Kind::Note, s.Name, "",
                                std::string("no section; used by ") + s.UsedBy, false});
  return out;
}

namespace {

std::vector<SkinFinding> LoadFindings(SkinModel& model, const std::u16string& path,
                                      bool isFolder, const SkinFileSystem& files) {
  std::vector<SkinFinding> out;
  Findings report(out);
  SkinLoadSettings settings;
  settings.Files = &files;
  settings.Report = &report;
  SkinLoadOutcome outcome;
  try {
    outcome = isFolder ? LoadSkinFolder(model, path + u"\\", settings)
                       : LoadPackedSkinFile(model, path, u"", settings);
  } catch (const std::exception& e) {
    out.push_back(SkinFinding{SkinFinding::Kind::Error, "", "", e.what(), true});
    return out;
  }
  switch (outcome.Result) {
    case SkinLoadResult::Loaded: break;
    case SkinLoadResult::NotPackedSkin:
      out.push_back(SkinFinding{SkinFinding::Kind::Error, "", "", outcome.Message, true});
      break;
    case SkinLoadResult::NoOptions:
      out.push_back(Error("", "", "no Options.dat: the program cannot load this skin"));
      break;
    case SkinLoadResult::NotFound:
      out.push_back(Error("", "", isFolder ? "no Options.dat in this folder" : "no such file"));
      break;
  }
  return out;
}

}  // namespace

std::vector<SkinFinding> CheckSkin(const std::u16string& path, bool isFolder,
                                   const SkinFileSystem& files) {
  SkinModel model;
  std::vector<SkinFinding> out = LoadFindings(model, path, isFolder, files);
  if (!model.Loaded()) return out;
  std::vector<SkinFinding> loaded = CheckLoadedSkin(model);
  out.insert(out.end(), loaded.begin(), loaded.end());
  return out;
}

std::string FormatFinding(const SkinFinding& f) {
  std::string line = f.FindingKind == SkinFinding::Kind::Error ? "error: " : "note: ";
  if (!f.Section.empty()) line += "[" + f.Section + "] ";
  if (!f.Key.empty()) line += f.Key + ": ";
  line += f.Text;
  if (f.FailsLoad) line += " (the program stops loading the skin here)";
  return line;
}

}  // namespace folvane
