#include "Artwork.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "Pictures.h"

namespace folvane::artgen {
namespace {

// A drawn pixel closer than this to the key colour (in RGB distance) could
// be taken for it by a loader that keys loosely, or look like a fringe.
constexpr double kMinKeyDistance = 64.0;

using Problems = std::vector<std::string>;

double colourDistance(uint32_t a, uint32_t b) {
  const auto d = [&](int shift) { return static_cast<double>(((a >> shift) & 0xFF)) - ((b >> shift) & 0xFF); };
  return std::sqrt(d(16) * d(16) + d(8) * d(8) + d(0) * d(0));
}

std::string hex(uint32_t rgbValue) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", rgbValue & 0xFFFFFF);
  return text;
}

// One keyed picture, or one frame of a strip: corners are key, the key is the
// bottom-left pixel, the shape is there and keeps its distance from the key.
void checkKeyedFrame(const std::string& name, const Pixels& p, int left, int width, uint32_t key, Problems& out) {
  const auto colour = [&](int x, int y) { return p.at(left + x, y) & 0xFFFFFF; };
  const int bottom = p.height - 1;
  if (colour(0, bottom) != key) out.push_back(name + ": bottom-left pixel is " + hex(colour(0, bottom)) + ", not the key " + hex(key));
  for (auto [x, y] : {std::pair{0, 0}, {width - 1, 0}, {width - 1, bottom}}) {
    if (colour(x, y) != key) out.push_back(name + ": corner is not transparent");
  }
  int drawn = 0;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (colour(x, y) == key) continue;
      ++drawn;
      if (colourDistance(colour(x, y), key) < kMinKeyDistance) {
        out.push_back(name + ": pixel " + std::to_string(left + x) + "," + std::to_string(y) + " (" +
                      hex(colour(x, y)) + ") is too near the key " + hex(key));
      }
    }
  }
  if (drawn < width * p.height / 8) out.push_back(name + ": almost nothing is drawn");
}

struct Expected {
  const char* name;
  int width, height, bitsPerPixel;
};

std::optional<DecodedBmp> loadBmp(const std::string& dir, const Expected& e, Problems& out) {
  const auto bytes = readFile(dir + "/" + e.name);
  if (!bytes) {
    out.push_back(std::string(e.name) + ": missing");
    return std::nullopt;
  }
  auto bmp = decodeBmp(*bytes);
  if (!bmp) {
    out.push_back(std::string(e.name) + ": not an uncompressed bottom-up 24/32-bit BMP");
  } else if (bmp->pixels.width != e.width || bmp->pixels.height != e.height || bmp->bitsPerPixel != e.bitsPerPixel) {
    out.push_back(std::string(e.name) + ": expected " + std::to_string(e.width) + "x" + std::to_string(e.height) +
                  " at " + std::to_string(e.bitsPerPixel) + " bits");
    bmp.reset();
  }
  return bmp;
}

void checkKeyedGlyphs(const std::string& dir, Problems& out) {
  struct Glyph {
    Expected file;
    uint32_t key;
    int frames;
  };
  const Glyph glyphs[] = {
      {{"GlyphApply.bmp", 32, 32, 24}, kKeyRed, 1},   {{"GlyphRemove.bmp", 32, 32, 24}, kKeyCyan, 1},
      {{"GlyphClear.bmp", 32, 32, 24}, kKeyRed, 1},   {{"GlyphAbout.bmp", 32, 32, 24}, kKeyRed, 1},
      {{"GlyphClose.bmp", 32, 32, 24}, kKeyGreen, 1}, {{"OkGlyph.bmp", 36, 18, 24}, kKeyOlive, 2},
  };
  for (const Glyph& g : glyphs) {
    const auto bmp = loadBmp(dir, g.file, out);
    if (!bmp) continue;
    const int frameWidth = g.file.width / g.frames;
    for (int f = 0; f < g.frames; ++f) {
      checkKeyedFrame(g.file.name, bmp->pixels, f * frameWidth, frameWidth, g.key, out);
    }
  }
}

void checkDefaultFolder(const std::string& dir, Problems& out) {
  const auto bmp = loadBmp(dir, {"DefaultFolder.bmp", 32, 32, 32}, out);
  if (!bmp) return;
  int opaque = 0;
  for (uint32_t p : bmp->pixels.argb) {
    const uint32_t alpha = p >> 24;
    if (alpha == 255) ++opaque;
    if (alpha != 0 && alpha != 255) out.push_back("DefaultFolder.bmp: alpha " + std::to_string(alpha) + " is neither 0 nor 255");
    if (alpha == 0 && p != 0) out.push_back("DefaultFolder.bmp: a transparent pixel has colour " + hex(p));
  }
  if (bmp->pixels.at(0, 0) != 0 || bmp->pixels.at(0, 31) != 0) out.push_back("DefaultFolder.bmp: corners are not transparent");
  if (opaque < 32 * 32 / 3) out.push_back("DefaultFolder.bmp: the folder is missing");
}

void checkIconImage(const DecodedIconImage& image, int size, Problems& out) {
  const std::string name = "Folvane.ico " + std::to_string(size) + "x" + std::to_string(size);
  if (image.declaredWidth != size || image.declaredHeight != size || image.pixels.width != size ||
      image.pixels.height != size || image.bitsPerPixel != 32) {
    out.push_back(name + ": wrong size or depth");
    return;
  }
  int opaque = 0;
  for (size_t i = 0; i < image.pixels.argb.size(); ++i) {
    const uint32_t alpha = image.pixels.argb[i] >> 24;
    if (alpha == 255) ++opaque;
    if (image.transparentMask[i] != (alpha == 0)) {
      out.push_back(name + ": the AND mask disagrees with alpha");
      return;
    }
  }
  if (image.pixels.at(0, 0) >> 24 != 0) out.push_back(name + ": top-left corner is not transparent");
  if (opaque < size * size / 3) out.push_back(name + ": the folder is missing");
}

void checkIcon(const std::string& dir, Problems& out) {
  const auto bytes = readFile(dir + "/Folvane.ico");
  const auto images = bytes ? decodeIco(*bytes) : std::nullopt;
  const int sizes[] = {16, 24, 32, 48, 256};
  if (!images || images->size() != std::size(sizes)) {
    out.push_back("Folvane.ico: missing, unreadable or not five 32-bit images");
    return;
  }
  for (size_t i = 0; i < images->size(); ++i) checkIconImage((*images)[i], sizes[i], out);
}

// Each state image shows something, and its mask is grey (three equal
// channels) and white where nothing is drawn.
void checkComboGlyphs(const std::string& dir, Problems& out) {
  const Expected files[] = {{"ComboOpenFile.bmp", 60, 34, 24}, {"ComboOpenFolder.bmp", 60, 34, 24},
                            {"ComboDate.bmp", 48, 34, 24},     {"ComboEllipsis.bmp", 54, 34, 24},
                            {"ComboCalc.bmp", 57, 34, 24}};
  for (const Expected& e : files) {
    const auto bmp = loadBmp(dir, e, out);
    if (!bmp) continue;
    const Pixels& p = bmp->pixels;
    const int w = e.width / 3, h = e.height / 2;
    for (int s = 0; s < 3; ++s) {
      int opaque = 0;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          const uint32_t m = p.at(s * w + x, y + h) & 0xFFFFFF;
          if (m != (m & 0xFF) * 0x010101) out.push_back(std::string(e.name) + ": a mask pixel is not grey");
          if ((m & 0xFF) < 128) ++opaque;
        }
      if (opaque < w * h / 12) out.push_back(std::string(e.name) + ": a state image is almost empty");
      if ((p.at(s * w, h) & 0xFFFFFF) != 0xFFFFFF) out.push_back(std::string(e.name) + ": a corner is not transparent");
    }
  }
}

}  // namespace

std::vector<std::string> checkArtwork(const std::string& directory) {
  Problems problems;
  checkIcon(directory, problems);
  checkKeyedGlyphs(directory, problems);
  checkDefaultFolder(directory, problems);
  loadBmp(directory, {"AboutPicture.bmp", 147, 110, 24}, problems);
  checkComboGlyphs(directory, problems);
  return problems;
}

}  // namespace folvane::artgen
