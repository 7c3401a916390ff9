#include "Folder.h"
#include "Pictures.h"

namespace folvane::artgen {
namespace {

struct BadgePlace {
  Point centre;
  double radius;
};

BadgePlace badgeForIcon(int size) {
  switch (size) {
    case 16: return {{11.5, 11.5}, 4.5};
    case 24: return {{17, 17}, 6.5};
    case 32: return {{23, 23}, 8.5};
    case 48: return {{35, 35}, 12.5};
    default: return {{size * 0.72, size * 0.72}, size * 0.25};
  }
}

}  // namespace

Pixels iconPicture(int size) {
  Canvas canvas(size, size);
  const FolderGeometry folder = folderForIcon(size);
  if (size >= 48) {
    // A soft contact shadow under the folder, only where there is room for it.
    const double s = size / 48.0;
    canvas.fillSoft(roundRect(folder.left + s, folder.bottom - 2 * s, folder.right - s, folder.bottom + 1.5 * s, 2 * s),
                    solid(rgb(0x000000)), 1.2 * s, 0.22);
  }
  drawFolder(canvas, folder);
  const BadgePlace badge = badgeForIcon(size);
  drawVaneBadge(canvas, badge.centre, badge.radius);
  return toSoftAlpha(canvas);
}

}  // namespace folvane::artgen
