#pragma once
// Skins for the skinned-control tests: the program's internal skin (the
// real "EDIT", "STATUSBAR" and "DIVIDER" pictures), and the small test skin
// with text colours that tell the label colour walk's steps apart.

#include <windows.h>

#include <string>

#include "paint/gui/SkinnedTestControls.h"
#include "runtime/win/Resources.h"
#include "skin/win/sSkinManager.h"

namespace folvane::testing {

// A manager, the default one while no other exists, with one skin loaded
// and announced.
class OwnSkinManager {
 public:
  explicit OwnSkinManager(const TsStoredSkin& skin) : manager_(new TsSkinManager(nullptr)) {
    manager_->SetInternalSkins({skin});
    manager_->SetSkinName(std::wstring(skin.Name.begin(), skin.Name.end()));
  }
  ~OwnSkinManager() { delete manager_; }
  OwnSkinManager(const OwnSkinManager&) = delete;
  OwnSkinManager& operator=(const OwnSkinManager&) = delete;
  TsSkinManager* operator->() const { return manager_; }
  TsSkinManager* Get() const { return manager_; }

 private:
  TsSkinManager* manager_;
};

inline TsStoredSkin InternalSkin() {
  TsStoredSkin ambrel;
  ambrel.Name = u"Ambrel (internal)";
  ambrel.Data = ReadResourceData(L"AMBREL_SKIN");
  return ambrel;
}

// Text colours of the label skin.
constexpr TColor kGlobalText = 0x0000C0;   // GLOBALINFO's font colour
constexpr TColor kToolbarText = 0xC00000;  // TOOLBAR's, given when GiveOwnFont
constexpr TColor kSectionText = 0x00A000;  // "BUTTON"'s, for a label's own section

inline TsStoredSkin LabelSkin(bool toolbarGivesFont) {
  TsStoredSkin skin = TestSkin();
  for (TsSkinGeneral& s : skin.GeneralData) {
    if (s.SectionName == "GLOBALINFO") s.FontColor = std::to_string(kGlobalText) + " -1 -1 -1 -1";
    if (s.SectionName == "TOOLBAR") {
      s.FontColor = std::to_string(kToolbarText) + " -1 -1 -1 -1";
      s.GiveOwnFont = toolbarGivesFont;
    }
    if (s.SectionName == "BUTTON") s.FontColor = std::to_string(kSectionText) + " -1 -1 -1 -1";
  }
  return skin;
}

}  // namespace folvane::testing
