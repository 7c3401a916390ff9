#include "Sheet.h"

#include <algorithm>
#include <cmath>

namespace folvane::skingen {
namespace {

uint32_t toByte(double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

uint32_t pack(double r, double g, double b) { return toByte(r) << 16 | toByte(g) << 8 | toByte(b); }

double channel(uint32_t hex, int shift) { return ((hex >> shift) & 0xFF) / 255.0; }

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// Fully transparent to the painters: no colour of the image survives.
constexpr double kClear = 0.5 / 255;

}  // namespace

Sheet::Sheet(int w, int h, uint32_t fill)
    : width(w), height(h), rgb(static_cast<size_t>(w) * h, fill) {}

Art::Art(int width, int height)
    : canvas(width, height), outside(static_cast<size_t>(width) * height, false) {}

void Art::cutTo(const Shape& silhouette) {
  cut = true;
  for (int y = 0; y < height(); ++y) {
    for (int x = 0; x < width(); ++x) {
      const double c = coverage(silhouette, x, y);
      const size_t i = static_cast<size_t>(y) * width() + x;
      if (c < 0.5) {
        outside[i] = true;
        canvas.set(x, y, {0, 0, 0, 0});
      } else if (c < 1) {
        const Color& p = canvas.at(x, y);
        const double a = std::min(1.0, p.a / c), k = p.a > 0 ? a / p.a : 0;
        canvas.set(x, y, {p.r * k, p.g * k, p.b * k, a});
      }
    }
  }
}

void placeOpaque(Sheet& sheet, int left, int top, const Art& art, uint32_t backdrop) {
  for (int y = 0; y < art.height(); ++y) {
    for (int x = 0; x < art.width(); ++x) {
      const Color& c = art.canvas.at(x, y);
      const bool out = art.outside[static_cast<size_t>(y) * art.width() + x] || c.a < 0.5;
      sheet.at(left + x, top + y) =
          out ? kKey
              : pack(c.r + channel(backdrop, 16) * (1 - c.a), c.g + channel(backdrop, 8) * (1 - c.a),
                     c.b + channel(backdrop, 0) * (1 - c.a));
    }
  }
}

void placeMasked(Sheet& sheet, int left, int top, int maskOffset, const Art& art, uint32_t inside) {
  for (int y = 0; y < art.height(); ++y) {
    for (int x = 0; x < art.width(); ++x) {
      const Color c = art.canvas.straightAt(x, y);
      uint32_t image = pack(c.r, c.g, c.b), mask = pack(1 - c.a, 1 - c.a, 1 - c.a);
      if (c.a < kClear) {
        const bool out = !art.cut || art.outside[static_cast<size_t>(y) * art.width() + x];
        image = out ? kKey : inside;
        mask = 0xFFFFFF;
      } else if (image == kKey) {
        image = 0xFE00FF;  // a drawn magenta must not read as transparent
      }
      sheet.at(left + x, top + y) = image;
      sheet.at(left + x, top + y + maskOffset) = mask;
    }
  }
}

std::vector<uint8_t> encodeBmp24(const Sheet& sheet) {
  const uint32_t rowBytes = (static_cast<uint32_t>(sheet.width) * 3 + 3) / 4 * 4;
  const uint32_t imageSize = rowBytes * static_cast<uint32_t>(sheet.height);
  std::vector<uint8_t> out;
  out.reserve(54 + imageSize);
  out.push_back('B');
  out.push_back('M');
  put32(out, 54 + imageSize);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);
  put32(out, static_cast<uint32_t>(sheet.width));
  put32(out, static_cast<uint32_t>(sheet.height));
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);  // BI_RGB
  put32(out, imageSize);
  put32(out, 3780);  // 96 dpi in pixels per metre
  put32(out, 3780);
  put32(out, 0);
  put32(out, 0);
  for (int y = sheet.height - 1; y >= 0; --y) {
    for (int x = 0; x < sheet.width; ++x) {
      const uint32_t p = sheet.at(x, y);
      out.push_back(p & 0xFF);
      out.push_back((p >> 8) & 0xFF);
      out.push_back((p >> 16) & 0xFF);
    }
    out.insert(out.end(), rowBytes - sheet.width * 3, 0);
  }
  return out;
}

}  // namespace folvane::skingen
