#pragma once
// The cells of the skin's pictures: where each drawn element lies, how many
// state images it has side by side, whether a transparency mask lies below
// them, and which options-file keys cut it (Layout.cpp lists them all).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Sheet.h"

namespace folvane::skingen {

struct Use {
  const char* section;
  const char* key;
};

struct Cell {
  const char* what;
  int left = 0, top = 0;
  int stateWidth = 0, stateHeight = 0;
  int states = 1;
  bool masked = false;  // MaskType 1: the masks lie one state height below
  // Opaque cells: the colour an anti-aliased edge is composed over. Masked
  // cells: the colour of empty pixels inside the element's silhouette.
  uint32_t backdrop = 0xE7E7E7;
  std::function<Art(int state)> draw;
  std::vector<Use> uses;

  int right() const { return left + states * stateWidth; }
  int bottom() const { return top + stateHeight * (masked ? 2 : 1); }
};

struct Picture {
  std::string fileName;  // as stored in the skin folder and archive
  int width = 0, height = 0;
  std::vector<Cell> cells;
};

// Master.bmp, ButtonHuge.bmp and tl.bmp, in the order the archive holds them
// after the options file.
std::vector<Picture> skinPictures();

Sheet render(const Picture& picture);

// Painters, one per kind of element (Frames.cpp, Glyphs.cpp,
// CaptionButtons.cpp, OwnPictures.cpp).
Art formFrame(int state);
Art captionFrame(int state);
Art editFrame(int state);
Art buttonFrame(int state);
Art flatButtonFrame(int state);
Art boxFrame(int state);
Art menuFrame(int state);
Art menuItemFrame(int state);
Art thumbFrame(int state);
Art sliderChannel(int state);
enum class TabSide { Top, Bottom, Left, Right };
Art tabFrame(TabSide side, int state);
Art verticalDivider(int state);
Art horizontalDivider(int state);
Art statusBarTop(int state);
Art iconColumnEdge(int state);
Art columnHeaderFrame(int state);

Art checkBox(int mark, int state, int size);  // mark: 0 none, 1 checked, 2 grayed
Art radioButton(int mark, int state);
Art menuCheck(int state);
Art sizeGrip(int state);
Art gripDots(int state);
enum class Arrow { Up, Down, Left, Right };
Art arrowGlyph(Arrow direction, int state, int width, int height);

enum class CaptionSymbol { None, Close, Minimize, Maximize, Restore, Help };
Art bigCaptionButton(CaptionSymbol symbol, int state, int width);
Art smallCaptionButton(CaptionSymbol symbol, int state);

Art hugeButton(int state);
Art titleSheen(int state);

}  // namespace folvane::skingen
