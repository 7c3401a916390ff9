// Where everything lies in the internal skin's pictures, and which keys of
// skins/Ambrel/Options.dat cut it. Rectangles are (left, top, right, bottom),
// right and bottom exclusive; "3 x 13x13 +mask" is three state images of
// 13 x 13 side by side with their transparency masks in the rows below.
// Unused areas hold the key colour. `skingen --layout` prints this table from
// the cells below, and `skingen --check` holds Options.dat to them.
//
// Master.bmp, 515 x 100, 24 bits
//   (0, 0, 39, 13)        3 x 13x13         check box:
//                                           GLOBALINFO BOXUNCHECKED
//   (39, 0, 78, 13)       3 x 13x13         check box, checked:
//                                           GLOBALINFO BOXCHECKED
//   (78, 0, 117, 13)      3 x 13x13         check box, grayed:
//                                           GLOBALINFO BOXGRAYED
//   (117, 0, 122, 5)      1 x 5x5           track-bar channel:
//                                           TRACKBAR SLIDERCHANNEL
//   (0, 14, 21, 18)       3 x 7x4           scroll arrow up:
//                                           SCROLLBTNTOP GLYPHMASK
//   (22, 14, 43, 18)      3 x 7x4           scroll arrow down:
//                                           SCROLLBTNBOTTOM GLYPHMASK
//   (45, 14, 48, 17)      1 x 3x3           vertical divider:
//                                           DIVIDER BORDERSMASK
//   (50, 14, 53, 16)      1 x 3x2           horizontal divider:
//                                           DIVIDERV BORDERSMASK
//   (55, 14, 58, 17)      1 x 3x3           status-bar top line:
//                                           STATUSBAR BORDERSMASK
//   (60, 14, 63, 17)      1 x 3x3           menu icon-column edge:
//                                           ICOLINE BORDERSMASK
//   (65, 14, 74, 17)      3 x 3x3           column header lines:
//                                           COLHEADER BORDERSMASK
//   (34, 19, 41, 28)      1 x 7x9           edit frame:
//                                           EDIT BORDERSMASK, COMBOBOX BORDERSMASK, VANTILEEDIT BORDERSMASK,
//                                           VANTILECOMBOBOX BORDERSMASK
//   (48, 19, 99, 40)      3 x 17x21         push button:
//                                           BUTTON BORDERSMASK, BUTTON_BIG BORDERSMASK
//   (110, 36, 113, 42)    1 x 3x3 +mask     grip dots:
//                                           GRIPH PATTERN, DRAGBAR PATTERN
//   (114, 37, 121, 41)    1 x 7x4           combo arrow:
//                                           COMBOBOX GLYPHMASK, VANTILECOMBOBOX GLYPHMASK,
//                                           TOOLBUTTON GLYPHMASK
//   (0, 20, 33, 31)       3 x 11x11         small check box:
//                                           GLOBALINFO SMALLUNCHECKED
//   (0, 32, 33, 43)       3 x 11x11         small check box, checked:
//                                           GLOBALINFO SMALLCHECKED
//   (0, 44, 33, 55)       3 x 11x11         small check box, grayed:
//                                           GLOBALINFO SMALLGRAYED
//   (0, 57, 28, 73)       2 x 14x8 +mask    caption frame, inactive and active:
//                                           FORMTITLE BORDERSMASK
//   (101, 20, 122, 27)    3 x 7x7           flat button (hot, pressed):
//                                           COMBOBTN BORDERSMASK, SPEEDBUTTON BORDERSMASK,
//                                           UPDOWNBTN BORDERSMASK, SPEEDBUTTON_SMALL BORDERSMASK,
//                                           TOOLBUTTON BORDERSMASK
//   (101, 28, 106, 33)    1 x 5x5           menu item highlight:
//                                           MENUITEM BORDERSMASK
//   (34, 43, 73, 69)      3 x 13x13 +mask   radio button:
//                                           GLOBALINFO RADIOUNCHECKED
//   (73, 43, 112, 69)     3 x 13x13 +mask   radio button, checked:
//                                           GLOBALINFO RADIOCHECKED
//   (114, 42, 121, 56)    1 x 7x7 +mask     box frame:
//                                           GROUPBOX BORDERSMASK, HINT BORDERSMASK, PANEL BORDERSMASK,
//                                           PANEL_LOW BORDERSMASK, TABCONTROL BORDERSMASK, GAUGE BORDERSMASK,
//                                           PAGECONTROLBOTTOM BORDERSMASK, PAGECONTROLLEFT BORDERSMASK,
//                                           PAGECONTROLRIGHT BORDERSMASK, PAGECONTROL BORDERSMASK
//   (114, 57, 121, 71)    1 x 7x7 +mask     popup menu frame:
//                                           MAINMENU BORDERSMASK
//   (34, 71, 49, 76)      3 x 5x5           tab, top:
//                                           TABTOP BORDERSMASK
//   (50, 71, 65, 76)      3 x 5x5           tab, bottom:
//                                           TABBOTTOM BORDERSMASK
//   (66, 71, 81, 76)      3 x 5x5           tab, left:
//                                           TABLEFT BORDERSMASK
//   (82, 71, 97, 76)      3 x 5x5           tab, right:
//                                           TABRIGHT BORDERSMASK
//   (122, 0, 218, 38)     3 x 32x19 +mask   caption close:
//                                           GLOBALINFO BICONCLOSE
//   (218, 0, 296, 38)     3 x 26x19 +mask   caption minimize:
//                                           GLOBALINFO BICONMIN
//   (296, 0, 374, 38)     3 x 26x19 +mask   caption maximize:
//                                           GLOBALINFO BICONMAX
//   (374, 0, 452, 38)     3 x 26x19 +mask   caption restore:
//                                           GLOBALINFO BICONNORM
//   (452, 0, 491, 26)     3 x 13x13 +mask   radio button, grayed:
//                                           GLOBALINFO RADIOGRAYED
//   (491, 0, 515, 24)     2 x 12x12 +mask   menu check mark:
//                                           GLOBALINFO CHECK
//   (453, 27, 480, 36)    3 x 9x9           scroll thumb and arrow button:
//                                           SCROLLSLIDERV BORDERSMASK, SCROLLBTNTOP BORDERSMASK,
//                                           SCROLLBTNBOTTOM BORDERSMASK, SCROLLBTNRIGHT BORDERSMASK,
//                                           SCROLLBTNLEFT BORDERSMASK, SCROLLSLIDERH BORDERSMASK
//   (122, 38, 200, 76)    3 x 26x19 +mask   caption help:
//                                           GLOBALINFO BICONHELP
//   (200, 38, 278, 76)    3 x 26x19 +mask   caption user button:
//                                           GLOBALINFO TITLEBUTTON
//   (278, 38, 323, 70)    3 x 15x16 +mask   dialog close:
//                                           GLOBALINFO SICONCLOSE
//   (323, 38, 368, 70)    3 x 15x16 +mask   dialog minimize:
//                                           GLOBALINFO SICONMIN
//   (368, 38, 413, 70)    3 x 15x16 +mask   dialog maximize:
//                                           GLOBALINFO SICONMAX
//   (413, 38, 458, 70)    3 x 15x16 +mask   dialog restore:
//                                           GLOBALINFO SICONNORM
//   (458, 38, 503, 70)    3 x 15x16 +mask   dialog help:
//                                           GLOBALINFO SICONHELP
//   (278, 71, 290, 78)    3 x 4x7           scroll arrow left:
//                                           SCROLLBTNLEFT GLYPHMASK
//   (291, 71, 303, 78)    3 x 4x7           scroll arrow right:
//                                           SCROLLBTNRIGHT GLYPHMASK
//   (503, 38, 515, 62)    1 x 12x12 +mask   size grip:
//                                           GLOBALINFO GRIPIMAGE
//   (0, 79, 514, 96)      2 x 257x17        window frame, inactive and active:
//                                           FORM BORDERSMASK, DIALOG BORDERSMASK
// ButtonHuge.bmp, 288 x 192, 24 bits
//   (0, 0, 288, 192)      3 x 96x96 +mask   huge button:
//                                           BUTTON_HUGE BORDERSMASK
// tl.bmp, 160 x 40, 24 bits
//   (0, 0, 160, 40)       1 x 160x20 +mask  caption sheen:
//                                           FORMTITLE IMGTOPLEFT
#include "Layout.h"

#include "Palette.h"

#include <stdexcept>
#include <string>

namespace folvane::skingen {
namespace {

namespace pal = palette;

// Caption buttons of sizeable and single-border forms hang from the top edge
// of the window ("BIVALIGN" 1), 19 pixels high; the small ones of dialogs
// are centred in the caption.
constexpr int kBigButtonHeight = 19;
constexpr int kCloseWidth = 32;
constexpr int kButtonWidth = 26;
constexpr int kSmallButtonWidth = 15;
constexpr int kSmallButtonHeight = 16;

Cell bigButton(const char* what, int left, int top, CaptionSymbol symbol, int width,
               std::vector<Use> uses) {
  return {what, left, top, width, kBigButtonHeight, 3, true, pal::kCaptionBottom,
          [symbol, width](int s) { return bigCaptionButton(symbol, s, width); }, std::move(uses)};
}

Cell smallButton(const char* what, int left, CaptionSymbol symbol, const char* key) {
  return {what, left, 38, kSmallButtonWidth, kSmallButtonHeight, 3, true, pal::kCaptionBottom,
          [symbol](int s) { return smallCaptionButton(symbol, s); }, {{"GLOBALINFO", key}}};
}

Cell box(const char* what, int left, int top, int mark, int size, const char* key) {
  return {what, left, top, size, size, 3, false, pal::kWindow,
          [mark, size](int s) { return checkBox(mark, s, size); }, {{"GLOBALINFO", key}}};
}

Cell radio(const char* what, int left, int top, int mark, const char* key) {
  return {what, left, top, 13, 13, 3, true, pal::kWindow,
          [mark](int s) { return radioButton(mark, s); }, {{"GLOBALINFO", key}}};
}

Cell arrow(const char* what, int left, int top, Arrow direction, int w, int h, const char* section) {
  return {what, left, top, w, h, 3, false, pal::kTrack,
          [direction, w, h](int s) { return arrowGlyph(direction, s, w, h); }, {{section, "GLYPHMASK"}}};
}

Cell tab(const char* what, int left, TabSide side, const char* section) {
  return {what, left, 71, 5, 5, 3, false, pal::kWindow,
          [side](int s) { return tabFrame(side, s); }, {{section, "BORDERSMASK"}}};
}

std::vector<Cell> masterCells() {
  using S = CaptionSymbol;
  return {
      // Row 0: check boxes, 13 x 13, normal, hot, pressed.
      box("check box", 0, 0, 0, 13, "BOXUNCHECKED"),
      box("check box, checked", 39, 0, 1, 13, "BOXCHECKED"),
      box("check box, grayed", 78, 0, 2, 13, "BOXGRAYED"),
      {"track-bar channel", 117, 0, 5, 5, 1, false, pal::kWindow, sliderChannel, {{"TRACKBAR", "SLIDERCHANNEL"}}},
      // Row 14: scroll arrows and the one-pixel lines.
      arrow("scroll arrow up", 0, 14, Arrow::Up, 7, 4, "SCROLLBTNTOP"),
      arrow("scroll arrow down", 22, 14, Arrow::Down, 7, 4, "SCROLLBTNBOTTOM"),
      {"vertical divider", 45, 14, 3, 3, 1, false, pal::kWindow, verticalDivider, {{"DIVIDER", "BORDERSMASK"}}},
      {"horizontal divider", 50, 14, 3, 2, 1, false, pal::kWindow, horizontalDivider, {{"DIVIDERV", "BORDERSMASK"}}},
      {"status-bar top line", 55, 14, 3, 3, 1, false, pal::kWindow, statusBarTop, {{"STATUSBAR", "BORDERSMASK"}}},
      {"menu icon-column edge", 60, 14, 3, 3, 1, false, pal::kWindow, iconColumnEdge, {{"ICOLINE", "BORDERSMASK"}}},
      {"column header lines", 65, 14, 3, 3, 3, false, pal::kWhite, columnHeaderFrame, {{"COLHEADER", "BORDERSMASK"}}},
      // Fixed by the program's skin data: edit, button, grip dots, combo arrow.
      {"edit frame", 34, 19, 7, 9, 1, false, pal::kForm, editFrame,
       {{"EDIT", "BORDERSMASK"}, {"COMBOBOX", "BORDERSMASK"}, {"VANTILEEDIT", "BORDERSMASK"},
        {"VANTILECOMBOBOX", "BORDERSMASK"}}},
      {"push button", 48, 19, 17, 21, 3, false, pal::kForm, buttonFrame,
       {{"BUTTON", "BORDERSMASK"}, {"BUTTON_BIG", "BORDERSMASK"}}},
      {"grip dots", 110, 36, 3, 3, 1, true, pal::kWindow, gripDots,
       {{"GRIPH", "PATTERN"}, {"DRAGBAR", "PATTERN"}}},
      {"combo arrow", 114, 37, 7, 4, 1, false, pal::kWhite,
       [](int s) { return arrowGlyph(Arrow::Down, s, 7, 4); },
       {{"COMBOBOX", "GLYPHMASK"}, {"VANTILECOMBOBOX", "GLYPHMASK"}, {"TOOLBUTTON", "GLYPHMASK"}}},
      // Left column: small check boxes and the caption frame.
      box("small check box", 0, 20, 0, 11, "SMALLUNCHECKED"),
      box("small check box, checked", 0, 32, 1, 11, "SMALLCHECKED"),
      box("small check box, grayed", 0, 44, 2, 11, "SMALLGRAYED"),
      {"caption frame, inactive and active", 0, 57, 14, 8, 2, true, pal::kCaptionIdle, captionFrame,
       {{"FORMTITLE", "BORDERSMASK"}}},
            // Beside the button: flat buttons and the menu highlight.
      {"flat button (hot, pressed)", 101, 20, 7, 7, 3, false, pal::kWindow, flatButtonFrame,
       {{"COMBOBTN", "BORDERSMASK"}, {"SPEEDBUTTON", "BORDERSMASK"}, {"UPDOWNBTN", "BORDERSMASK"},
        {"SPEEDBUTTON_SMALL", "BORDERSMASK"}, {"TOOLBUTTON", "BORDERSMASK"}}},
      {"menu item highlight", 101, 28, 5, 5, 1, false, pal::kWindow, menuItemFrame, {{"MENUITEM", "BORDERSMASK"}}},
      // Below the button: radio buttons, box and menu frames, tabs.
      radio("radio button", 34, 43, 0, "RADIOUNCHECKED"),
      radio("radio button, checked", 73, 43, 1, "RADIOCHECKED"),
      {"box frame", 114, 42, 7, 7, 1, true, pal::kForm, boxFrame,
       {{"GROUPBOX", "BORDERSMASK"}, {"HINT", "BORDERSMASK"}, {"PANEL", "BORDERSMASK"},
        {"PANEL_LOW", "BORDERSMASK"}, {"TABCONTROL", "BORDERSMASK"}, {"GAUGE", "BORDERSMASK"},
        {"PAGECONTROLBOTTOM", "BORDERSMASK"}, {"PAGECONTROLLEFT", "BORDERSMASK"},
        {"PAGECONTROLRIGHT", "BORDERSMASK"}, {"PAGECONTROL", "BORDERSMASK"}}},
      {"popup menu frame", 114, 57, 7, 7, 1, true, 0xF4F4F4, menuFrame, {{"MAINMENU", "BORDERSMASK"}}},
      tab("tab, top", 34, TabSide::Top, "TABTOP"),
      tab("tab, bottom", 50, TabSide::Bottom, "TABBOTTOM"),
      tab("tab, left", 66, TabSide::Left, "TABLEFT"),
      tab("tab, right", 82, TabSide::Right, "TABRIGHT"),
      // Caption buttons of forms, normal, hot, pressed.
      bigButton("caption close", 122, 0, S::Close, kCloseWidth, {{"GLOBALINFO", "BICONCLOSE"}}),
      bigButton("caption minimize", 218, 0, S::Minimize, kButtonWidth, {{"GLOBALINFO", "BICONMIN"}}),
      bigButton("caption maximize", 296, 0, S::Maximize, kButtonWidth, {{"GLOBALINFO", "BICONMAX"}}),
      bigButton("caption restore", 374, 0, S::Restore, kButtonWidth, {{"GLOBALINFO", "BICONNORM"}}),
      radio("radio button, grayed", 452, 0, 2, "RADIOGRAYED"),
      {"menu check mark", 491, 0, 12, 12, 2, true, pal::kWindow, menuCheck, {{"GLOBALINFO", "CHECK"}}},
      {"scroll thumb and arrow button", 453, 27, 9, 9, 3, false, pal::kTrack, thumbFrame,
       {{"SCROLLSLIDERV", "BORDERSMASK"}, {"SCROLLBTNTOP", "BORDERSMASK"}, {"SCROLLBTNBOTTOM", "BORDERSMASK"},
        {"SCROLLBTNRIGHT", "BORDERSMASK"}, {"SCROLLBTNLEFT", "BORDERSMASK"}, {"SCROLLSLIDERH", "BORDERSMASK"}}},
      bigButton("caption help", 122, 38, S::Help, kButtonWidth, {{"GLOBALINFO", "BICONHELP"}}),
      bigButton("caption user button", 200, 38, S::None, kButtonWidth, {{"GLOBALINFO", "TITLEBUTTON"}}),
      // Caption buttons of dialogs.
      smallButton("dialog close", 278, S::Close, "SICONCLOSE"),
      smallButton("dialog minimize", 323, S::Minimize, "SICONMIN"),
      smallButton("dialog maximize", 368, S::Maximize, "SICONMAX"),
      smallButton("dialog restore", 413, S::Restore, "SICONNORM"),
      smallButton("dialog help", 458, S::Help, "SICONHELP"),
      arrow("scroll arrow left", 278, 71, Arrow::Left, 4, 7, "SCROLLBTNLEFT"),
      arrow("scroll arrow right", 291, 71, Arrow::Right, 4, 7, "SCROLLBTNRIGHT"),
      {"size grip", 503, 38, 12, 12, 1, true, pal::kWindow, sizeGrip, {{"GLOBALINFO", "GRIPIMAGE"}}},
      // Fixed: the frame of forms and dialogs, inactive and active.
      {"window frame, inactive and active", 0, 79, 257, 17, 2, false, 0xB4B4B4, formFrame,
       {{"FORM", "BORDERSMASK"}, {"DIALOG", "BORDERSMASK"}}},
  };
}

}  // namespace

std::vector<Picture> skinPictures() {
  return {
      {"Master.bmp", 515, 100, masterCells()},
      {"ButtonHuge.bmp", 288, 192,
       {{"huge button", 0, 0, 96, 96, 3, true, pal::kForm, hugeButton, {{"BUTTON_HUGE", "BORDERSMASK"}}}}},
      {"tl.bmp", 160, 40,
       {{"caption sheen", 0, 0, 160, 20, 1, true, pal::kCaptionTop, titleSheen, {{"FORMTITLE", "IMGTOPLEFT"}}}}},
  };
}

Sheet render(const Picture& picture) {
  Sheet sheet(picture.width, picture.height);
  for (const Cell& cell : picture.cells) {
    for (int s = 0; s < cell.states; ++s) {
      const Art art = cell.draw(s);
      if (art.width() != cell.stateWidth || art.height() != cell.stateHeight)
        throw std::logic_error(std::string("skingen: \"") + cell.what + "\" draws the wrong size");
      const int x = cell.left + s * cell.stateWidth;
      if (cell.masked)
        placeMasked(sheet, x, cell.top, cell.stateHeight, art, cell.backdrop);
      else
        placeOpaque(sheet, x, cell.top, art, cell.backdrop);
    }
  }
  return sheet;
}

}  // namespace folvane::skingen
