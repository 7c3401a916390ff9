#include "Folder.h"
#include "Pictures.h"

namespace folvane::artgen {

Pixels aboutPicture() {
  constexpr int kWidth = 147, kHeight = 110;
  Canvas canvas(kWidth, kHeight);
  canvas.fill(roundRect(0, 0, kWidth, kHeight, 0), linear({0, 0}, rgb(0xEAF3FB), {0, kHeight}, rgb(0xC9DDF0)));
  // Soft light behind the folder and a few quiet rings.
  canvas.fillSoft(circle({74, 50}, 40), solid(rgb(0xFFFFFF)), 18, 0.7);
  canvas.fillSoft(circle({20, 22}, 10), solid(rgb(0xFFFFFF)), 4, 0.35);
  canvas.fillSoft(circle({128, 86}, 14), solid(rgb(0xFFFFFF)), 5, 0.3);
  canvas.fillSoft(circle({126, 18}, 6), solid(rgb(0xFFFFFF)), 3, 0.35);
  // Shadow on the ground, then the folder and its badge.
  // The picture box shows 145 x 105 of it: keep the subject inside that.
  const FolderGeometry folder = scaledFolder(folderForIcon(48), 1.6, 34, 12);
  canvas.fillSoft(roundRect(folder.left + 4, folder.bottom - 3, folder.right - 4, folder.bottom + 4, 3.5),
                  solid(rgb(0x2B4A6B)), 3, 0.3);
  drawFolder(canvas, folder);
  drawVaneBadge(canvas, {folder.right - 8, folder.bottom - 10}, 19);
  return toOpaque(canvas, 0xFFFFFF);
}

}  // namespace folvane::artgen
