#include "paint/BlendKernels.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#define FOLVANE_SSE2 1
#endif

namespace folvane::kernels {

namespace {

inline std::uint8_t ConstantShape(unsigned x, unsigned y, unsigned a) {
  return static_cast<std::uint8_t>((x * a + y * (255 - a) + 127) >> 8);
}

inline std::uint8_t MaskShape(unsigned x, unsigned y, unsigned m) {
  return static_cast<std::uint8_t>((x * m + y * (256 - m)) >> 8);
}

// Blue, green, red of a colour as the bytes of one pixel.
struct PixelBytes {
  std::uint8_t b[3];
};
inline PixelBytes BytesOf(TColor c) {
  return {{static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
           static_cast<std::uint8_t>(c)}};
}

#if FOLVANE_SSE2
// Both shapes are sums that lie in 0 ... 65535, so 16-bit lanes hold them
// exactly and may wrap on the way.
//
// The mask shape works on bytes widened to 16 bits: x * m + y * (256 - m)
// = (y << 8) + m * (x - y), the signed difference times m wrapping while
// the total does not - one multiply per eight lanes.
//
// The constant shape keeps each pair of bytes in its 16-bit lane and needs
// no widening at all: the low bytes are masked out and multiplied as they
// are; the high bytes are masked in place (256 * v) and multiplied by
// a << 8 with the high half of the product, which is v * a exactly. The
// high byte of the low lane's sum is its result, shifted down; the high
// lane's sum keeps its result where it belongs.

// Eight lanes of the mask shape; xw, yw, mw are zero-extended bytes, yHigh
// is y << 8.
inline __m128i MaskShape8(__m128i xw, __m128i yw, __m128i yHigh, __m128i mw) {
  return _mm_srli_epi16(_mm_add_epi16(yHigh, _mm_mullo_epi16(_mm_sub_epi16(xw, yw), mw)), 8);
}

inline __m128i MaskShape16(__m128i x, __m128i y, __m128i m) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i lo = MaskShape8(_mm_unpacklo_epi8(x, zero), _mm_unpacklo_epi8(y, zero),
                                _mm_unpacklo_epi8(zero, y), _mm_unpacklo_epi8(m, zero));
  const __m128i hi = MaskShape8(_mm_unpackhi_epi8(x, zero), _mm_unpackhi_epi8(y, zero),
                                _mm_unpackhi_epi8(zero, y), _mm_unpackhi_epi8(m, zero));
  return _mm_packus_epi16(lo, hi);
}

inline __m128i Load(const std::uint8_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline void Store(std::uint8_t* p, __m128i v) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

// 48 bytes = 16 pixels: the smallest run in which a 3-byte pixel pattern
// lines up with whole vectors again.
struct Pattern48 {
  __m128i v[3];
};
inline Pattern48 RepeatPixel(PixelBytes px) {
  alignas(16) std::uint8_t bytes[48];
  for (int i = 0; i < 48; ++i) bytes[i] = px.b[i % 3];
  return {{Load(bytes), Load(bytes + 16), Load(bytes + 32)}};
}
#endif

}  // namespace

void ConstantBlendRowScalar(std::uint8_t* x, const std::uint8_t* y, std::size_t bytes,
                            std::uint8_t a) {
  for (std::size_t i = 0; i < bytes; ++i) x[i] = ConstantShape(x[i], y[i], a);
}

void ConstantBlendRow(std::uint8_t* x, const std::uint8_t* y, std::size_t bytes,
                      std::uint8_t a) {
  std::size_t i = 0;
#if FOLVANE_SSE2
  const __m128i lowBytes = _mm_set1_epi16(0x00FF);
  const __m128i highBytes = _mm_set1_epi16(static_cast<short>(0xFF00));
  const __m128i aw = _mm_set1_epi16(a), bw = _mm_set1_epi16(255 - a);
  const __m128i aHigh = _mm_set1_epi16(static_cast<short>(a << 8));
  const __m128i bHigh = _mm_set1_epi16(static_cast<short>((255 - a) << 8));
  const __m128i rounding = _mm_set1_epi16(127);
  for (; i + 16 <= bytes; i += 16) {
    const __m128i xv = Load(x + i), yv = Load(y + i);
    const __m128i low = _mm_add_epi16(
        _mm_add_epi16(_mm_mullo_epi16(_mm_and_si128(xv, lowBytes), aw),
                      _mm_mullo_epi16(_mm_and_si128(yv, lowBytes), bw)),
        rounding);
    const __m128i high = _mm_add_epi16(
        _mm_add_epi16(_mm_mulhi_epu16(_mm_and_si128(xv, highBytes), aHigh),
                      _mm_mulhi_epu16(_mm_and_si128(yv, highBytes), bHigh)),
        rounding);
    Store(x + i, _mm_or_si128(_mm_srli_epi16(low, 8), _mm_and_si128(high, highBytes)));
  }
#endif
  ConstantBlendRowScalar(x + i, y + i, bytes - i, a);
}

void MaskBlendRowScalar(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                        const std::uint8_t* m, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) out[i] = MaskShape(x[i], y[i], m[i]);
}

void MaskBlendRow(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                  const std::uint8_t* m, std::size_t bytes) {
  std::size_t i = 0;
#if FOLVANE_SSE2
  for (; i + 16 <= bytes; i += 16)
    Store(out + i, MaskShape16(Load(x + i), Load(y + i), Load(m + i)));
#endif
  MaskBlendRowScalar(out + i, x + i, y + i, m + i, bytes - i);
}

void MaskBlendConstRowScalar(std::uint8_t* out, const std::uint8_t* x,
                             const std::uint8_t* y, std::uint8_t m, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) out[i] = MaskShape(x[i], y[i], m);
}

void MaskBlendConstRow(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                       std::uint8_t m, std::size_t bytes) {
  std::size_t i = 0;
#if FOLVANE_SSE2
  const __m128i vm = _mm_set1_epi8(static_cast<char>(m));
  for (; i + 16 <= bytes; i += 16) Store(out + i, MaskShape16(Load(x + i), Load(y + i), vm));
#endif
  MaskBlendConstRowScalar(out + i, x + i, y + i, m, bytes - i);
}

void ColorThroughMaskRowScalar(std::uint8_t* x, const std::uint8_t* m,
                               std::size_t pixels, TColor color) {
  const PixelBytes c = BytesOf(color);
  for (std::size_t p = 0; p < pixels; ++p, x += 3, m += 3)
    for (int ch = 0; ch < 3; ++ch) x[ch] = MaskShape(x[ch], c.b[ch], m[ch]);
}

void ColorThroughMaskRow(std::uint8_t* x, const std::uint8_t* m, std::size_t pixels,
                         TColor color) {
  std::size_t p = 0;
#if FOLVANE_SSE2
  // The colour's lanes, plain and shifted left by 8, for each of the three
  // vectors of a 48-byte block and each half of a vector.
  const Pattern48 c = RepeatPixel(BytesOf(color));
  const __m128i zero = _mm_setzero_si128();
  __m128i cw[3][2], cHigh[3][2];
  for (int k = 0; k < 3; ++k) {
    cw[k][0] = _mm_unpacklo_epi8(c.v[k], zero);
    cw[k][1] = _mm_unpackhi_epi8(c.v[k], zero);
    cHigh[k][0] = _mm_unpacklo_epi8(zero, c.v[k]);
    cHigh[k][1] = _mm_unpackhi_epi8(zero, c.v[k]);
  }
  for (; p + 16 <= pixels; p += 16, x += 48, m += 48)
    for (int k = 0; k < 3; ++k) {
      const __m128i xv = Load(x + 16 * k), mv = Load(m + 16 * k);
      const __m128i lo = MaskShape8(_mm_unpacklo_epi8(xv, zero), cw[k][0], cHigh[k][0],
                                    _mm_unpacklo_epi8(mv, zero));
      const __m128i hi = MaskShape8(_mm_unpackhi_epi8(xv, zero), cw[k][1], cHigh[k][1],
                                    _mm_unpackhi_epi8(mv, zero));
      Store(x + 16 * k, _mm_packus_epi16(lo, hi));
    }
#endif
  ColorThroughMaskRowScalar(x, m, pixels - p, color);
}

void MaskBlendKeyedRowScalar(std::uint8_t* x, const std::uint8_t* y,
                             const std::uint8_t* m, std::size_t pixels, TColor key) {
  const PixelBytes k = BytesOf(key);
  for (std::size_t p = 0; p < pixels; ++p, x += 3, y += 3, m += 3) {
    if (y[0] == k.b[0] && y[1] == k.b[1] && y[2] == k.b[2]) continue;
    for (int ch = 0; ch < 3; ++ch) x[ch] = MaskShape(x[ch], y[ch], m[ch]);
  }
}

void MaskBlendKeyedRow(std::uint8_t* x, const std::uint8_t* y, const std::uint8_t* m,
                       std::size_t pixels, TColor key) {
  std::size_t p = 0;
#if FOLVANE_SSE2
  const Pattern48 k = RepeatPixel(BytesOf(key));
  // Bit 3i of the 48 byte-equality bits starts pixel i.
  constexpr std::uint64_t kPixelStarts = 0x249249249249ull;
  for (; p + 16 <= pixels; p += 16, x += 48, y += 48, m += 48) {
    const __m128i y0 = Load(y), y1 = Load(y + 16), y2 = Load(y + 32);
    const std::uint64_t eq =
        static_cast<std::uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(y0, k.v[0]))) |
        static_cast<std::uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(y1, k.v[1]))) << 16 |
        static_cast<std::uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(y2, k.v[2]))) << 32;
    if ((eq & (eq >> 1) & (eq >> 2) & kPixelStarts) != 0) {
      // Key pixels are rare (corners of borders): the reference handles them.
      MaskBlendKeyedRowScalar(x, y, m, 16, key);
      continue;
    }
    Store(x, MaskShape16(Load(x), y0, Load(m)));
    Store(x + 16, MaskShape16(Load(x + 16), y1, Load(m + 16)));
    Store(x + 32, MaskShape16(Load(x + 32), y2, Load(m + 32)));
  }
#endif
  MaskBlendKeyedRowScalar(x, y, m, pixels - p, key);
}

}  // namespace folvane::kernels
