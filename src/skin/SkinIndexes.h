#pragma once
// Indexes of sections and masks that painting asks for all the time,
// looked up once per skin. -1 where the skin has none.

namespace folvane {

class SkinModel;

struct SkinCachedIndexes {
  int GlobalInfo = -1;
  int TabTop = -1, TabBottom = -1, TabLeft = -1, TabRight = -1;
  int TabTopBorder = -1, TabBottomBorder = -1, TabLeftBorder = -1, TabRightBorder = -1;

  int ScrollBtnTop = -1, ScrollBtnBottom = -1, ScrollBtnLeft = -1, ScrollBtnRight = -1;
  int ScrollBtnTopBorder = -1, ScrollBtnBottomBorder = -1;
  int ScrollBtnLeftBorder = -1, ScrollBtnRightBorder = -1;
  int ScrollBtnTopPattern = -1, ScrollBtnBottomPattern = -1;
  int ScrollBtnLeftPattern = -1, ScrollBtnRightPattern = -1;
  int ScrollBtnTopHotPattern = -1, ScrollBtnBottomHotPattern = -1;
  int ScrollBtnLeftHotPattern = -1, ScrollBtnRightHotPattern = -1;
  int ScrollBtnTopGlyph = -1, ScrollBtnBottomGlyph = -1;
  int ScrollBtnLeftGlyph = -1, ScrollBtnRightGlyph = -1;

  int ScrollSliderV = -1, ScrollSliderH = -1;
  int ScrollSliderVBorder = -1, ScrollSliderHBorder = -1;
  int ScrollSliderVGlyph = -1, ScrollSliderHGlyph = -1;
  int ScrollSliderHPattern = -1, ScrollSliderHHotPattern = -1;
  int ScrollSliderVPattern = -1, ScrollSliderVHotPattern = -1;

  int ScrollBar1H = -1, ScrollBar1V = -1, ScrollBar2H = -1, ScrollBar2V = -1;
  int ScrollBar1HBorder = -1, ScrollBar1VBorder = -1;
  int ScrollBar2HBorder = -1, ScrollBar2VBorder = -1;
  int ScrollBar1HPattern = -1, ScrollBar1VPattern = -1;
  int ScrollBar2HPattern = -1, ScrollBar2VPattern = -1;
  int ScrollBar1HHotPattern = -1, ScrollBar1VHotPattern = -1;
  int ScrollBar2HHotPattern = -1, ScrollBar2VHotPattern = -1;

  // Masks of "GLOBALINFO".
  int CheckBoxChecked = -1, CheckBoxUnchecked = -1, CheckBoxGrayed = -1;
  int RadioChecked = -1, RadioUnchecked = -1, RadioGrayed = -1;
  int SmallChecked = -1, SmallUnchecked = -1, SmallGrayed = -1;

  int ComboBtn = -1;
  int ComboBtnBorder = -1;
  int ComboBtnPattern = -1, ComboBtnHotPattern = -1;
  int ComboBoxGlyph = -1;
};

// All indexes looked up in `model` (all -1 when it holds no skin).
SkinCachedIndexes ComputeCachedIndexes(const SkinModel& model);

}  // namespace folvane
